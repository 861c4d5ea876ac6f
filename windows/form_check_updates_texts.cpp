// The update window's texts: its mixed texts, registered while it is constructed, and its
// translation list, registered right after its components are loaded and applied then and
// at every change of language. The list's order is the order translators see.
#include "controls/buttons.h"
#include "controls/label.h"
#include "controls/tool_bar.h"
#include "lang/language_composite.h"
#include "lang/logical_files.h"
#include "lang/translation_list.h"
#include "windows/form_check_updates.h"

namespace pv {

namespace {

const char* const kArea = "__CheckUpdates";
const char* const kMixedSection = "__MixedText__CheckUpdates";

// The frame's two mixed texts, kept for this window too, and the window's own.
const MixedTextEntry kMixedTexts[] = {
    {"SelectOutputDir", "Select output directory"},
    {"NoHelpAvailableTopic", "No help available for this topic."},
    {"PageCannotBeShown",
     "This window cannot show web pages on this computer. To see whether a newer version is available, open "
     "the following address in your web browser:"},
};

using ListEntry = TranslationEntry;

std::vector<ListEntry> TranslationList(TvdFormCheckUpdates& f) {
    using K = TextKind;
    return {
        {K::CaptionHint, &f},
        {K::CaptionHint, f.btnPrior},
        {K::CaptionHint, f.btnNext},
        {K::CaptionHint, f.btnRefresh},
        {K::CaptionHint, f.btnNav},
        {K::CaptionHint, f.btnIE},
        {K::CaptionHint, f.btnFF},
        {K::CaptionHint, f.btnO},
        {K::Caption, f.lblOutputColumnsMaxColsInRow},
        {K::CaptionHint, f.btnClose},
    };
}

}  // namespace

void TvdFormCheckUpdates::RegisterFormMessages() {
    TvdFormGenericStructEx::RegisterFormMessages();
    if (TvdlgLanguageCompositeAllEx* lang = Translation())
        RegisterMixedTexts(*lang, std::string(kSharedLanguageFile), kMixedSection, kMixedTexts);
}

void TvdFormCheckUpdates::RegisterFormTexts() {
    TvdFormGenericStructEx::RegisterFormTexts();
    WalkTranslationList(true);
}

void TvdFormCheckUpdates::TranslateForm() {
    TvdFormGenericStructEx::TranslateForm();
    WalkTranslationList(false);
}

void TvdFormCheckUpdates::WalkTranslationList(bool registering) {
    if (TvdlgLanguageCompositeAllEx* lang = Translation())
        pv::WalkTranslationList(*lang, std::string(kSharedLanguageFile), kArea, TranslationList(*this), registering);
}

std::string TvdFormCheckUpdates::MixedText(const std::string& key) const {
    return LookUpMixedText(Translation(), std::string(kSharedLanguageFile), kMixedSection, kMixedTexts, key, false);
}

}  // namespace pv
