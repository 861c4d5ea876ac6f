// The tray menu: the user's items (folders as submenus), then the "Program" heading and
// the program submenu, copied from the design-time menu pmBasic at every reload.
#include "app/front_form.h"
#include "app/menu_painter.h"
#include "app/program_options.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/canvas.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "frame/product_info.h"
#include "platform/platform.h"

namespace pv {

namespace {
struct ProgramEntry {
    TMenuItem* TFormFront::*Field;
    const char* Name;
    const char* Caption;
    intptr_t Tag;
    int Image;
    bool Visible;
    bool Default;
};
}  // namespace

void TFormFront::BuildProgramMenu() {
    pmBasic = TComponent::Create<TPopupMenu>(this);
    pmBasic->SetName("pmBasic");
    pmBasic->AutoLineReduction = false;
    pmBasic->OwnerDraw = true;
    pmBasic->Images = ilPublicPM;
    pmItems = TComponent::Create<TPopupMenu>(this);
    pmItems->SetName("pmItems");
    pmItems->OwnerDraw = true;
    pmItems->Images = ilPublicPM;

    auto make = [this](TMenuItem* parent, const char* name, const char* caption, intptr_t tag, int image, bool visible,
                       bool isDefault) {
        TMenuItem* m = TComponent::Create<TMenuItem>(parent);
        m->SetName(name);
        m->Caption = caption;
        m->Tag = tag;
        m->ImageIndex = image;
        m->Visible = visible;
        m->Default = isDefault;
        parent->Add(m);
        return m;
    };
    TMenuItem* root = pmBasic->Items();
    miSysMenuProgram = make(root, "miSysMenuProgram", "Program", MenuTag::Heading, -1, true, false);
    miPivolaKitFolder = make(root, "miPivolaKitFolder", "Pivola menu", MenuTag::ProgramFolder, -1, true, true);
    static const ProgramEntry entries[] = {
        {&TFormFront::miPivolaKitBar, "miPivolaKitBar", "Pivola", MenuTag::BarCaption, -1, false, false},
        {&TFormFront::Hidden1, "Hidden1", "Hidden", MenuTag::Placeholder, -1, false, false},
        {&TFormFront::miSysMenuSystem, "miSysMenuSystem", "System", MenuTag::Heading, -1, false, false},
        {&TFormFront::miHelpFile, "miHelpFile", "Help...", 0, 7, true, false},
        {&TFormFront::miCheckUpdates, "miCheckUpdates", "Updates...", 0, 8, true, false},
        {&TFormFront::miAbout, "miAbout", "About...", 0, -1, true, false},
        {&TFormFront::N3, "N3", "-", MenuTag::Separator, -1, true, false},
        {&TFormFront::miVisitWebsite, "miVisitWebsite", "Visit website", 0, 11, true, false},
        {&TFormFront::miVisitWebsiteForums, "miVisitWebsiteForums", "Forums", 0, 21, true, false},
        {&TFormFront::MiTools, "MiTools", "Tools", 0, -1, true, false},
        {&TFormFront::miN1, "miN1", "-", MenuTag::Separator, -1, true, false},
        {&TFormFront::M_MI_Lingua, "M_MI_Lingua", "Lingua", 0, -1, true, false},
        {&TFormFront::miPreferences, "miPreferences", "Preferences...", 0, 10, true, false},
        {&TFormFront::miManageItems, "miManageItems", "Manage items...", 0, 9, true, true},
        {&TFormFront::N1, "N1", "-", MenuTag::Separator, -1, true, false},
        {&TFormFront::miCloseApp, "miCloseApp", "Close", 0, -1, true, false},
    };
    for (const auto& e : entries) this->*e.Field = make(miPivolaKitFolder, e.Name, e.Caption, e.Tag, e.Image, e.Visible, e.Default);
    // The maker's other products, each opening its own page.
    static const char* const products[][2] = {{"miToolsNotes", "Vendrik Notes"}, {"miToolsClip", "Vendrik Clip"},
                                              {"miToolsShot", "Vendrik Shot"}, {"miToolsSync", "Vendrik Sync"},
                                              {"miToolsFind", "Vendrik Find"}};
    for (const auto& pr : products) {
        TMenuItem* m = make(MiTools, pr[0], pr[1], 0, -1, true, false);
        m->OnClick = [this](TComponent* s) { miToolsProductClick(s); };
        ToolsProducts.push_back(m);
    }
    M_MI_Lingua->SubMenuImages = ilLingua;
    miHelpFile->OnClick = [this](TComponent* s) { miHelpFileClick(s); };
    miCheckUpdates->OnClick = [this](TComponent* s) { miCheckUpdatesClick(s); };
    miAbout->OnClick = [this](TComponent* s) { miAboutClick(s); };
    miVisitWebsite->OnClick = [this](TComponent* s) { miVisitWebsiteClick(s); };
    miVisitWebsiteForums->OnClick = [this](TComponent* s) { miVisitWebsiteForumsClick(s); };
    miPreferences->OnClick = [this](TComponent* s) { miPreferencesClick(s); };
    miManageItems->OnClick = [this](TComponent* s) { miManageItemsClick(s); };
    miCloseApp->OnClick = [this](TComponent* s) { miCloseAppClick(s); };
}

// ---- building ----------------------------------------------------------------------------

TMenuItem* TFormFront::AddMenuEntry(TItemKind kind, TMenuItem* parentMenu, int imageIndex, const std::string& caption,
                                    int id) {
    if (!parentMenu) return nullptr;
    TMenuItem* entry = TComponent::Create<TMenuItem>(parentMenu);
    switch (kind) {
        case TItemKind::Folder: {
            entry->Caption = caption;
            entry->ImageIndex = ItemImage::FolderClosed;
            TMenuItem* hiding = TComponent::Create<TMenuItem>(entry);
            hiding->Caption = "Hiding";
            hiding->Tag = MenuTag::Placeholder;
            hiding->Visible = false;
            entry->Add(hiding);
            break;
        }
        case TItemKind::NormalSeparator:
            entry->Caption = "-";
            entry->Tag = MenuTag::Separator;
            break;
        case TItemKind::SpecialSeparator:
            entry->Caption = RemoveDashes(caption);
            entry->Tag = MenuTag::Heading;
            break;
        case TItemKind::ExecutableLink:
        case TItemKind::GeneralLink:
            entry->Caption = caption;
            entry->Tag = id;
            entry->ImageIndex = imageIndex == ItemImage::AskDirectory ? ItemImage::Directory : imageIndex;
            entry->OnClick = [this](TComponent* s) { NorItemsRTClickItem(s); };
            break;
    }
    int position = static_cast<int>(std::clamp<intptr_t>(parentMenu->Tag, 0, parentMenu->Count()));
    parentMenu->Insert(position, entry);
    ++parentMenu->Tag;
    // The folder's own items follow its placeholder.
    if (kind == TItemKind::Folder) entry->Tag = 1;
    return entry;
}

void TFormFront::CopyMenuItem(TMenuItem* source, TMenuItem* dest) {
    dest->ImageIndex = source->ImageIndex;
    dest->SubMenuImages = source->SubMenuImages;
    dest->Caption = source->Caption;
    dest->Hint = source->Hint;
    dest->ShortCut = source->ShortCut;
    dest->Visible = source->Visible;
    dest->Default = source->Default;
    dest->OnClick = source->OnClick;
    dest->Action = source->Action;
    dest->Tag = source->Tag;
    if (!source->Name().empty() && dest->Name() != source->Name() + "__Copy") dest->SetName(source->Name() + "__Copy");
}

void TFormFront::CopyMenuTree(TMenuItem* source, TMenuItem* dest) {
    CopyMenuItem(source, dest);
    dest->Clear();
    for (int i = 0; i < source->Count(); ++i) {
        TMenuItem* child = TComponent::Create<TMenuItem>(dest);
        dest->Add(child);
        CopyMenuTree(source->Items(i), child);
    }
}

bool TFormFront::OverrideStandardFont() const {
    auto* shared = dynamic_cast<TModuleShared*>(Shared);
    return shared && shared->ProgramOptions() && shared->ProgramOptions()->OverrideStandardFont;
}

void TFormFront::UpdateMenuDrawHandlers() {
    bool custom = OverrideStandardFont();
    std::vector<TMenuItem*> work{pmItems->Items()};
    while (!work.empty()) {
        TMenuItem* m = work.back();
        work.pop_back();
        for (int i = m->Count() - 1; i >= 0; --i) work.push_back(m->Items(i));
        if (m->Tag == MenuTag::Placeholder || m->Tag == MenuTag::Separator) continue;
        if (m->Tag == MenuTag::Heading) {
            m->OnDrawItem = [this](TMenuItem* e, TCanvas& c, const TRect& r, bool s) { SpeItemsRTDrawItem(e, c, r, s); };
            m->OnMeasureItem = [this](TMenuItem* e, TCanvas& c, int& w, int& h) { NorItemsRTMeasureItem(e, c, w, h); };
        } else if (custom) {
            m->OnDrawItem = [this](TMenuItem* e, TCanvas& c, const TRect& r, bool s) { NorItemsRTDrawItem(e, c, r, s); };
            m->OnMeasureItem = [this](TMenuItem* e, TCanvas& c, int& w, int& h) { NorItemsRTMeasureItem(e, c, w, h); };
        } else {
            m->OnDrawItem = nullptr;
            m->OnMeasureItem = nullptr;
        }
    }
}

// ---- drawing -----------------------------------------------------------------------------

void TFormFront::NorItemsRTDrawItem(TMenuItem* entry, TCanvas& canvas, const TRect& rect, bool selected) {
    if (!Painter || !entry) return;
    TImageList* images = entry->Parent() && entry->Parent()->SubMenuImages == ilLingua ? ilLingua : ilPublicPM;
    Painter->DrawItem(entry, canvas, rect, selected, images);
}

void TFormFront::SpeItemsRTDrawItem(TMenuItem* entry, TCanvas& canvas, const TRect& rect, bool selected) {
    if (!Painter || !entry) return;
    Painter->DrawHeading(entry, canvas, selected, rect);
}

void TFormFront::NorItemsRTMeasureItem(TMenuItem* entry, TCanvas& canvas, int& width, int& height) {
    if (!Painter || !entry) return;
    Painter->MeasureItem(entry, canvas, width, height);
}

// ---- showing -----------------------------------------------------------------------------

void TFormFront::PopupAtCursor(TPopupMenu* menu, TForm* mainWindow, TComponent* trayIcon) {
    IUserInterface& ui = GetPlatform().UI();
    TPoint at;
    if (!menu || !ui.GetCursorPos(at)) return;
    // The menu is measured and drawn for the monitor it opens on.
    if (Painter) {
        Painter->Dpi = ui.DpiAt(at);
        menu->ImageSize = Painter->IconSize();
        menu->Dpi = Painter->Dpi;
        if (menu->Images == ilPublicPM) SharpenMenuPictures(menu->ImageSize);
    }
    Application()->ProcessMessages();
    if (mainWindow) ui.SetForegroundWindow(mainWindow->Handle());
    if (trayIcon) menu->PopupComponent = trayIcon;
    if (!menu->PopupComponent) menu->PopupComponent = mainWindow;
    menu->Popup(at.X, at.Y, mainWindow ? mainWindow->Handle() : 0);
    if (mainWindow) ui.PostNullMessage(mainWindow->Handle());
}

// ---- program menu actions ----------------------------------------------------------------

void TFormFront::miHelpFileClick(TComponent*) {
    GetPlatform().Shell().Execute(0, "open", Shared->AppPath + "help" + "\\" + "index.html", "", "", ShowCmd::Normal);
}

void TFormFront::miVisitWebsiteClick(TComponent*) {
    GetPlatform().Shell().Execute(0, "open", product::kCompanyUrlFull, "", "", ShowCmd::Normal);
}

void TFormFront::miVisitWebsiteForumsClick(TComponent*) {
    GetPlatform().Shell().Execute(0, "open", product::kForumUrl, "", "", ShowCmd::Normal);
}

void TFormFront::miToolsProductClick(TComponent* sender) {
    std::string page = sender->Name().substr(std::string("miTools").size());
    for (char& c : page) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    GetPlatform().Shell().Execute(0, "open", std::string(product::kCompanyUrlFull) + "/products/" + page + "/", "", "",
                                  ShowCmd::Normal);
}

void TFormFront::miCloseAppClick(TComponent*) { Application()->Terminate(); }

void TFormFront::miPreferencesClick(TComponent*) {
    if (auto* shared = dynamic_cast<TModuleShared*>(Shared))
        shared->ShowForm(&shared->OptionsFormRef, shared->OptionsFormClass, nullptr, true, shared->ModalWindows);
}

void TFormFront::miAboutClick(TComponent*) { Shared->ShowAbout(); }
void TFormFront::miCheckUpdatesClick(TComponent*) { Shared->ShowCheckUpdates(); }
void TFormFront::miManageItemsClick(TComponent*) { RestoreAndShow(); }

}  // namespace pv
