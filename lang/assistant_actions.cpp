#include "lang/assistant_actions.h"

#include "controls/action_list.h"

namespace pv {

void TvdlgLanguageAssistantActions::RegisterActions(const std::string& file, const std::string& area,
                                                    const TActionList& actions) const {
    for (int i = 0; i < actions.ActionCount(); ++i) {
        const TAction& a = *actions.Actions(i);
        if (!a.StandardAction) continue;
        Register(file, kActionsPrefix, area, a.Name() + ".Caption", a.Caption);
        Register(file, kActionsPrefix, area, a.Name() + ".Hint", a.Hint);
        RegisterShortCut(file, kActionsPrefix, area, a.Name(), a.ShortCut);
    }
}

void TvdlgLanguageAssistantActions::TranslateActions(const std::string& file, const std::string& area,
                                                     TActionList& actions) const {
    for (int i = 0; i < actions.ActionCount(); ++i) {
        TAction& a = *actions.Actions(i);
        if (!a.StandardAction) continue;
        a.Caption = Lookup(file, kActionsPrefix, area, a.Name() + ".Caption", a.Caption);
        a.Hint = Lookup(file, kActionsPrefix, area, a.Name() + ".Hint", a.Hint);
        a.ShortCut = LookupShortCut(file, kActionsPrefix, area, a.Name(), a.ShortCut);
    }
}

}  // namespace pv
