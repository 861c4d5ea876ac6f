#include "platform/win32/win32_common.h"
#include "platform/win32/win32_platform.h"


#include "platform/win32/win32_files.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_ui.h"

namespace pv::win32 {

namespace {
class Win32Platform final : public Platform {
public:
    Win32Platform() : com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~Win32Platform() override {
        if (com_) CoUninitialize();
    }
    IFileSystem& Files() override { return files_; }
    ISystemInfo& System() override { return system_; }
    IClock& Clock() override { return clock_; }
    IShell& Shell() override { return shell_; }
    IEventLoop& Loop() override { return loop_; }
    IUserInterface& UI() override { return ui_; }
    IRegistry& Registry() override { return registry_; }
    ISound& Sound() override { return sound_; }
    IDesktop& Desktop() override { return desktop_; }

private:
    bool com_;
    Win32FileSystem files_;
    Win32SystemInfo system_;
    Win32Clock clock_;
    Win32Shell shell_;
    Win32UserInterface ui_;
    Win32EventLoop loop_;
    Win32Registry registry_;
    Win32Sound sound_;
    Win32Desktop desktop_;
};
}  // namespace

std::unique_ptr<Platform> CreateWin32Platform() { return std::make_unique<Win32Platform>(); }

}  // namespace pv::win32
