// The About window's texts: its mixed texts, its translation list, the product lines of
// the top panel and the credits. The list's order is the order translators see.
#include "controls/action_list.h"
#include "controls/buttons.h"
#include "controls/label.h"
#include "controls/page_control.h"
#include "frame/generic_frame.h"
#include "frame/message_dialog.h"
#include "frame/product_info.h"
#include "lang/language_composite.h"
#include "lang/logical_files.h"
#include "lang/translation_list.h"
#include "windows/form_about.h"

namespace pv {

namespace {

const char* const kArea = "__About";
const char* const kMixedSection = "__MixedText__About";

// The frame's two mixed texts, kept for this window too, and the two product lines of the
// top panel, whose names and years come from the template variables.
const MixedTextEntry kMixedTexts[] = {
    {"SelectOutputDir", "Select output directory"},
    {"NoHelpAvailableTopic", "No help available for this topic."},
    {"DistributedBy", "Distributed by {CompanyNameLong}", true},
    {"Copyright", "Copyright {CopyrightTime} {CopyrightHolders}", true},
};

std::vector<TranslationEntry> TranslationList(TvdFormAbout& f) {
    using K = TextKind;
    return {
        {K::CaptionHint, &f},
        {K::Actions, f.ActionListTrans},
        {K::CaptionHint, f.btnSave},
        {K::CaptionHint, f.btnPrint},
        {K::CaptionHint, f.btnCollectData},
        {K::Pages, f.pgcAbout},
    };
}

}  // namespace

std::string CreditsText() {
    return std::string(product::kProgramName) + " " + product::kProgramVersion + "\r\n" +
           "Written by " + product::kCompanyNameLong + ".\r\n" + "Copyright " + product::kCopyrightTime + " " +
           product::kCopyrightHolders + ". All rights reserved.\r\n\r\n" +
           "Parts of others in this program\r\n\r\n" +
           "The program contains no libraries of others beyond the runtime support of its C++ compiler "
           "(MinGW-w64 with the GNU C++ library and the GCC runtime library). That code is linked into the "
           "program under the GCC Runtime Library Exception, version 3.1, which allows it to be used in a "
           "program under any licence; the MinGW-w64 runtime files carry permissive licences (public domain, "
           "MIT and ZPL 2.1) that ask for nothing beyond this note.\r\n\r\n" +
           "The pictures, texts and the rest of the program are its maker's own.";
}

void TvdFormAbout::RegisterFormMessages() {
    TvdFormGenericStructEx::RegisterFormMessages();
    if (TvdlgLanguageCompositeAllEx* lang = Translation())
        RegisterMixedTexts(*lang, std::string(kSharedLanguageFile), kMixedSection, kMixedTexts);
}

void TvdFormAbout::RegisterFormTexts() {
    TvdFormGenericStructEx::RegisterFormTexts();
    WalkTranslationList(true);
}

void TvdFormAbout::TranslateForm() {
    TvdFormGenericStructEx::TranslateForm();
    WalkTranslationList(false);
    LabelSum->SetCaption(std::string(product::kProgramName) + " " + product::kProgramVersion);
    LabelDis->SetCaption(MixedText("DistributedBy"));
    LabelCop->SetCaption(MixedText("Copyright"));
}

void TvdFormAbout::WalkTranslationList(bool registering) {
    if (TvdlgLanguageCompositeAllEx* lang = Translation())
        pv::WalkTranslationList(*lang, std::string(kSharedLanguageFile), kArea, TranslationList(*this), registering);
}

std::string TvdFormAbout::MixedText(const std::string& key) const {
    return LookUpMixedText(Translation(), std::string(kSharedLanguageFile), kMixedSection, kMixedTexts, key, true);
}

std::string TvdFormAbout::GeneralText(const std::string& section, const std::string& key,
                                      const std::string& builtIn) const {
    TvdlgLanguageCompositeAllEx* lang = Translation();
    if (!lang) return builtIn;
    try {
        return lang->Controller().GetText(std::string(kGeneralLanguageFile), section, key, builtIn, true);
    } catch (const std::exception&) {
        return builtIn;
    }
}

void TvdFormAbout::SetTemplateVariable(const std::string& name, const std::string& value) const {
    if (TvdlgLanguageCompositeAllEx* lang = Translation()) lang->Controller().SetTemplateVariable(name, value, true);
}

int TvdFormAbout::AskYesNo(const std::string& text, bool withCancel) const {
    if (withCancel)
        return ShowMessageDialog(GetPlatform(), text, MsgDlgType::Confirmation,
                                 {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel});
    return ShowMessageDialog(GetPlatform(), text, MsgDlgType::Confirmation, {MsgDlgBtn::Yes, MsgDlgBtn::No});
}

}  // namespace pv
