#pragma once
// A tree view as a model: nodes with text, three image indexes and an integer Data,
// kept in sibling order. A native peer, when the view has one, mirrors every change.
#include <functional>
#include <memory>
#include <string>

#include "controls/control.h"
#include "platform/ui.h"

namespace pv {

class TTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index);
    // Shown ghosted: the node is marked for moving (cut).
    bool Cut() const { return cut_; }
    void SetCut(bool cut);
    intptr_t Data() const { return data_; }
    void SetData(intptr_t data) { data_ = data; }

    TTreeNode* Parent() const { return parent_; }
    TTreeNode* GetFirstChild() const { return firstChild_; }
    TTreeNode* GetLastChild() const { return lastChild_; }
    TTreeNode* GetNextSibling() const { return next_; }
    TTreeNode* GetPrevSibling() const { return prev_; }
    // The next node in display order of a fully expanded tree.
    TTreeNode* GetNext() const;
    int Count() const { return count_; }
    bool HasChildren() const { return count_ > 0; }
    TTreeNode* Item(int index) const;
    int Index() const;
    int Level() const;
    bool IsChildOf(const TTreeNode* ancestor) const;

    bool Expanded() const { return expanded_; }
    void Expand(bool recursive = false);
    void Collapse(bool recursive = false);
    bool Selected() const;
    void Select();
    TTreeView* TreeView() const;
    TTreeNodes& Owner() const { return owner_; }

    // Removes the node and everything below it.
    void Delete();

private:
    friend class TTreeNodes;
    friend class TTreeView;
    explicit TTreeNode(TTreeNodes& owner) : owner_(owner) {}
    void SetExpanded(bool expanded, bool notify);
    void Changed();
    TreeNodeState State() const;

    TTreeNodes& owner_;
    std::string text_;
    int imageIndex_ = -1, selectedIndex_ = -1, stateIndex_ = -1;
    intptr_t data_ = 0;
    bool expanded_ = false;
    bool cut_ = false;
    TTreeNode* parent_ = nullptr;
    TTreeNode* firstChild_ = nullptr;
    TTreeNode* lastChild_ = nullptr;
    TTreeNode* prev_ = nullptr;
    TTreeNode* next_ = nullptr;
    int count_ = 0;
};

// How a node looks and what it carries, given when it is made: the native control then
// hears of the node once instead of once per property.
struct TTreeNodeLook {
    int ImageIndex = -1, SelectedIndex = -1, StateIndex = -1;
    intptr_t Data = 0;
};

// The nodes of one tree view. Nodes are owned here and freed with their parent.
class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView& view) : view_(view) {}
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    void Clear();
    // A new last node of `sibling`'s level (the root level when `sibling` is null).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text, const TTreeNodeLook& look);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // A new node directly before `before` (at the end of the root level when null).
    TTreeNode* Insert(TTreeNode* before, const std::string& text);
    void Delete(TTreeNode* node);
    TTreeNode* GetFirstNode() const { return firstRoot_; }
    int Count() const { return total_; }
    int RootCount() const { return rootCount_; }
    // Replaces the nodes by a copy of `source`'s: texts, indexes, Data and shape.
    void Assign(const TTreeNodes& source);
    TTreeView& View() const { return view_; }

    // Moves `node` (with its children) to become the next sibling after `after`, or the
    // first child of `parent` when `after` is null.
    void MoveAfter(TTreeNode* node, TTreeNode* parent, TTreeNode* after);

private:
    friend class TTreeNode;
    friend class TTreeView;
    TTreeNode* NewNode(const std::string& text, TTreeNode* parent, TTreeNode* after, const TTreeNodeLook& look = {});
    void Link(TTreeNode* node, TTreeNode* parent, TTreeNode* after);
    void Unlink(TTreeNode* node);
    void FreeNode(TTreeNode* node);
    TTreeNode*& FirstOf(TTreeNode* parent) { return parent ? parent->firstChild_ : firstRoot_; }
    TTreeNode*& LastOf(TTreeNode* parent) { return parent ? parent->lastChild_ : lastRoot_; }
    int& CountOf(TTreeNode* parent) { return parent ? parent->count_ : rootCount_; }
    void ReplayInto(ITreeViewPeer& peer, TTreeNode* parent) const;

    TTreeView& view_;
    TTreeNode* firstRoot_ = nullptr;
    TTreeNode* lastRoot_ = nullptr;
    int rootCount_ = 0;
    int total_ = 0;
};

