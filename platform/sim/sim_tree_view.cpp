// The simulated tree view's peer, and the user's gestures on its record.
#include "platform/sim/sim_tree_view.h"

#include <cstdlib>
#include <functional>

namespace pv::sim {

std::vector<uintptr_t> SimTreeView::VisibleRows() const {
    std::vector<uintptr_t> rows;
    std::function<void(uintptr_t)> walk = [&](uintptr_t parent) {
        auto kids = Children.find(parent);
        if (kids == Children.end()) return;
        for (uintptr_t k : kids->second) {
            rows.push_back(k);
            auto n = Nodes.find(k);
            if (n != Nodes.end() && n->second.Expanded) walk(k);
        }
    };
    walk(0);
    return rows;
}

uintptr_t SimTreeView::NodeAt(TPoint at) const {
    if (at.Y < 0) return 0;
    std::vector<uintptr_t> rows = VisibleRows();
    size_t row = static_cast<size_t>(at.Y / RowHeight);
    return row < rows.size() ? rows[row] : 0;
}

TPoint SimTreeView::PointOf(uintptr_t node) const {
    std::vector<uintptr_t> rows = VisibleRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] != node) continue;
        int level = 0;
        for (auto n = Nodes.find(node); n != Nodes.end() && n->second.Parent; n = Nodes.find(n->second.Parent)) ++level;
        return {Indent * (level + 1) + 8, static_cast<int>(i) * RowHeight + RowHeight / 2};
    }
    return {-1, -1};
}

void SimTreeView::UserMouseDown(TPoint at, MouseButton button) {
    Pointer = at;
    PressedAt = at;
    Held = button;
    if (uintptr_t node = NodeAt(at)) UserPress(node);
    TreeSink->PeerMouseDown(button, at);
}

void SimTreeView::UserMouseMove(TPoint at) {
    Pointer = at;
    if (!Held || !DragArmed) return;
    if (!Dragging) {
        int moved = std::max(std::abs(at.X - PressedAt.X), std::abs(at.Y - PressedAt.Y));
        if (moved < DragThreshold) return;
        Dragging = true;
    }
    DropAccepted = TreeSink->PeerDragOver(at);
    DropTarget = DropAccepted ? NodeAt(at) : 0;
    NoDropPointer = !DropAccepted;
}

void SimTreeView::UserMouseUp() {
    if (!Held) return;
    MouseButton button = *Held;
    Held.reset();
    if (DragArmed) {
        bool drop = Dragging && DropAccepted;
        EndDrag();
        if (drop)
            TreeSink->PeerDragDrop(Pointer);
        else
            TreeSink->PeerDragEnd();
    }
    TreeSink->PeerMouseUp(button, Pointer);
}

int SimTreeView::UserDropFiles(const std::vector<std::string>& paths, TPoint at) {
    if (!AcceptFiles) return 0;
    int delivered = 0;
    for (const std::string& path : paths) {
        ++delivered;
        if (!TreeSink->PeerFileDropped(path, at)) break;
    }
    return delivered;
}

void SimTreeView::ArmDrag(int threshold) {
    // Only a held button can be dragged; the release ends the drag.
    if (!Held || DragArmed) return;
    DragArmed = true;
    DragThreshold = threshold;
}

void SimTreeView::EndDrag() {
    DragArmed = Dragging = DropAccepted = NoDropPointer = false;
    DropTarget = 0;
}

namespace {

class SimTreeViewPeer final : public SimChildPeer<ITreeViewPeer, SimTreeView> {
public:
    SimTreeViewPeer(SimUserInterface& ui, ITreeViewSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.TreeSink = &sink;
    }
    void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& state) override {
        rec_.Nodes[node] = SimTreeNode{node, parent, state, false};
        rec_.Updates.erase(node);
        auto& kids = rec_.Children[parent];
        // Loading a tree appends each node after the last one: no search for that.
        if (after != 0 && !kids.empty() && kids.back() == after) {
            kids.push_back(node);
            return;
        }
        auto pos = after == 0 ? kids.begin() : std::find(kids.begin(), kids.end(), after);
        if (after != 0 && pos != kids.end()) ++pos;
        kids.insert(pos, node);
    }
    void UpdateNode(uintptr_t node, const TreeNodeState& state) override {
        rec_.Nodes[node].State = state;
        ++rec_.Updates[node];
    }
    void DeleteNode(uintptr_t node) override {
        auto it = rec_.Nodes.find(node);
        if (it == rec_.Nodes.end()) return;
        auto kids = rec_.Children[node];
        for (auto k : kids) DeleteNode(k);
        rec_.Children.erase(node);
        auto& siblings = rec_.Children[it->second.Parent];
        siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
        if (rec_.Selected == node) rec_.Selected = 0;
        if (rec_.DropTarget == node) rec_.DropTarget = 0;
        rec_.Nodes.erase(node);
    }
    void Clear() override {
        rec_.Nodes.clear();
        rec_.Children.clear();
        rec_.Selected = 0;
        rec_.DropTarget = 0;
    }
    void SetExpanded(uintptr_t node, bool expanded) override { rec_.Nodes[node].Expanded = expanded; }
    void SelectNode(uintptr_t node) override { rec_.Selected = node; }
    void SetImageList(NativeHandle imageList) override { rec_.ImageList = imageList; }
    void SetIndent(int pixels) override { rec_.Indent = pixels; }
    uintptr_t NodeAt(TPoint at) override { return rec_.NodeAt(at); }
    void BeginDrag(int threshold) override { rec_.ArmDrag(threshold); }
    void SetAcceptFiles(bool accept) override { rec_.AcceptFiles = accept; }
    void SetRedraw(bool redraw) override {
        if (redraw && !rec_.Redraw) ++rec_.Repaints;
        rec_.Redraw = redraw;
    }
};

}  // namespace

std::unique_ptr<ITreeViewPeer> SimUserInterface::CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle parent) {
    return std::make_unique<SimTreeViewPeer>(*this, sink, parent);
}

}  // namespace pv::sim
