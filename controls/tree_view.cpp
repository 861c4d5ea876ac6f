#include "controls/tree_view.h"

#include "controls/application.h"
#include "util/exception.h"

namespace pv {

namespace {
uintptr_t Key(const TTreeNode* n) { return reinterpret_cast<uintptr_t>(n); }
}  // namespace

// ---- TTreeNode -------------------------------------------------------------------------

TTreeNode::~TTreeNode() = default;

TTreeView* TTreeNode::TreeView() const { return &owner_.View(); }

TreeNodeState TTreeNode::State() const { return {text_, imageIndex_, selectedIndex_, stateIndex_, count_ > 0, cut_}; }

void TTreeNode::SetCut(bool cut) {
    if (cut_ == cut) return;
    cut_ = cut;
    Changed();
}

void TTreeNode::Changed() {
    if (auto* p = owner_.View().Peer()) p->UpdateNode(Key(this), State());
}

void TTreeNode::SetText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    Changed();
}
void TTreeNode::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    Changed();
}
void TTreeNode::SetSelectedIndex(int index) {
    if (selectedIndex_ == index) return;
    selectedIndex_ = index;
    Changed();
}
void TTreeNode::SetStateIndex(int index) {
    if (stateIndex_ == index) return;
    stateIndex_ = index;
    Changed();
}

TTreeNode* TTreeNode::GetNext() const {
    if (firstChild_) return firstChild_;
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (n->next_) return n->next_;
    return nullptr;
}

TTreeNode* TTreeNode::Item(int index) const {
    TTreeNode* n = firstChild_;
    for (int i = 0; n && i < index; ++i) n = n->next_;
    if (!n || index < 0) throw EListError("Tree node index out of bounds (" + std::to_string(index) + ")");
    return n;
}

int TTreeNode::Index() const {
    int i = 0;
    for (const TTreeNode* n = prev_; n; n = n->prev_) ++i;
    return i;
}

int TTreeNode::Level() const {
    int l = 0;
    for (const TTreeNode* n = parent_; n; n = n->parent_) ++l;
    return l;
}

bool TTreeNode::IsChildOf(const TTreeNode* ancestor) const {
    for (const TTreeNode* n = parent_; n; n = n->parent_)
        if (n == ancestor) return true;
    return false;
}

void TTreeNode::SetExpanded(bool expanded, bool notify) {
    if (expanded_ == expanded) return;
    expanded_ = expanded;
    if (auto* p = owner_.View().Peer()) p->SetExpanded(Key(this), expanded);
    if (notify) owner_.View().NodeExpandedChanged(this);
}

void TTreeNode::Expand(bool recursive) {
    if (count_ > 0) SetExpanded(true, true);
    if (recursive)
        for (TTreeNode* c = firstChild_; c; c = c->next_) c->Expand(true);
}

void TTreeNode::Collapse(bool recursive) {
    SetExpanded(false, true);
    if (recursive)
        for (TTreeNode* c = firstChild_; c; c = c->next_) c->Collapse(true);
}

bool TTreeNode::Selected() const { return owner_.View().Selected() == this; }
void TTreeNode::Select() { owner_.View().SetSelected(this); }
void TTreeNode::Delete() { owner_.Delete(this); }

// ---- TTreeNodes ------------------------------------------------------------------------

TTreeNodes::~TTreeNodes() {
    while (firstRoot_) {
        TTreeNode* n = firstRoot_;
        Unlink(n);
        FreeNode(n);
    }
}

void TTreeNodes::FreeNode(TTreeNode* node) {
    while (node->firstChild_) {
        TTreeNode* c = node->firstChild_;
        Unlink(c);
        FreeNode(c);
    }
    --total_;
    delete node;
}

void TTreeNodes::Link(TTreeNode* node, TTreeNode* parent, TTreeNode* after) {
    node->parent_ = parent;
    TTreeNode*& first = FirstOf(parent);
    TTreeNode*& last = LastOf(parent);
    if (after) {
        node->prev_ = after;
        node->next_ = after->next_;
        if (after->next_) after->next_->prev_ = node; else last = node;
        after->next_ = node;
    } else {
        node->prev_ = nullptr;
        node->next_ = first;
        if (first) first->prev_ = node; else last = node;
        first = node;
    }
    ++CountOf(parent);
}

void TTreeNodes::Unlink(TTreeNode* node) {
    TTreeNode* parent = node->parent_;
    if (node->prev_) node->prev_->next_ = node->next_; else FirstOf(parent) = node->next_;
    if (node->next_) node->next_->prev_ = node->prev_; else LastOf(parent) = node->prev_;
    node->prev_ = node->next_ = nullptr;
    --CountOf(parent);
}

