#include "lang/assistant_menus.h"

#include "controls/menus.h"

namespace pv {

void TvdlgLanguageAssistantMenus::RegisterMenuItem(const std::string& file, const std::string& area,
                                                   const TMenuItem& item) const {
    if (item.IsLine()) return;
    Register(file, kMenusPrefix, area, item.Name() + ".Caption", item.Caption);
    Register(file, kMenusPrefix, area, item.Name() + ".Hint", item.Hint);
    RegisterShortCut(file, kMenusPrefix, area, item.Name(), static_cast<TShortCut>(item.ShortCut));
}

void TvdlgLanguageAssistantMenus::TranslateMenuItem(const std::string& file, const std::string& area,
                                                    TMenuItem& item) const {
    item.Caption = Lookup(file, kMenusPrefix, area, item.Name() + ".Caption", item.Caption);
    item.Hint = Lookup(file, kMenusPrefix, area, item.Name() + ".Hint", item.Hint);
    item.ShortCut =
        static_cast<int>(LookupShortCut(file, kMenusPrefix, area, item.Name(), static_cast<TShortCut>(item.ShortCut)));
}

}  // namespace pv
