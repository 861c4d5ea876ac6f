// The options window's controls: the page control with its two pages (and the page
// without a tab), the help panel on the right, OK and Cancel at the bottom right. Geometry
// is written in pixels at 96 dots per inch and scaled by the window for its screen; the
// controls keep their distances to the edges they are anchored to when the window grows.
#include "app/form_program_options.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/group_box.h"
#include "controls/hot_key_edit.h"
#include "controls/label.h"
#include "controls/page_control.h"
#include "controls/panel.h"

namespace pv {

namespace {

constexpr int kClientWidth = 467;
constexpr int kClientHeight = 322;
constexpr int kMinWidth = 475;
constexpr int kMinHeight = 325;
constexpr int kMargin = 8;
constexpr int kHelpWidth = 146;
constexpr int kHeadingHeight = 20;
constexpr int kHelpMargin = 5;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
// Inside a page and inside a group box.
constexpr int kPageMargin = 8;
constexpr int kBoxMargin = 10;
constexpr int kCheckHeight = 17;
constexpr int kLabelHeight = 15;
constexpr int kListHeight = 21;
// The column where the fields of the menu settings start, right of their labels.
constexpr int kFieldColumn = 56;

constexpr unsigned kTopLeft = Anchor::Left | Anchor::Top;
constexpr unsigned kAcross = Anchor::Left | Anchor::Top | Anchor::Right;
constexpr unsigned kAllSides = Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom;

}  // namespace

void TFormProgramOptions::LoadLayout() {
    SetCaption("Options");
    MinimizeBox = false;
    MaximizeBox = false;
    Position = TPosition::ScreenCenter;
    SetMinTrackSize(Scale96(kMinWidth), Scale96(kMinHeight));
    SetClientSize(Scale96(kClientWidth), Scale96(kClientHeight));

    pnlMain = MakeChild<TPanel>(this, this, "pnlMain");
    int buttonsTop = ClientHeight() - Scale96(kMargin + kButtonHeight);
    pnlMain->SetBounds(0, 0, ClientWidth(), buttonsTop - Scale96(kMargin));
    pnlMain->SetAnchors(kAllSides);

    // The page control first, so that it comes first in the keyboard's order.
    pgcOptions = MakeChild<TPageControl>(this, pnlMain, "pgcOptions");
    int pagesWidth = pnlMain->Width() - Scale96(kMargin + kMargin + kHelpWidth + kMargin);
    pgcOptions->SetBounds(Scale96(kMargin), Scale96(kMargin), pagesWidth, pnlMain->Height() - Scale96(kMargin));
    pgcOptions->SetAnchors(kAllSides);
    BuildVisualsPage();
    BuildMiscellaneousPages();
    BuildHelpPanel();

    btnOK = MakeChild<TButton>(this, this, "btnOK", "&OK");
    btnCancel = MakeChild<TButton>(this, this, "btnCancel", "&Cancel");
    int cancelLeft = ClientWidth() - Scale96(kMargin + kButtonWidth);
    btnCancel->SetBounds(cancelLeft, buttonsTop, Scale96(kButtonWidth), Scale96(kButtonHeight));
    btnOK->SetBounds(cancelLeft - Scale96(kButtonGap + kButtonWidth), buttonsTop, Scale96(kButtonWidth),
                     Scale96(kButtonHeight));
    for (TButton* b : {btnOK, btnCancel}) b->SetAnchors(Anchor::Right | Anchor::Bottom);
    SetDefaultControl(btnOK);
    CancelControl = btnCancel;
    WireEvents();
}

namespace {

// A page of the page control, as wide and high as its display area.
TTabSheet* MakePage(TForm* form, TPageControl* pages, const char* name, const char* caption) {
    TTabSheet* page = TComponent::Create<TTabSheet>(form);
    page->SetName(name);
    page->SetCaption(caption);
    page->SetPageControl(pages);
    return page;
}

// A group box across its page, below `top`.
TGroupBox* MakeGroup(TForm* form, TWinControl* page, const char* name, const char* caption, int top, int height) {
    TGroupBox* box = MakeChild<TGroupBox>(form, page, name, caption);
    int margin = form->Scale96(kPageMargin);
    box->SetBounds(margin, form->Scale96(top), page->ClientWidth() - 2 * margin, form->Scale96(height));
    box->SetAnchors(kAcross);
    return box;
}

// A control in a group box at (x, y), `width` wide or across the rest of the box.
void Place(TForm* form, TControl* c, int x, int y, int height, int width = 0, unsigned anchors = kAcross) {
    int w = width > 0 ? form->Scale96(width) : c->Parent()->ClientWidth() - form->Scale96(x + kBoxMargin);
    c->SetBounds(form->Scale96(x), form->Scale96(y), w, form->Scale96(height));
    c->SetAnchors(width > 0 ? anchors : kAcross);
}

}  // namespace

void TFormProgramOptions::BuildVisualsPage() {
    tsVisuals = MakePage(this, pgcOptions, "tsVisuals", "Visuals");
    gbUserInterfacePersistenceV =
        MakeGroup(this, tsVisuals, "gbUserInterfacePersistenceV", "User interface persistence", 6, 62);
    chkWindowsVU = MakeChild<TCheckBox>(this, gbUserInterfacePersistenceV, "chkWindowsVU", "Save &windows setup");
    Place(this, chkWindowsVU, kBoxMargin, 18, kCheckHeight);
    chkMiscVU = MakeChild<TCheckBox>(this, gbUserInterfacePersistenceV, "chkMiscVU", "Save &miscellaneous setup");
    Place(this, chkMiscVU, kBoxMargin, 38, kCheckHeight);

    // Made in the keyboard's order: Default, bold, size, name, the drawing switch.
    gbFontSettingsV = MakeGroup(this, tsVisuals, "gbFontSettingsV", "Menu settings", 74, 126);
    TGroupBox* box = gbFontSettingsV;
    BtnDefault = MakeChild<TButton>(this, box, "BtnDefault", "Default");
    BtnDefault->SetBounds(box->ClientWidth() - Scale96(kBoxMargin + kButtonWidth), Scale96(16), Scale96(kButtonWidth),
                          Scale96(23));
    BtnDefault->SetAnchors(Anchor::Top | Anchor::Right);
    lblOverrideStandardFontStyleBold = MakeChild<TLabel>(this, box, "lblOverrideStandardFontStyleBold", "Bold");
    Place(this, lblOverrideStandardFontStyleBold, kBoxMargin, 20, kLabelHeight, kFieldColumn - kBoxMargin - 4, kTopLeft);
    chbOverrideStandardFontStyleBold = MakeChild<TCheckBox>(this, box, "chbOverrideStandardFontStyleBold");
    chbOverrideStandardFontStyleBold->SetTabStop(false);
    Place(this, chbOverrideStandardFontStyleBold, kFieldColumn, 19, kCheckHeight, kCheckHeight, kTopLeft);
    lblOverrideStandardFontSize = MakeChild<TLabel>(this, box, "lblOverrideStandardFontSize", "Size");
    Place(this, lblOverrideStandardFontSize, kBoxMargin, 48, kLabelHeight, kFieldColumn - kBoxMargin - 4, kTopLeft);
    cbOverrideStandardFontSize = MakeChild<TComboBox>(this, box, "cbOverrideStandardFontSize");
    cbOverrideStandardFontSize->SetStyle(TComboBoxStyle::DropDown);
    Place(this, cbOverrideStandardFontSize, kFieldColumn, 45, kListHeight, 60, kTopLeft);
    lblOverrideStandardFontName = MakeChild<TLabel>(this, box, "lblOverrideStandardFontName", "Name");
    Place(this, lblOverrideStandardFontName, kBoxMargin, 76, kLabelHeight, kFieldColumn - kBoxMargin - 4, kTopLeft);
    cbOverrideStandardFontName = MakeChild<TComboBox>(this, box, "cbOverrideStandardFontName");
    cbOverrideStandardFontName->SetStyle(TComboBoxStyle::DropDown);
    Place(this, cbOverrideStandardFontName, kFieldColumn, 73, kListHeight);
    chbOverrideStandardFont = MakeChild<TCheckBox>(this, box, "chbOverrideStandardFont", "Override Windows default drawing");
    Place(this, chbOverrideStandardFont, kBoxMargin, 101, kCheckHeight);
}

void TFormProgramOptions::BuildMiscellaneousPages() {
    tsMiscellaneous = MakePage(this, pgcOptions, "tsMiscellaneous", "Miscellaneous");
    gbProgramBehavior = MakeGroup(this, tsMiscellaneous, "gbProgramBehavior", "Program behavior", 6, 104);
    chbShowInTray =
        MakeChild<TCheckBox>(this, gbProgramBehavior, "chbShowInTray", "Start Pivola in system tray on Windows start");
    // Two lines' room: the sentence is long for the narrowest window.
    chbShowInTray->SetWordWrap(true);
    Place(this, chbShowInTray, kBoxMargin, 16, 30);
    lblProgramActivateShortCutPB =
        MakeChild<TLabel>(this, gbProgramBehavior, "lblProgramActivateShortCutPB", "Activate program shortcut:");
    Place(this, lblProgramActivateShortCutPB, kBoxMargin, 52, kLabelHeight);
    hkProgramActivateShortCutPB = MakeChild<THotKey>(this, gbProgramBehavior, "hkProgramActivateShortCutPB");
    Place(this, hkProgramActivateShortCutPB, kBoxMargin, 70, kListHeight, 150, kTopLeft);
    // A key alone, or with Shift or Alt alone, would take keys that other programs need.
    hkProgramActivateShortCutPB->SetRules(
        HotKeyCombination::None | HotKeyCombination::Shift | HotKeyCombination::Alt, HotKeyModifier::Control);
    hkProgramActivateShortCutPB->SetHotKey(ShortCutBit::Ctrl | 'L');

    // A page the user never sees: its option is kept as it was loaded.
    tsHidden = MakePage(this, pgcOptions, "tsHidden", "tsHidden");
    chbShowInTask = MakeChild<TCheckBox>(this, tsHidden, "chbShowInTask", "Always show in task bar");
    chbShowInTask->SetBounds(Scale96(kPageMargin), Scale96(kPageMargin), Scale96(250), Scale96(kCheckHeight));
    chbShowInTask->SetVisible(false);
}

void TFormProgramOptions::BuildHelpPanel() {
    pnlMainHelp = MakeChild<TPanel>(this, pnlMain, "pnlMainHelp");
    pnlMainHelp->SetBounds(pnlMain->Width() - Scale96(kMargin + kHelpWidth), Scale96(kMargin), Scale96(kHelpWidth),
                           pnlMain->Height() - Scale96(kMargin));
    pnlMainHelp->SetAnchors(Anchor::Top | Anchor::Right | Anchor::Bottom);
    pnlHelpContainer = MakeChild<TPanel>(this, pnlMainHelp, "pnlHelpContainer");
    pnlHelpContainer->SetBorder(true);
    pnlHelpContainer->SetAlign(TAlign::Client);
    pnlHelp = MakeChild<TPanel>(this, pnlHelpContainer, "pnlHelp");
    pnlHelp->SetAlign(TAlign::Client);
    pnlHelpHeading = MakeChild<TPanel>(this, pnlHelp, "pnlHelpHeading", "Dynamic help");
    pnlHelpHeading->SetFace(PanelFace::Caption);
    pnlHelpHeading->SetBounds(0, 0, pnlHelp->ClientWidth(), Scale96(kHeadingHeight));
    pnlHelpHeading->SetAlign(TAlign::Top);
    memHelp = MakeChild<TMemo>(this, pnlHelp, "memHelp");
    memHelp->SetBorder(false);
    memHelp->SetMargin(Scale96(kHelpMargin));
    memHelp->SetTabStop(false);
    memHelp->SetReadOnly(true);
    memHelp->SetAlign(TAlign::Client);
}

}  // namespace pv
