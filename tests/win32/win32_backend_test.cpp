// The real backend under Windows (or Wine): files, folders, the documents folder, the
// version record, private-profile files, the message loop and the native peers.
#include "tests/win32/win32_fixture.h"

#include <gtest/gtest.h>

#include <atomic>

#include "controls/application.h"
#include "controls/form.h"
#include "controls/tree_view.h"
#include "frame/logging.h"
#include "platform/file_tools.h"
#include "platform/win32/win32_platform.h"
#include "util/exception.h"
#include "util/strings.h"

namespace pv {
namespace {

using Win32Test = testing::Win32FolderTest;

TEST_F(Win32Test, FoldersAndFiles) {
    IFileSystem& fs = platform->Files();
    EXPECT_TRUE(fs.CreateDir(root + "one"));
    EXPECT_FALSE(fs.CreateDir(root + "missing\\two")) << "one level only";
    EXPECT_TRUE(fs.ForceDirectories(root + "a\\b\\c\\"));
    EXPECT_TRUE(fs.DirectoryExists(root + "a\\b\\c"));
    EXPECT_FALSE(fs.FileExists(root + "a"));

    fs.WriteAllBytes(root + "a\\f.bin", std::string("x\0y\r\n", 5));
    EXPECT_TRUE(fs.FileExists(root + "a\\f.bin"));
    EXPECT_EQ(fs.ReadAllBytes(root + "a\\f.bin"), std::string("x\0y\r\n", 5));
    fs.AppendAllBytes(root + "a\\f.bin", "++");
    EXPECT_EQ(fs.ReadFileHead(root + "a\\f.bin", 1), "x");
    EXPECT_EQ(fs.ReadAllBytes(root + "a\\f.bin").size(), 7u);
    EXPECT_THROW(fs.ReadAllBytes(root + "none.txt"), EFOpenError);
    EXPECT_THROW(fs.WriteAllBytes(root + "no\\such\\folder.txt", "x"), EFCreateError);

    EXPECT_TRUE(fs.CopyFile(root + "a\\f.bin", root + "a\\g.bin", true));
    EXPECT_FALSE(fs.CopyFile(root + "a\\f.bin", root + "a\\g.bin", true)) << "fail if it exists";
    fs.WriteAllBytes(root + "a\\new.bin", "new");
    EXPECT_TRUE(fs.MoveFile(root + "a\\new.bin", root + "a\\g.bin", true));
    EXPECT_EQ(fs.ReadAllBytes(root + "a\\g.bin"), "new");
    EXPECT_FALSE(fs.FileExists(root + "a\\new.bin"));

    auto entries = ListRecursive(fs, root + "a");
    std::vector<std::string> names;
    for (auto& e : entries) names.push_back(e.RelativePath + (e.IsDirectory ? "\\" : ""));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"b\\", "b\\c\\", "f.bin", "g.bin"}));
    EXPECT_FALSE(fs.DirectoryIdentity(root + "a").empty());
    EXPECT_EQ(fs.DirectoryIdentity(root + "a"), fs.DirectoryIdentity(root + "a\\b\\..\\"));

    EXPECT_TRUE(fs.DeleteFile(root + "a\\g.bin"));
    EXPECT_FALSE(fs.RemoveDir(root + "a")) << "not empty";
    EXPECT_TRUE(fs.RemoveDir(root + "a\\b\\c"));
}

TEST_F(Win32Test, UnicodeNamesSurviveTheApi) {
    IFileSystem& fs = platform->Files();
    std::string name = root + "Gr\xC3\xBC\xC3\x9F" "e \xE6\x97\xA5\\";
    ASSERT_TRUE(fs.ForceDirectories(name));
    fs.WriteAllBytes(name + "d\xC3\xA9j\xC3\xA0.txt", "ok");
    auto list = fs.ListDir(name);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Name, "d\xC3\xA9j\xC3\xA0.txt");
}

