#include "controls/edit.h"

#include "controls/application.h"

namespace pv {

void TEdit::CaptionChanged() {
    TWinControl::CaptionChanged();
    if (OnChange) Application()->Guard(this, [&] { OnChange(this); });
}

}  // namespace pv
