// Menu trees, the adjustments made before each showing, and showing a popup menu on the
// simulated desktop: what the platform is given, and what the user's choice runs.
#include "controls/menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/application_events.h"
#include "controls/canvas.h"
#include "controls/image_list.h"
#include "tests/support/sim_test.h"
#include "util/exception.h"

namespace pv {
namespace {

class MenuTest : public testing::SimTest {
protected:
    // An entry owned by its parent, as the tray menu builds them. A caption starting
    // with "~" is an invisible entry.
    TMenuItem* Add(TMenuItem* parent, std::string caption) {
        auto* item = TComponent::Create<TMenuItem>(parent);
        if (!caption.empty() && caption[0] == '~') {
            item->Visible = false;
            caption.erase(0, 1);
        }
        item->Caption = caption;
        parent->Add(item);
        return item;
    }
    // A level from space-separated captions.
    void Fill(TMenuItem* parent, const std::string& captions) {
        std::istringstream in(captions);
        for (std::string c; in >> c;) Add(parent, c);
    }
    // The visible captions of a level, space-separated.
    static std::string Visible(const TMenuItem& level) {
        std::string out;
        for (int i = 0; i < level.Count(); ++i)
            if (level.Items(i)->Visible) out += (out.empty() ? "" : " ") + level.Items(i)->Caption;
        return out;
    }
    static std::vector<std::string> Captions(const std::vector<MenuEntryView>& views) {
        std::vector<std::string> out;
        for (const auto& v : views) out.push_back(v.Caption);
        return out;
    }
    sim::SimUserInterface::ShownMenu& LastMenu() { return sim.SimUI().Menus.back(); }
    bool HaveCanvases() { return sim.UI().CreateBitmapCanvas(1, 1, 0) != nullptr; }

