#pragma once
// A simulated tree view: the nodes in display order per parent, laid out in rows of 16
// pixels from the top, and the user's presses, drags and shell drops on them.
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/sim/sim_control.h"

namespace pv::sim {

struct SimTreeNode {
    uintptr_t Key = 0, Parent = 0;
    TreeNodeState State;
    bool Expanded = false;
};

struct SimTreeView : SimControl {
    static constexpr int RowHeight = 16;

    ITreeViewSink* TreeSink = nullptr;
    std::unordered_map<uintptr_t, SimTreeNode> Nodes;
    std::unordered_map<uintptr_t, std::vector<uintptr_t>> Children;  // parent -> children in order
    uintptr_t Selected = 0;
    NativeHandle ImageList = 0;
    int Indent = 0;
    bool Redraw = true;
    int Repaints = 0;  // times the view was switched back to drawing
    std::unordered_map<uintptr_t, int> Updates;  // times each node's look was changed since its insertion
    bool AcceptFiles = false;

    // The pointer and the buttons, as the user moves and presses them.
    TPoint Pointer;
    std::optional<MouseButton> Held;
    TPoint PressedAt;
    // A drag armed by the model (BeginDrag) starts once the pointer is Threshold pixels
    // away from the press, along either axis.
    bool DragArmed = false;
    int DragThreshold = 0;
    bool Dragging = false;
    // Where the drag is now: whether the model accepts a drop there, the node shown as
    // drop target (only where accepted), and whether the no-drop pointer shows.
    bool DropAccepted = false;
    uintptr_t DropTarget = 0;
    bool NoDropPointer = false;

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

    // The nodes shown, top to bottom: a node shows when every ancestor is expanded.
    std::vector<uintptr_t> VisibleRows() const;
    // The node whose row holds the point (any x); 0 above the first and below the last row.
    uintptr_t NodeAt(TPoint at) const;
    // The middle of a shown node's row, at its label; {-1, -1} for a node not shown.
    TPoint PointOf(uintptr_t node) const;

    // The user presses a button at a point: the node there is selected first, then the
    // press is reported.
    void UserMouseDown(TPoint at, MouseButton button = MouseButton::Left);
    // The pointer moves; with a drag armed or running, as a drag.
    void UserMouseMove(TPoint at);
    // The held button is released where the pointer is: a running drag drops where the
    // last position was accepted and ends otherwise, then the release is reported.
    void UserMouseUp();
    // Files dropped from the shell at a point, in the shell's order, until the view stops
    // taking them; a view that does not accept files gets none. The count delivered.
    int UserDropFiles(const std::vector<std::string>& paths, TPoint at);

    // The peer's half of a drag.
    void ArmDrag(int threshold);
    void EndDrag();
};

}  // namespace pv::sim
