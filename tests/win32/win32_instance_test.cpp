// The shared desktop on the real backend: the install mutex, instance windows found with
// EnumWindows and asked with SendMessageTimeout, global atoms, and the frame's second
// start.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "frame/instance_control.h"
#include "frame/product_info.h"
#include "platform/win32/win32_platform.h"

namespace pv {
namespace {

// Names of this test process only, so that nothing else on the desktop takes part.
std::string Unique(const std::string& what) { return "PivolaTest-" + what + "-" + std::to_string(GetCurrentProcessId()); }

struct RecordingSink : IInstanceWindowSink {
    std::vector<uint32_t> Heard;
    intptr_t PeerInstanceMessage(uint32_t msg, uintptr_t, intptr_t lParam) override {
        Heard.push_back(msg);
        return static_cast<intptr_t>(msg) * 10 + lParam;
    }
};

class Win32Instance : public ::testing::Test {
protected:
    std::unique_ptr<Platform> platform = win32::CreateWin32Platform();
    IDesktop& Desktop() { return platform->Desktop(); }
};

TEST_F(Win32Instance, TheMutexIsHeldByTheFirstTakerOnlyAndCanBeTakenAgainOnceReleased) {
    const std::string name = Unique("mutex");
    const std::wstring wide = win32::Wide(name);
    auto first = Desktop().TakeNamedMutex(name);
    ASSERT_NE(first, nullptr);
    // Another program sees it held by this thread: a wait from elsewhere would time out.
    HANDLE seen = OpenMutexW(SYNCHRONIZE, FALSE, wide.c_str());
    ASSERT_NE(seen, nullptr);
    std::thread([&] { EXPECT_EQ(WaitForSingleObject(seen, 0), static_cast<DWORD>(WAIT_TIMEOUT)); }).join();
    CloseHandle(seen);

    EXPECT_EQ(Desktop().TakeNamedMutex(name), nullptr) << "a second taker gets nothing";
    EXPECT_NE(first, nullptr);
    first.reset();
    EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, wide.c_str()), nullptr) << "released and closed: the name is free";
    auto again = Desktop().TakeNamedMutex(name);
    EXPECT_NE(again, nullptr);
}

TEST_F(Win32Instance, AnInstanceWindowIsAHiddenTopLevelWindowThatEnumWindowsFinds) {
    RecordingSink sink;
    const std::string cls = Unique("class"), title = std::string("Pivola ") + product::kInstanceIdentifier;
    auto window = Desktop().CreateInstanceWindow(cls, title, sink);
    ASSERT_NE(window, nullptr);
    HWND hwnd = reinterpret_cast<HWND>(window->Handle());
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow()) << "a top-level window, not a message-only one";
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU));
    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, -1);
    EXPECT_EQ(r.top, -1);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);

    auto find = [&](NativeHandle h) -> std::optional<DesktopWindow> {
        for (const auto& w : Desktop().TopLevelWindows())
            if (w.Handle == h) return w;
        return std::nullopt;
    };
    std::optional<DesktopWindow> found = find(window->Handle());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->ClassName, cls);
    EXPECT_EQ(found->Title, title);

    NativeHandle gone = window->Handle();
    window.reset();
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(gone)));
    EXPECT_FALSE(find(gone).has_value());
}

TEST_F(Win32Instance, TheThreeMessagesReachTheSinkThroughSendMessageTo) {
    RecordingSink sink;
    auto window = Desktop().CreateInstanceWindow(Unique("class"), Unique("title"), sink);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Desktop().SendMessageTo(window->Handle(), WM_USER + 1, 0, 0), 10250);
    EXPECT_EQ(Desktop().SendMessageTo(window->Handle(), WM_USER + 2, 0, 7), 10267);
    EXPECT_EQ(Desktop().SendMessageTo(window->Handle(), WM_USER + 3, 0, 0), 10270);
    EXPECT_EQ(Desktop().SendMessageTo(window->Handle(), WM_USER + 4, 0, 0), 0);
    EXPECT_EQ(Desktop().SendMessageTo(window->Handle(), WM_USER, 0, 0), 0);
    EXPECT_EQ(sink.Heard, (std::vector<uint32_t>{WM_USER + 1, WM_USER + 2, WM_USER + 3}));
}

