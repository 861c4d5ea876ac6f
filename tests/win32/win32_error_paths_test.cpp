// The backend's paths where a system call fails or answers more than the program asked
// for: nothing leaks, nothing stays selected or installed, nothing is cut or lost. Failures
// that the system will not produce on request come in through the backend's small seams.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/win32_canvas.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_ui.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {
namespace {

// ---- the bitmap canvas -----------------------------------------------------------------

HDC failedCanvasDc = nullptr;
HGDIOBJ failedCanvasBitmap = nullptr;

void FailingSetUpStep(HDC dc) {
    failedCanvasDc = dc;
    failedCanvasBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    throw EOutOfResources("a later step of the set-up fails");
}

TEST(Win32ErrorPathsTest, ABitmapCanvasWhoseSetUpFailsLeavesNoDcOrBitmap) {
    auto platform = win32::CreateWin32Platform();
    win32::bitmapCanvasSetUpStep = FailingSetUpStep;
    EXPECT_THROW(platform->UI().CreateBitmapCanvas(8, 8, 0), EOutOfResources);
    win32::bitmapCanvasSetUpStep = nullptr;
    ASSERT_NE(failedCanvasDc, nullptr);
    ASSERT_NE(failedCanvasBitmap, nullptr);
    EXPECT_EQ(GetObjectType(failedCanvasDc), 0u) << "the memory DC is deleted";
    EXPECT_EQ(GetObjectType(failedCanvasBitmap), 0u) << "the DIB section is deleted";
    // The next canvas is made as usual.
    EXPECT_EQ(platform->UI().CreateBitmapCanvas(8, 8, 0x00FF0000)->Pixels().Pixel(3, 3), 0xFF0000FFu);
}

TEST(Win32ErrorPathsTest, ACanvasWhoseStateWasNotSavedGivesBackTheDcsFontAndPen) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    HGDIOBJ ownFont = GetCurrentObject(dc, OBJ_FONT), ownPen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ madeFont = nullptr, madePen = nullptr;
    {
        win32::Win32Canvas canvas(dc, 0);  // as after a failed SaveDC
        FontSpec font;
        font.Size = 12;
        canvas.SetFont(font, 0);
        canvas.SetPenColor(0x000000FF);
        canvas.SetPenColor(0x0000FF00);  // a second pen replaces the canvas's first
        madeFont = GetCurrentObject(dc, OBJ_FONT);
        madePen = GetCurrentObject(dc, OBJ_PEN);
        ASSERT_NE(madeFont, ownFont);
        ASSERT_NE(madePen, ownPen);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), ownFont);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), ownPen);
    EXPECT_EQ(GetObjectType(madeFont), 0u) << "the canvas's font is deleted, not left selected";
    EXPECT_EQ(GetObjectType(madePen), 0u) << "the canvas's pen is deleted, not left selected";
    DeleteDC(dc);
}

// ---- message boxes ---------------------------------------------------------------------

// A box opened from a timer while another box is open, as a tray click or a due check can.
struct NestedBoxes {
    IUserInterface* UI = nullptr;
    int HooksWithOneOpen = -1;
    int HooksWithTwoOpen = -1;
    int InnerResult = 0;
    int Ticks = 0;
    bool InnerClosed = false;
} nested;

void CALLBACK CloseBoxes(HWND, UINT, UINT_PTR timer, DWORD) {
    ++nested.Ticks;
    if (HWND inner = FindWindowW(L"#32770", L"Inner box")) {
        nested.HooksWithTwoOpen = win32::installedDialogHooks;
        PostMessageW(inner, WM_COMMAND, IDOK, 0);
        nested.InnerClosed = true;
        return;
    }
    if (nested.InnerClosed || nested.Ticks > 100)
        if (HWND outer = FindWindowW(L"#32770", L"Outer box")) {
            PostMessageW(outer, WM_COMMAND, IDOK, 0);
            KillTimer(nullptr, timer);
        }
}

void CALLBACK OpenInnerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    nested.HooksWithOneOpen = win32::installedDialogHooks;
    MessageDialogRequest inner;
    inner.Title = "Inner box";
    inner.Text = "Opened while another box is open";
    inner.Buttons = {{"&Fine", ModalResult::Ok}};
    nested.InnerResult = nested.UI->ShowMessageDialog(inner);
}

TEST(Win32ErrorPathsTest, ABoxOpenedWhileAnotherIsOpenLeavesNoHookInstalled) {
    auto platform = win32::CreateWin32Platform();
    nested = NestedBoxes{};
    nested.UI = &platform->UI();
    ASSERT_EQ(win32::installedDialogHooks, 0);
    SetTimer(nullptr, 0, 200, OpenInnerBox);
    UINT_PTR closer = SetTimer(nullptr, 0, 100, CloseBoxes);
    MessageDialogRequest outer;
    outer.Title = "Outer box";
    outer.Text = "The first box";
    outer.Buttons = {{"&Fine", ModalResult::Ok}};
    int result = platform->UI().ShowMessageDialog(outer);
    KillTimer(nullptr, closer);
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(nested.InnerResult, ModalResult::Ok);
    EXPECT_EQ(nested.HooksWithOneOpen, 1);
    EXPECT_EQ(nested.HooksWithTwoOpen, 2);
    EXPECT_EQ(win32::installedDialogHooks, 0) << "the outer box's hook is removed too";
}

