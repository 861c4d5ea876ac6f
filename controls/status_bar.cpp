#include "controls/status_bar.h"

namespace pv {

void TvdStatusBar::SetAutoHintDef(const std::string& text) {
    if (simpleText_ == autoHintDef_) simpleText_ = text;
    autoHintDef_ = text;
}

}  // namespace pv
