#include "app/front_form.h"

#include "app/item_pictures.h"
#include "app/menu_painter.h"
#include "controls/application.h"
#include "controls/application_events.h"
#include "controls/hot_key.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "controls/timer.h"
#include "controls/tray_icon.h"
#include "controls/tree_view.h"
#include "frame/generic_frame.h"
#include "platform/platform.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

TFormFront::TFormFront(TComponent* owner) : TvdFormFrontBase(owner) { SetName("FormFront"); }

TFormFront::~TFormFront() = default;

void TFormFront::LoadLayout() {
    SetBounds(200, 120, 720, 520);
    tvItems = TComponent::Create<TTreeView>(this);
    tvItems->SetName("tvItems");
    // The undo copy is a hidden second tree; it never gets a window of its own.
    tvUndo = TComponent::Create<TTreeView>(this);
    tvUndo->SetName("tvUndo");
    tvUndo->SetVisible(false);
    tvUndo->SetParent(this);

    // The image lists as designed: the fixed pictures and the three markers.
    auto makeList = [this](const char* name) {
        TImageList* list = TComponent::Create<TImageList>(this);
        list->SetName(name);
        return list;
    };
    ilPublicPM = makeList("ilPublicPM");
    for (int i = 0; i < kFixedPictureCount; ++i) ilPublicPM->Add(FixedPicture(i));
    ilPublicTV = makeList("ilPublicTV");
    ilPublicTV->SetSize(16, tvItems->TreeHeight);
    ilBreaksPM = makeList("ilBreaksPM");
    for (int i = 0; i < kMarkerPictureCount; ++i) ilBreaksPM->Add(MarkerPicture(i));
    ilBreaksTV = makeList("ilBreaksTV");
    ilLingua = makeList("ilLingua");
    BuildProgramMenu();
    BuildManagerFace();

    CoolTrayIcon = TComponent::Create<TCoolTrayIcon>(this);
    CoolTrayIcon->SetName("CoolTrayIcon");
    // The tooltip is the application's title as it stands now: the executable's name,
    // first letter as it is, the rest in lower case.
    std::string title = ExtractFileBase(GetPlatform().System().ExecutablePath());
    if (!title.empty()) title = title.substr(0, 1) + LowerCase(title.substr(1));
    CoolTrayIcon->SetHint(title);
    TimerDelayed = TComponent::Create<TTimer>(this);
    TimerDelayed->SetName("TimerDelayed");
    TimerDelayed->SetEnabled(false);
    TimerDelayed->SetInterval(10000);
    TimerDelayed->SetOnTimer([this](TComponent* s) { TimerDelayedTimer(s); });
    JvApplicationHotKey = TComponent::Create<TJvApplicationHotKey>(this);
    JvApplicationHotKey->SetName("JvApplicationHotKey");
    JvApplicationHotKey->OnHotKey = [this](TComponent* s) { JvApplicationHotKeyHotKey(s); };
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

void TFormFront::AfterFormCreate() {
    TvdFormFrontBase::AfterFormCreate();
    // Before the creation handler loads the store: a save that was cut short is offered
    // for recovery first.
    RecoverInterruptedSave();
}

void TFormFront::RefreshForm() {
    TvdFormFrontBase::RefreshForm();
    UpdateCaption();
}

void TFormFront::FormCreate(TComponent*) {
    PrepareImageLists();
    tvItems->SetImagesHandle(ilPublicTV->Handle());
    Painter = std::make_unique<TvdMenusPainter>(GetPlatform());
    Painter->BarTag = MenuTag::BarCaption;
    Painter->BarTag2 = MenuTag::BarCaption2;
    Painter->SeparatorTag = MenuTag::Separator;
    Painter->Dpi = GetPlatform().System().ScreenPixelsPerInch();
    RebuildLanguageMenu();
    ReloadItems();
}

// The editor shows the topmost node when the window comes up.
void TFormFront::FormShow(TComponent*) {
    if (TTreeNode* top = tvItems->Items().GetFirstNode()) tvItems->SetSelected(top);
    UpdateCommandStates();
}

void TFormFront::FormDestroy(TComponent*) {
    ApplicationEvents->OnIdle = nullptr;
    Painter.reset();
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
