#pragma once
// The manager window on the simulated desktop with a store of the test's own: where the
// store lies, its levels, the nodes of the tree by position or caption, the native tree,
// and the launch tables' entries of a link.
#include <string>
#include <vector>

#include "platform/sim/sim_tree_view.h"
#include "tests/app/app_fixture.h"

namespace pv::testing {

inline uintptr_t Key(const TTreeNode* node) { return reinterpret_cast<uintptr_t>(node); }

class ManagerTest : public AppTest {
protected:
    std::string Store(const std::string& rel = "") { return kData + "shortcuts\\" + rel; }
    // A level's records, in a folder created for it.
    void PutLevel(const std::string& rel, const std::string& text) {
        if (!rel.empty()) sim.Files().ForceDirectories(Store(rel));
        Put(Store(rel) + "shortcuts.txt", text);
    }
    void Folder(const std::string& rel) { sim.Files().ForceDirectories(Store(rel)); }
    void StartWith(const std::string& root) {
        PutLevel("", root);
        Restart();
    }
    void Restart() {
        Stop();
        Start();
        f = Front();
        ASSERT_NE(f, nullptr);
    }
    TTreeNode* Marker(TTreeNode* folder = nullptr) { return folder ? folder->GetFirstChild() : Front()->RootTopMarker(); }
    // The item at `index` of a level, after its top marker; the root level without a folder.
    TTreeNode* Item(int index, TTreeNode* folder = nullptr) {
        TTreeNode* n = Marker(folder);
        for (int i = 0; i <= index && n; ++i) n = n->GetNextSibling();
        return n;
    }
    TTreeNode* Find(const std::string& caption) {
        for (TTreeNode* n = Front()->tvItems->Items().GetFirstNode(); n; n = n->GetNext())
            if (n->Text() == caption) return n;
        ADD_FAILURE() << "no node " << caption;
        return nullptr;
    }
    sim::SimTreeView* Tree() { return sim.SimUI().Control<sim::SimTreeView>(Front()->tvItems->Handle()); }
    // The user clicks a node: the native control moves its selection, then notifies.
    void Select(TTreeNode* node) { Tree()->UserSelect(Key(node)); }
    int Id(TTreeNode* link) { return static_cast<int>(link->Data()); }
    // The launch tables holding an entry for the id: P(arams), W(ork dir), S(tate), R(un as).
    std::string EntriesOf(int id) {
        std::string e;
        if (Front()->ItemParams.count(id)) e += "P";
        if (Front()->ItemWorkDirs.count(id)) e += "W";
        if (Front()->ItemWindowStates.count(id)) e += "S";
        if (Front()->ItemRunAs.count(id)) e += "R";
        return e;
    }
    // The window of the last Restart.
    TFormFront* f = nullptr;
};

}  // namespace pv::testing
