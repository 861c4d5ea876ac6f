#include "app/item_pictures.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "tests/app/app_fixture.h"
#include "util/bmp.h"

namespace pv {
namespace {

TBitmap32 Solid(uint32_t argb) { return TBitmap32::Create(16, 16, argb); }

class IconsTest : public testing::AppTest {
protected:
    void PutLevel(const std::string& text) { Put(kData + "shortcuts\\shortcuts.txt", text); }
    sim::SimShell& shell() { return sim.SimShellCalls(); }
    void ExpectAligned() {
        EXPECT_EQ(Front()->ilPublicPM->Count(), Front()->ilPublicTV->Count());
    }
    TTreeNode* Item(int index) {
        TTreeNode* n = Front()->RootTopMarker()->GetNextSibling();
        for (int i = 0; i < index && n; ++i) n = n->GetNextSibling();
        return n;
    }
};

TEST_F(IconsTest, TheListsStartWithTheFixedPicturesAndTheMarkers) {
    Start();
    TFormFront* f = Front();
    ASSERT_EQ(f->ilPublicPM->Count(), 26);
    ExpectAligned();
    EXPECT_EQ(f->ilPublicPM->Image(9), FixedPicture(9));
    EXPECT_EQ(f->ExtMarker, 23);
    EXPECT_EQ(f->LoadedMarker, 24);
    EXPECT_EQ(f->AddedMarker, 25);
    // Markers stand on the list's background, the tree pictures on the tree colour.
    uint32_t menu = ColorRefToArgb(sim.System().SysColor(4)), tree = ColorRefToArgb(sim.System().SysColor(5));
    EXPECT_EQ(f->ilPublicPM->Image(23).Pixels[0] & 0xFF000000u, 0xFF000000u);
    EXPECT_EQ(f->ilPublicTV->Image(0).Pixels[0], tree) << "the closed folder's clear corner shows the tree colour";
    (void)menu;
}

TEST_F(IconsTest, SharedIconsComeOncePerExtensionInStoreOrder) {
    sim.SimShellCalls().SetExtensionIcon("txt", Solid(0xFF112233));
    sim.SimShellCalls().SetExtensionIcon("pdf", Solid(0xFF445566));
    PutLevel("^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.pdf|pdf|B|\r\n^UnkLnk|C:\\c.txt|txt|C|\r\n");
    Start();
    TFormFront* f = Front();
    EXPECT_EQ(f->IconExtensions,
              (std::vector<std::string>{"txt", "pdf", "exe", "com", "bat", "cmd", "wsf", "wsh", "rdp", "cpl"}));
    EXPECT_EQ(f->ExtMarker, 33);
    EXPECT_EQ(f->LoadedMarker, 34);
    EXPECT_EQ(f->AddedMarker, 35);
    EXPECT_EQ(f->ilPublicPM->Image(23), Solid(0xFF112233));
    EXPECT_EQ(f->ilPublicPM->Image(24), Solid(0xFF445566));
    EXPECT_EQ(Item(0)->ImageIndex(), 23);
    EXPECT_EQ(Item(1)->ImageIndex(), 24);
    EXPECT_EQ(Item(2)->ImageIndex(), 23);
    ExpectAligned();
    // One query per extension, on a temporary file that is gone again.
    int tempQueries = 0;
    for (const auto& q : sim.SimShellCalls().IconQueries) tempQueries += q.find("TempFile.") != std::string::npos;
    EXPECT_EQ(tempQueries, 10);
    EXPECT_FALSE(Exists(kData + "temp\\TempFile.txt"));
}

TEST_F(IconsTest, AnExtensionWithoutIconGetsAPlainPictureInBothLists) {
    sim.SimFiles().SetReadOnly(kData + "temp");
    PutLevel("^UnkLnk|C:\\a.txt|txt|A|\r\n");
    Start();
    TFormFront* f = Front();
    EXPECT_EQ(f->ilPublicPM->Image(23), Solid(ColorRefToArgb(sim.System().SysColor(4))));
    ExpectAligned();
}

TEST_F(IconsTest, ExecutableLinksWithTargetsGetTheirLiveIcons) {
    Put("C:\\p\\one.exe", "");
    Put("C:\\p\\two.exe", "");
    sim.SimShellCalls().SetFileIcon("C:\\p\\one.exe", Solid(0xFFAA0000));
    sim.SimShellCalls().SetFileIcon("C:\\p\\two.exe", Solid(0xFF00AA00));
    Put(kData + "shortcuts\\one.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    Put(kData + "shortcuts\\two.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    PutLevel("^ExeLnk|C:\\p\\one.exe||one.bmp|One||\r\n^ExeLnk|C:\\p\\two.exe||two.bmp|Two||\r\n");
    Start();
    TFormFront* f = Front();
    EXPECT_EQ(Item(0)->ImageIndex(), f->LoadedMarker + 1);
    EXPECT_EQ(Item(1)->ImageIndex(), f->LoadedMarker + 2);
    EXPECT_EQ(f->AddedMarker, f->LoadedMarker + 3);
    EXPECT_EQ(f->LoadedIconCount, 2);
    EXPECT_EQ(f->ilPublicPM->Image(f->LoadedMarker + 1), Solid(0xFFAA0000));
    ExpectAligned();
}

TEST_F(IconsTest, AMissingTargetShowsTheSavedBitmap) {
    Put(kData + "shortcuts\\gone.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    PutLevel("^ExeLnk|E:\\gone.exe||gone.bmp|Gone||\r\n");
    Start();
    EXPECT_EQ(Front()->ilPublicPM->Image(Item(0)->ImageIndex()), Solid(0xFF0000AA));
    ExpectAligned();
}

TEST_F(IconsTest, AnIconFileOfAnotherTypeGivesNoPictureAndTwoLogEntries) {
    Put(kData + "shortcuts\\gone.png", "png");
    PutLevel("^ExeLnk|E:\\gone.exe||gone.png|Gone||\r\n");
    Start();
    EXPECT_EQ(Item(0)->ImageIndex(), -1);
    std::string log = Get(kData + "logs\\misc\\program.log");
    EXPECT_NE(log.find("ID: Maintain_ExtractFromExec\r\nMessage: " + kData + "shortcuts\\gone.png"), std::string::npos);
    EXPECT_NE(log.find("ID: Maintain_ExtractFromExec\r\nMessage: Inserted: False;"), std::string::npos);
    ExpectAligned();
}

TEST_F(IconsTest, ATargetWithoutShellIconStillTakesOneSlotInEachList) {
    Put("C:\\p\\quiet.exe", "");
    sim.SimShellCalls().SetNoIcon("C:\\p\\quiet.exe");
    Put(kData + "shortcuts\\quiet.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    Put("C:\\p\\next.exe", "");
    Put(kData + "shortcuts\\next.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    PutLevel("^ExeLnk|C:\\p\\quiet.exe||quiet.bmp|Q||\r\n^ExeLnk|C:\\p\\next.exe||next.bmp|N||\r\n");
    Start();
    ExpectAligned();
    EXPECT_EQ(Item(1)->ImageIndex(), Front()->LoadedMarker + 2);
}

TEST_F(IconsTest, AttachedFileIconsAppendToBothLists) {
    Start();
    Put("C:\\new.txt", "");
    TFormFront* f = Front();
    int before = f->ilPublicPM->Count();
    f->ExtractFileIcon("C:\\new.txt", -1, false);
    EXPECT_EQ(f->ilPublicPM->Count(), before + 1);
    ExpectAligned();
}

// On a screen of more DPI the menu shows the pictures the shell draws at that screen's
// small-icon size (24 at 144 DPI, 32 at 192), not the 16 x 16 ones blown up; a picture the
// store only has as its 16 x 16 bitmap is scaled. The lists themselves, which the tree,
// the editor and the saved bitmaps use, stay 16 x 16, and at 96 DPI no other size is asked.
TEST_F(IconsTest, OnAScreenOfMoreDpiTheMenuShowsTheShellsPicturesAtThatSize) {
    sim::SimShell& shell = sim.SimShellCalls();
    auto square = [](int side, uint32_t argb) { return TBitmap32::Create(side, side, argb); };
    Put("C:\\p\\tool.exe", "");
    for (int side : {16, 24, 32}) {
        shell.SetFileIcon("C:\\p\\tool.exe", square(side, 0xFF000000u | (0xA0u + side)));
        shell.SetExtensionIcon("txt", square(side, 0xFF000000u | ((0x40u + side) << 8)));
    }
    Put(kData + "shortcuts\\gone.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    Put(kData + "shortcuts\\tool.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    PutLevel("^UnkLnk|C:\\a.txt|txt|A|\r\n^ExeLnk|C:\\p\\tool.exe||tool.bmp|Tool||\r\n"
             "^ExeLnk|E:\\gone.exe||gone.bmp|Gone||\r\n");
    Start();
    app->Run();
    TFormFront* f = Front();
    for (const auto& q : shell.IconRequests) EXPECT_EQ(q.Size, 16) << q.Path;

    struct Case {
        int dpi, side;
    } cases[] = {{144, 24}, {192, 32}, {96, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dpi << " DPI");
        sim.SimSystem().PixelsPerInch = c.dpi;
        shell.IconRequests.clear();
        f->PopupAtCursor(f->pmItems, f, nullptr);
        const auto& entries = sim.SimUI().Menus.back().Entries;
        ASSERT_GE(entries.size(), 3u);
        EXPECT_EQ(entries[0].Image, square(c.side, 0xFF000000u | ((0x40u + c.side) << 8))) << "the type's icon";
        EXPECT_EQ(entries[1].Image, square(c.side, 0xFF000000u | (0xA0u + c.side))) << "the target's icon";
        EXPECT_EQ(entries[2].Image, square(c.side, 0xFF0000AA)) << "the saved bitmap, scaled";
        // Each source is asked once at the new size, and not again at the next showing.
        int asked = 0;
        for (const auto& q : shell.IconRequests) asked += q.Size == c.side;
        int sources = static_cast<int>(f->IconExtensions.size()) + 1;  // the file types and the live target
        EXPECT_EQ(asked, c.side == 16 ? 0 : sources);
        shell.IconRequests.clear();
        f->PopupAtCursor(f->pmItems, f, nullptr);
        EXPECT_TRUE(shell.IconRequests.empty());
    }
    EXPECT_EQ(f->ilPublicPM->Width(), 16);
    EXPECT_EQ(f->ilPublicPM->Image(Item(0)->ImageIndex()), Solid(0xFF000000u | ((0x40u + 16) << 8)));
    ExpectAligned();
}

// A save reloads the store on the screen the menu last showed on, and the reloaded
// pictures are sharp there from the start.
TEST_F(IconsTest, AReloadTakesThePicturesAtTheSizeOfTheLastShowing) {
    Put("C:\\p\\tool.exe", "");
    shell().SetFileIcon("C:\\p\\tool.exe", TBitmap32::Create(24, 24, 0xFF00AA00));
    Put(kData + "shortcuts\\tool.bmp", EncodeBmp32(Solid(0xFF0000AA)));
    PutLevel("^ExeLnk|C:\\p\\tool.exe||tool.bmp|Tool||\r\n");
    Start();
    app->Run();
    TFormFront* f = Front();
    sim.SimSystem().PixelsPerInch = 144;
    f->PopupAtCursor(f->pmItems, f, nullptr);
    f->ReloadItems();
    int index = Item(0)->ImageIndex();
    EXPECT_EQ(f->ilPublicPM->SharpSize(index), 24);
    EXPECT_EQ(f->ilPublicPM->ImageAt(index, 24), TBitmap32::Create(24, 24, 0xFF00AA00));
}

}  // namespace
}  // namespace pv
