// The simulated tree view's peer.
#include "platform/sim/sim_tree_view.h"

namespace pv::sim {

namespace {

class SimTreeViewPeer final : public SimChildPeer<ITreeViewPeer, SimTreeView> {
public:
    SimTreeViewPeer(SimUserInterface& ui, ITreeViewSink& sink, NativeHandle parent) : SimChildPeer(ui, sink, parent) {
        rec_.TreeSink = &sink;
    }
    void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& state) override {
        rec_.Nodes[node] = SimTreeNode{node, parent, state, false};
        auto& kids = rec_.Children[parent];
        auto pos = after == 0 ? kids.begin() : std::find(kids.begin(), kids.end(), after);
        if (after != 0 && pos != kids.end()) ++pos;
        kids.insert(pos, node);
    }
    void UpdateNode(uintptr_t node, const TreeNodeState& state) override { rec_.Nodes[node].State = state; }
    void DeleteNode(uintptr_t node) override {
        auto it = rec_.Nodes.find(node);
        if (it == rec_.Nodes.end()) return;
        auto kids = rec_.Children[node];
        for (auto k : kids) DeleteNode(k);
        rec_.Children.erase(node);
        auto& siblings = rec_.Children[it->second.Parent];
        siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
        if (rec_.Selected == node) rec_.Selected = 0;
        rec_.Nodes.erase(node);
    }
    void Clear() override {
        rec_.Nodes.clear();
        rec_.Children.clear();
        rec_.Selected = 0;
    }
    void SetExpanded(uintptr_t node, bool expanded) override { rec_.Nodes[node].Expanded = expanded; }
    void SelectNode(uintptr_t node) override { rec_.Selected = node; }
    void SetImageList(NativeHandle imageList) override { rec_.ImageList = imageList; }
    void SetIndent(int pixels) override { rec_.Indent = pixels; }
    uintptr_t NodeAt(TPoint) override { return 0; }
    void BeginDrag(int) override {}
    void SetAcceptFiles(bool) override {}
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
