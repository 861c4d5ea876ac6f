// The About window's translation editor: one tab per language file, the file loaded into
// the rich edit, saved as UTF-8 with a byte order mark, rebuilt from the English file, and
// searched through the system's find and replace dialogs.
#include "controls/action_list.h"
#include "controls/application.h"
#include "controls/file_dialogs.h"
#include "controls/find_dialog.h"
#include "controls/form.h"
#include "controls/page_control.h"
#include "controls/rich_edit.h"
#include "controls/status_bar.h"
#include "controls/tab_set.h"
#include "frame/generic_frame.h"
#include "frame/message_dialog.h"
#include "lang/language_composite.h"
#include "util/encoding.h"
#include "util/paths.h"
#include "util/strings.h"
#include "windows/form_about.h"

namespace pv {

namespace {

const char* const kEnglish = "en-us";
const char* const kLanguageFiles[] = {"UTF8_program.ini", "UTF8_shared.ini", "UTF8_general.ini"};

// The culture folder of a tab's text ("de-de\UTF8_program.ini" gives "de-de").
std::string TabCulture(const std::string& tab) {
    return ExtractFileName(ExcludeTrailingBackslash(ExtractFilePath(tab)));
}

std::string WithUtf8Prefix(const std::string& name) {
    const std::string prefix(kUtf8FilePrefix);
    return SameText(name.substr(0, prefix.size()), prefix) ? name : prefix + name;
}

// Line breaks of any kind made CR LF.
std::string CrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string SyncTranslation(const std::string& englishText, const std::string& currentText) {
    IniDocument current = ParseUtf8LanguageFile(currentText);
    std::string section, out;
    for (const std::string& line : SplitLines(englishText)) {
        std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed[0] != ';') {
            if (trimmed[0] == '[') {
                size_t close = trimmed.find(']');
                section = trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1);
            } else {
                size_t eq = line.find('=');
                std::string key = Trim(line.substr(0, eq));
                if (IsTranslatableKey(section, key)) {
                    const std::string* value = current.Find(section, key);
                    out += key + "=" + (value ? *value : std::string()) + "\r\n";
                    continue;
                }
            }
        }
        out += line + "\r\n";
    }
    return Trim(out);
}

std::string TvdFormAbout::TranslationFolder() const { return IncludeTrailingBackslash(Shared->TranslationFolder); }

// ---- tabs and files ------------------------------------------------------------------------

void TvdFormAbout::SetEditCulture(const std::string& culture) {
    std::vector<std::string> kept;
    for (const std::string& tab : tabsetTranslation->Tabs())
        if (SameText(TabCulture(tab), kEnglish)) kept.push_back(tab);
    tabsetTranslation->SetTabs(kept);
    if (culture.empty() || SameText(culture, kEnglish)) return;
    IFileSystem& files = GetPlatform().Files();
    const std::string folder = TranslationFolder() + culture + "\\";
    for (const char* name : kLanguageFiles) {
        if (files.FileExists(folder + name)) continue;
        try {
            files.ForceDirectories(folder);
            files.WriteAllBytes(folder + name, "");
        } catch (const std::exception&) {
            // A folder the user may not write to still gets its tabs; saving reports it.
        }
    }
    for (const char* name : kLanguageFiles) tabsetTranslation->AddTab(culture + "\\" + name);
}

std::string TvdFormAbout::ReadTranslationText(const std::string& tabText) const {
    Platform& p = GetPlatform();
    const std::string path = TranslationFolder() + tabText;
    const std::string dir = ExtractFilePath(path), name = ExtractFileName(path);
    const std::string utf8 = dir + WithUtf8Prefix(name);
    try {
        if (p.Files().FileExists(utf8)) {
            std::string bytes(StripUtf8Bom(p.Files().ReadAllBytes(utf8)));
            if (IsValidUtf8(bytes)) return bytes;
            // Not UTF-8 after all: every byte is shown as its character in the code page,
            // so that none is lost, and the window says so.
            const_cast<TvdFormAbout*>(this)->last_status_ = "NotUtf8";
            return p.System().FromCodePage(bytes);
        }
        if (p.Files().FileExists(path)) return p.System().FromCodePage(p.Files().ReadAllBytes(path));
    } catch (const std::exception&) {
        const_cast<TvdFormAbout*>(this)->last_status_ = "Unreadable";
    }
    return "";
}