// ---- the tray icon ----------------------------------------------------------------------

TEST(Win32ErrorPathsTest, TheSharedApplicationIconIsNotTheTraysToDestroy) {
    win32::TrayPicture own = win32::LoadTrayPicture(L"MAINICON");
    ASSERT_NE(own.Icon, nullptr);
    EXPECT_TRUE(own.Owned);
    DestroyIcon(own.Icon);
    win32::TrayPicture shared = win32::LoadTrayPicture(L"NO_SUCH_ICON");
    EXPECT_EQ(shared.Icon, LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
    EXPECT_FALSE(shared.Owned);
}

TEST(Win32ErrorPathsTest, AFixedFieldIsCutBeforeACharacterNeverInsideOne) {
    const std::wstring face = L"\U0001F600";  // two UTF-16 units
    const std::wstring ahead(126, L'a');
    struct Case {
        std::wstring Text;
        size_t Max;
        std::wstring Expected;
    } cases[] = {
        {ahead + face, 127, ahead},            // the pair would be cut: it goes whole
        {ahead + face, 128, ahead + face},     // it fits
        {ahead + L"bc", 127, ahead + L"b"},    // plain text is cut at the size
        {face + face, 3, face},
        {L"short", 127, L"short"},
    };
    for (const Case& c : cases) EXPECT_EQ(win32::CutToUnits(c.Text, c.Max), c.Expected) << win32::Narrow(c.Text);
}

// ---- folders ----------------------------------------------------------------------------

const std::wstring kLongFolder = L"C:\\" + std::wstring(290, L'x') + L"\\system32";

UINT WINAPI LongFolderCall(LPWSTR buffer, UINT size) {
    if (size <= kLongFolder.size()) return static_cast<UINT>(kLongFolder.size() + 1);
    wcscpy(buffer, kLongFolder.c_str());
    return static_cast<UINT>(kLongFolder.size());
}

UINT WINAPI FailingFolderCall(LPWSTR, UINT) { return 0; }

TEST(Win32ErrorPathsTest, SystemFoldersOfAnyLengthAreReadWhole) {
    EXPECT_EQ(win32::SystemFolderText(LongFolderCall), win32::Narrow(kLongFolder));
    EXPECT_EQ(win32::SystemFolderText(FailingFolderCall), "");
    EXPECT_EQ(win32::SystemFolderText(GetSystemDirectoryW).find(":\\"), 1u);
}

// Wine cannot make a shell item of a path beyond MAX_PATH, so the long case is Windows's
// alone; here the long buffer is shown to answer a shell item's path as the short one did.
TEST(Win32ErrorPathsTest, AShellItemsPathComesBackFromTheLongBuffer) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    std::wstring path = temp;
    if (path.size() > 3 && path.back() == L'\\') path.pop_back();
    PIDLIST_ABSOLUTE pidl = nullptr;
    HRESULT hr = SHParseDisplayName(path.c_str(), nullptr, &pidl, 0, nullptr);
    ASSERT_TRUE(SUCCEEDED(hr) && pidl) << std::hex << hr;
    EXPECT_TRUE(SameText(win32::PathOfIdList(pidl), win32::Narrow(path))) << win32::PathOfIdList(pidl);
    CoTaskMemFree(pidl);
}

TEST(Win32ErrorPathsTest, TheDocumentsFolderIsAnAbsolutePath) {
    auto platform = win32::CreateWin32Platform();
    std::string docs = platform->Shell().PersonalFolder();
    ASSERT_GE(docs.size(), 3u);
    EXPECT_EQ(docs.substr(1, 2), ":\\");
}

// ---- code pages -------------------------------------------------------------------------

TEST(Win32ErrorPathsTest, TextConvertsWhenTheCodePageIsUtf8) {
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x98\x80";
    bool lossless = false;
    EXPECT_EQ(win32::ToCodePageOf(CP_UTF8, text, &lossless), text);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(win32::FromCodePageOf(CP_UTF8, text), text);
    // A code page without the characters still reports the loss.
    lossless = true;
    EXPECT_EQ(win32::ToCodePageOf(1252, "\xE4\xB8\xAD", &lossless), "?");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(win32::ToCodePageOf(1252, "Gr\xC3\xBC\xC3\x9F" "e", &lossless), "Gr\xFC\xDF" "e");
}

// ---- the message loop -------------------------------------------------------------------

BOOL WINAPI RefusedPost(HWND, UINT, WPARAM, LPARAM) {
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return FALSE;
}

TEST(Win32ErrorPathsTest, ACallWhosePostIsRefusedStillRuns) {
    auto platform = win32::CreateWin32Platform();
    IEventLoop& loop = platform->Loop();
    while (loop.ProcessOne()) {
    }
    std::string order;
    loop.Post([&] { order += "a"; });
    win32::loopPostMessage = RefusedPost;
    loop.Post([&] { order += "b"; });
    win32::loopPostMessage = PostMessageW;
    DWORD start = GetTickCount();
    while (order.size() < 2 && GetTickCount() - start < 3000) {
        if (!loop.ProcessOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    EXPECT_EQ(order, "ab");
    // Nothing runs twice when the first call's own message comes after.
    while (loop.ProcessOne()) {
    }
    EXPECT_EQ(order, "ab");
}

}  // namespace
}  // namespace pv