TTreeNode* TTreeNodes::NewNode(const std::string& text, TTreeNode* parent, TTreeNode* after, const TTreeNodeLook& look) {
    auto* n = new TTreeNode(*this);
    n->text_ = text;
    n->imageIndex_ = look.ImageIndex;
    n->selectedIndex_ = look.SelectedIndex;
    n->stateIndex_ = look.StateIndex;
    n->data_ = look.Data;
    Link(n, parent, after);
    ++total_;
    if (auto* p = view_.Peer()) {
        p->InsertNode(Key(n), Key(parent), Key(after), n->State());
        if (parent && parent->count_ == 1) parent->Changed();
    }
    return n;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
    TTreeNode* parent = sibling ? sibling->parent_ : nullptr;
    return NewNode(text, parent, LastOf(parent));
}
TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
    return NewNode(text, sibling ? sibling->parent_ : nullptr, nullptr);
}
TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    return NewNode(text, parent, LastOf(parent));
}
TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text, const TTreeNodeLook& look) {
    return NewNode(text, parent, LastOf(parent), look);
}
TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) { return NewNode(text, parent, nullptr); }
TTreeNode* TTreeNodes::Insert(TTreeNode* before, const std::string& text) {
    if (!before) return Add(nullptr, text);
    return NewNode(text, before->parent_, before->prev_);
}

void TTreeNodes::Delete(TTreeNode* node) {
    if (!node) return;
    view_.NodeRemoved(node);
    TTreeNode* parent = node->parent_;
    Unlink(node);
    if (auto* p = view_.Peer()) {
        p->DeleteNode(Key(node));
        if (parent && parent->count_ == 0) parent->Changed();
    }
    FreeNode(node);
}

void TTreeNodes::Clear() {
    if (view_.selected_) view_.SetSelected(nullptr);
    while (firstRoot_) {
        TTreeNode* n = firstRoot_;
        Unlink(n);
        FreeNode(n);
    }
    total_ = 0;
    if (auto* p = view_.Peer()) p->Clear();
}

void TTreeNodes::MoveAfter(TTreeNode* node, TTreeNode* parent, TTreeNode* after) {
    if (!node || node == after || node == parent || (parent && parent->IsChildOf(node)))
        throw EInvalidOperation("Cannot move a tree node into itself");
    TTreeNode* oldParent = node->parent_;
    Unlink(node);
    Link(node, parent, after);
    if (auto* p = view_.Peer()) {
        // The native control cannot move a branch; it is removed and inserted again.
        p->DeleteNode(Key(node));
        p->InsertNode(Key(node), Key(parent), Key(after), node->State());
        ReplayInto(*p, node);
        if (node->expanded_) p->SetExpanded(Key(node), true);
        if (oldParent && oldParent->count_ == 0) oldParent->Changed();
        if (parent && parent->count_ == 1) parent->Changed();
        // The removal took the selection away from the native control; the model's
        // selection did not change.
        TTreeNode* selected = view_.selected_;
        if (selected && (selected == node || selected->IsChildOf(node))) p->SelectNode(Key(selected));
    }
}

void TTreeNodes::Assign(const TTreeNodes& source) {
    Clear();
    // Iterative copy, so that deep trees cannot exhaust the stack.
    struct Pending {
        const TTreeNode* From;
        TTreeNode* ToParent;
    };
    std::vector<Pending> work;
    for (const TTreeNode* n = source.lastRoot_; n; n = n->prev_) work.push_back({n, nullptr});
    while (!work.empty()) {
        Pending p = work.back();
        work.pop_back();
        const TTreeNode* from = p.From;
        TTreeNode* copy = AddChild(p.ToParent, from->text_,
                                   {from->imageIndex_, from->selectedIndex_, from->stateIndex_, from->data_});
        for (const TTreeNode* c = p.From->lastChild_; c; c = c->prev_) work.push_back({c, copy});
    }
}

void TTreeNodes::ReplayInto(ITreeViewPeer& peer, TTreeNode* parent) const {
    for (TTreeNode* n = parent ? parent->firstChild_ : firstRoot_; n; n = n->next_) {
        peer.InsertNode(Key(n), Key(parent), Key(n->prev_), n->State());
        ReplayInto(peer, n);
        if (n->expanded_) peer.SetExpanded(Key(n), true);
    }
}

// ---- TTreeView -------------------------------------------------------------------------

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), items_(*this) {}

TTreeView::~TTreeView() {
    OnChange = nullptr;
    DestroyPeer();
}

std::unique_ptr<IControlPeer> TTreeView::MakePeer(NativeHandle parent) {
    return GetPlatform().UI().CreateTreeViewPeer(*this, parent);
}

