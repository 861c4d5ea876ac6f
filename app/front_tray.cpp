// The notification-area icon and the global hot key: both bring up the tray menu at the
// mouse cursor; a double click, or the hot key while the icon is absent, opens the
// manager window.
#include "app/front_form.h"
#include "app/menu_painter.h"
#include "app/program_options.h"
#include "controls/application.h"
#include "controls/canvas.h"
#include "controls/hot_key.h"
#include "controls/menus.h"
#include "controls/panel.h"
#include "controls/shortcuts.h"
#include "controls/timer.h"
#include "controls/tray_icon.h"
#include "platform/file_tools.h"
#include "platform/platform.h"
#include "util/exception.h"
#include "util/ini_document.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {

void TFormFront::FormDeferredStart() {
    TvdFormFrontBase::FormDeferredStart();
    CoolTrayIcon->PopupMenu = pmItems;
    CoolTrayIcon->MenuOwner = this;
    CoolTrayIcon->OnClick = [this](TComponent* s) { CoolTrayIconClick(s); };
    CoolTrayIcon->OnDblClick = [this](TComponent* s) { CoolTrayIconDblClick(s); };
    TimerDelayed->SetEnabled(true);
    TimerDelayedTimer(TimerDelayed);
}

// The shell may not take the icon yet (early in a session it often has no taskbar): the
// icon is tried again every 10 seconds until it is accepted, and never again after.
void TFormFront::TimerDelayedTimer(TComponent*) {
    if (!CoolTrayIcon->IconVisible()) {
        try {
            CoolTrayIcon->SetIconVisible(true);
        } catch (const Exception&) {
            try {
                CoolTrayIcon->SetIconVisible(false);
            } catch (const Exception&) {
                // The flag is reset either way; the next tick tries again.
            }
        }
    }
    if (CoolTrayIcon->IconVisible()) TimerDelayed->SetEnabled(false);
}

void TFormFront::CoolTrayIconClick(TComponent*) { PopupAtCursor(CoolTrayIcon->PopupMenu, this, CoolTrayIcon); }

void TFormFront::CoolTrayIconDblClick(TComponent* sender) { miManageItemsClick(sender); }

void TFormFront::JvApplicationHotKeyHotKey(TComponent* sender) {
    if (CoolTrayIcon->IconVisible()) PopupAtCursor(CoolTrayIcon->PopupMenu, this, CoolTrayIcon);
    else miManageItemsClick(sender);
}

void TFormFront::ApplyProgramOptions(const TProgramOptions& o) {
    // Setting the same key again does not re-register it.
    JvApplicationHotKey->SetHotKey(TextToShortCut(o.ProgramPopupShortCut));
    if (Painter) {
        const auto style = o.OverrideStandardFontBold ? FontStyle::Bold : 0u;
        // The owner-drawn entries are measured in this font when the native menu is made,
        // so a menu kept from an earlier showing would keep the old sizes.
        if (Painter->FontName != o.OverrideStandardFontName || Painter->FontSize != o.OverrideStandardFontSize ||
            Painter->FontStyle != style || Painter->UseMenuFont != !o.OverrideStandardFont)
            if (pmItems) pmItems->Changed();
        Painter->FontName = o.OverrideStandardFontName;
        Painter->FontSize = o.OverrideStandardFontSize;
        Painter->FontStyle = style;
        Painter->UseMenuFont = !o.OverrideStandardFont;
    }
    UpdateMenuDrawHandlers();
}

// ---- window settings ---------------------------------------------------------------------

}  // namespace pv
