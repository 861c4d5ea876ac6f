#pragma once
// Tree views: nodes are named by the model's keys.
#include <cstdint>
#include <string>

#include "platform/ui/control.h"

namespace pv {

struct TreeNodeState {
    std::string Text;
    int ImageIndex = -1;  // -1: no picture
    int SelectedIndex = -1;
    int StateIndex = -1;
    bool HasChildren = false;
    bool Cut = false;  // shown ghosted, as an entry marked for moving
};

class ITreeViewSink : public virtual IControlSink {
public:
    virtual void PeerExpandedChanged(uintptr_t node, bool expanded) = 0;
    virtual void PeerSelectionChanged(uintptr_t node) = 0;  // 0: nothing selected
};

// `parent` 0 is the root level and `after` 0 puts the node first among its siblings.
// Labels are read-only, the selection stays visible without focus, and a press of
// either mouse button on a node selects it (reported as a selection change).
class ITreeViewPeer : public IControlPeer {
public:
    virtual void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& state) = 0;
    virtual void UpdateNode(uintptr_t node, const TreeNodeState& state) = 0;
    virtual void DeleteNode(uintptr_t node) = 0;
    virtual void Clear() = 0;
    virtual void SetExpanded(uintptr_t node, bool expanded) = 0;
    virtual void SelectNode(uintptr_t node) = 0;
    virtual void SetImageList(NativeHandle imageList) = 0;
    // Pixels a level is indented by.
    virtual void SetIndent(int pixels) = 0;
    // Off while the model makes many changes, so that the view repaints once.
    virtual void SetRedraw(bool redraw) = 0;
};

}  // namespace pv