using TTVChangedEvent = std::function<void(TComponent* sender, TTreeNode* node)>;
class TTreeView;

// Many changes in a row, for as long as the object lives: the selection-change
// notification is off and the view repaints once at the end, however the changes end.
class TTreeViewBatch {
public:
    explicit TTreeViewBatch(TTreeView& view);
    ~TTreeViewBatch();
    TTreeViewBatch(const TTreeViewBatch&) = delete;
    TTreeViewBatch& operator=(const TTreeViewBatch&) = delete;

private:
    TTreeView& view_;
    TTVChangedEvent onChange_;
};
using TTVExpandedEvent = std::function<void(TComponent* sender, TTreeNode* node)>;
// Points are in the view's client coordinates.
using TMouseEvent = std::function<void(TComponent* sender, MouseButton button, TPoint at)>;
using TDragOverEvent = std::function<void(TComponent* sender, TPoint at, bool& accept)>;
using TDragDropEvent = std::function<void(TComponent* sender, TPoint at)>;
using TEndDragEvent = std::function<void(TComponent* sender)>;
using TDropFilesEvent = std::function<void(TComponent* sender, const std::string& path, TPoint at)>;

class TTreeView : public TWinControl, private ITreeViewSink {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;
    PV_COMPONENT_CLASS(TTreeView)

    TTreeNodes& Items() { return items_; }
    const TTreeNodes& Items() const { return items_; }
    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* node);
    void SetImagesHandle(NativeHandle imageList);

    // The selection-change notification; unassigning it switches the notification off.
    TTVChangedEvent OnChange;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;
    // A button pressed or released over the view. A press has already selected the node
    // under the pointer when OnMouseDown runs.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    // While a drag started by BeginDrag runs: whether the dragged node may be dropped at
    // the point. `accept` comes in true; without a handler nothing may be dropped.
    TDragOverEvent OnDragOver;
    // The button was released where OnDragOver accepted.
    TDragDropEvent OnDragDrop;
    // A drag ended without a drop (released where refused, or cancelled).
    TEndDragEvent OnEndDrag;
    // One file dropped from the shell, once per file in the shell's order, all with the
    // same point. Unassigning it while a drop runs leaves the files that follow unread.
    TDropFilesEvent OnDropFiles;
    int TreeHeight = 16;  // item height in pixels
    // Pixels a level is indented by.
    int Indent() const { return indent_; }
    void SetIndent(int pixels);
    // Many changes in a row: the view repaints once, at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    // The node under a point in client coordinates; nullptr over empty space or while the
    // view has no window.
    TTreeNode* GetNodeAt(int x, int y) const;
    // While a button is held in the view: a drag that starts once the pointer has moved
    // `threshold` pixels from the press, and ends at the release.
    void BeginDrag(int threshold);
    // Whether the view takes files dropped from the shell.
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool accept);

    ITreeViewPeer* Peer() const { return static_cast<ITreeViewPeer*>(peer_.get()); }

protected:
    std::unique_ptr<IControlPeer> MakePeer(NativeHandle parent) override;
    void ReplayState() override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void NodeExpandedChanged(TTreeNode* node);
    void NodeRemoved(TTreeNode* node);
    void PeerExpandedChanged(uintptr_t node, bool expanded) override;
    void PeerSelectionChanged(uintptr_t node) override;
    void PeerMouseDown(MouseButton button, TPoint at) override;
    void PeerMouseUp(MouseButton button, TPoint at) override;
    bool PeerDragOver(TPoint at) override;
    void PeerDragDrop(TPoint at) override;
    void PeerDragEnd() override;
    bool PeerFileDropped(const std::string& path, TPoint at) override;

    TTreeNodes items_;
    TTreeNode* selected_ = nullptr;
    int indent_ = 19;
    int updating_ = 0;
    NativeHandle images_ = 0;
    bool acceptFiles_ = false;
};

}  // namespace pv