TEST_F(Win32Instance, AWindowThatCannotAnswerGivesZero) {
    RecordingSink sink;
    auto window = Desktop().CreateInstanceWindow(Unique("class"), Unique("title"), sink);
    NativeHandle gone = window->Handle();
    window.reset();
    EXPECT_EQ(Desktop().SendMessageTo(gone, WM_USER + 1, 0, 0), 0) << "a destroyed window";

    // A copy whose thread no longer takes messages: the send gives up instead of waiting
    // for ever.
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND hung = nullptr;
    std::thread owner([&] {
        hung = CreateWindowExW(0, L"STATIC", L"hung", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        SetEvent(ready);
        WaitForSingleObject(release, INFINITE);
        DestroyWindow(hung);
    });
    WaitForSingleObject(ready, INFINITE);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Desktop().SendMessageTo(reinterpret_cast<NativeHandle>(hung), WM_USER + 1, 0, 0), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    SetEvent(release);
    owner.join();
    CloseHandle(release);
    CloseHandle(ready);
}

TEST_F(Win32Instance, GlobalAtomsRoundTripSharedWithoutRegardToCase) {
    const std::string name = Unique("Key");
    uint16_t atom = Desktop().AddGlobalAtom(name);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(Desktop().GlobalAtomName(atom), name);
    EXPECT_EQ(Desktop().AddGlobalAtom(name), atom);
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(Desktop().AddGlobalAtom(upper), atom) << "one atom for every letter case";
    EXPECT_EQ(Desktop().GlobalAtomName(atom), name) << "it keeps its first spelling";
    for (int i = 0; i < 3; ++i) Desktop().DeleteGlobalAtom(atom);
    EXPECT_EQ(Desktop().GlobalAtomName(atom), "") << "gone after the last deletion";
    EXPECT_EQ(Desktop().AddGlobalAtom(""), 0);

    // The longest name there is fills the whole buffer and still comes back whole.
    std::string longest = Unique("L");
    longest += std::string(255 - longest.size(), 'x');
    uint16_t big = Desktop().AddGlobalAtom(longest);
    ASSERT_NE(big, 0);
    EXPECT_EQ(Desktop().GlobalAtomName(big), longest);
    Desktop().DeleteGlobalAtom(big);
    EXPECT_EQ(Desktop().AddGlobalAtom(longest + "x"), 0) << "one character too long";
}

TEST_F(Win32Instance, ASecondFrameHandsOverAndEndsBeforeItsMainWindow) {
    TApplication first(*platform);
    auto* running = TComponent::Create<TModuleShared>(&first);
    ASSERT_NE(running->FormFront(), nullptr);
    ASSERT_NE(running->InstallMutex, nullptr);
    ASSERT_FALSE(first.Terminated());
    running->FormFront()->RestoreAndShow();
    running->FormFront()->SetWindowState(WindowState::Minimized);
    HWND main = reinterpret_cast<HWND>(running->FormFront()->Handle());
    ASSERT_TRUE(IsIconic(main));
    {
        TApplication second(*platform);
        auto* duplicate = TComponent::Create<TModuleShared>(&second);
        EXPECT_TRUE(second.Terminated());
        EXPECT_EQ(duplicate->FormFront(), nullptr);
        EXPECT_EQ(duplicate->InstallMutex, nullptr);
        EXPECT_EQ(second.MainForm(), nullptr);
    }
    // Two copies share one process only in this test.
    FrameInstance = running;
    EXPECT_FALSE(first.Terminated());
    EXPECT_FALSE(IsIconic(main)) << "the first copy was restored";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_NE(running->InstallMutex, nullptr);
    HANDLE held = OpenMutexW(SYNCHRONIZE, FALSE, win32::Wide(product::kInstanceIdentifier).c_str());
    EXPECT_NE(held, nullptr) << "the first copy still holds the install mutex";
    if (held) CloseHandle(held);
}

}  // namespace
}  // namespace pv
