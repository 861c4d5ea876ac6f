#pragma once
// A test on the real backend with a temporary folder of its own, removed again
// afterwards, so that tests on real files never meet each other's leftovers.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/win32_platform.h"
#include "util/paths.h"

namespace pv::testing {

class Win32FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform = win32::CreateWin32Platform();
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        root = IncludeTrailingBackslash(win32::Narrow(tmp)) + "pivola-wintest-" + std::to_string(GetCurrentProcessId()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        ASSERT_TRUE(platform->Files().ForceDirectories(root));
    }
    void TearDown() override {
        std::wstring from = win32::Wide(ExcludeTrailingBackslash(root)) + L'\0';
        SHFILEOPSTRUCTW op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationW(&op);
    }
    std::unique_ptr<Platform> platform;
    std::string root;  // with a trailing backslash
};

}  // namespace pv::testing
