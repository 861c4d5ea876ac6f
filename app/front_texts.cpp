// The main window's texts: its messages, registered while it is constructed, and its
// translation list, registered right after its components are loaded and applied then
// and at every change of language. The list's order is the order translators see.
#include "app/front_form.h"
#include "controls/buttons.h"
#include "controls/edit.h"
#include "controls/label.h"
#include "controls/menus.h"
#include "controls/panel.h"
#include "controls/status_bar.h"
#include "lang/language_composite.h"
#include "lang/logical_files.h"
#include "lang/template_system.h"
#include "lang/translation_list.h"

namespace pv {

namespace {

const char* const kArea = "__FrontMain";
const char* const kMessageSection = "__MessageText__FrontMain";

struct FrontMessage {
    const char* Key;
    const char* Text;
    bool Curly = false;
};

const FrontMessage kMessages[] = {
    {"NoAddItemOnTypeProgram", "You can not drop items on following type: \"Program item\""},
    {"WantSaveChanges", "Do you want to save changes?"},
    {"ItemFolderNeedName", "The folder has to have a name"},
    {"ItemFolderIllegalName", "The folder name can not contain: \"\\ / : * ? \" < > |\""},
    {"ItemFolderDuplicatedName", "The folder name may not be duplicated on the same level in the \"tree view\""},
    {"ItemFolderDropOnSub", "The folder may not be dropped on a subitem of its own"},
    {"SaveErrorLockedFiles", "Could not save, perhaps due to \"locked\" files? (files opened by another program)"},
    {"DiskItemsDataBackup",
     "A backup of an earlier items list exists as \"{AppDataPath}item_bak\". In most cases this is caused by the "
     "program has crashed while saving items last time.\r\n"
     "\r\n"
     "Do you wish to restore the items from the backup?\r\n"
     "If you choose \"No\" the program will attempt to delete the backup.\r\n"
     "If you choose \"Yes\" the program will attempt to restore the backup.\r\n"
     "If you choose \"Cancel\" the program will attempt to load the normal items.",
     true},
    {"NotAvailableShort", "N/A"},
    {"ItemTypeExecutable", "Executable"},
    {"ItemTypeRunable", "Runable"},
    {"ItemTypeShortcut", "Shortcut"},
    {"ItemTypeViewable", "Viewable"},
    {"ItemTypeSeparator", "Separator"},
    {"ItemTypeSpecialTop", "Special: Drag and drop items here"},
    {"ItemTypeSpecialDesign", "Special: Builtin item"},
    {"ItemTypeSpecialFolder", "Special: Create and place items here"},
    {"RestoreBackupFailed",
     "The items could not be restored completely from the backup \"{AppDataPath}item_bak\". The backup is kept and "
     "offered again at the next start.",
     true},
};

using ListEntry = TranslationEntry;

// The translation list in its order.
std::vector<ListEntry> TranslationList(TFormFront& f) {
    using K = TextKind;
    std::vector<ListEntry> list = {
        {K::CaptionHint, &f},
        {K::CaptionHint, f.pnlAddItemHeader},
        {K::CaptionHint, f.BitBtnAttach},
        {K::CaptionHint, f.rbFile},
        {K::CaptionHint, f.rbFileDirectory},
        {K::CaptionHint, f.rbSeparator},
        {K::CaptionHint, f.rbFolder},
        {K::CaptionHint, f.pnlEditItemHeader},
        {K::CaptionHint, f.pnlEditLaunchHeader},
        {K::Caption, f.lblFileType},
        {K::Caption, f.lblFilePath},
        {K::Caption, f.lblFileParams},
        {K::Caption, f.lblWorkPath},
        {K::Caption, f.lblWindowState},
        {K::Caption, f.lblUserRunAs},
        {K::CaptionHint, f.chkUserRunAs},
        {K::Hint, f.edtFileCap},
        {K::Hint, f.edtFileType},
        {K::Hint, f.edtFilePathName},
        {K::Hint, f.edtFileParams},
        {K::CaptionHint, f.pnlToolsHeader},
        {K::CaptionHint, f.BitBtnSweep},
        {K::CaptionHint, f.BitBtnUndo},
        {K::CaptionHint, f.BitBtnCut},
        {K::CaptionHint, f.BitBtnCopy},
        {K::CaptionHint, f.BitBtnPaste},
        {K::CaptionHint, f.BitBtnDelete},
        {K::CaptionHint, f.BitBtnSave},
        {K::CaptionHint, f.BitBtnClose},
        {K::CaptionHint, f.BitBtnLaunch},
        {K::CaptionHint, f.BitBtnHelp},
        {K::AutoHintDef, f.StatusBarHelp},
        {K::MenuItem, f.miSysMenuProgram},
        {K::MenuItem, f.miCloseApp},
        {K::MenuItem, f.miPivolaKitFolder},
    };
    for (TMenuItem* product : f.ToolsProducts) list.push_back({K::MenuItem, product});
    for (TMenuItem* item : {f.miSysMenuSystem, f.miHelpFile, f.miManageItems, f.miPreferences, f.miVisitWebsite,
                            f.miAbout, f.MiTools})
        list.push_back({K::MenuItem, item});
    return list;
}

}  // namespace

void TFormFront::RegisterFormMessages() {
    TvdFormFrontBase::RegisterFormMessages();
    TvdlgLanguageCompositeAllEx* lang = Translation();
    if (!lang) return;
    RegisterProgramMessages(lang->Controller(), kMessageSection, kMessages);
}

void TFormFront::RegisterFormTexts() {
    TvdFormFrontBase::RegisterFormTexts();
    WalkTranslationList(true);
}

void TFormFront::TranslateForm() {
    TvdFormFrontBase::TranslateForm();
    WalkTranslationList(false);
}

void TFormFront::WalkTranslationList(bool registering) {
    if (TvdlgLanguageCompositeAllEx* lang = Translation())
        pv::WalkTranslationList(*lang, std::string(kProgramLanguageFile), kArea, TranslationList(*this), registering);
}

std::string TFormFront::Message(const std::string& key) const {
    TvdlgLanguageCompositeAllEx* lang = Translation();
    if (!lang) return {};
    return lang->Controller().GetText(std::string(kProgramLanguageFile), kMessageSection, key, "", false);
}

}  // namespace pv
