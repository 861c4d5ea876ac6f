#include "frame/message_dialog.h"

#include "controls/application.h"
#include "frame/generic_frame.h"
#include "lang/language_composite.h"
#include "lang/message_dialog.h"

namespace pv {

int ShowMessageDialog(Platform& platform, const std::string& text, MsgDlgType kind,
                      std::initializer_list<MsgDlgBtn> buttons, int helpContext) {
    const TvdlgMessageDialogTexts* texts = nullptr;
    bool rightToLeft = false;
    if (FrameInstance) {
        if (FrameInstance->Composite) texts = &FrameInstance->Composite->DialogTexts();
        if (TApplication* app = FrameInstance->Application()) rightToLeft = app->BiDiMode() != TBiDiMode::LeftToRight;
    }
    return pv::ShowMessageDialog(platform, texts, text, kind, buttons, helpContext, rightToLeft);
}

}  // namespace pv