void TvdFormAbout::LoadTranslationFile(const std::string& tabText) {
    MetaData = TvdlgTransMetaData();
    edtTranslationHeading->SetText(TranslationFolder() + tabText);
    const std::string culture = TabCulture(tabText), name = ExtractFileName(tabText);
    if (TvdlgLanguageCompositeAllEx* lang = Translation()) {
        try {
            MetaData = lang->Controller().ReadMetaData(culture, name);
        } catch (const std::exception&) {
            MetaData = TvdlgTransMetaData();
        }
    }
    if (MetaData.Lingua_ID.empty()) MetaData.Lingua_ID = kEnglish;
    last_status_.clear();
    std::string text = Trim(CrLf(ReadTranslationText(tabText)));
    reTranslation->SetText(text);
    reTranslation->SetSelection(0, 0);
    reTranslation->SetReadOnly(SameText(MetaData.Lingua_ID, kEnglish));
    reTranslation->SetModified(false);
    if (last_status_ == "NotUtf8")
        stbAbout->SetSimpleText("\"" + tabText + "\" is not valid UTF-8: its bytes are shown as characters of the "
                                "system's code page, and saving writes them as UTF-8.");
    else if (last_status_ == "Unreadable")
        stbAbout->SetSimpleText("\"" + tabText + "\" cannot be read.");
    else
        stbAbout->SetSimpleText("");
}

void TvdFormAbout::tabsetTranslationChange(int newTab, bool& allowChange) {
    if (tabsetTranslation->TabIndex() < 0) return;
    if (reTranslation->Modified() && !reTranslation->ReadOnly()) {
        SetTemplateVariable("dynDirFilePathName", TranslationFolder() + tabsetTranslation->CurrentTab());
        std::string question = GeneralText("__MixedText__ManageFiles", "SaveFileChanges",
                                           "Save file \"" + TranslationFolder() + tabsetTranslation->CurrentTab() +
                                               "\" changes?");
        int answer = AskYesNo(question, true);
        if (answer == ModalResult::Cancel) {
            allowChange = false;
            return;
        }
        // A save that fails keeps the user on the file, with the edits.
        if (answer == ModalResult::Yes && !SaveTranslationFile()) {
            allowChange = false;
            return;
        }
    }
    LoadTranslationFile(tabsetTranslation->Tabs()[static_cast<size_t>(newTab)]);
}

bool TvdFormAbout::SaveTranslationFile() {
    if (tabsetTranslation->TabIndex() < 0) return false;
    IFileSystem& files = GetPlatform().Files();
    const std::string text = CrLf(reTranslation->Text());
    const std::string path = TranslationFolder() + tabsetTranslation->CurrentTab();
    const std::string dir = ExtractFilePath(path);
    if (!files.DirectoryExists(dir)) files.ForceDirectories(dir);
    const std::string target = dir + WithUtf8Prefix(ExtractFileName(path));
    // The new text goes beside the file first and replaces it in one step, so that a
    // write that breaks off leaves the old file whole.
    const std::string temporary = target + ".tmp";
    bool saved = false;
    try {
        files.WriteAllBytes(temporary, std::string(kUtf8Bom) + text);
        saved = files.MoveFile(temporary, target, true);
    } catch (const std::exception&) {
        saved = false;
    }
    if (!saved) {
        try {
            if (files.FileExists(temporary)) files.DeleteFile(temporary);
        } catch (const std::exception&) {
        }
        stbAbout->SetSimpleText("\"" + target + "\" could not be saved; the changes are still in the editor.");
        return false;
    }
    reTranslation->SetModified(false);
    stbAbout->SetSimpleText("Saved \"" + target + "\".");
    return true;
}

void TvdFormAbout::ALI_File_SaveExecute(TComponent*) { SaveTranslationFile(); }

void TvdFormAbout::ALI_File_NewExecute(TComponent*) {
    std::string folder;
    if (!BrowseForFolder(*this, this, GetShortHint(ALI_File_New->Hint), folder, TranslationFolder(), true)) return;
    SetEditCulture(ExtractFileName(ExcludeTrailingBackslash(folder)));
}

void TvdFormAbout::ALI_File_OpenExecute(TComponent*) {
    std::string folder;
    if (!BrowseForFolder(*this, this, GetShortHint(ALI_File_Open->Hint), folder, TranslationFolder(), false)) return;
    SetEditCulture(ExtractFileName(ExcludeTrailingBackslash(folder)));
}

std::string TvdFormAbout::SyncedText() const {
    const std::string tab = tabsetTranslation->CurrentTab();
    const std::string current = ReadTranslationText(tab);
    const std::string english = ReadTranslationText(std::string(kEnglish) + "\\" + ExtractFileName(tab));
    return SyncTranslation(CrLf(english), current);
}

void TvdFormAbout::ALI_Edit_SyncExecute(TComponent*) {
    if (tabsetTranslation->TabIndex() < 0) return;
    reTranslation->SetText(SyncedText());
    reTranslation->SetModified(true);
}

// ---- find and replace ------------------------------------------------------------------------

TRichEdit* TvdFormAbout::FocusedEdit() const {
    for (TRichEdit* e : {reTranslation, edtTranslationHeading, reCredits})
        if (e->Focused()) return e;
    return nullptr;
}

void TvdFormAbout::FindOpenExecute(TComponent*) {
    ReplaceDialogFront->CloseDialog();
    FindDialogFront->FindText = ReplaceDialogFront->FindText.empty() ? FindDialogFront->FindText
                                                                    : ReplaceDialogFront->FindText;
    ActiveSearchDialog = FindDialogFront;
    FindDialogFront->Execute(this);
}

