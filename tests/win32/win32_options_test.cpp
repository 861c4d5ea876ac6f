// The options' platform side on the real backend: the registry's Run value, the
// private-profile placement writes and the global hot key.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "controls/application.h"
#include "controls/form.h"
#include "controls/hot_key.h"
#include "frame/form_state.h"
#include "platform/win32/win32_platform.h"
#include "util/exception.h"
#include "util/paths.h"

namespace pv {
namespace {

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(Win32Options, TheRunValueIsWrittenReadAndDeleted) {
    auto platform = win32::CreateWin32Platform();
    IRegistry& reg = platform->Registry();
    reg.WriteString(RegistryRoot::CurrentUser, kRun, "Vendrik-Pivola-Test", "C:\\Program Files\\Pivola\\pivola.exe");
    EXPECT_EQ(reg.ReadString(RegistryRoot::CurrentUser, kRun, "Vendrik-Pivola-Test"),
              "C:\\Program Files\\Pivola\\pivola.exe");
    HKEY key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, win32::Wide(kRun).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(key, L"Vendrik-Pivola-Test", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    RegCloseKey(key);
    EXPECT_TRUE(reg.DeleteValue(RegistryRoot::CurrentUser, kRun, "Vendrik-Pivola-Test"));
    EXPECT_FALSE(reg.ReadString(RegistryRoot::CurrentUser, kRun, "Vendrik-Pivola-Test").has_value());
    EXPECT_FALSE(reg.DeleteValue(RegistryRoot::CurrentUser, kRun, "Vendrik-Pivola-Test")) << "already gone";
    EXPECT_FALSE(reg.ReadString(RegistryRoot::LocalMachine, "Software\\No\\Such\\Key", "x").has_value());
}

TEST(Win32Options, PlacementIsWrittenKeyByKeyIntoTheOptionsFile) {
    auto platform = win32::CreateWin32Platform();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string file = IncludeTrailingBackslash(temp) + "pivola-placement-" + std::to_string(GetCurrentProcessId()) + ".ini";
    platform->Files().WriteAllBytes(file, "[ProgramOptions.General]\r\nLanguageCulture=en-us\r\n");
    TApplication app(*platform);
    auto* form = TComponent::Create<TForm>(&app);
    form->SetName("FormFront");
    form->SetBounds(40, 50, 320, 240);
    StoreFormPlacement(*form, file);
    IFileSystem& fs = platform->Files();
    EXPECT_EQ(fs.GetProfileString(file, "FormFront", "WindowState", ""), "0");
    EXPECT_EQ(fs.GetProfileString(file, "FormFront", "Left", ""), "40");
    EXPECT_EQ(fs.GetProfileString(file, "FormFront", "Top", ""), "50");
    EXPECT_EQ(fs.GetProfileString(file, "FormFront", "Width", ""), "320");
    EXPECT_EQ(fs.GetProfileString(file, "FormFront", "Height", ""), "240");
    EXPECT_EQ(fs.GetProfileString(file, "ProgramOptions.General", "LanguageCulture", ""), "en-us") << "the rest stays";
    auto* other = TComponent::Create<TForm>(&app);
    other->SetName("FormFront");
    RestoreFormPlacementFrom(*other, file);
    EXPECT_EQ(other->GetPlacement().Normal, (TRect{40, 50, 360, 290}));
    fs.DeleteFile(file);
}

TEST(Win32Options, AHotKeyIsRegisteredOnceSystemWide) {
    auto platform = win32::CreateWin32Platform();
    TApplication app(*platform);
    auto* first = TComponent::Create<TJvApplicationHotKey>(&app);
    auto* second = TComponent::Create<TJvApplicationHotKey>(&app);
    TShortCut key = TextToShortCut("Ctrl+Alt+F11");
    first->SetHotKey(key);
    EXPECT_TRUE(first->Registered());
    second->SetHotKey(key);
    EXPECT_FALSE(second->Registered()) << "a key already taken stays inactive, silently";
    first->SetHotKey(0);
    EXPECT_FALSE(first->Registered());
    second->SetHotKey(TextToShortCut("Ctrl+Alt+F12"));
    second->SetHotKey(key);
    EXPECT_TRUE(second->Registered()) << "free again once the first let it go";
}

}  // namespace
}  // namespace pv
