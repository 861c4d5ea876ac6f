#include "app/front_form.h"

#include "controls/application.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"

namespace pv {

TFormFront::TFormFront(TComponent* owner) : TvdFormFrontBase(owner) { SetName("FormFront"); }

TFormFront::~TFormFront() = default;

void TFormFront::LoadLayout() {
    SetBounds(200, 120, 720, 520);
    tvItems = TComponent::Create<TTreeView>(this);
    tvItems->SetName("tvItems");
    tvItems->SetParent(this);
    tvItems->Align = TAlign::Client;
    tvItems->OnExpanded = [this](TComponent* s, TTreeNode* n) { tvItemsExpanded(s, n); };
    tvItems->OnCollapsed = [this](TComponent* s, TTreeNode* n) { tvItemsCollapsed(s, n); };
    // The undo copy is a hidden second tree.
    tvUndo = TComponent::Create<TTreeView>(this);
    tvUndo->SetName("tvUndo");
    tvUndo->SetVisible(false);
    tvUndo->SetParent(this);
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

void TFormFront::AfterFormCreate() { TvdFormFrontBase::AfterFormCreate(); }

void TFormFront::RefreshForm() {
    TvdFormFrontBase::RefreshForm();
    UpdateCaption();
}

void TFormFront::FormCreate(TComponent*) { ReloadItems(); }

void TFormFront::FormDestroy(TComponent*) {
    // A minimised window would store its minimised rectangle; it goes back to normal
    // first so that the normal placement is kept.
    if (GetWindowState() == WindowState::Minimized) SetWindowState(WindowState::Normal);
    if (Shared) {
        Shared->SaveFormPlacement(this);
        Shared->SaveFormSettings(this);
        Shared->FormDestroyed(this);
    }
}

void TFormFront::tvItemsExpanded(TComponent*, TTreeNode* node) {
    if (IsFolderNode(node)) node->SetSelectedIndex(ItemImage::FolderOpen);
}

void TFormFront::tvItemsCollapsed(TComponent*, TTreeNode* node) {
    if (IsFolderNode(node)) node->SetSelectedIndex(ItemImage::FolderClosed);
}

}  // namespace pv
