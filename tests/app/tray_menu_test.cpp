#include <functional>

#include "app/program_options.h"
#include "controls/hot_key.h"
#include "controls/menus.h"
#include "controls/tree_view.h"
#include "tests/app/app_fixture.h"

namespace pv {
namespace {

class TrayMenuTest : public testing::AppTest {
protected:
    void PutLevel(const std::string& rel, const std::string& text) {
        Put(kData + "shortcuts\\" + rel + "shortcuts.txt", text);
    }
    TMenuItem* Root() { return Front()->pmItems->Items(); }
    std::vector<std::string> Captions(TMenuItem* level) {
        std::vector<std::string> out;
        for (int i = 0; i < level->Count(); ++i) out.push_back(level->Items(i)->Caption);
        return out;
    }
};

TEST_F(TrayMenuTest, AnEmptyStoreGivesTheProgramHeadingAndSubmenuOnly) {
    Start();
    ASSERT_EQ(Root()->Count(), 2);
    EXPECT_EQ(Root()->Items(0)->Caption, "Program");
    EXPECT_EQ(Root()->Items(0)->Tag, -100);
    TMenuItem* program = Root()->Items(1);
    EXPECT_EQ(program->Caption, "Pivola menu");
    EXPECT_TRUE(program->Default);
    EXPECT_EQ(program->Tag, 10);
    EXPECT_EQ(program->Name(), "miPivolaKitFolder__Copy");
    EXPECT_EQ(Captions(program),
              (std::vector<std::string>{"Pivola", "Hidden", "System", "Help...", "Updates...", "About...", "-",
                                        "Visit website", "Forums", "Tools", "-", "Lingua", "Preferences...",
                                        "Manage items...", "-", "Close"}));
    struct Expect {
        int index;
        intptr_t tag;
        int image;
        bool visible;
    } expect[] = {{0, -9999, -1, false}, {1, -400, -1, false}, {2, -100, -1, false}, {3, 0, 7, true},
                  {4, 0, 8, true},       {6, -200, -1, true},  {8, 0, 21, true},     {12, 0, 10, true},
                  {13, 0, 9, true}};
    for (const auto& e : expect) {
        TMenuItem* m = program->Items(e.index);
        EXPECT_EQ(m->Tag, e.tag) << m->Caption;
        EXPECT_EQ(m->ImageIndex, e.image) << m->Caption;
        EXPECT_EQ(m->Visible, e.visible) << m->Caption;
    }
    EXPECT_TRUE(program->Items(13)->Default) << "Manage items... is drawn bold";
    EXPECT_EQ(program->Items(9)->Count(), 5) << "the maker's other products";
    EXPECT_EQ(program->Items(11)->SubMenuImages, Front()->ilLingua);
}

TEST_F(TrayMenuTest, ItemsComeFirstWithFoldersAsSubmenus) {
    PutLevel("", "^Folder|Games\r\n^UnkLnk|C:\\r.txt|txt|Readme|\r\n^SpeSep|-Tools-\r\n^NorSep|\r\n^Folder|Empty\r\n");
    PutLevel("Games\\", "^UnkLnk|C:\\g.txt|txt|Game|\r\n");
    sim.Files().ForceDirectories(kData + "shortcuts\\Empty");
    Start();
    EXPECT_EQ(Captions(Root()),
              (std::vector<std::string>{"Games", "Readme", "Tools", "-", "Empty", "Program", "Pivola menu"}));
    TMenuItem* games = Root()->Items(0);
    EXPECT_EQ(games->ImageIndex, 0);
    ASSERT_EQ(games->Count(), 2);
    EXPECT_EQ(games->Items(0)->Caption, "Hiding");
    EXPECT_EQ(games->Items(0)->Tag, -400);
    EXPECT_FALSE(games->Items(0)->Visible);
    EXPECT_EQ(games->Items(1)->Caption, "Game");
    EXPECT_EQ(games->Tag, 2) << "the insertion position after the placeholder and one item";
    EXPECT_EQ(Root()->Items(1)->Tag, 1) << "a link entry carries its id";
    EXPECT_EQ(Root()->Items(1)->ImageIndex, 23);
    EXPECT_EQ(Root()->Items(2)->Tag, -100);
    EXPECT_EQ(Root()->Items(3)->Tag, -200);
    EXPECT_EQ(Root()->Items(4)->Count(), 1) << "an empty folder is a submenu with nothing visible";
}

TEST_F(TrayMenuTest, DrawHandlersFollowTheTagAndTheFontOption) {
    PutLevel("", "^UnkLnk|C:\\r.txt|txt|Readme|\r\n^SpeSep|Tools\r\n^NorSep|\r\n");
    Start();
    TMenuItem* link = Root()->Items(0);
    TMenuItem* heading = Root()->Items(1);
    TMenuItem* separator = Root()->Items(2);
    EXPECT_FALSE(link->OnDrawItem) << "standard drawing without a menu font of the user's own";
    EXPECT_TRUE(heading->OnDrawItem);
    EXPECT_TRUE(heading->OnMeasureItem);
    EXPECT_FALSE(separator->OnDrawItem);
    frame->ProgramOptions()->OverrideStandardFont = true;
    Front()->UpdateMenuDrawHandlers();
    EXPECT_TRUE(link->OnDrawItem);
    EXPECT_TRUE(link->OnMeasureItem);
    EXPECT_FALSE(separator->OnDrawItem);
    EXPECT_FALSE(Root()->Items(4)->Items(1)->OnDrawItem) << "placeholders keep none";
}

TEST_F(TrayMenuTest, CopyMenuItemCopiesTheNamedPropertiesOnly) {
    Start();
    TMenuItem* src = TComponent::Create<TMenuItem>(app.get());
    TMenuItem* dst = TComponent::Create<TMenuItem>(app.get());
    src->SetName("miX");
    src->Caption = "X";
    src->Enabled = false;
    src->Checked = true;
    src->Tag = 7;
    src->OnDrawItem = [](TMenuItem*, TCanvas&, const TRect&, bool) {};
    Front()->CopyMenuItem(src, dst);
    EXPECT_EQ(dst->Name(), "miX__Copy");
    EXPECT_EQ(dst->Caption, "X");
    EXPECT_EQ(dst->Tag, 7);
    EXPECT_TRUE(dst->Enabled);
    EXPECT_FALSE(dst->Checked);
    EXPECT_FALSE(dst->OnDrawItem);
}

TEST_F(TrayMenuTest, AnEditAppearsInTheMenuOnlyAfterAReload) {
    Start();
    Front()->AddItem(TItemKind::GeneralLink, "C:\\n.txt", nullptr, 23, false, "", "New", "", "");
    EXPECT_EQ(Root()->Count(), 2);
}

TEST_F(TrayMenuTest, ThePopupShowsAtTheCursorAndStartsTheChosenLink) {
    Put("C:\\Tools\\a.exe", "");
    PutLevel("", "^ExeLnk|C:\\Tools\\a.exe|-x|a.bmp|Alpha||\r\n");
    Start();
    app->Run();
    sim.SimUI().Cursor = {123, 456};
    sim.SimUI().ChooseMenuEntry({"Alpha"});
    Front()->PopupAtCursor(Front()->pmItems, Front(), nullptr);
    ASSERT_EQ(sim.SimUI().Menus.size(), 1u);
    EXPECT_EQ(sim.SimUI().Menus[0].At, (TPoint{123, 456}));
    ASSERT_EQ(sim.SimShellCalls().Calls.size(), 1u);
    EXPECT_EQ(sim.SimShellCalls().Calls[0].File, "C:\\Tools\\a.exe");
    EXPECT_EQ(sim.SimShellCalls().Calls[0].Params, "-x");
    EXPECT_EQ(sim.SimUI().Foreground.back(), Front()->Handle());
    EXPECT_EQ(sim.SimUI().NullMessages.back(), Front()->Handle());
}

// The hot key shows the menu made at its first showing for as long as the model stands;
// a reload and the font option make it anew (and the language switch, see the language
// menu's tests).
TEST_F(TrayMenuTest, TheHotKeyShowsTheKeptMenuUntilAReloadOrTheFontOption) {
    Put("C:\\Tools\\a.exe", "");
    PutLevel("", "^ExeLnk|C:\\Tools\\a.exe||a.bmp|Alpha||\r\n^NorSep|\r\n^Folder|Docs\r\n");
    PutLevel("Docs\\", "^UnkLnk|C:\\d.txt|txt|Doc|\r\n");
    Start();
    app->Run();
    int& realised = sim.SimUI().MenusRealised;
    auto hotKey = [&] {
        EXPECT_TRUE(sim.SimUI().PressHotKey('L', HotKeyModifier::Control));
        return realised;
    };
    int first = hotKey();
    EXPECT_EQ(hotKey(), first);
    sim.SimUI().ChooseMenuEntry({"Alpha"});
    EXPECT_EQ(hotKey(), first);
    ASSERT_EQ(sim.SimShellCalls().Calls.size(), 1u) << "the kept menu starts its links";
    EXPECT_EQ(sim.SimShellCalls().Calls[0].File, "C:\\Tools\\a.exe");

    PutLevel("", "^ExeLnk|C:\\Tools\\a.exe||a.bmp|Beta||\r\n");
    Front()->ReloadItems();
    EXPECT_EQ(hotKey(), first + 1);
    EXPECT_EQ(sim.SimUI().Menus.back().Entries[0].Caption, "&Beta");
    EXPECT_EQ(hotKey(), first + 1);

    TProgramOptions& options = *frame->ProgramOptions();
    options.ApplyOptions();
    EXPECT_EQ(hotKey(), first + 1) << "options applied unchanged";
    options.OverrideStandardFont = true;
    options.ApplyOptions();
    EXPECT_EQ(hotKey(), first + 2);
    for (auto change : std::vector<std::function<void()>>{[&] { options.OverrideStandardFontName = "Tahoma"; },
                                                          [&] { options.OverrideStandardFontSize = 12; },
                                                          [&] { options.OverrideStandardFontBold = true; }}) {
        int before = realised;
        change();
        options.ApplyOptions();
        EXPECT_EQ(hotKey(), before + 1);
        EXPECT_EQ(hotKey(), before + 1);
    }
}

// On a screen of 144 DPI the menu is measured and drawn for it: the rows the program
// draws itself are 29 pixels high (19 at 96 DPI), and the pictures of the entries the
// system draws are 24 x 24, the small-icon size there.
TEST_F(TrayMenuTest, OnAScreenOfAnotherDpiTheRowsAndPicturesGrowWithIt) {
    sim.SimSystem().PixelsPerInch = 144;
    PutLevel("", "^Folder|Games\r\n^SpeSep|Tools\r\n");
    PutLevel("Games\\", "^NorSep|\r\n");
    Start();
    app->Run();
    Front()->PopupAtCursor(Front()->pmItems, Front(), nullptr);
    ASSERT_EQ(sim.SimUI().Menus.size(), 1u);
    const auto& shown = sim.SimUI().Menus[0];
    ASSERT_GE(shown.Entries.size(), 2u);
    const MenuEntryView& games = shown.Entries[0];
    EXPECT_EQ(games.Caption, "&Games");
    EXPECT_FALSE(games.OwnerDraw);
    ASSERT_TRUE(games.HasImage);
    EXPECT_EQ((std::pair{games.Image.Width, games.Image.Height}), (std::pair{24, 24}));
    const MenuEntryView& tools = shown.Entries[1];
    ASSERT_TRUE(tools.OwnerDraw);
    ASSERT_EQ(shown.Measured.count(tools.Id), 1u);
    EXPECT_EQ(shown.Measured.at(tools.Id).cy, 29);
}

// The kept menu was measured for one screen; opened on a screen of another DPI it is made
// anew, and kept again while the DPI stays.
TEST_F(TrayMenuTest, TheKeptMenuIsMadeAnewForAnotherDpi) {
    PutLevel("", "^Folder|Games\r\n^SpeSep|Tools\r\n");
    PutLevel("Games\\", "^NorSep|\r\n");
    Start();
    app->Run();
    int& realised = sim.SimUI().MenusRealised;
    auto hotKey = [&] {
        EXPECT_TRUE(sim.SimUI().PressHotKey('L', HotKeyModifier::Control));
        return realised;
    };
    int first = hotKey();
    sim.SimSystem().PixelsPerInch = 144;
    EXPECT_EQ(hotKey(), first + 1);
    const auto& shown = sim.SimUI().Menus.back();
    ASSERT_GE(shown.Entries.size(), 2u);
    EXPECT_EQ(shown.Entries[0].Image.Width, 24);
    EXPECT_EQ(shown.Measured.at(shown.Entries[1].Id).cy, 29);
    EXPECT_EQ(hotKey(), first + 1);
    sim.SimSystem().PixelsPerInch = 96;
    EXPECT_EQ(hotKey(), first + 2);
}

TEST_F(TrayMenuTest, NoCursorNoMenu) {
    Start();
    sim.SimUI().CursorAvailable = false;
    Front()->PopupAtCursor(Front()->pmItems, Front(), nullptr);
    EXPECT_TRUE(sim.SimUI().Menus.empty());
}

TEST_F(TrayMenuTest, ProgramEntriesOpenTheirPages) {
    Start();
    TMenuItem* program = Root()->Items(1);
    program->Items(3)->Click();  // Help...
    ASSERT_EQ(sim.SimShellCalls().Calls.size(), 1u);
    EXPECT_EQ(sim.SimShellCalls().Calls[0].File, kApp + "help\\index.html");
    EXPECT_EQ(sim.SimShellCalls().Calls[0].Verb, "open");
    EXPECT_EQ(sim.SimShellCalls().Calls[0].ShowCmd, 1);
    program->Items(7)->Click();  // Visit website
    program->Items(8)->Click();  // Forums
    program->Items(9)->Items(0)->Click();
    EXPECT_EQ(sim.SimShellCalls().Calls.size(), 4u);
    program->Items(15)->Click();  // Close
    EXPECT_TRUE(app->Terminated());
}

TEST_F(TrayMenuTest, ManageItemsShowsTheMainWindow) {
    Start();
    Front()->SetWindowState(WindowState::Minimized);
    Root()->Items(1)->Items(13)->Click();
    EXPECT_TRUE(Front()->Visible());
    EXPECT_EQ(Front()->GetWindowState(), WindowState::Normal);
}

}  // namespace
}  // namespace pv
