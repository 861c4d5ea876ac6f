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

}  // namespace
}  // namespace pv
