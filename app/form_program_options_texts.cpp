// The options window's texts: the help texts it registers while it is constructed, the
// help panel's lookup, and its translation list, registered right after its components
// are loaded and applied then and at every change of language. The list's order is the
// order translators see.
#include "app/form_program_options.h"
#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/group_box.h"
#include "controls/hot_key_edit.h"
#include "controls/label.h"
#include "controls/page_control.h"
#include "controls/panel.h"
#include "lang/language_composite.h"
#include "lang/logical_files.h"
#include "lang/template_system.h"
#include "lang/translation_list.h"

namespace pv {

namespace {

const char* const kArea = "_ProgramOptions";
const char* const kHelpSection = "__HelpText_ProgramOptions";
// The frame's text for a control without help of its own.
const char* const kFrameSection = "__MixedText__Module";
const char* const kNoHelpKey = "NoHelpAvailableTopic";

struct HelpEntry {
    TCheckBox* TFormProgramOptions::*Check;  // the control it explains, when a check box
    const char* Key;
    const char* Text;
    bool Curly;
};

const HelpEntry kHelpTexts[] = {
    {&TFormProgramOptions::chkWindowsVU, "RememberStateWindows", "Remember windows position, size, and state.", false},
    {&TFormProgramOptions::chkMiscVU, "RememberStateMisc", "Remember miscellaneous setup.", false},
    {&TFormProgramOptions::chbShowInTray, "AlwaysShowInTray",
     "If checked, {ProgramNameShortCommon} will register itself to windows startup registry and always be shown in "
     "system tray.\r\n\r\nUncheck to have {ProgramNameShortCommon} un-register itself.",
     true},
    {&TFormProgramOptions::chbShowInTask, "AlwaysShowInTask",
     "If checked, {ProgramNameShortCommon} will be shown in task bar when a program window is visible.", true},
    {nullptr, "HotkeysSetup",
     "Can be used when {ProgramNameShortCommon} is minimized. If located in the system tray, then the associated menu "
     "will be brought up where the mouse cursor is located, else {ProgramNameShortCommon} itself will be restored to "
     "the desktop.\r\n\r\nTo enter the \"hotkeys\", first make sure the control has focus, then press the keys you "
     "want to be part of the shortcut. Be aware that it is possible to create combinations that can conflict with "
     "other programs.",
     true},
};

using ListEntry = TranslationEntry;

// The translation list in its order.
std::vector<ListEntry> TranslationList(TFormProgramOptions& f) {
    using K = TextKind;
    return {
        {K::CaptionHint, &f},
        {K::CaptionHint, f.btnOK},
        {K::CaptionHint, f.btnCancel},
        {K::Pages, f.pgcOptions},
        {K::CaptionHint, f.pnlHelpHeading},
        {K::CaptionHint, f.gbUserInterfacePersistenceV},
        {K::CaptionHint, f.chkWindowsVU},
        {K::CaptionHint, f.chkMiscVU},
        {K::CaptionHint, f.gbFontSettingsV},
        {K::CaptionHint, f.chbOverrideStandardFont},
        {K::CaptionHint, f.chbOverrideStandardFontStyleBold},
        {K::Caption, f.lblOverrideStandardFontStyleBold},
        {K::Caption, f.lblOverrideStandardFontSize},
        {K::Caption, f.lblOverrideStandardFontName},
        {K::CaptionHint, f.BtnDefault},
        {K::CaptionHint, f.gbProgramBehavior},
        {K::CaptionHint, f.chbShowInTray},
        {K::CaptionHint, f.chbShowInTask},
        {K::Caption, f.lblProgramActivateShortCutPB},
    };
}

}  // namespace

void TFormProgramOptions::RegisterFormMessages() {
    TvdFormGenericStructEx::RegisterFormMessages();
    TvdlgLanguageCompositeAllEx* lang = Translation();
    if (!lang) return;
    RegisterProgramMessages(lang->Controller(), kHelpSection, kHelpTexts);
}

void TFormProgramOptions::RegisterFormTexts() {
    TvdFormGenericStructEx::RegisterFormTexts();
    WalkTranslationList(true);
}

void TFormProgramOptions::TranslateForm() {
    TvdFormGenericStructEx::TranslateForm();
    WalkTranslationList(false);
    // The help panel speaks the new language at once, not only at the next entry.
    if (TWinControl* focused = ActiveControl(); focused && focused->OnEnter) memHelp->SetText(HelpText(focused));
}

void TFormProgramOptions::WalkTranslationList(bool registering) {
    if (TvdlgLanguageCompositeAllEx* lang = Translation())
        pv::WalkTranslationList(*lang, std::string(kProgramLanguageFile), kArea, TranslationList(*this), registering);
}

std::string TFormProgramOptions::HelpText(const TComponent* control) const {
    TvdlgLanguageCompositeAllEx* lang = Translation();
    if (!lang) return {};
    for (const HelpEntry& h : kHelpTexts) {
        const TComponent* explained = h.Check ? static_cast<const TComponent*>(this->*h.Check)
                                              : static_cast<const TComponent*>(hkProgramActivateShortCutPB);
        // The registered text comes back expanded by the template it was registered with.
        if (control == explained)
            return lang->Controller().GetText(std::string(kProgramLanguageFile), kHelpSection, h.Key, "", false);
    }
    return lang->Controller().GetText(std::string(kSharedLanguageFile), kFrameSection, kNoHelpKey, "", false);
}

}  // namespace pv
