#include "lang/translation_list.h"

#include "controls/action_list.h"
#include "controls/menus.h"
#include "controls/page_control.h"
#include "controls/status_bar.h"
#include "lang/language_composite.h"
#include "lang/template_system.h"

namespace pv {

void WalkTranslationList(TvdlgLanguageCompositeAllEx& lang, const std::string& file, const std::string& area,
                         const std::vector<TranslationEntry>& list, bool registering) {
    auto& controls = lang.AssistantControls();
    for (const TranslationEntry& e : list) {
        switch (e.Kind) {
            case TextKind::CaptionHint: {
                auto& c = static_cast<TControl&>(*e.Component);
                registering ? controls.RegisterCaptionHint(file, area, c) : controls.TranslateCaptionHint(file, area, c);
                break;
            }
            case TextKind::Caption: {
                auto& c = static_cast<TControl&>(*e.Component);
                registering ? controls.RegisterCaption(file, area, c) : controls.TranslateCaption(file, area, c);
                break;
            }
            case TextKind::Hint: {
                auto& c = static_cast<TControl&>(*e.Component);
                registering ? controls.RegisterHint(file, area, c) : controls.TranslateHint(file, area, c);
                break;
            }
            case TextKind::AutoHintDef: {
                auto& bar = static_cast<TvdStatusBar&>(*e.Component);
                auto& vd = lang.AssistantControlsVD();
                registering ? vd.RegisterAutoHintDef(file, area, bar) : vd.TranslateAutoHintDef(file, area, bar);
                break;
            }
            case TextKind::MenuItem: {
                auto& m = static_cast<TMenuItem&>(*e.Component);
                auto& menus = lang.AssistantMenus();
                registering ? menus.RegisterMenuItem(file, area, m) : menus.TranslateMenuItem(file, area, m);
                break;
            }
            case TextKind::Pages: {
                auto& pages = static_cast<TPageControl&>(*e.Component);
                registering ? controls.RegisterPages(file, area, pages) : controls.TranslatePages(file, area, pages);
                break;
            }
            case TextKind::Actions: {
                auto& actions = static_cast<TActionList&>(*e.Component);
                auto& assistant = lang.AssistantActions();
                registering ? assistant.RegisterActions(file, area, actions)
                            : assistant.TranslateActions(file, area, actions);
                break;
            }
        }
    }
}

void RegisterMixedTexts(TvdlgLanguageCompositeAllEx& lang, const std::string& file, const std::string& section,
                        std::span<const MixedTextEntry> texts) {
    for (const MixedTextEntry& t : texts)
        lang.Controller().RegisterText(file, section, t.Key, t.Text,
                                       t.Curly ? std::string(kTemplateSystemCurly) : std::string());
}

std::string LookUpMixedText(TvdlgLanguageCompositeAllEx* lang, const std::string& file, const std::string& section,
                            std::span<const MixedTextEntry> texts, const std::string& key, bool templated) {
    std::string builtIn;
    for (const MixedTextEntry& t : texts)
        if (key == t.Key) builtIn = t.Text;
    if (!lang) return builtIn;
    try {
        return lang->Controller().GetText(file, section, key, builtIn, templated);
    } catch (const std::exception&) {
        return builtIn;
    }
}

}  // namespace pv
