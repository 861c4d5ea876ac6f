// The frame's start-up on the real backend: the per-user data folder in the documents
// folder, and a hidden main window.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "platform/win32/win32_platform.h"
#include "util/paths.h"

namespace pv {
namespace {

TEST(Win32Frame, StartUpCreatesTheDataFolderTreeAndAHiddenMainWindow) {
    auto platform = win32::CreateWin32Platform();
    std::string docs = IncludeTrailingBackslash(platform->Shell().PersonalFolder());
    {
        TApplication app(*platform);
        auto* frame = TComponent::Create<TModuleShared>(&app);
        EXPECT_EQ(frame->UserDataPath, docs + "Vendrik\\Pivola\\");
        for (const char* f : {"projects", "temp", "logs", "logs\\misc", "config", "reuse", "shortcuts"})
            EXPECT_TRUE(platform->Files().DirectoryExists(frame->UserDataPath + f)) << f;
        ASSERT_NE(frame->FormFront(), nullptr);
        HWND main = reinterpret_cast<HWND>(frame->FormFront()->Handle());
        ASSERT_NE(main, nullptr);
        EXPECT_FALSE(IsWindowVisible(main));
        // Let the deferred start run once.
        while (platform->Loop().ProcessOne()) {
        }
        EXPECT_FALSE(app.Terminated());
    }
    EXPECT_EQ(FrameInstance, nullptr);
}

}  // namespace
}  // namespace pv
