#include "app/front_form.h"

#include "app/item_pictures.h"
#include "app/menu_painter.h"
#include "controls/application.h"
#include "controls/buttons.h"
#include "controls/edit.h"
#include "controls/hot_key.h"
#include "controls/image_list.h"
#include "controls/label.h"
#include "controls/menus.h"
#include "controls/panel.h"
#include "controls/status_bar.h"
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
    tvItems->SetParent(this);
    tvItems->SetAlign(TAlign::Client);
    tvItems->OnExpanded = [this](TComponent* s, TTreeNode* n) { tvItemsExpanded(s, n); };
    tvItems->OnCollapsed = [this](TComponent* s, TTreeNode* n) { tvItemsCollapsed(s, n); };
    // The undo copy is a hidden second tree.
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

    PanelSide = TComponent::Create<TPanel>(this);
    PanelSide->SetName("PanelSide");
    PanelSide->SetParent(this);
    PanelSide->SetAlign(TAlign::Right);
    PanelSide->SetBounds(440, 0, 280, 520);
    BuildSidePanels();

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
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

namespace {
template <typename T>
T* Make(TComponent* owner, TWinControl* parent, const char* name, const char* caption, const char* hint = "") {
    T* c = TComponent::Create<T>(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetCaption(caption);
    c->SetHint(hint);
    return c;
}

// A panel of the side column with its header strip, stacked below the panels before it.
TPanel* MakeSidePanel(TComponent* owner, TWinControl* column, const char* name, TPanel*& header,
                      const char* headerName, const char* caption, int top, int height) {
    TPanel* panel = Make<TPanel>(owner, column, name, "");
    panel->SetBounds(0, top, column->Width(), height);
    header = Make<TPanel>(owner, panel, headerName, caption);
    header->SetAlign(TAlign::Top);
    header->SetBounds(0, 0, column->Width(), 20);
    return panel;
}
}  // namespace

// The built-in English texts of the side column and the status bar; long hints follow
// the platform's "|" separator, the run-as box's hint is a tooltip as well and has none.
void TFormFront::BuildSidePanels() {
    pnlAddItem = MakeSidePanel(this, PanelSide, "pnlAddItem", pnlAddItemHeader, "pnlAddItemHeader", "Add item", 0, 140);
    BitBtnAttach = Make<TBitBtn>(this, pnlAddItem, "BitBtnAttach", "Find and Attach",
                                 "|Find and/or attach an item of selected kind");
    rbFile = Make<TRadioButton>(this, pnlAddItem, "rbFile", "Shortcut to file", "|Choosing this will enable the \"find...\"");
    rbFileDirectory = Make<TRadioButton>(this, pnlAddItem, "rbFileDirectory", "Shortcut to directory",
                                         "|Choosing this will enable the \"find...\"");
    rbSeparator = Make<TRadioButton>(this, pnlAddItem, "rbSeparator", "Menu separator",
                                     "|Choosing this makes it possible to add separators");
    rbFolder = Make<TRadioButton>(this, pnlAddItem, "rbFolder", "Menu folder",
                                  "|Choosing this makes it possible to add virtual item folders in the \"tree view\"");
    rbFile->SetChecked(true);

    pnlEditItem = MakeSidePanel(this, PanelSide, "pnlEditItem", pnlEditItemHeader, "pnlEditItemHeader", "Edit item", 140, 130);
    edtFileCap = Make<TvdEdit>(this, pnlEditItem, "edtFileCap", "", "|This is the shown \"item text\"");
    lblFilePath = Make<TLabel>(this, pnlEditItem, "lblFilePath", "Path");
    edtFilePathName = Make<TvdEdit>(this, pnlEditItem, "edtFilePathName", "",
                                    "|The file-path and file-name (e.g. \"c:\\vendrik\\example.exe\") which the item "
                                    "points at (see help on how to use relative paths)");
    lblFileParams = Make<TLabel>(this, pnlEditItem, "lblFileParams", "Params");
    edtFileParams = Make<TvdEdit>(this, pnlEditItem, "edtFileParams", "",
                                  "|The parameters to use for executing this (exe) file");

    pnlEditLaunch = MakeSidePanel(this, PanelSide, "pnlEditLaunch", pnlEditLaunchHeader, "pnlEditLaunchHeader",
                                  "Launch settings", 270, 110);
    lblWorkPath = Make<TLabel>(this, pnlEditLaunch, "lblWorkPath", "Work dir");
    lblWindowState = Make<TLabel>(this, pnlEditLaunch, "lblWindowState", "Window");
    lblUserRunAs = Make<TLabel>(this, pnlEditLaunch, "lblUserRunAs", "Elevate");
    chkUserRunAs = Make<TCheckBox>(this, pnlEditLaunch, "chkUserRunAs", "Run as admin",
                                   "Windows Vista and later functionality to elevate user rights in launched application");
    chkUserRunAs->SetShowHint(true);

    pnlTools = MakeSidePanel(this, PanelSide, "pnlTools", pnlToolsHeader, "pnlToolsHeader", "Tools", 380, 140);
    BitBtnSweep = Make<TBitBtn>(this, pnlTools, "BitBtnSweep", "&Sweep",
                                "|Sweep for invalid items in selected folder, e.g. non-existing files");
    BitBtnUndo = Make<TBitBtn>(this, pnlTools, "BitBtnUndo", "&Undo", "|Undo all changes since last save");
    BitBtnCut = Make<TBitBtn>(this, pnlTools, "BitBtnCut", "&Cut",
                              "|Cut an item, in most cases to paste it into another place");
    BitBtnCopy = Make<TBitBtn>(this, pnlTools, "BitBtnCopy", "C&opy",
                               "|Copy an item, in most cases to paste it into another place");
    BitBtnPaste = Make<TBitBtn>(this, pnlTools, "BitBtnPaste", "&Paste",
                                "|Paste an item which you have just cutted or copied before");
    BitBtnDelete = Make<TBitBtn>(this, pnlTools, "BitBtnDelete", "&Delete", "|Delete an item");
    BitBtnSave = Make<TBitBtn>(this, pnlTools, "BitBtnSave", "S&ave",
                               "|Changes take effect after closing the form. Only new changes can be undone");
    BitBtnClose = Make<TBitBtn>(this, pnlTools, "BitBtnClose", "C&lose",
                                "|Changes made since last save will not be applied");
    BitBtnLaunch = Make<TBitBtn>(this, pnlTools, "BitBtnLaunch", "&Launch", "|Launch the given shortcut");
    BitBtnHelp = Make<TBitBtn>(this, pnlTools, "BitBtnHelp", "&Help");

    pnlInvisible = Make<TPanel>(this, this, "pnlInvisible", "");
    pnlInvisible->SetVisible(false);
    lblFileType = Make<TLabel>(this, pnlInvisible, "lblFileType", "Type :");
    edtFileType = Make<TvdEdit>(this, pnlInvisible, "edtFileType", "", "|This is the showed \"item text\"");
    edtFileType->SetEnabled(false);

    StatusBarHelp = Make<TvdStatusBar>(this, this, "StatusBarHelp", "");
    StatusBarHelp->SetAlign(TAlign::Bottom);
    StatusBarHelp->SetAutoHintDef(
        "Use \"Find and Attach\" to add shortcuts. Alternatively, \"drag-and-drop\" from Windows into Pivola.");
}

void TFormFront::AfterFormCreate() { TvdFormFrontBase::AfterFormCreate(); }

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
    ReloadItems();
}

void TFormFront::FormDestroy(TComponent*) {
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