void TTreeView::ReplayState() {
    ITreeViewPeer* p = Peer();
    p->SetIndent(indent_);
    if (updating_) p->SetRedraw(false);
    if (images_) p->SetImageList(images_);
    if (acceptFiles_) p->SetAcceptFiles(true);
    items_.ReplayInto(*p, nullptr);
    if (selected_) p->SelectNode(Key(selected_));
}

void TTreeView::SetIndent(int pixels) {
    if (indent_ == pixels) return;
    indent_ = pixels;
    if (Peer()) Peer()->SetIndent(pixels);
}

void TTreeView::BeginUpdate() {
    if (updating_++ == 0 && Peer()) Peer()->SetRedraw(false);
}

void TTreeView::EndUpdate() {
    if (updating_ == 0) return;
    if (--updating_ == 0 && Peer()) Peer()->SetRedraw(true);
}

void TTreeView::SetImagesHandle(NativeHandle imageList) {
    images_ = imageList;
    if (Peer()) Peer()->SetImageList(imageList);
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const {
    ITreeViewPeer* p = Peer();
    return p ? reinterpret_cast<TTreeNode*>(p->NodeAt(TPoint{x, y})) : nullptr;
}

void TTreeView::BeginDrag(int threshold) {
    if (Peer()) Peer()->BeginDrag(threshold);
}

void TTreeView::SetAcceptFiles(bool accept) {
    if (acceptFiles_ == accept) return;
    acceptFiles_ = accept;
    if (Peer()) Peer()->SetAcceptFiles(accept);
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (selected_ == node) return;
    selected_ = node;
    if (Peer()) Peer()->SelectNode(Key(node));
    if (OnChange) Application()->Guard(this, [&] { OnChange(this, node); });
}

void TTreeView::NodeExpandedChanged(TTreeNode* node) {
    if (node->expanded_ && OnExpanded) Application()->Guard(this, [&] { OnExpanded(this, node); });
    if (!node->expanded_ && OnCollapsed) Application()->Guard(this, [&] { OnCollapsed(this, node); });
}

void TTreeView::NodeRemoved(TTreeNode* node) {
    if (selected_ && (selected_ == node || selected_->IsChildOf(node))) {
        // The native control moves the selection away from a deleted node; the model
        // simply has none then.
        selected_ = nullptr;
        if (OnChange) Application()->Guard(this, [&] { OnChange(this, nullptr); });
    }
}

void TTreeView::PeerExpandedChanged(uintptr_t node, bool expanded) {
    auto* n = reinterpret_cast<TTreeNode*>(node);
    Application()->Guard(this, [&] { n->SetExpanded(expanded, true); });
}

void TTreeView::PeerSelectionChanged(uintptr_t node) {
    auto* n = reinterpret_cast<TTreeNode*>(node);
    Application()->Guard(this, [&] {
        if (selected_ == n) return;
        selected_ = n;
        if (OnChange) OnChange(this, n);
    });
}

void TTreeView::PeerMouseDown(MouseButton button, TPoint at) {
    if (OnMouseDown) Application()->Guard(this, [&] { OnMouseDown(this, button, at); });
}

void TTreeView::PeerMouseUp(MouseButton button, TPoint at) {
    if (OnMouseUp) Application()->Guard(this, [&] { OnMouseUp(this, button, at); });
}

bool TTreeView::PeerDragOver(TPoint at) {
    // As in the toolkit: a view without a handler takes nothing, one with a handler takes
    // what the handler does not refuse. A handler that fails refuses.
    if (!OnDragOver) return false;
    bool accept = true;
    bool ran = false;
    Application()->Guard(this, [&] {
        OnDragOver(this, at, accept);
        ran = true;
    });
    return ran && accept;
}

void TTreeView::PeerDragDrop(TPoint at) {
    if (OnDragDrop) Application()->Guard(this, [&] { OnDragDrop(this, at); });
}

void TTreeView::PeerDragEnd() {
    if (OnEndDrag) Application()->Guard(this, [&] { OnEndDrag(this); });
}

bool TTreeView::PeerFileDropped(const std::string& path, TPoint at) {
    if (!OnDropFiles) return false;
    // The handler is called through a copy, so that it may unassign itself.
    TDropFilesEvent handler = OnDropFiles;
    Application()->Guard(this, [&] { handler(this, path, at); });
    return static_cast<bool>(OnDropFiles);
}

TTreeViewBatch::TTreeViewBatch(TTreeView& view) : view_(view), onChange_(std::move(view.OnChange)) {
    view_.OnChange = nullptr;
    view_.BeginUpdate();
}

TTreeViewBatch::~TTreeViewBatch() {
    view_.EndUpdate();
    view_.OnChange = std::move(onChange_);
}

}  // namespace pv
