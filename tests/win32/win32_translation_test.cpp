// The reading direction of a culture on the real backend: applying it mirrors the open
// windows and the windows made afterwards (WS_EX_LAYOUTRTL), and the direction named by
// the base culture turns them back.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/application.h"
#include "frame/form_base.h"
#include "lang/language_composite.h"
#include "platform/win32/win32_platform.h"

namespace pv {
namespace {

bool Mirrored(const TForm* window) {
    return (GetWindowLongPtrW(reinterpret_cast<HWND>(window->Handle()), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

TEST(Win32Translation, ARightToLeftCultureMirrorsTheOpenWindowsAndTheWindowsMadeLater) {
    auto platform = win32::CreateWin32Platform();
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    std::string trans = win32::Narrow(tmp);
    if (!trans.empty() && trans.back() != '\\') trans += '\\';
    trans += "pivola-wintest-trans-" + std::to_string(GetCurrentProcessId()) + "\\";
    ASSERT_TRUE(platform->Files().ForceDirectories(trans + "ar-sa"));
    platform->Files().WriteAllBytes(trans + "ar-sa\\UTF8_shared.ini",
                                    "\xEF\xBB\xBF[StrsGui____Application__Module]\r\nApplication.BiDiMode=RightToLeft\r\n");
    {
        TApplication app(*platform);
        TvdlgLanguageCompositeAllEx lang(*platform);
        TvdlgLanguageController& lc = lang.Controller();
        lc.SetTranslationFolder(trans);
        lc.SetOptions({.UseBuiltInTexts = true, .StoreNonEmptyOnly = true});
        TvdlgLanguageAssistantApplication& bidi = lang.AssistantApplication();
        bidi.RegisterBiDiMode("UTF8_shared.ini", "__Module", app);
        TForm* open = TComponent::Create<TvdFormGenericStruct>(&app);
        ASSERT_FALSE(Mirrored(open));

        lc.SetCulture("ar-sa");
        bidi.ApplyBiDiMode("UTF8_shared.ini", "__Module", app);
        EXPECT_EQ(app.BiDiMode(), TBiDiMode::RightToLeft);
        EXPECT_TRUE(Mirrored(open));
        TForm* later = TComponent::Create<TvdFormGenericStruct>(&app);
        EXPECT_TRUE(Mirrored(later));
        DWORD layout = 0;
        EXPECT_TRUE(GetProcessDefaultLayout(&layout));
        EXPECT_EQ(layout, static_cast<DWORD>(LAYOUT_RTL));

        lc.SetCulture("en-us");
        bidi.ApplyBiDiMode("UTF8_shared.ini", "__Module", app);
        EXPECT_FALSE(Mirrored(open));
        EXPECT_FALSE(Mirrored(later));
        // Whatever failed above, the process leaves the test reading left to right.
        app.SetBiDiMode(TBiDiMode::LeftToRight);
    }
    platform->Files().DeleteFile(trans + "ar-sa\\UTF8_shared.ini");
    platform->Files().RemoveDir(trans + "ar-sa");
    platform->Files().RemoveDir(trans);
}

}  // namespace
}  // namespace pv
