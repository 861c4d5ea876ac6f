#pragma once
// A simulated tree view: the nodes in display order per parent.
#include <map>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimTreeNode {
    uintptr_t Key = 0, Parent = 0;
    TreeNodeState State;
    bool Expanded = false;
};

struct SimTreeView : SimControl {
    ITreeViewSink* TreeSink = nullptr;
    std::map<uintptr_t, SimTreeNode> Nodes;
    std::map<uintptr_t, std::vector<uintptr_t>> Children;  // parent -> children in order
    uintptr_t Selected = 0;
    NativeHandle ImageList = 0;
    int Indent = 0;
    bool Redraw = true;
    int Repaints = 0;  // times the view was switched back to drawing
    // The user selects a node: the view shows it selected, then tells the model.
    void UserSelect(uintptr_t node) {
        Selected = node;
        TreeSink->PeerSelectionChanged(node);
    }
    // A press of either mouse button on a node selects it.
    void UserPress(uintptr_t node) {
        if (node != Selected) UserSelect(node);
    }
    void UserExpand(uintptr_t node, bool expanded) { TreeSink->PeerExpandedChanged(node, expanded); }
};

}  // namespace pv::sim