TEST_F(Win32Test, PrivateProfileFiles) {
    IFileSystem& fs = platform->Files();
    std::string ini = root + "muc.ini";
    EXPECT_EQ(fs.GetProfileString(ini, "Misc", "DataAccess", "auto"), "auto");
    EXPECT_TRUE(fs.WriteProfileString(ini, "misc", "DataAccess", "os"));
    EXPECT_EQ(fs.GetProfileString(ini, "MISC", "dataaccess", "auto"), "os");
    fs.WriteAllBytes(ini, "[Misc]\r\nDataAccess =  APP \r\nDataUserPath=\"D:\\x\"\r\n");
    EXPECT_EQ(fs.GetProfileString(ini, "Misc", "DataAccess", ""), "APP");
    EXPECT_EQ(fs.GetProfileString(ini, "Misc", "DataUserPath", ""), "D:\\x");
    // UTF-8 with a byte order mark: the first section is found, values keep their letters,
    // and a write keeps the file UTF-8.
    fs.WriteAllBytes(ini, "\xEF\xBB\xBF[FormFront]\r\nLeft=6\r\n[Fonts]\r\nName=\xE6\x98\x8E\r\n");
    EXPECT_EQ(fs.GetProfileString(ini, "FormFront", "Left", ""), "6");
    EXPECT_EQ(fs.GetProfileString(ini, "Fonts", "Name", ""), "\xE6\x98\x8E");
    EXPECT_TRUE(fs.WriteProfileString(ini, "formfront", "Top", "\xE6\x98\x8E"));
    EXPECT_EQ(fs.ReadAllBytes(ini),
              "\xEF\xBB\xBF[FormFront]\r\nLeft=6\r\nTop=\xE6\x98\x8E\r\n[Fonts]\r\nName=\xE6\x98\x8E\r\n");
}

TEST_F(Win32Test, SystemFacts) {
    ISystemInfo& sys = platform->System();
    OsVersion v = sys.Version();
    EXPECT_EQ(v.PlatformId, 2u);
    EXPECT_GE(v.Major, 5u);
    std::string personal = platform->Shell().PersonalFolder();
    ASSERT_FALSE(personal.empty());
    EXPECT_TRUE(platform->Files().DirectoryExists(personal));
    EXPECT_TRUE(platform->Files().DirectoryExists(sys.SystemFolder()));
    EXPECT_TRUE(platform->Files().DirectoryExists(sys.WindowsFolder()));
    EXPECT_TRUE(EndsWith(LowerCase(sys.ExecutablePath()), "pivola_wintests.exe"));
    EXPECT_TRUE(sys.IsMainThread());
    EXPECT_FALSE(sys.MenuFont().Name.empty());
    EXPECT_GT(sys.IconTitleFont().Size, 0);
    bool lossless = true;
    EXPECT_EQ(sys.ToCodePage("abc", &lossless), "abc");
    EXPECT_TRUE(lossless);
    sys.ToCodePage("\xE6\x97\xA5", &lossless);
    EXPECT_FALSE(lossless) << "a Western code page cannot hold Japanese";
    TDateTime now = platform->Clock().Now();
    EXPECT_GT(now, 40000.0);
    EXPECT_FALSE(sys.FormatNativeDateTime(now).empty());
    // The starter items name the system folder through the environment.
    EXPECT_TRUE(SameText(sys.ExpandEnvironment("%SystemRoot%"), sys.WindowsFolder()));
    EXPECT_TRUE(platform->Files().FileExists(sys.ExpandEnvironment("%SystemRoot%\\System32\\cmd.exe")));
    EXPECT_EQ(sys.ExpandEnvironment("%PivolaNoSuchName%\\x"), "%PivolaNoSuchName%\\x");
}

