// The About window's controls: the top panel with the icon and the product lines, the
// page control with the credits, the translation editor (tool bar, heading, editor, tab
// set) and the data grid with its buttons, and the status bar. Geometry is written in
// pixels at 96 dots per inch and scaled by the window for its screen.
#include "controls/action_list.h"
#include "controls/application_events.h"
#include "controls/buttons.h"
#include "controls/file_dialogs.h"
#include "controls/find_dialog.h"
#include "controls/image_box.h"
#include "controls/label.h"
#include "controls/page_control.h"
#include "controls/panel.h"
#include "controls/print_dialog.h"
#include "controls/rich_edit.h"
#include "controls/status_bar.h"
#include "controls/string_grid.h"
#include "controls/tab_set.h"
#include "frame/product_info.h"
#include "windows/form_about.h"

namespace pv {

namespace {

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 440;
constexpr int kMinWidth = 380;
constexpr int kMinHeight = 285;
constexpr int kTopHeight = 84;
constexpr int kMargin = 8;
constexpr int kLogoSize = 32;
constexpr int kLineHeight = 16;
constexpr int kToolBarHeight = 29;
constexpr int kToolButtonWidth = 52;
constexpr int kToolButtonHeight = 23;
constexpr int kToolGap = 1;
constexpr int kGroupGap = 6;
constexpr int kHeadingHeight = 22;
constexpr int kTabSetHeight = 24;
constexpr int kButtonRowHeight = 39;
constexpr int kButtonWidth = 90;
constexpr int kWideButtonWidth = 200;
constexpr int kButtonHeight = 25;
constexpr int kStatusHeight = 19;

}  // namespace

void TvdFormAbout::LoadLayout() {
    SetCaption("About");
    SetHint("About");
    MinimizeBox = false;
    MaximizeBox = false;
    Position = TPosition::ScreenCenter;
    SetMinTrackSize(Scale96(kMinWidth), Scale96(kMinHeight));
    SetClientSize(Scale96(kClientWidth), Scale96(kClientHeight));

    stbAbout = MakeChild<TvdStatusBar>(this, this, "stbAbout");
    stbAbout->SetBounds(0, 0, ClientWidth(), Scale96(kStatusHeight));
    stbAbout->SetAlign(TAlign::Bottom);

    BuildTopPanel();
    pgcAbout = MakeChild<TPageControl>(this, this, "pgcAbout");
    pgcAbout->SetBounds(0, 0, ClientWidth(), ClientHeight());
    pgcAbout->SetAlign(TAlign::Client);
    BuildActions();
    BuildCreditsPage();
    BuildTranslationPage();
    BuildDataPage();

    FindDialogFront = TComponent::Create<TFindDialog>(this);
    FindDialogFront->SetName("FindDialogFront");
    ReplaceDialogFront = TComponent::Create<TReplaceDialog>(this);
    ReplaceDialogFront->SetName("ReplaceDialogFront");
    SaveFileAbout = TComponent::Create<TSaveDialog>(this);
    SaveFileAbout->SetName("SaveFileAbout");
    PrintDialogAbout = TComponent::Create<TPrintDialog>(this);
    PrintDialogAbout->SetName("PrintDialogAbout");
    ApplicationEventsAbout = TComponent::Create<TApplicationEvents>(this);
    ApplicationEventsAbout->SetName("ApplicationEventsAbout");
    WireEvents();
}

void TvdFormAbout::BuildTopPanel() {
    pnlTop = MakeChild<TPanel>(this, this, "pnlTop");
    pnlTop->SetBounds(0, 0, ClientWidth(), Scale96(kTopHeight));
    pnlTop->SetAlign(TAlign::Top);
    imgLogo = MakeChild<TImage>(this, pnlTop, "imgLogo");
    imgLogo->SetBounds(Scale96(kMargin * 2), Scale96(kMargin + 4), Scale96(kLogoSize), Scale96(kLogoSize));
    const int left = Scale96(kMargin * 3 + kLogoSize);
    const int width = pnlTop->ClientWidth() - left - Scale96(kMargin);
    int top = Scale96(kMargin);
    auto line = [&](TControl* c) {
        c->SetBounds(left, top, width, Scale96(kLineHeight));
        c->SetAnchors(Anchor::Left | Anchor::Top | Anchor::Right);
        top += Scale96(kLineHeight);
    };
    LabelSum = MakeChild<TLabel>(this, pnlTop, "LabelSum");
    LabelSum->SetShowAccelChar(false);
    FontSpec bold = Font();
    bold.Bold = true;
    LabelSum->SetFont(bold);
    line(LabelSum);
    LabelDis = MakeChild<TLabel>(this, pnlTop, "LabelDis");
    LabelDis->SetShowAccelChar(false);
    line(LabelDis);
    LabelCop = MakeChild<TLabel>(this, pnlTop, "LabelCop");
    LabelCop->SetShowAccelChar(false);
    line(LabelCop);
    // The address is a link: a flat button that opens it.
    LabelUrl = MakeChild<TButton>(this, pnlTop, "LabelUrl", product::kCompanyUrlFull);
    LabelUrl->SetBounds(left, top + Scale96(2), Scale96(260), Scale96(kLineHeight + 6));
    LabelUrl->SetHint(product::kCompanyUrlFull);
    LabelUrl->SetShowHint(true);
    ImageCompanyLogo = MakeChild<TImage>(this, pnlTop, "ImageCompanyLogo");
    ImageCompanyLogo->SetVisible(false);
}

void TvdFormAbout::BuildActions() {
    ActionListTrans = TComponent::Create<TActionList>(this);
    ActionListTrans->SetName("ActionListTrans");
    auto action = [&](const char* name, const char* shortcut, const char* hint) {
        TAction* a = TComponent::Create<TAction>(this);
        a->SetName(name);
        a->Caption = name;
        a->Hint = hint;
        a->ShortCut = TextToShortCut(shortcut);
        a->SetActionList(ActionListTrans);
        return a;
    };
    ALI_File_New = action("ALI_File_New", "Ctrl+N", "Add support for a new language");
    ALI_File_Open = action("ALI_File_Open", "Ctrl+O", "Edit an existing language");
    ALI_File_Save = action("ALI_File_Save", "Ctrl+S", "");
    ALI_Edit_Cut = action("ALI_Edit_Cut", "Ctrl+X", "");
    ALI_Edit_Copy = action("ALI_Edit_Copy", "Ctrl+C", "");
    ALI_Edit_Paste = action("ALI_Edit_Paste", "Ctrl+V", "");
    ALI_Edit_Delete = action("ALI_Edit_Delete", "Ctrl+Del", "");
    ALI_Edit_SelectAll = action("ALI_Edit_SelectAll", "Ctrl+A", "");
    ALI_Edit_Undo = action("ALI_Edit_Undo", "Ctrl+Z", "");
    ALI_Edit_Search_FindOpen = action("ALI_Edit_Search_FindOpen", "Ctrl+F", "");
    ALI_Edit_Search_FindNext = action("ALI_Edit_Search_FindNext", "F3", "");
    ALI_Edit_Search_ReplaceOpen = action("ALI_Edit_Search_ReplaceOpen", "Ctrl+R", "");
    ALI_Edit_Sync = action("ALI_Edit_Sync", "", "");
}

void TvdFormAbout::BuildCreditsPage() {
    tsCredits = MakeChild<TTabSheet>(this, pgcAbout, "tsCredits", "Credits");
    tsCredits->SetPageControl(pgcAbout);
    reCredits = MakeChild<TRichEdit>(this, tsCredits, "reCredits");
    reCredits->Params.WordWrap = true;
    reCredits->Params.ScrollBars = false;
    reCredits->SetReadOnly(true);
    reCredits->SetBounds(0, 0, tsCredits->ClientWidth(), tsCredits->ClientHeight());
    reCredits->SetAlign(TAlign::Client);
}

void TvdFormAbout::BuildTranslationPage() {
    tsTranslation = MakeChild<TTabSheet>(this, pgcAbout, "tsTranslation", "Translation");
    tsTranslation->SetPageControl(pgcAbout);

    tbTranslation = MakeChild<TPanel>(this, tsTranslation, "tbTranslation");
    tbTranslation->SetBounds(0, 0, tsTranslation->ClientWidth(), Scale96(kToolBarHeight));
    tbTranslation->SetAlign(TAlign::Top);
    struct Tool {
        TAction* Action;
        const char* Caption;
        const char* Hint;
        bool GroupStart;
    };
    const Tool tools[] = {
        {ALI_File_New, "New", "New|Add support for a new language", false},
        {ALI_File_Open, "Open", "Open|Edit an existing language", false},
        {ALI_File_Save, "Save", "Save|Save the file", true},
        {ALI_Edit_Cut, "Cut", "Cut|Cut the selection", true},
        {ALI_Edit_Copy, "Copy", "Copy|Copy the selection", false},
        {ALI_Edit_Paste, "Paste", "Paste|Paste from the clipboard", false},
        {ALI_Edit_Undo, "Undo", "Undo|Undo the last change", true},
        {ALI_Edit_Search_FindOpen, "Find", "Find|Find a text", true},
        {ALI_Edit_Search_ReplaceOpen, "Replace", "Replace|Replace a text", false},
        {ALI_Edit_Sync, "Sync", "Synchronize|Synchronize with the English language file", true},
    };
    int x = Scale96(kToolGap);
    const int top = Scale96((kToolBarHeight - kToolButtonHeight) / 2);
    for (const Tool& t : tools) {
        if (t.GroupStart) x += Scale96(kGroupGap);
        std::string name = "tb" + t.Action->Name();
        TButton* b = MakeChild<TButton>(this, tbTranslation, name.c_str(), t.Caption, t.Hint);
        b->SetShowHint(true);
        b->SetTabStop(false);
        b->SetBounds(x, top, Scale96(kToolButtonWidth), Scale96(kToolButtonHeight));
        TAction* action = t.Action;
        b->OnClick = [action](TComponent*) { action->Execute(); };
        x += Scale96(kToolButtonWidth + kToolGap);
    }

    edtTranslationHeading = MakeChild<TRichEdit>(this, tsTranslation, "edtTranslationHeading");
    edtTranslationHeading->Params.MultiLine = false;
    edtTranslationHeading->Params.WordWrap = false;
    edtTranslationHeading->SetReadOnly(true);
    edtTranslationHeading->SetBounds(0, 0, tsTranslation->ClientWidth(), Scale96(kHeadingHeight));
    edtTranslationHeading->SetAlign(TAlign::Top);

    tabsetTranslation = MakeChild<TTabSet>(this, tsTranslation, "tabsetTranslation");
    tabsetTranslation->SetBounds(0, 0, tsTranslation->ClientWidth(), Scale96(kTabSetHeight));
    tabsetTranslation->SetAlign(TAlign::Bottom);

    reTranslation = MakeChild<TRichEdit>(this, tsTranslation, "reTranslation");
    reTranslation->Params.WordWrap = false;
    reTranslation->Params.ScrollBars = true;
    reTranslation->Params.LineNumbers = true;
    reTranslation->SetBounds(0, 0, tsTranslation->ClientWidth(), tsTranslation->ClientHeight());
    reTranslation->SetAlign(TAlign::Client);
}

void TvdFormAbout::BuildDataPage() {
    tsData = MakeChild<TTabSheet>(this, pgcAbout, "tsData", "Data");
    tsData->SetPageControl(pgcAbout);
    pnlDataButtons = MakeChild<TPanel>(this, tsData, "pnlDataButtons");
    pnlDataButtons->SetBounds(0, 0, tsData->ClientWidth(), Scale96(kButtonRowHeight));
    pnlDataButtons->SetAlign(TAlign::Bottom);
    const int top = Scale96((kButtonRowHeight - kButtonHeight) / 2);
    int x = Scale96(kMargin);
    btnSave = MakeChild<TButton>(this, pnlDataButtons, "btnSave", "&Save...");
    btnSave->SetBounds(x, top, Scale96(kButtonWidth), Scale96(kButtonHeight));
    x += Scale96(kButtonWidth + kMargin);
    btnPrint = MakeChild<TButton>(this, pnlDataButtons, "btnPrint", "&Print...");
    btnPrint->SetBounds(x, top, Scale96(kButtonWidth), Scale96(kButtonHeight));
    x += Scale96(kButtonWidth + kMargin);
    btnCollectData = MakeChild<TButton>(this, pnlDataButtons, "btnCollectData", "&Collect data for support...",
                                        "In case support needs it. This can collect all relevant files into selected "
                                        "directory.");
    btnCollectData->SetShowHint(true);
    btnCollectData->SetBounds(x, top, Scale96(kWideButtonWidth), Scale96(kButtonHeight));

    sgData = MakeChild<TvdStringGrid>(this, tsData, "sgData");
    sgData->SetBounds(0, 0, tsData->ClientWidth(), tsData->ClientHeight());
    sgData->SetAlign(TAlign::Client);
}

void TvdFormAbout::WireEvents() {
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnClose = [this](TComponent* s, TCloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
    LabelUrl->OnClick = [this](TComponent* s) { LabelUrlClick(s); };
    btnSave->OnClick = [this](TComponent* s) { btnSaveClick(s); };
    btnPrint->OnClick = [this](TComponent* s) { btnPrintClick(s); };
    btnCollectData->OnClick = [this](TComponent* s) { btnCollectDataClick(s); };
    sgData->OnCellButtonClick = [this](TvdStringGrid*, int row) { sgDataCellButtonClick(row); };
    tabsetTranslation->OnChange = [this](TComponent*, int tab, bool& allow) { tabsetTranslationChange(tab, allow); };
    ApplicationEventsAbout->OnIdle = [this](TComponent* s) { ApplicationEventsIdle(s); };
    ALI_File_New->OnExecute = [this](TComponent* s) { ALI_File_NewExecute(s); };
    ALI_File_Open->OnExecute = [this](TComponent* s) { ALI_File_OpenExecute(s); };
    ALI_File_Save->OnExecute = [this](TComponent* s) { ALI_File_SaveExecute(s); };
    ALI_Edit_Sync->OnExecute = [this](TComponent* s) { ALI_Edit_SyncExecute(s); };
    ALI_Edit_Search_FindOpen->OnExecute = [this](TComponent* s) { FindOpenExecute(s); };
    ALI_Edit_Search_FindNext->OnExecute = [this](TComponent* s) { FindNextExecute(s); };
    ALI_Edit_Search_ReplaceOpen->OnExecute = [this](TComponent* s) { ReplaceOpenExecute(s); };
    FindDialogFront->OnFind = [this](TComponent* s) { FindDialogFind(s); };
    ReplaceDialogFront->OnFind = [this](TComponent* s) { FindDialogFind(s); };
    ReplaceDialogFront->OnReplace = [this](TComponent* s) { ReplaceDialogReplace(s); };
    auto onEdit = [this](void (*verb)(TRichEdit&)) {
        return [this, verb](TComponent*) {
            if (TRichEdit* e = FocusedEdit()) verb(*e);
        };
    };
    ALI_Edit_Cut->OnExecute = onEdit([](TRichEdit& e) { e.CutToClipboard(); });
    ALI_Edit_Copy->OnExecute = onEdit([](TRichEdit& e) { e.CopyToClipboard(); });
    ALI_Edit_Paste->OnExecute = onEdit([](TRichEdit& e) { e.PasteFromClipboard(); });
    ALI_Edit_Delete->OnExecute = onEdit([](TRichEdit& e) { e.ReplaceSelection(""); });
    ALI_Edit_SelectAll->OnExecute = onEdit([](TRichEdit& e) { e.SelectAll(); });
    ALI_Edit_Undo->OnExecute = onEdit([](TRichEdit& e) { e.Undo(); });
}

}  // namespace pv