void TvdFormAbout::ReplaceOpenExecute(TComponent*) {
    FindDialogFront->CloseDialog();
    ReplaceDialogFront->FindText = FindDialogFront->FindText.empty() ? ReplaceDialogFront->FindText
                                                                    : FindDialogFront->FindText;
    ActiveSearchDialog = ReplaceDialogFront;
    ReplaceDialogFront->Execute(this);
}

void TvdFormAbout::FindNextExecute(TComponent* sender) {
    if (!ActiveSearchDialog || ActiveSearchDialog->FindText.empty()) {
        FindOpenExecute(sender);
        return;
    }
    RunSearch(ActiveSearchDialog, false);
}

void TvdFormAbout::FindDialogFind(TComponent* sender) {
    ActiveSearchDialog = static_cast<TFindDialog*>(sender);
    RunSearch(ActiveSearchDialog, false);
}

void TvdFormAbout::ReplaceDialogReplace(TComponent* sender) {
    ActiveSearchDialog = static_cast<TFindDialog*>(sender);
    RunSearch(ActiveSearchDialog, true);
}

void TvdFormAbout::RunSearch(TFindDialog* dialog, bool replace) {
    TRichEdit* edit = FocusedEdit();
    if (!edit) edit = pgcAbout->ActivePage() == tsCredits ? reCredits : reTranslation;
    if (replace && edit->ReadOnly()) return;
    FindInProgress = true;
    const std::string what = dialog->FindText;
    const FindOptions options = dialog->Options;
    const bool all = replace && dialog->Command == FindCommand::ReplaceAll;
    for (;;) {
        // A replace request first looks at the occurrence already selected.
        bool found = (replace && edit->SelectionMatches(what, options)) || edit->FindNext(what, options);
        // Replacing all ends where no further occurrence is found.
        if (!found && all) break;
        if (!found) {
            SetTemplateVariable("dynDialogFindText", what);
            const char* key = options.Down ? "DialogFindTextContinueTop" : "DialogFindTextContinueBottom";
            std::string builtIn = "\"" + what + "\" not found. Restart search from " +
                                  (options.Down ? "top" : "bottom") + "?";
            if (AskYesNo(GeneralText("__MixedText__Dialogs__Texts__RS", key, builtIn), false) != ModalResult::Yes) break;
            int restart = options.Down ? 0 : static_cast<int>(edit->Text().size());
            edit->SetSelection(restart, 0);
            if (!edit->FindNext(what, options)) break;
        }
        if (!replace) break;
        SetTemplateVariable("dynDialogFindText", what);
        SetTemplateVariable("dynDialogReplaceText", dialog->ReplaceText);
        std::string question = GeneralText("__MixedText__Dialogs__Texts__RS", "DialogReplaceTextContinue",
                                           "Replace \"" + what + "\" with \"" + dialog->ReplaceText + "\"?");
        if (AskYesNo(question, false) == ModalResult::Yes) edit->ReplaceSelection(dialog->ReplaceText);
        // An occurrence the user keeps is passed over.
        else if (options.Down) edit->SetSelection(edit->SelStart() + edit->SelLength(), 0);
        else edit->SetSelection(edit->SelStart(), 0);
        if (!all) break;
    }
    FindInProgress = false;
}

// ---- action states ---------------------------------------------------------------------------

void TvdFormAbout::ApplicationEventsIdle(TComponent*) { UpdateActions(); }

void TvdFormAbout::UpdateActions() {
    for (int i = 0; i < ActionListTrans->ActionCount(); ++i) ActionListTrans->Actions(i)->Enabled = false;
    ALI_File_New->Enabled = true;
    ALI_File_Open->Enabled = true;
    const bool foreign = !SameText(MetaData.Lingua_ID, kEnglish) && tabsetTranslation->TabIndex() >= 0;
    ALI_File_Save->Enabled = foreign;
    ALI_Edit_Sync->Enabled = foreign;
    TRichEdit* edit = FocusedEdit();
    if (edit && Showing()) {
        const bool text = !edit->Text().empty();
        const bool selected = edit->SelLength() > 0;
        ALI_Edit_SelectAll->Enabled = text;
        ALI_Edit_Search_FindOpen->Enabled = text;
        ALI_Edit_Search_FindNext->Enabled = text;
        if (!edit->ReadOnly()) {
            ALI_Edit_Search_ReplaceOpen->Enabled = text;
            ALI_Edit_Cut->Enabled = selected;
            ALI_Edit_Delete->Enabled = selected;
            ALI_Edit_Paste->Enabled = edit->CanPaste();
            ALI_Edit_Undo->Enabled = edit->CanUndo();
        }
        ALI_Edit_Copy->Enabled = selected;
    }
    // The tool bar's buttons stand for the actions.
    for (int i = 0; i < ActionListTrans->ActionCount(); ++i) {
        TAction* a = ActionListTrans->Actions(i);
        if (auto* b = dynamic_cast<TControl*>(FindComponent("tb" + a->Name()))) b->SetEnabled(a->Enabled);
    }
}

}  // namespace pv