TEST_F(Win32Test, TheLogIsWrittenByTheRealBackend) {
    TApplication app(*platform);
    auto* log = TComponent::Create<TvdLogging>(&app);
    log->SetLogFile(root + "program.log");
    log->WriteEntry(&app, nullptr, "ID7", "hello");
    EInOutError e("bad");
    log->WriteEntry(nullptr, &e, "", "");
    std::string text = platform->Files().ReadAllBytes(root + "program.log");
    EXPECT_TRUE(StartsWith(text, "--Message--\r\nDateTime (ISO): "));
    EXPECT_NE(text.find("\r\nSender Class Name: TApplication\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nID: ID7\r\nMessage: hello\r\n\r\n--Exception--\r\n"), std::string::npos);
    EXPECT_NE(text.find("Exception Class Name: EInOutError\r\nException Message: bad\r\n\r\n"), std::string::npos);
}

TEST_F(Win32Test, QueuedCallsTimersAndTheExceptionRelay) {
    IEventLoop& loop = platform->Loop();
    int calls = 0;
    loop.Post([&] { ++calls; });
    EXPECT_EQ(calls, 0) << "never inside Post";
    while (loop.ProcessOne()) {
    }
    EXPECT_EQ(calls, 1);

    std::atomic<int> ticks{0};
    uint64_t id = loop.SetTimer(20, [&] { ++ticks; });
    DWORD start = GetTickCount();
    while (ticks < 2 && GetTickCount() - start < 5000) {
        if (!loop.ProcessOne()) Sleep(5);
    }
    loop.KillTimer(id);
    EXPECT_GE(ticks.load(), 2);

    loop.Post([] { throw EInOutError("from a call"); });
    EXPECT_THROW({ while (loop.ProcessOne()) {} }, EInOutError);
}

TEST_F(Win32Test, FormPeerPlacement) {
    TApplication app(*platform);
    auto* form = TComponent::Create<TForm>(&app);
    form->SetBounds(50, 60, 300, 200);
    form->SetWindowState(WindowState::Maximized);
    form->Show();
    while (platform->Loop().ProcessOne()) {
    }
    WindowPlacement p = form->GetPlacement();
    EXPECT_EQ(p.State, WindowState::Maximized);
    EXPECT_EQ(p.Normal, (TRect{50, 60, 350, 260})) << "the size it returns to";
    form->SetWindowState(WindowState::Normal);
    EXPECT_EQ(form->GetPlacement().State, WindowState::Normal);
    form->Hide();
    EXPECT_FALSE(IsWindowVisible(reinterpret_cast<HWND>(form->Handle())));
}

TEST_F(Win32Test, TreeViewPeerMirrorsTheModel) {
    TApplication app(*platform);
    auto* form = TComponent::Create<TForm>(&app);
    auto* tree = TComponent::Create<TTreeView>(form);
    tree->SetParent(form);
    TTreeNode* a = tree->Items().AddChild(nullptr, "alpha");
    TTreeNode* b = tree->Items().AddChild(a, "beta");
    tree->Items().AddChild(nullptr, "gamma");
    HWND h = reinterpret_cast<HWND>(tree->Handle());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(TreeView_GetCount(h), 3u);
    HTREEITEM first = TreeView_GetRoot(h);
    wchar_t buf[64];
    TVITEMW it{};
    it.mask = TVIF_TEXT | TVIF_HANDLE;
    it.hItem = first;
    it.pszText = buf;
    it.cchTextMax = 64;
    TreeView_GetItem(h, &it);
    EXPECT_STREQ(buf, L"alpha");
    b->SetText("BETA");
    tree->Items().Delete(a);
    EXPECT_EQ(TreeView_GetCount(h), 1u);
    int changes = 0;
    tree->OnChange = [&](TComponent*, TTreeNode*) { ++changes; };
    TTreeNode* g = tree->Items().GetFirstNode();
    g->Select();
    EXPECT_EQ(changes, 1) << "the model reports its own selection once";
    EXPECT_EQ(TreeView_GetSelection(h), TreeView_GetRoot(h));
}

}  // namespace
}  // namespace pv
