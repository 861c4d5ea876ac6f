// The manager face of the main window: the side column with its four panels, the
// splitter, the item tree and the status bar. Geometry is written in pixels at 96 dots per
// inch and scaled by the window for its screen.
#include "app/button_pictures.h"
#include "app/front_form.h"
#include "controls/application_events.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/file_dialogs.h"
#include "controls/image_box.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/scroll_box.h"
#include "controls/splitter.h"
#include "controls/status_bar.h"
#include "controls/tree_view.h"
#include "platform/file_tools.h"
#include "platform/platform.h"
#include "util/ini_document.h"
#include "util/strings.h"

namespace pv {

namespace {

// The side column's panels, top to bottom, and the rows inside them.
constexpr int kSideWidth = 175;
constexpr int kSideMinWidth = 150;
constexpr int kSplitterWidth = 6;
constexpr int kHeaderHeight = 20;
constexpr int kStatusHeight = 20;
constexpr int kMargin = 7;
constexpr int kEditHeight = 21;
constexpr int kLabelHeight = 14;
constexpr int kButtonHeight = 24;
constexpr int kToolRowStep = 26;
constexpr int kAddPanelHeight = 130;
constexpr int kEditPanelHeight = 126;
constexpr int kLaunchPanelHeight = 124;
constexpr int kToolsPanelHeight = 182;

}  // namespace

void TFormFront::BuildManagerFace() {
    SetMinTrackSize(Scale96(500), Scale96(630));
    SetClientSize(Scale96(776), Scale96(594));

    // The tree comes first, so that it is first in the keyboard's order and has the focus
    // when the window opens.
    tvItems->SetParent(this);
    tvItems->SetAlign(TAlign::Client);
    tvItems->SetIndent(Scale96(21));

    PanelSide = MakeChild<TScrollBox>(this, this, "PanelSide", "");
    PanelSide->SetMinSize(Scale96(kSideMinWidth), 0);
    PanelSide->SetBounds(0, 0, Scale96(kSideWidth), ClientHeight());
    PanelSide->SetAlign(TAlign::Left);
    Splitter1 = MakeChild<TSplitter>(this, this, "Splitter1", "");
    Splitter1->SetBounds(Scale96(kSideWidth), 0, Scale96(kSplitterWidth), ClientHeight());
    Splitter1->SetAlign(TAlign::Left);
    Splitter1->MinSize = Scale96(kSideMinWidth);

    StatusBarHelp = MakeChild<TvdStatusBar>(this, this, "StatusBarHelp", "");
    StatusBarHelp->SetBounds(0, 0, ClientWidth(), Scale96(kStatusHeight));
    StatusBarHelp->SetAlign(TAlign::Bottom);
    StatusBarHelp->SetAutoHintDef(
        "Use \"Find and Attach\" to add shortcuts. Alternatively, \"drag-and-drop\" from Windows into Pivola.");

    BuildSidePanels();

    pnlInvisible = MakeChild<TPanel>(this, this, "pnlInvisible", "");
    pnlInvisible->SetVisible(false);
    lblFileType = MakeChild<TLabel>(this, pnlInvisible, "lblFileType", "Type :");
    edtFileType = MakeChild<TvdEdit>(this, pnlInvisible, "edtFileType", "", "|This is the showed \"item text\"");
    edtFileType->SetEnabled(false);

    OpenDialogAdd = TComponent::Create<TOpenDialog>(this);
    OpenDialogAdd->SetName("OpenDialogAdd");
    OpenDialogAdd->Filter = "All Files (*.*)|*.*";
    OpenDialogAdd->FileMustExist = true;
    OpenDialogAdd->PathMustExist = true;
    OpenDialogAdd->HideReadOnly = true;
    OpenDialogAdd->Resizable = true;
    ApplicationEvents = TComponent::Create<TApplicationEvents>(this);
    ApplicationEvents->SetName("ApplicationEvents");
    WireManagerEvents();
    BuildDragAndDrop();
}

namespace {

// A panel of the side column with its header strip, stacked below the panels before it.
TPanel* MakeSidePanel(TForm* form, TWinControl* column, const char* name, TPanel*& header, const char* headerName,
                      const char* caption, int height) {
    TPanel* panel = MakeChild<TPanel>(form, column, name, "");
    panel->SetBounds(0, 0, column->ClientWidth(), form->Scale96(height));
    panel->SetAlign(TAlign::Top);
    header = MakeChild<TPanel>(form, panel, headerName, caption);
    header->SetHeaderStrip(true);
    header->SetBounds(0, 0, panel->Width(), form->Scale96(kHeaderHeight));
    header->SetAlign(TAlign::Top);
    return panel;
}

// A control across the panel's width, between the margins, growing with the panel. Its
// top and bottom edges are scaled rather than its height, so that controls that touch in
// the design still touch, and never overlap, at any DPI.
void Across(TForm* form, TControl* c, int x, int y, int height) {
    int width = c->Parent()->ClientWidth() - form->Scale96(x) - form->Scale96(kMargin);
    int top = form->Scale96(y);
    c->SetBounds(form->Scale96(x), top, width, form->Scale96(y + height) - top);
    c->SetAnchors(Anchor::Left | Anchor::Top | Anchor::Right);
}

}  // namespace

void TFormFront::BuildSidePanels() {
    pnlAddItem = MakeSidePanel(this, PanelSide, "pnlAddItem", pnlAddItemHeader, "pnlAddItemHeader", "Add item",
                               kAddPanelHeight);
    rbFile = MakeChild<TRadioButton>(this, pnlAddItem, "rbFile", "Shortcut to file", "|Choosing this will enable the \"find...\"");
    rbFileDirectory = MakeChild<TRadioButton>(this, pnlAddItem, "rbFileDirectory", "Shortcut to directory",
                                         "|Choosing this will enable the \"find...\"");
    rbSeparator = MakeChild<TRadioButton>(this, pnlAddItem, "rbSeparator", "Menu separator",
                                     "|Choosing this makes it possible to add separators");
    rbFolder = MakeChild<TRadioButton>(this, pnlAddItem, "rbFolder", "Menu folder",
                                  "|Choosing this makes it possible to add virtual item folders in the \"tree view\"");
    int y = 23;
    for (TRadioButton* rb : {rbFile, rbFileDirectory, rbSeparator, rbFolder}) {
        Across(this, rb, 10, y, 17);
        y += 19;
    }
    rbFile->SetChecked(true);
    BitBtnAttach = MakeChild<TBitBtn>(this, pnlAddItem, "BitBtnAttach", "Find and Attach",
                                 "|Find and/or attach an item of selected kind");
    Across(this, BitBtnAttach, kMargin, 101, kButtonHeight);
    BitBtnAttach->SetGlyph(ButtonPictureNormal(ButtonPicture::Attach), ButtonPictureDisabled(ButtonPicture::Attach));
    BitBtnAttach->SetEnabled(false);

    BuildEditPanels();
    BuildToolsPanel();
}

void TFormFront::BuildEditPanels() {
    pnlEditItem = MakeSidePanel(this, PanelSide, "pnlEditItem", pnlEditItemHeader, "pnlEditItemHeader", "Edit item",
                                kEditPanelHeight);
    imgFileType = MakeChild<TImage>(this, pnlEditItem, "imgFileType", "");
    imgFileType->SetBounds(Scale96(8), Scale96(25), Scale96(16), Scale96(16));
    edtFileCap = MakeChild<TvdEdit>(this, pnlEditItem, "edtFileCap", "", "|This is the shown \"item text\"");
    Across(this, edtFileCap, 30, 23, kEditHeight);
    lblFilePath = MakeChild<TLabel>(this, pnlEditItem, "lblFilePath", "Path");
    Across(this, lblFilePath, 8, 48, kLabelHeight);
    edtFilePathName = MakeChild<TvdEdit>(this, pnlEditItem, "edtFilePathName", "",
                                    "|The file-path and file-name (e.g. \"c:\\vendrik\\example.exe\") which the item "
                                    "points at (see help on how to use relative paths)");
    Across(this, edtFilePathName, kMargin, 62, kEditHeight);
    lblFileParams = MakeChild<TLabel>(this, pnlEditItem, "lblFileParams", "Params");
    Across(this, lblFileParams, 8, 87, kLabelHeight);
    edtFileParams = MakeChild<TvdEdit>(this, pnlEditItem, "edtFileParams", "",
                                  "|The parameters to use for executing this (exe) file");
    Across(this, edtFileParams, kMargin, 101, kEditHeight);

    pnlEditLaunch = MakeSidePanel(this, PanelSide, "pnlEditLaunch", pnlEditLaunchHeader, "pnlEditLaunchHeader",
                                  "Launch settings", kLaunchPanelHeight);
    lblWorkPath = MakeChild<TLabel>(this, pnlEditLaunch, "lblWorkPath", "Work dir");
    Across(this, lblWorkPath, 8, 24, kLabelHeight);
    edtFileWorkPath = MakeChild<TvdEdit>(this, pnlEditLaunch, "edtFileWorkPath", "",
                                    "|The folder the item starts in (empty: the folder of its file)");
    Across(this, edtFileWorkPath, kMargin, 38, kEditHeight);
    lblWindowState = MakeChild<TLabel>(this, pnlEditLaunch, "lblWindowState", "Window");
    Across(this, lblWindowState, 8, 63, kLabelHeight);
    cbWindowStyle = MakeChild<TComboBox>(this, pnlEditLaunch, "cbWindowStyle", "");
    Across(this, cbWindowStyle, kMargin, 77, kEditHeight);
    cbWindowStyle->SetItems({"Default", "Maximized", "Minimized", "Hidden"});
    lblUserRunAs = MakeChild<TLabel>(this, pnlEditLaunch, "lblUserRunAs", "Elevate");
    lblUserRunAs->SetBounds(Scale96(8), Scale96(104), Scale96(52), Scale96(kLabelHeight));
    chkUserRunAs = MakeChild<TCheckBox>(this, pnlEditLaunch, "chkUserRunAs", "Run as admin",
                                   "Windows Vista and later functionality to elevate user rights in launched application");
    Across(this, chkUserRunAs, 62, 102, 17);
    chkUserRunAs->SetShowHint(true);
}

void TFormFront::BuildToolsPanel() {
    pnlTools = MakeSidePanel(this, PanelSide, "pnlTools", pnlToolsHeader, "pnlToolsHeader", "Tools", kToolsPanelHeight);
    struct Tool {
        TBitBtn*& Button;
        const char* Name;
        const char* Caption;
        const char* Hint;
        ButtonPicture Picture;
    };
    const Tool tools[] = {
        {BitBtnMoveDown, "BitBtnMoveDown", "Down", "", ButtonPicture::MoveDown},
        {BitBtnMoveUp, "BitBtnMoveUp", "Up", "", ButtonPicture::MoveUp},
        {BitBtnCut, "BitBtnCut", "&Cut", "|Cut an item, in most cases to paste it into another place", ButtonPicture::Cut},
        {BitBtnCopy, "BitBtnCopy", "C&opy", "|Copy an item, in most cases to paste it into another place",
         ButtonPicture::Copy},
        {BitBtnPaste, "BitBtnPaste", "&Paste", "|Paste an item which you have just cutted or copied before",
         ButtonPicture::Paste},
        {BitBtnDelete, "BitBtnDelete", "&Delete", "|Delete an item", ButtonPicture::Delete},
        {BitBtnSweep, "BitBtnSweep", "&Sweep", "|Sweep for invalid items in selected folder, e.g. non-existing files",
         ButtonPicture::Sweep},
        {BitBtnUndo, "BitBtnUndo", "&Undo", "|Undo all changes since last save", ButtonPicture::Undo},
        {BitBtnSave, "BitBtnSave", "S&ave", "|Changes take effect after closing the form. Only new changes can be undone",
         ButtonPicture::Save},
        {BitBtnHelp, "BitBtnHelp", "&Help", "", ButtonPicture::Help},
        {BitBtnLaunch, "BitBtnLaunch", "&Launch", "|Launch the given shortcut", ButtonPicture::Launch},
        {BitBtnClose, "BitBtnClose", "C&lose", "|Changes made since last save will not be applied", ButtonPicture::Close},
    };
    for (const Tool& t : tools) {
        t.Button = MakeChild<TBitBtn>(this, pnlTools, t.Name, t.Caption, t.Hint);
        t.Button->SetGlyph(ButtonPictureNormal(t.Picture), ButtonPictureDisabled(t.Picture));
    }
    CancelControl = BitBtnClose;
    pnlTools->OnResize = [this](TComponent*) { LayOutTools(); };
    LayOutTools();
}

// Two columns of equal width, (content width - 18) / 2, the left one 7 pixels in and the
// right one 6 pixels after it; six rows.
void TFormFront::LayOutTools() {
    TBitBtn* const grid[6][2] = {{BitBtnMoveDown, BitBtnMoveUp}, {BitBtnCut, BitBtnCopy},
                                 {BitBtnPaste, BitBtnDelete},    {BitBtnSweep, BitBtnUndo},
                                 {BitBtnSave, BitBtnHelp},       {BitBtnLaunch, BitBtnClose}};
    int column = (pnlTools->ClientWidth() - Scale96(18)) / 2;
    int left = Scale96(kMargin);
    int right = left + column + Scale96(6);
    for (int row = 0; row < 6; ++row) {
        int top = Scale96(23 + row * kToolRowStep);
        grid[row][0]->SetBounds(left, top, column, Scale96(kButtonHeight));
        grid[row][1]->SetBounds(right, top, column, Scale96(kButtonHeight));
    }
}

// What the window keeps in pixels besides its controls' rectangles.
void TFormFront::DpiChanged(int) {
    tvItems->SetIndent(Scale96(21));
    Splitter1->MinSize = Scale96(kSideMinWidth);
    LayOutTools();
    ShowIcon(tvItems->Selected());
}

// ---- the window's own settings ----------------------------------------------------------

void TFormFront::SaveSettings(const std::string& optionsFile) {
    TvdFormFrontBase::SaveSettings(optionsFile);
    WriteSetting(optionsFile, PanelSide->Name() + ".Width", IntToStr(PanelSide->Width()));
}

void TFormFront::LoadSettings(const std::string& optionsFile) {
    TvdFormFrontBase::LoadSettings(optionsFile);
    // A width that leaves the tree no room is kept within the window.
    if (auto width = TryStrToInt(ReadSetting(optionsFile, PanelSide->Name() + ".Width").value_or("")))
        PanelSide->SetWidth(std::min(*width, ClientWidth() - Splitter1->Width() - Splitter1->MinSize));
}

}  // namespace pv
