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

enum class MouseButton { Left, Right, Middle };

class ITreeViewSink : public virtual IControlSink {
public:
    // A button was pressed or released over the view, in client coordinates. A press
    // first selects the node under the pointer (reported as a selection change).
    virtual void PeerMouseDown(MouseButton button, TPoint at) = 0;
    virtual void PeerMouseUp(MouseButton button, TPoint at) = 0;
    // While a drag of a node runs: whether it may be dropped at `at`. The view shows the
    // no-drop pointer where it may not, and highlights the node under the pointer where
    // it may.
    virtual bool PeerDragOver(TPoint at) = 0;
    // The button was released where a drop is allowed; a drag that ends elsewhere ends
    // with PeerDragEnd alone.
    virtual void PeerDragDrop(TPoint at) = 0;
    virtual void PeerDragEnd() = 0;
    // One file dropped from the shell, with the drop point; false stops the files that
    // follow it.
    virtual bool PeerFileDropped(const std::string& path, TPoint at) = 0;
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
    // The node under a point in client coordinates; 0 for none.
    virtual uintptr_t NodeAt(TPoint at) = 0;
    // The button is held: a drag starts once the pointer has moved `threshold` pixels,
    // and then reports through the sink until the button is released.
    virtual void BeginDrag(int threshold) = 0;
    // Whether files dropped from the shell are taken.
    virtual void SetAcceptFiles(bool accept) = 0;
};

}  // namespace pv
