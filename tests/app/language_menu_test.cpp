// The language submenu: its entries from the translation folder's culture folders, the
// current culture first, flags, and switching the language from it at run time.
#include "controls/buttons.h"
#include "controls/image_list.h"
#include "controls/menus.h"
#include "frame/shared_options.h"
#include "tests/app/app_fixture.h"
#include "util/bmp.h"

namespace pv {
namespace {

class LanguageMenuTest : public testing::AppTest {
protected:
    std::string Trans() { return kApp + "trans\\"; }
    void Culture(const std::string& folder) { sim.Files().ForceDirectories(Trans() + folder); }
    void StartIn(const std::string& culture) {
        Put(kData + "config\\options.ini", "[ProgramOptions.General]\r\nLanguageCulture=" + culture + "\r\n");
        Start();
    }
    TMenuItem* Lingua() { return Front()->M_MI_Lingua; }
    // The submenu as captions, "*" after the checked one, "[n]" with its flag's index.
    std::vector<std::string> Entries() {
        std::vector<std::string> out;
        for (int i = 0; i < Lingua()->Count(); ++i) {
            TMenuItem* m = Lingua()->Items(i);
            std::string s = m->Caption + (m->Checked ? "*" : "");
            if (m->ImageIndex >= 0) s += "[" + std::to_string(m->ImageIndex) + "]";
            out.push_back(s);
        }
        return out;
    }
    static std::string Flag(uint32_t argb) { return EncodeBmp32(TBitmap32::Create(16, 16, argb)); }
};

TEST_F(LanguageMenuTest, TheCurrentCultureComesFirstThenALineThenTheOthersInListingOrder) {
    for (const char* c : {"de-de", "en-us", "fr-fr"}) Culture(c);
    StartIn("en-us");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"en-us*", "-", "de-de", "fr-fr"}));
    EXPECT_EQ(Lingua()->Items(1)->Tag, MenuTag::Separator) << "drawn as a plain separator";
    for (int i : {0, 2, 3}) {
        EXPECT_TRUE(Lingua()->Items(i)->RadioItem);
        EXPECT_EQ(Lingua()->Items(i)->GroupIndex, 1);
    }
    EXPECT_TRUE(Lingua()->Enabled);
}

TEST_F(LanguageMenuTest, FoldersAreReadByTheirRules) {
    struct Case {
        std::vector<std::string> Folders;
        std::vector<std::string> Hidden;
        const char* Current;
        std::vector<std::string> Expected;
        bool Enabled;
    };
    const Case cases[] = {
        {{"de-de"}, {}, "DE-DE", {"de-de*", "-"}, true},  // the comparison ignores case
        {{"de-de.old", "nl-nl"}, {}, "en-us", {"de-de", "nl-nl"}, true},
        {{"de-de", "nl-nl"}, {"nl-nl"}, "en-us", {"de-de"}, true},
        {{}, {}, "en-us", {""}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Current);
        for (const std::string& f : c.Folders) Culture(f);
        for (const std::string& h : c.Hidden) sim.SimFiles().SetHidden(Trans() + h);
        StartIn(c.Current);
        EXPECT_EQ(Entries(), c.Expected);
        EXPECT_EQ(Lingua()->Enabled, c.Enabled);
        Stop();
        for (const std::string& f : c.Folders) sim.Files().RemoveDir(Trans() + f);
    }
}

TEST_F(LanguageMenuTest, AFlagBesideTheFolderIsPreferredAndAnUnreadableOneIsLeftOut) {
    for (const char* c : {"de-de", "fr-fr", "nl-nl"}) Culture(c);
    Put(Trans() + "de-de.bmp", Flag(0xFF0000FF));
    Put(Trans() + "de-de\\de-de.bmp", Flag(0xFF00FF00));
    Put(Trans() + "fr-fr\\fr-fr.bmp", Flag(0xFFFF00FF));  // magenta: all of it transparent
    Put(Trans() + "nl-nl.bmp", "not a picture");
    StartIn("en-us");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"de-de[0]", "fr-fr[1]", "nl-nl"}));
    TImageList* flags = Front()->ilLingua;
    ASSERT_EQ(flags->Count(), 2);
    EXPECT_EQ(flags->Image(0).Pixels[0], 0xFF0000FFu) << "the flag beside the folder";
    EXPECT_EQ(flags->Image(1).Pixels[0] >> 24, 0u) << "magenta is transparent";
}

TEST_F(LanguageMenuTest, ChoosingACultureSwitchesEveryOpenWindowAndBackGivesTheEnglishTexts) {
    Culture("de-de");
    Culture("en-us");
    Put(Trans() + "de-de\\UTF8_program.ini",
        "\xEF\xBB\xBF[StrsGui____Controls__FrontMain]\r\nBitBtnAttach.Caption=Suchen und anh\xC3\xA4ngen\r\n"
        "[StrsGui____Menus__FrontMain]\r\nmiManageItems.Caption=Eintr\xC3\xA4ge verwalten...\r\n");
    StartIn("en-us");
    TFormFront* f = Front();
    f->Show();
    std::string english = f->BitBtnAttach->Caption();
    // The tray menu's copy carries an accelerator mark the menu gave it.
    TMenuItem* choice = f->M_MI_Lingua->Items(2);
    ASSERT_EQ(choice->Caption, "de-de");
    choice->Caption = "&de-de";
    f->PopupAtCursor(f->pmItems, f, nullptr);
    int realised = sim.SimUI().MenusRealised;
    choice->Click();
    EXPECT_EQ(frame->Options->LanguageCulture, "de-de");
    EXPECT_EQ(f->BitBtnAttach->Caption(), "Suchen und anh\xC3\xA4ngen") << "the open window at once";
    EXPECT_EQ(f->miManageItems->Caption, "Eintr\xC3\xA4ge verwalten...");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"de-de*", "-", "en-us"})) << "rebuilt with the new culture first";
    EXPECT_EQ(f->Caption(), "Pivola 1.7.9") << "the title is set again, never translated";

    // The tray menu shown after the switch is made anew with the translated texts.
    f->PopupAtCursor(f->pmItems, f, nullptr);
    EXPECT_EQ(sim.SimUI().MenusRealised, realised + 1);
    f->PopupAtCursor(f->pmItems, f, nullptr);
    EXPECT_EQ(sim.SimUI().MenusRealised, realised + 1);

    f->ReloadItems();
    bool german = false;
    for (int i = 0; i < f->pmItems->Items()->Count(); ++i) {
        TMenuItem* program = f->pmItems->Items()->Items(i);
        for (int j = 0; j < program->Count(); ++j)
            if (program->Items(j)->Caption == "Eintr\xC3\xA4ge verwalten...") german = true;
    }
    EXPECT_TRUE(german) << "the tray menu after its next reload";

    f->M_MI_Lingua->Items(2)->Click();
    EXPECT_EQ(frame->Options->LanguageCulture, "en-us");
    EXPECT_EQ(f->BitBtnAttach->Caption(), english);
    EXPECT_EQ(f->miManageItems->Caption, "Manage items...");
}

}  // namespace
}  // namespace pv
