#include "lang/assistant_controls_vd.h"

#include "controls/status_bar.h"

namespace pv {

void TvdlgLanguageAssistantControlsVD::RegisterAutoHintDef(const std::string& file, const std::string& area,
                                                           const TvdStatusBar& bar) const {
    Register(file, kControlsVDPrefix, area, bar.Name() + ".AutoHintDef", bar.AutoHintDef());
}

void TvdlgLanguageAssistantControlsVD::TranslateAutoHintDef(const std::string& file, const std::string& area,
                                                            TvdStatusBar& bar) const {
    bar.SetAutoHintDef(Lookup(file, kControlsVDPrefix, area, bar.Name() + ".AutoHintDef", bar.AutoHintDef()));
}

}  // namespace pv
