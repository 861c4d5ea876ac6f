#include <algorithm>

#include "platform/sim/sim_platform.h"

namespace pv::sim {

namespace {

class SimMessageWindow final : public IMessageWindow {
public:
    SimMessageWindow(SimEventLoop& loop, MessageProc proc, NativeHandle handle)
        : loop_(loop), proc_(std::make_shared<MessageProc>(std::move(proc))), handle_(handle) {}
    ~SimMessageWindow() override { *proc_ = nullptr; }
    NativeHandle Handle() override { return handle_; }
    void Post(uint32_t msg, uintptr_t wParam, intptr_t lParam) override {
        // A message posted to a window destroyed before the loop reaches it is dropped.
        loop_.Post([proc = proc_, msg, wParam, lParam] {
            intptr_t result = 0;
            // A copy runs, so that a handler which destroys its own window keeps its state.
            if (MessageProc call = *proc) call(msg, wParam, lParam, result);
        });
    }

private:
    SimEventLoop& loop_;
    std::shared_ptr<MessageProc> proc_;
    NativeHandle handle_;
};

class SimFormPeer final : public IFormPeer {
public:
    SimFormPeer(SimUserInterface& ui, IFormSink& sink, const FormParams& params) : ui_(ui) {
        form_.Sink = &sink;
        form_.Handle = ui.NewHandle();
        form_.Params = params;
        form_.Caption = params.Caption;
        form_.Placement.Normal = params.Bounds;
        ui_.Register(&form_);
    }
    ~SimFormPeer() override { ui_.Unregister(&form_); }
    NativeHandle Handle() override { return form_.Handle; }
    void SetCaption(const std::string& caption) override { form_.Caption = caption; }
    void SetVisible(bool visible) override { form_.Visible = visible; }
    void SetBounds(const TRect& bounds) override {
        if (form_.Placement.State == WindowState::Normal) form_.Placement.Normal = bounds;
    }
    void SetWindowState(WindowState state) override { form_.Placement.State = state; }
    WindowPlacement GetPlacement() override { return form_.Placement; }
    void SetCloseEnabled(bool enabled) override { form_.CloseEnabled = enabled; }
    void SetRightToLeft(bool rtl) override { form_.RightToLeft = rtl; }
    void SetFont(const FontSpec& font) override { form_.Font = font; }
    void BringToFront() override { ++form_.BroughtToFront; }

private:
    SimUserInterface& ui_;
    SimForm form_;
};

class SimTreeViewPeer final : public ITreeViewPeer {
public:
    SimTreeViewPeer(SimUserInterface& ui, ITreeViewSink& sink, NativeHandle handle) : ui_(ui) {
        tree_.Sink = &sink;
        tree_.Handle = handle;
        ui_.TreeViews.push_back(&tree_);
    }
    ~SimTreeViewPeer() override {
        ui_.TreeViews.erase(std::remove(ui_.TreeViews.begin(), ui_.TreeViews.end(), &tree_), ui_.TreeViews.end());
    }
    NativeHandle Handle() override { return tree_.Handle; }
    void InsertNode(uintptr_t node, uintptr_t parent, uintptr_t after, const TreeNodeState& state) override {
        tree_.Nodes[node] = SimTreeNode{node, parent, state, false};
        auto& kids = tree_.Children[parent];
        auto pos = after == 0 ? kids.begin() : std::find(kids.begin(), kids.end(), after);
        if (after != 0 && pos != kids.end()) ++pos;
        kids.insert(pos, node);
    }
    void UpdateNode(uintptr_t node, const TreeNodeState& state) override { tree_.Nodes[node].State = state; }
    void DeleteNode(uintptr_t node) override {
        auto it = tree_.Nodes.find(node);
        if (it == tree_.Nodes.end()) return;
        auto kids = tree_.Children[node];
        for (auto k : kids) DeleteNode(k);
        tree_.Children.erase(node);
        auto& siblings = tree_.Children[it->second.Parent];
        siblings.erase(std::remove(siblings.begin(), siblings.end(), node), siblings.end());
        if (tree_.Selected == node) tree_.Selected = 0;
        tree_.Nodes.erase(node);
    }
    void Clear() override {
        tree_.Nodes.clear();
        tree_.Children.clear();
        tree_.Selected = 0;
    }
    void SetExpanded(uintptr_t node, bool expanded) override { tree_.Nodes[node].Expanded = expanded; }
    void SelectNode(uintptr_t node) override { tree_.Selected = node; }
    void SetBounds(const TRect& bounds) override { tree_.Bounds = bounds; }
    void SetVisible(bool visible) override { tree_.Visible = visible; }
    void SetImageList(NativeHandle imageList) override { tree_.ImageList = imageList; }

private:
    SimUserInterface& ui_;
    SimTreeView tree_;
};

}  // namespace

void SimForm::UserSetPlacement(const WindowPlacement& p) {
    Placement = p;
    Sink->PeerPlacementChanged(p, Visible);
}

SimUserInterface::~SimUserInterface() = default;

std::unique_ptr<IMessageWindow> SimUserInterface::CreateMessageWindow(MessageProc proc) {
    return std::make_unique<SimMessageWindow>(owner_.SimLoop(), std::move(proc), NewHandle());
}

std::unique_ptr<IFormPeer> SimUserInterface::CreateFormPeer(IFormSink& sink, const FormParams& params) {
    return std::make_unique<SimFormPeer>(*this, sink, params);
}

std::unique_ptr<ITreeViewPeer> SimUserInterface::CreateTreeViewPeer(ITreeViewSink& sink, NativeHandle) {
    return std::make_unique<SimTreeViewPeer>(*this, sink, NewHandle());
}

void SimUserInterface::ExpectMessageDialog(std::string textContains, int answer) {
    scripts_.push_back({std::move(textContains), answer});
}

int SimUserInterface::ShowMessageDialog(const MessageDialogRequest& request) {
    Dialogs.push_back(request);
    if (!scripts_.empty() && request.Text.find(scripts_.front().TextContains) != std::string::npos) {
        int answer = scripts_.front().Answer;
        scripts_.pop_front();
        return answer;
    }
    owner_.Fail("unscripted message dialog \"" + request.Title + "\": " + request.Text);
    // An unanswered dialog counts as dismissed.
    for (const auto& b : request.Buttons)
        if (b.Result == ModalResult::Cancel || b.Result == ModalResult::No) return b.Result;
    return request.Buttons.empty() ? ModalResult::Cancel : request.Buttons.back().Result;
}

bool SimUserInterface::GetCursorPos(TPoint& pos) {
    if (!CursorAvailable) return false;
    pos = Cursor;
    return true;
}

bool SimUserInterface::DisableWindowsGhosting() {
    if (!GhostingAvailable) return false;
    GhostingDisabled = true;
    return true;
}

std::vector<SimForm*> SimUserInterface::Forms() const { return forms_; }

SimForm* SimUserInterface::FindForm(const std::string& className) const {
    for (auto* f : forms_)
        if (f->Params.ClassName == className) return f;
    return nullptr;
}

void SimUserInterface::Register(SimForm* f) { forms_.push_back(f); }
void SimUserInterface::Unregister(SimForm* f) { forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end()); }

}  // namespace pv::sim
