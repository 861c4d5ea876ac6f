#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "tests/support/ico_file.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

TBitmap32 Solid(uint32_t argb) { return TBitmap32::Create(16, 16, argb); }

class SimIcons : public testing::SimTest {
protected:
    std::optional<TBitmap32> Icon(const std::string& path) { return sim.Shell().FileSmallIcon(path); }
    sim::SimShell& shell = sim.SimShellCalls();
};

TEST_F(SimIcons, AFileShowsItsOwnIconElseItsExtensionsElseTheDefault) {
    Put("C:\\Data\\Report.TXT", "");
    Put("C:\\Data\\notes.txt", "");
    Put("C:\\Data\\plain", "");
    Put("C:\\Data\\tool.exe", "");
    shell.SetExtensionIcon(".Txt", Solid(0xFF00FF00));
    shell.SetFileIcon("c:\\data\\REPORT.txt", Solid(0xFFFF0000));

    EXPECT_EQ(Icon("C:\\Data\\Report.TXT"), Solid(0xFFFF0000)) << "paths match without regard to case";
    EXPECT_EQ(Icon("C:\\Data\\notes.txt"), Solid(0xFF00FF00));
    EXPECT_EQ(Icon("C:\\Data\\tool.exe"), shell.DefaultIcon);
    EXPECT_EQ(Icon("C:\\Data\\plain"), shell.DefaultIcon);
    ASSERT_TRUE(sim.Files().SetCurrentDir("C:\\Data"));
    EXPECT_EQ(Icon("..\\Data\\.\\report.txt"), Solid(0xFFFF0000)) << "relative paths resolve first";

    shell.SetExtensionIcon("exe", Solid(0xFF0000FF));
    EXPECT_EQ(Icon("C:\\Data\\tool.exe"), Solid(0xFF0000FF));
}

TEST_F(SimIcons, MissingFilesAndFilesMarkedWithoutIconShowNone) {
    Put("C:\\Data\\a.txt", "");
    Put("C:\\Data\\b.txt", "");
    shell.SetExtensionIcon("txt", Solid(0xFF00FF00));
    shell.SetFileIcon("C:\\Data\\gone.txt", Solid(0xFFFF0000));
    shell.SetFileIcon("C:\\Data\\a.txt", Solid(0xFFFF0000));
    shell.SetNoIcon("c:\\DATA\\A.TXT");

    EXPECT_EQ(Icon("C:\\Data\\gone.txt"), std::nullopt) << "an icon set for a path does not make the file exist";
    EXPECT_EQ(Icon("C:\\Nowhere\\x.exe"), std::nullopt);
    EXPECT_EQ(Icon(""), std::nullopt);
    EXPECT_EQ(Icon("C:\\Data\\a.txt"), std::nullopt) << "no icon wins over the file's own";
    shell.SetNoIcon("C:\\Data\\a.txt", false);
    EXPECT_EQ(Icon("C:\\Data\\a.txt"), Solid(0xFFFF0000));

    // An empty picture stands for none, so a test can take the default or a type's icon away.
    shell.SetExtensionIcon("txt", TBitmap32{});
    EXPECT_EQ(Icon("C:\\Data\\b.txt"), std::nullopt);
    Put("C:\\Data\\c.dat", "");
    shell.DefaultIcon = TBitmap32{};
    EXPECT_EQ(Icon("C:\\Data\\c.dat"), std::nullopt);
}

TEST_F(SimIcons, AFolderShowsItsOwnIconElseAFolderPicture) {
    sim.Files().ForceDirectories("C:\\Data\\Old.txt");
    sim.Files().ForceDirectories("C:\\Data\\Plain");
    shell.SetExtensionIcon("txt", Solid(0xFF00FF00));

    std::optional<TBitmap32> folder = Icon("C:\\Data\\Old.txt\\");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder, Icon("C:\\Data\\Plain")) << "a folder is a folder whatever its name";
    EXPECT_EQ(folder->Width, 16);
    EXPECT_EQ(folder->Height, 16);
    EXPECT_NE(*folder, shell.DefaultIcon);
    EXPECT_EQ(folder->Pixel(0, 0) >> 24, 0u) << "transparent around the folder";
    EXPECT_EQ(folder->Pixel(8, 8) >> 24, 0xFFu);

    shell.SetFileIcon("c:\\data\\plain", Solid(0xFFFF0000));
    EXPECT_EQ(Icon("C:\\Data\\Plain\\"), Solid(0xFFFF0000));
}

