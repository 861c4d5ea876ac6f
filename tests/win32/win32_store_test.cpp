// The item store on the real backend: shell icons in both image lists, the tray menu as
// an owner-drawn HMENU that matches its model, and a link that starts a batch file.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "controls/tree_view.h"
#include "platform/win32/win32_menus.h"
#include "platform/win32/win32_platform.h"
#include "util/bmp.h"
#include "util/paths.h"
#include "util/strings.h"

namespace pv {
namespace {

bool HasOpaquePixels(const TBitmap32& b) {
    for (uint32_t p : b.Pixels)
        if ((p >> 24) == 0xFF) return true;
    return false;
}

class Win32StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform = win32::CreateWin32Platform();
        data = IncludeTrailingBackslash(platform->Shell().PersonalFolder()) + "Vendrik\\Pivola\\";
        platform->Files().ForceDirectories(data + "shortcuts");
        windows = platform->System().WindowsFolder();
    }
    void TearDown() override {
        app.reset();
        platform->Files().DeleteFile(data + "shortcuts\\shortcuts.txt");
        platform->Files().DeleteFile(data + "shortcuts\\notepad.bmp");
    }
    void Start(const std::string& store) {
        platform->Files().WriteAllBytes(data + "shortcuts\\shortcuts.txt", store);
        app = std::make_unique<TApplication>(*platform);
        frame = TComponent::Create<TModuleShared>(app.get());
        front = frame->FormFront();
        ASSERT_NE(front, nullptr);
    }
    std::unique_ptr<Platform> platform;
    std::unique_ptr<TApplication> app;
    TModuleShared* frame = nullptr;
    TFormFront* front = nullptr;
    std::string data, windows;
};

TEST_F(Win32StoreTest, ShellIconsFillBothListsInStep) {
    std::string notepad = windows + "\\notepad.exe";
    ASSERT_TRUE(platform->Files().FileExists(notepad));
    // The saved picture beside the record stands in only when the target is gone.
    platform->Files().WriteAllBytes(data + "shortcuts\\notepad.bmp", EncodeBmp32(TBitmap32::Create(16, 16, 0xFF0000FF)));
    Start("^UnkLnk|C:\\readme.txt|txt|Readme|\r\n^ExeLnk|" + notepad + "||notepad.bmp|Notepad||\r\n");
    EXPECT_EQ(front->ilPublicPM->Count(), front->ilPublicTV->Count());
    EXPECT_TRUE(HasOpaquePixels(front->ilPublicPM->Image(23))) << "the shared icon of .txt";
    TTreeNode* exe = front->RootTopMarker()->GetNextSibling()->GetNextSibling();
    ASSERT_EQ(exe->ImageIndex(), front->LoadedMarker + 1);
    EXPECT_TRUE(HasOpaquePixels(front->ilPublicPM->Image(exe->ImageIndex()))) << "the live icon of the target";
    EXPECT_TRUE(HasOpaquePixels(front->ilPublicTV->Image(exe->ImageIndex())));
    EXPECT_NE(front->ilPublicPM->Image(exe->ImageIndex()), TBitmap32::Create(16, 16, 0xFF0000FF));
    HIMAGELIST tree = reinterpret_cast<HIMAGELIST>(front->ilPublicTV->Handle());
    EXPECT_EQ(ImageList_GetImageCount(tree), front->ilPublicTV->Count());
}

TEST_F(Win32StoreTest, TheTrayMenuBecomesAnHmenuThatMatchesTheModel) {
    Start("^Folder|Games\r\n^SpeSep|Tools\r\n^UnkLnk|C:\\readme.txt|txt|Readme|\r\n");
    std::vector<TMenuItem*> items;
    std::vector<MenuEntryView> view = front->pmItems->BuildView(&items);
    win32::NativeMenu menu(view);
    HMENU h = menu.Handle();
    TMenuItem* root = front->pmItems->Items();
    // Folders count even without their directory: "Games" is missing, so it is dropped.
    ASSERT_EQ(GetMenuItemCount(h), root->Count());
    for (int i = 0; i < GetMenuItemCount(h); ++i) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(h, i, TRUE, &mi));
        ASSERT_GE(mi.wID, 1u);
        TMenuItem* model = items[mi.wID - 1];
        EXPECT_EQ(model, root->Items(i));
        EXPECT_EQ((mi.fType & MFT_OWNERDRAW) != 0, static_cast<bool>(model->OnDrawItem)) << model->Caption;
        EXPECT_EQ((mi.fState & MFS_DEFAULT) != 0, model->Default) << model->Caption;
        EXPECT_EQ(mi.hSubMenu != nullptr, model->Count() > 0) << model->Caption;
    }
    EXPECT_EQ(items[0]->Tag, -100) << "the special separator is a heading";
    EXPECT_EQ(items[1]->Tag, 0) << "the link carries its id";
    // The program submenu: its visible entries only.
    MENUITEMINFOW last{};
    last.cbSize = sizeof last;
    last.fMask = MIIM_SUBMENU;
    GetMenuItemInfoW(h, GetMenuItemCount(h) - 1, TRUE, &last);
    int visible = 0;
    TMenuItem* program = root->Items(root->Count() - 1);
    for (int i = 0; i < program->Count(); ++i) visible += program->Items(i)->Visible;
    EXPECT_EQ(GetMenuItemCount(last.hSubMenu), visible);
}

TEST_F(Win32StoreTest, ALinkStartsABatchFileWithItsArgumentsAndWorkingFolder) {
    Start("");
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string dir = IncludeTrailingBackslash(temp) + "pivola-launch-" + std::to_string(GetCurrentProcessId());
    std::string work = dir + "\\work";
    platform->Files().ForceDirectories(work);
    std::string bat = dir + "\\record.bat";
    std::string out = dir + "\\out.txt";
    platform->Files().WriteAllBytes(bat, "@echo off\r\necho %*> \"" + out + ".tmp\"\r\ncd>> \"" + out +
                                             ".tmp\"\r\nmove /y \"" + out + ".tmp\" \"" + out + "\" >nul\r\n");
    EXPECT_TRUE(front->LaunchFile(bat, "alpha beta", work, false, TWindowMode::Hidden));
    DWORD start = GetTickCount();
    while (!platform->Files().FileExists(out) && GetTickCount() - start < 20000) Sleep(100);
    ASSERT_TRUE(platform->Files().FileExists(out)) << "the batch file did not run";
    auto lines = SplitLines(platform->Files().ReadAllBytes(out));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(Trim(lines[0]), "alpha beta");
    EXPECT_TRUE(SameText(Trim(lines[1]), work)) << lines[1];
}

}  // namespace
}  // namespace pv