    TApplication app{sim};
    TPopupMenu* pm = TComponent::Create<TPopupMenu>(&app);
    TMenuItem* root = pm->Items();
};

// ---- tree operations ---------------------------------------------------------------------

TEST_F(MenuTest, TreeOperationsKeepParentAndOwnershipInStep) {
    TMenuItem* b = Add(root, "b");
    auto* a = TComponent::Create<TMenuItem>(root);
    auto* c = TComponent::Create<TMenuItem>(root);
    a->Caption = "a";
    c->Caption = "c";
    root->Insert(0, a);
    root->Insert(2, c);
    EXPECT_EQ(Visible(*root), "a b c");
    EXPECT_EQ(b->MenuIndex(), 1);
    EXPECT_THROW(root->Insert(0, a), EInvalidOperation) << "an entry has one parent";
    EXPECT_THROW(root->Insert(5, TComponent::Create<TMenuItem>(&app)), EListError);
    EXPECT_THROW(root->Items(3), EListError);

    root->Remove(b);  // taken out, still alive and owned
    EXPECT_EQ(Visible(*root), "a c");
    EXPECT_EQ(b->Parent(), nullptr);
    std::weak_ptr<void> bAlive = b->AliveToken(), aAlive = a->AliveToken();
    EXPECT_FALSE(bAlive.expired());

    root->Delete(0);  // frees a
    EXPECT_TRUE(aAlive.expired());
    EXPECT_EQ(Visible(*root), "c");

    TComponent::Free(c);  // freeing a child takes it out of its parent
    EXPECT_EQ(root->Count(), 0);

    // Freeing a parent frees what it owns; an entry owned elsewhere only loses its parent.
    TMenuItem* folder = Add(root, "folder");
    TMenuItem* owned = Add(folder, "owned");
    auto* foreign = TComponent::Create<TMenuItem>(&app);
    folder->Add(foreign);
    std::weak_ptr<void> ownedAlive = owned->AliveToken();
    TComponent::Free(folder);
    EXPECT_TRUE(ownedAlive.expired());
    EXPECT_EQ(foreign->Parent(), nullptr);
    EXPECT_EQ(root->Count(), 0);
}

// ---- separator reduction -----------------------------------------------------------------

TEST_F(MenuTest, SeparatorReductionHidesFirstLastAndRepeatedSeparators) {
    struct Case {
        const char* level;  // "~" marks an invisible entry
        const char* shown;
    } cases[] = {
        {"- a - - b -", "a - b"},
        {"- -", ""},
        {"~Hiding - a", "a"},            // an invisible placeholder is no entry before it
        {"a - ~x", "a"},                 // nor after it
        {"a - ~x - b", "a - b"},         // nor between two separators
        {"~- a ~- b", "a - b"},          // a hidden separator that is needed is shown again
        {"a - Tools - b", "a - Tools - b"},  // a heading is an entry, not a separator
        {"- Tools -", "Tools"},
        {"a -- -- b", "a -- -- b"},      // only "-" is a separator
    };
    for (const Case& c : cases) {
        TMenuItem level(nullptr);
        Fill(&level, c.level);
        std::vector<bool> others;  // entries other than separators are never touched
        for (int i = 0; i < level.Count(); ++i)
            if (!level.Items(i)->IsLine()) others.push_back(level.Items(i)->Visible);
        ReduceSeparators(level);
        EXPECT_EQ(Visible(level), c.shown) << c.level;
        std::vector<bool> after;
        for (int i = 0; i < level.Count(); ++i)
            if (!level.Items(i)->IsLine()) after.push_back(level.Items(i)->Visible);
        EXPECT_EQ(after, others) << c.level;
    }
}

TEST_F(MenuTest, SeparatorReductionFollowsVisibilityAndReachesEverySubmenu) {
    Fill(root, "a - b");
    TMenuItem* folder = Add(root, "folder");
    Fill(folder, "~Hiding - x - - y -");
    TMenuItem* deeper = Add(folder, "~deeper");  // an invisible level is reduced as well
    Fill(deeper, "- z");

    ReduceSeparators(*root);
    EXPECT_EQ(Visible(*root), "a - b folder");
    EXPECT_EQ(Visible(*folder), "x - y");
    EXPECT_EQ(Visible(*deeper), "z");

    root->Items(2)->Visible = false;  // b goes: the separator now ends its run of entries
    root->Items(3)->Visible = false;
    ReduceSeparators(*root);
    EXPECT_EQ(Visible(*root), "a");
    root->Items(3)->Visible = true;
    ReduceSeparators(*root);
    EXPECT_EQ(Visible(*root), "a - folder");
}

// ---- accelerators ------------------------------------------------------------------------

TEST_F(MenuTest, AcceleratorOfAndStripReadTheMarksAsTheSystemDoes) {
    struct Case {
        const char* caption;
        char32_t accelerator;
        const char* stripped;
    } cases[] = {
        {"&File", U'f', "File"},
        {"E&xit", U'x', "Exit"},
        {"Save && close", 0, "Save & close"},
        {"&&&B", U'b', "&B"},
        {"Trailing&", 0, "Trailing"},
        {"a&b&c", U'b', "abc"},  // the first mark counts
        {"&Über", U'ü', "Über"},
        {"&Выход", U'в', "Выход"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceleratorOf(c.caption), c.accelerator) << c.caption;
        EXPECT_EQ(StripAccelerators(c.caption), c.stripped) << c.caption;
    }
}

TEST_F(MenuTest, AcceleratorsAreUniquePerLevelPreferringWordStarts) {
    struct Case {
        std::vector<std::string> level, assigned;
    } cases[] = {
        {{"File", "Format", "Find"}, {"&File", "F&ormat", "F&ind"}},
        {{"Save as", "Save", "Open", "Open"}, {"&Save as", "S&ave", "&Open", "O&pen"}},
        // Accelerators already there are kept and reserved, whatever their case.
        {{"Exit", "E&xit", "Xtra", "&Exit"}, {"Ex&it", "E&xit", "X&tra", "&Exit"}},
        {{"Visit website", "Vi"}, {"&Visit website", "V&i"}},
        {{"Visit", "Visit tools"}, {"&Visit", "Visit &tools"}},
        {{"Cut && paste", "&& x", "&&"}, {"&Cut && paste", "&& &x", "&&"}},
        // No letter left: the caption stays as it is.
        {{"A", "a", "...", "12", "1"}, {"&A", "a", "...", "&12", "1"}},
        {{"-", "-x"}, {"-", "-&x"}},  // a separator takes no accelerator, "-x" is no separator
        // Letters of other alphabets take part case-insensitively; others never do.
        {{"Über", "ünter", "設定", "設定 (S)"}, {"&Über", "ü&nter", "設定", "設定 (&S)"}},
        {{"Выход", "выбор"}, {"&Выход", "в&ыбор"}},
    };
    for (const Case& c : cases) {
        TMenuItem level(nullptr);
        for (const auto& caption : c.level) Add(&level, caption);
        AssignAccelerators(level);
        std::vector<std::string> got;
        for (int i = 0; i < level.Count(); ++i) got.push_back(level.Items(i)->Caption);
        EXPECT_EQ(got, c.assigned) << c.level.front();
    }
}

TEST_F(MenuTest, AcceleratorsCountOnlyShownEntriesAndEachLevelOnItsOwn) {
    // The side-bar caption is an invisible entry whose text is painted as it stands.
    Fill(root, "~Pivola Preferences");
    TMenuItem* folder = Add(root, "Files");
    Fill(folder, "Find ~Hidden Help");
    AssignAccelerators(*root);
    EXPECT_EQ(Visible(*root), "&Preferences &Files");
    EXPECT_EQ(root->Items(0)->Caption, "Pivola");
    EXPECT_EQ(Visible(*folder), "&Find &Help");
    EXPECT_EQ(folder->Items(1)->Caption, "Hidden");
}

// ---- showing -----------------------------------------------------------------------------

TEST_F(MenuTest, PopupAdjustsTheMenuAfterOnPopupAndBeforeShowing) {
    Fill(root, "- Open - - Close -");
    TMenuItem* folder = Add(root, "Tools");
    Fill(folder, "- Find");
    pm->OnPopup = [&](TComponent*) { root->Items(1)->Visible = false; };  // "Open" goes
    pm->Popup(10, 20, 0x77);

    ASSERT_EQ(sim.SimUI().Menus.size(), 1u);
    const auto& shown = LastMenu();
    EXPECT_EQ(Captions(shown.Entries), (std::vector<std::string>{"&Close", "-", "&Tools"}));
    EXPECT_TRUE(shown.Entries[1].Separator);
    EXPECT_EQ(Captions(shown.Entries[2].Children), (std::vector<std::string>{"&Find"}));
    EXPECT_EQ(shown.At, (TPoint{10, 20}));
    EXPECT_EQ(shown.Owner, 0x77u);
    EXPECT_EQ(shown.Chosen, 0u);

    // Both adjustments can be switched off.
    TPopupMenu* plain = TComponent::Create<TPopupMenu>(&app);
    plain->AutoLineReduction = false;
    plain->AutoHotkeys = false;
    Fill(plain->Items(), "- a -");
    plain->Popup(0, 0);
    EXPECT_EQ(Captions(LastMenu().Entries), (std::vector<std::string>{"-", "a", "-"}));
}

TEST_F(MenuTest, TheViewMirrorsTheVisibleEntries) {
    auto* images = TComponent::Create<TImageList>(&app);
    auto* flags = TComponent::Create<TImageList>(&app);
    images->Add(TBitmap32::Create(16, 16, 0xFF0000FF));
    flags->Add(TBitmap32::Create(16, 16, 0xFF00FF00));
    pm->Images = images;
    pm->OwnerDraw = true;

    TMenuItem* state = Add(root, "State");
    state->Enabled = false;
    state->Checked = true;
    state->RadioItem = true;
    state->Default = true;
    state->ImageIndex = 0;
    Add(root, "~Gone")->ImageIndex = 0;
    TMenuItem* drawn = Add(root, "Drawn");
    drawn->OnDrawItem = [](TMenuItem*, TCanvas&, const TRect&, bool) {};
    TMenuItem* measured = Add(root, "Measured");  // drawn by the owner because the menu is
    measured->OnMeasureItem = [](TMenuItem*, TCanvas&, int&, int&) {};
    TMenuItem* lingua = Add(root, "Lingua");
    lingua->SubMenuImages = flags;
    Add(lingua, "English")->ImageIndex = 0;
    Add(lingua, "Outside")->ImageIndex = 1;  // beyond the list: no picture

    pm->Popup(0, 0);
    const auto& e = LastMenu().Entries;
    ASSERT_EQ(Captions(e), (std::vector<std::string>{"&State", "&Drawn", "&Measured", "&Lingua"}));
    EXPECT_FALSE(e[0].Enabled);
    EXPECT_TRUE(e[0].Checked && e[0].RadioItem && e[0].Default && !e[0].OwnerDraw);
    ASSERT_TRUE(e[0].HasImage);
    EXPECT_EQ(e[0].Image.Pixel(0, 0), 0xFF0000FFu);
    EXPECT_TRUE(e[1].OwnerDraw);
    EXPECT_TRUE(e[2].OwnerDraw);
    EXPECT_FALSE(e[3].OwnerDraw);
    ASSERT_EQ(e[3].Children.size(), 2u);
    ASSERT_TRUE(e[3].Children[0].HasImage);
    EXPECT_EQ(e[3].Children[0].Image.Pixel(0, 0), 0xFF00FF00u) << "a submenu's own images come first";
    EXPECT_FALSE(e[3].Children[1].HasImage);

    std::vector<uint32_t> ids{e[0].Id, e[1].Id, e[2].Id, e[3].Id, e[3].Children[0].Id, e[3].Children[1].Id};
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "ids are unique";
    EXPECT_NE(ids.front(), 0u);

    pm->OwnerDraw = false;
    pm->Popup(0, 0);
    EXPECT_FALSE(LastMenu().Entries[2].OwnerDraw) << "a measure handler alone draws nothing";
}

// The native menu is made when the menu is first shown and kept for the showings after;
// whatever the user would see differently makes it anew, and nothing else does.
TEST_F(MenuTest, TheRealisedMenuIsKeptUntilWhatItShowsChanges) {
    auto* images = TComponent::Create<TImageList>(&app);
    images->Add(TBitmap32::Create(16, 16, 0xFF0000FF));
    pm->Images = images;
    Fill(root, "Open - Close");
    TMenuItem* folder = Add(root, "Tools");
    Fill(folder, "Find - ~Hidden");
    root->Items(0)->ImageIndex = 0;
    int clicks = 0;
    root->Items(2)->OnClick = [&](TComponent*) { ++clicks; };
    auto& realised = sim.SimUI().MenusRealised;
    auto show = [&](std::vector<std::string> choice = {}) {
        if (!choice.empty()) sim.SimUI().ChooseMenuEntry(std::move(choice));
        pm->Popup(0, 0);
        return realised;
    };

    EXPECT_EQ(show(), 1);
    EXPECT_EQ(show({"Close"}), 1) << "shown again as it was";
    EXPECT_EQ(clicks, 1) << "the kept menu's entries still run their handlers";
    EXPECT_EQ(Captions(LastMenu().Entries), (std::vector<std::string>{"&Open", "-", "&Close", "&Tools"}));
    EXPECT_EQ(Captions(LastMenu().Entries[3].Children), (std::vector<std::string>{"&Find"}));

    // A separator shown by hand is hidden again by the reduction; the menu stays.
    folder->Items(1)->Visible = true;
    EXPECT_EQ(show(), 1);
    EXPECT_FALSE(folder->Items(1)->Visible);

    struct Change {
        const char* What;
        std::function<void()> Make;
    };
    const Change changes[] = {
        {"a caption", [&] { root->Items(0)->Caption = "Open again"; }},
        {"a hidden entry shown", [&] { folder->Items(2)->Visible = true; }},
        {"an entry disabled", [&] { root->Items(2)->Enabled = false; }},
        {"an entry checked", [&] { root->Items(2)->Checked = true; }},
        {"the default entry", [&] { root->Items(0)->Default = true; }},
        {"a picture chosen", [&] { root->Items(2)->ImageIndex = 0; }},
        {"a picture of the list", [&] { images->Add(TBitmap32::Create(16, 16, 0xFF00FF00)); }},
        {"a submenu's own list", [&] { folder->SubMenuImages = images; }},
        {"an owner-drawing handler", [&] { root->Items(0)->OnDrawItem = [](TMenuItem*, TCanvas&, const TRect&, bool) {}; }},
        {"the menu owner-drawn", [&] { pm->OwnerDraw = true; }},
        {"an entry added", [&] { Add(folder, "Replace"); }},
        {"an entry freed", [&] { folder->Delete(folder->Count() - 1); }},
        {"an entry freed and another made in its place",
         [&] {
             folder->Delete(0);
             TMenuItem* again = Add(folder, "&Find");
             folder->Remove(again);
             folder->Insert(0, again);
         }},
        {"the model cannot see it", [&] { pm->Changed(); }},
    };
    for (const Change& c : changes) {
        int before = show();
        c.Make();
        EXPECT_EQ(show(), before + 1) << c.What;
        EXPECT_EQ(show(), before + 1) << c.What << ", then shown again";
    }
    EXPECT_EQ(Captions(LastMenu().Entries), (std::vector<std::string>{"&Open again", "-", "&Close", "&Tools"}));
}

class MenuChoiceTest : public MenuTest {
protected:
    void SetUp() override {
        for (const char* caption : {"Open", "Close"}) Clickable(root, caption);
        TMenuItem* tools = Add(root, "Tools");
        Clickable(tools, "Find");
        Clickable(tools, "Disabled")->Enabled = false;
        sim.OnFailure = [this](const std::string& what) { failures.push_back(what); };
    }
    TMenuItem* Clickable(TMenuItem* parent, const char* caption) {
        TMenuItem* item = Add(parent, caption);
        item->OnClick = [this, item](TComponent* sender) {
            EXPECT_EQ(sender, item);
            // The menu has closed: the platform has returned and recorded it.
            EXPECT_EQ(sim.SimUI().Menus.size(), 1u);
            clicks.push_back(item->Caption);
        };
        return item;
    }
    std::vector<std::string> clicks, failures;
};

TEST_F(MenuChoiceTest, TheScriptedChoiceRunsOnlyThatEntrysClickAfterTheMenuClosed) {
    sim.SimUI().ChooseMenuEntry({"Tools", "&Find"});  // marks in the script are ignored too
    pm->Popup(0, 0);
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Find"}));
    const auto& shown = LastMenu();
    EXPECT_EQ(shown.Chosen, shown.Entries[2].Children[0].Id);
    EXPECT_TRUE(failures.empty());

    pm->Popup(0, 0);  // nothing scripted: dismissed
    EXPECT_EQ(clicks.size(), 1u);
    EXPECT_EQ(LastMenu().Chosen, 0u);
}

TEST_F(MenuChoiceTest, AScriptNamingNothingChoosableFailsTheTestAndDismisses) {
    std::vector<std::vector<std::string>> scripts = {
        {"Nothing"}, {"Tools", "Disabled"}, {"Tools"}, {"Open", "Deeper"}, {}};
    for (const auto& script : scripts) {
        failures.clear();
        sim.SimUI().Menus.clear();
        sim.SimUI().ChooseMenuEntry(script);
        pm->Popup(0, 0);
        EXPECT_EQ(failures.size(), 1u) << script.size();
        ASSERT_EQ(sim.SimUI().Menus.size(), 1u) << "the menu is still recorded";
        EXPECT_EQ(LastMenu().Chosen, 0u);
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuTest, AnExceptionInAClickHandlerReachesTheApplicationsHandler) {
    auto* events = TComponent::Create<TApplicationEvents>(&app);
    std::vector<std::string> caught;
    events->OnException = [&](TComponent* sender, const std::exception& e) {
        caught.push_back(static_cast<TMenuItem*>(sender)->Caption + ": " + e.what());
    };
    Add(root, "Boom")->OnClick = [](TComponent*) { throw EInvalidOperation("no target"); };
    sim.SimUI().ChooseMenuEntry({"Boom"});
    pm->Popup(0, 0);
    EXPECT_EQ(caught, (std::vector<std::string>{"&Boom: no target"}));
}

// ---- owner drawing -----------------------------------------------------------------------

TEST_F(MenuTest, OwnerDrawnEntriesAreMeasuredAndDrawnThroughTheirHandlers) {
    if (!HaveCanvases()) GTEST_SKIP() << "the simulated desktop has no canvases yet";
    auto* events = TComponent::Create<TApplicationEvents>(&app);
    std::vector<std::string> caught;
    events->OnException = [&](TComponent*, const std::exception& e) { caught.push_back(e.what()); };

    struct Seen {
        int width = -1, height = -1;
        std::vector<bool> selected;
    };
    std::map<std::string, Seen> seen;
    auto handlers = [&](TMenuItem* item, TColor fill) {
        item->OnMeasureItem = [&, fill](TMenuItem* sender, TCanvas&, int& width, int& height) {
            seen[sender->Caption].width = width;  // the system's suggestion
            seen[sender->Caption].height = height;
            width = 40;
            height = 19;
        };
        item->OnDrawItem = [&, fill](TMenuItem* sender, TCanvas& canvas, const TRect& rect, bool selected) {
            seen[sender->Caption].selected.push_back(selected);
            canvas.Brush.Color = selected ? 0x00FFFFFF : fill;
            canvas.FillRect(rect);
        };
    };
    handlers(Add(root, "Heading"), 0x000000FF);
    handlers(Add(root, "Link"), 0x0000FF00);
    Add(root, "Standard");
    TMenuItem* folder = Add(root, "Folder");
    handlers(folder, 0x00FF0000);
    handlers(Add(folder, "Inner"), 0x00FF00FF);
    TMenuItem* broken = Add(root, "Broken");
    broken->OnMeasureItem = [](TMenuItem*, TCanvas&, int&, int&) { throw EInvalidOperation("measure failed"); };
    broken->OnDrawItem = [](TMenuItem*, TCanvas&, const TRect&, bool) {};

    sim.SimUI().ChooseMenuEntry({"Folder", "Inner"});
    pm->Popup(0, 0);
    const auto& shown = LastMenu();
    EXPECT_EQ(seen["&Heading"].height, 19) << "an entry's default height";
    EXPECT_GT(seen["&Heading"].width, 0);
    EXPECT_EQ(seen["&Heading"].selected, (std::vector<bool>{false}));
    EXPECT_EQ(seen["&Link"].selected, (std::vector<bool>{false}));
    EXPECT_EQ(seen["&Folder"].selected, (std::vector<bool>{false, true})) << "its submenu was opened";
    EXPECT_EQ(seen["&Inner"].selected, (std::vector<bool>{false, true}));
    EXPECT_EQ(seen.count("&Standard"), 0u);
    EXPECT_EQ(caught, (std::vector<std::string>{"measure failed"}));

    uint32_t link = shown.Entries[1].Id;
    EXPECT_EQ(shown.Measured.at(link), (TSize{40, 19}));
    EXPECT_EQ(shown.Measured.count(shown.Entries[2].Id), 0u) << "a standard entry is the system's";
    const auto* drawing = &shown.Drawings[0];
    for (const auto& d : shown.Drawings)
        if (d.Id == link) drawing = &d;
    ASSERT_EQ(drawing->Id, link);
    EXPECT_EQ(drawing->Picture.Width, 40);
    EXPECT_EQ(drawing->Picture.Height, 19);
    EXPECT_EQ(drawing->Picture.Pixel(20, 10), ColorRefToArgb(0x0000FF00));

    // A level that was not opened is neither measured nor drawn.
    seen.clear();
    pm->Popup(0, 0);
    EXPECT_EQ(seen.count("&Inner"), 0u);
    EXPECT_EQ(seen["&Folder"].selected, (std::vector<bool>{false}));
}

TEST_F(MenuTest, AnEntryFreedWhileTheMenuIsOpenIsNotClicked) {
    if (!HaveCanvases()) GTEST_SKIP() << "the simulated desktop has no canvases yet";
    int clicks = 0;
    TMenuItem* gone = Add(root, "Gone");
    gone->OnClick = [&](TComponent*) { ++clicks; };
    TMenuItem* reloader = Add(root, "Reloader");
    reloader->OnMeasureItem = [&](TMenuItem*, TCanvas&, int&, int&) { TComponent::Free(gone); };
    reloader->OnDrawItem = [](TMenuItem*, TCanvas&, const TRect&, bool) {};
    sim.SimUI().ChooseMenuEntry({"Gone"});
    pm->Popup(0, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_NE(LastMenu().Chosen, 0u);
}

}  // namespace
}  // namespace pv