TEST_F(SimIcons, EveryQueryIsRecordedAsAsked) {
    Put("C:\\Data\\a.txt", "");
    shell.SetNoIcon("C:\\Data\\a.txt");
    Icon("C:\\Data\\a.txt");
    Icon("C:\\Missing.exe");
    Icon("c:\\data");
    Icon("C:\\Data\\a.txt");
    EXPECT_EQ(shell.IconQueries,
              (std::vector<std::string>{"C:\\Data\\a.txt", "C:\\Missing.exe", "c:\\data", "C:\\Data\\a.txt"}));
}

// Asked at another size, the shell answers with the picture it holds for that size, else
// the nearest larger one drawn down, else the largest drawn up; every request is recorded
// with its size.
TEST_F(SimIcons, AnIconIsAnsweredAtTheSizeAskedFor) {
    Put("C:\\Data\\a.txt", "");
    Put("C:\\Data\\b.exe", "");
    shell.SetExtensionIcon("txt", Solid(0xFF00FF00));
    shell.SetExtensionIcon("txt", TBitmap32::Create(32, 32, 0xFF0000FF));
    struct Case {
        const char* path;
        int size;
        TBitmap32 shown;
    } cases[] = {
        {"C:\\Data\\a.txt", 16, Solid(0xFF00FF00)},
        {"C:\\Data\\a.txt", 32, TBitmap32::Create(32, 32, 0xFF0000FF)},
        {"C:\\Data\\a.txt", 24, TBitmap32::Create(24, 24, 0xFF0000FF)},
        {"C:\\Data\\a.txt", 48, TBitmap32::Create(48, 48, 0xFF0000FF)},
        {"C:\\Data\\b.exe", 24, Scaled(shell.DefaultIcon, 24, 24)},
    };
    for (const Case& c : cases) EXPECT_EQ(sim.Shell().FileIcon(c.path, c.size), c.shown) << c.path << " " << c.size;
    ASSERT_EQ(shell.IconRequests.size(), 5u);
    EXPECT_EQ(shell.IconRequests[2].Path, "C:\\Data\\a.txt");
    EXPECT_EQ(shell.IconRequests[2].Size, 24);
    shell.SetExtensionIcon("txt", TBitmap32{});
    EXPECT_EQ(sim.Shell().FileIcon("C:\\Data\\a.txt", 32), std::nullopt) << "an empty picture takes every size away";

    testing::TIcoImage small, large;
    small.Pixels.assign(256, 0xFF336699);
    large.Width = large.Height = 32;
    large.Pixels.assign(1024, 0xFF996633);
    Put("C:\\Data\\two.ico", testing::BuildIco({small, large}));
    EXPECT_EQ(sim.Shell().IconFile("C:\\Data\\two.ico", 32), TBitmap32::Create(32, 32, 0xFF996633));
    EXPECT_EQ(sim.Shell().IconFile("C:\\Data\\two.ico", 16), TBitmap32::Create(16, 16, 0xFF336699));
}

TEST_F(SimIcons, IconFilesAreDecodedFromTheSandbox) {
    testing::TIcoImage image;
    image.Pixels.assign(256, 0xFF336699);
    image.Pixels[0] = 0;
    Put("C:\\Data\\app.ico", testing::BuildIco({image}));
    TBitmap32 loaded = sim.Shell().LoadIconFile("c:\\data\\APP.ico");
    EXPECT_EQ(loaded.Width, 16);
    EXPECT_EQ(loaded.Pixel(0, 0), 0u);
    EXPECT_EQ(loaded.Pixel(15, 15), 0xFF336699u);
    EXPECT_TRUE(shell.IconQueries.empty()) << "loading a file is no shell query";

    EXPECT_THROW(sim.Shell().LoadIconFile("C:\\Data\\missing.ico"), EFOpenError);
    sim.SimFiles().SetUnreadable("C:\\Data\\app.ico");
    EXPECT_THROW(sim.Shell().LoadIconFile("C:\\Data\\app.ico"), EFOpenError);
    Put("C:\\Data\\fake.ico", "BM not an icon");
    EXPECT_THROW(sim.Shell().LoadIconFile("C:\\Data\\fake.ico"), EInvalidGraphic);
}

}  // namespace
}  // namespace pv
