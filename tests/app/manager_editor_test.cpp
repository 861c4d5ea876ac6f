// The item editor of the manager window: what its fields show for each kind of node, and
// how an edit in a field changes the selected node or the attributes of its link. The
// window is driven as the user drives it: nodes are picked in the tree's native control,
// text is typed into the native fields, entries are picked in the native list.
#include <string>
#include <vector>

#include "controls/buttons.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/image_box.h"
#include "controls/image_list.h"
#include "controls/tree_view.h"
#include "platform/sim/sim_button.h"
#include "platform/sim/sim_combo_box.h"
#include "platform/sim/sim_edit.h"
#include "platform/sim/sim_form.h"
#include "platform/sim/sim_image_box.h"
#include "platform/sim/sim_tree_view.h"
#include "tests/app/manager_fixture.h"
#include "util/bitmap.h"
#include "util/bmp.h"

namespace pv {
namespace {

const std::string kDashes = "---------------";
const std::string kNeedName = "The folder has to have a name";
const std::string kIllegalName = "The folder name can not contain: \"\\ / : * ? \" < > |\"";
const std::string kDuplicatedName = "The folder name may not be duplicated on the same level in the \"tree view\"";

// What the editor shows, read from the native controls (the type field has none).
struct FieldView {
    std::string Text;
    bool Enabled = false;
    bool operator==(const FieldView&) const = default;
};

std::ostream& operator<<(std::ostream& os, const FieldView& v) {
    return os << "\"" << v.Text << "\" " << (v.Enabled ? "enabled" : "disabled");
}

class ManagerEditorTest : public testing::ManagerTest {
protected:
    sim::SimEdit* Native(TvdEdit* field) { return sim.SimUI().Control<sim::SimEdit>(field->Handle()); }
    bool Type(TvdEdit* field, const std::string& text) { return Native(field)->UserType(text); }
    FieldView Shown(TvdEdit* field) { return {Native(field)->Text, Native(field)->Enabled}; }
    sim::SimComboBox* WindowList() { return sim.SimUI().Control<sim::SimComboBox>(f->cbWindowStyle->Handle()); }
    sim::SimButton* RunAsBox() { return sim.SimUI().Control<sim::SimButton>(f->chkUserRunAs->Handle()); }
    const TBitmap32& IconBox() { return sim.SimUI().Control<sim::SimImageBox>(f->imgFileType->Handle())->Picture; }
    // The icon box as it must look for a picture of the menu list: cleared, then drawn.
    TBitmap32 BoxOf(int imageIndex) {
        TBitmap32 box = TBitmap32::Create(16, 16, ColorRefToArgb(kFace));
        if (imageIndex >= 0) BlendOnto(box, f->ilPublicPM->Image(imageIndex), 0, 0);
        return box;
    }
    // The button face differs from the tree's and the menu's backgrounds, so the box shows
    // which list its picture came from and that it was cleared.
    void UseDistinctFace() { sim.SimSystem().Colors[SysColorIndex::BtnFace] = kFace; }
    static constexpr uint32_t kFace = 0x00336699;
};

// ---- what the fields show ----------------------------------------------------------------

// Links of every class, as the store gives them.
const std::string kKinds =
    "^Folder|Games\r\n"                                                        // 0
    "^NorSep|\r\n"                                                             // 1
    "^SpeSep|Media\r\n"                                                        // 2
    "^UnkLnk|C:\\v\\clip.lnk|lnk|Clip|*WindowMin\r\n"                          // 3 Shortcut
    "^UnkLnk|C:\\docs\\r.txt|txt|Readme|*WindowMax\r\n"                        // 4 Viewable
    "^UnkLnk|C:\\docs||Docs|\r\n"                                              // 5 directory
    "^ExeLnk|C:\\t\\tool.exe|-v|tool.bmp|Tool|C:\\work|*WindowMax*UserRunAs\r\n"  // 6 Executable
    "^ExeLnk|C:\\t\\go.bat|-q|bat|Go|D:\\w|*WindowHid*UserRunAs\r\n"           // 7 Runable, all entries
    "^UnkLnk|C:\\t\\run.cmd|cmd|Run|*WindowMin\r\n"                            // 8 Runable, window entry only
    "^UnkLnk|C:\\t\\x.exe|exe|X|\r\n";                                         // 9 Executable, window entry only

struct ShownCase {
    const char* Name;
    int Index;  // -1: the root top marker
    std::string Type;
    FieldView Caption, Path, Params, WorkDir;
    int Window;  // selected entry of the list, -1 none
    bool WindowEnabled;
    bool RunAs, RunAsEnabled;
};

TEST_F(ManagerEditorTest, EachKindOfNodeFillsTheFieldsByItsRow) {
    sim.Files().ForceDirectories(kData + "shortcuts\\Games");
    sim.Files().ForceDirectories("C:\\docs");
    StartWith(kKinds);
    const FieldView na{"N/A", false}, off{"", false};
    const std::vector<ShownCase> cases = {
        {"top marker", -1, "Special: Drag and drop items here", {"", false}, na, na, na, -1, false, false, false},
        {"folder", 0, "Special: Create and place items here", {"Games", true}, na, na, na, -1, false, false, false},
        {"normal separator", 1, "Separator", {kDashes, true}, na, na, na, -1, false, false, false},
        {"special separator", 2, "Separator", {"--Media--", true}, na, na, na, -1, false, false, false},
        {"shortcut link", 3, "Shortcut", {"Clip", true}, {"C:\\v\\clip.lnk", true}, na, na, -1, false, false, false},
        {"viewable link", 4, "Viewable", {"Readme", true}, {"C:\\docs\\r.txt", true}, na, na, -1, false, false,
         false},
        {"directory link", 5, "Viewable", {"Docs", true}, {"C:\\docs", true}, na, na, -1, false, false, false},
        {"executable link", 6, "Executable", {"Tool", true}, {"C:\\t\\tool.exe", true}, {"-v", true},
         {"C:\\work", true}, 1, true, true, true},
        {"runable link with every entry", 7, "Runable", {"Go", true}, {"C:\\t\\go.bat", true}, {"-q", true},
         {"D:\\w", true}, 3, true, true, true},
        {"runable link with a window entry only", 8, "Runable", {"Run", true}, {"C:\\t\\run.cmd", true}, off, off, 2,
         true, false, false},
        {"executable link without launch entries", 9, "Executable", {"X", true}, {"C:\\t\\x.exe", true}, {"", true},
         {"", true}, 0, true, false, true},
    };
    // Every node is shown after every other kind, so no field keeps a value of the one before.
    for (int round = 0; round < 2; ++round)
        for (size_t i = 0; i < cases.size(); ++i) {
            const ShownCase& c = round == 0 ? cases[i] : cases[cases.size() - 1 - i];
            Select(c.Index < 0 ? f->RootTopMarker() : Item(c.Index));
            SCOPED_TRACE(c.Name);
            EXPECT_EQ(f->edtFileType->Text(), c.Type);
            EXPECT_EQ(Shown(f->edtFileCap), c.Caption);
            EXPECT_EQ(Shown(f->edtFilePathName), c.Path);
            EXPECT_EQ(Shown(f->edtFileParams), c.Params);
            EXPECT_EQ(Shown(f->edtFileWorkPath), c.WorkDir);
            EXPECT_EQ(WindowList()->Index, c.Window);
            EXPECT_EQ(WindowList()->Enabled, c.WindowEnabled);
            EXPECT_EQ(RunAsBox()->Checked, c.RunAs);
            EXPECT_EQ(RunAsBox()->Enabled, c.RunAsEnabled);
        }
    // Showing changes nothing: no placeholder or emptied value went into a link.
    EXPECT_EQ(f->GetItemParams(Id(Item(6))), "-v");
    EXPECT_EQ(f->GetItemWorkDir(Id(Item(7))), "D:\\w");
    EXPECT_EQ(f->GetItemPath(Id(Item(3))), "C:\\v\\clip.lnk");
    EXPECT_EQ(f->GetItemWindowState(Id(Item(3))), "WindowMin");
    EXPECT_EQ(f->GetItemWindowState(Id(Item(4))), "WindowMax");
    EXPECT_TRUE(f->GetItemRunAs(Id(Item(7))));
    EXPECT_EQ(Item(2)->Text(), "--Media--");
    EXPECT_EQ(Item(1)->Text(), kDashes);
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
}

TEST_F(ManagerEditorTest, ARunableLinkOffersOnlyTheAttributesItHasEntriesFor) {
    struct Case {
        const char* Missing;
        bool Params, WorkDir, Window, RunAs;
    };
    const Case cases[] = {
        {"parameters", false, true, true, true},
        {"working directory", true, false, true, true},
        {"window state", true, true, false, true},
        {"run as", true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Missing);
        Stop();
        StartWith("^ExeLnk|C:\\t\\go.bat|-q|bat|Go|D:\\w|*WindowHid*UserRunAs\r\n");
        int id = Id(Item(0));
        if (!c.Params) f->ItemParams.erase(id);
        if (!c.WorkDir) f->ItemWorkDirs.erase(id);
        if (!c.Window) f->ItemWindowStates.erase(id);
        if (!c.RunAs) f->ItemRunAs.erase(id);
        Select(Item(0));
        EXPECT_EQ(Shown(f->edtFileParams), (FieldView{c.Params ? "-q" : "", c.Params}));
        EXPECT_EQ(Shown(f->edtFileWorkPath), (FieldView{c.WorkDir ? "D:\\w" : "", c.WorkDir}));
        EXPECT_EQ(WindowList()->Index, c.Window ? 3 : 0) << "without an entry the list shows Default";
        EXPECT_EQ(WindowList()->Enabled, c.Window);
        EXPECT_EQ(RunAsBox()->Checked, c.RunAs);
        EXPECT_EQ(RunAsBox()->Enabled, c.RunAs);
        EXPECT_EQ(f->ItemParams.count(id) + f->ItemWorkDirs.count(id) + f->ItemWindowStates.count(id) +
                      f->ItemRunAs.count(id),
                  3u)
            << "showing creates no entry";
    }
}

TEST_F(ManagerEditorTest, TheTypeTextFollowsTheLinkClassOfThePath) {
    struct Case {
        const char* Path;
        const char* Type;
    };
    const Case cases[] = {
        {"C:\\a.exe", "Executable"}, {"C:\\a.COM", "Executable"}, {"C:\\a.cpl", "Executable"},
        {"C:\\a.bat", "Runable"},    {"C:\\a.CMD", "Runable"},    {"C:\\a.wsf", "Runable"},
        {"C:\\a.wsh", "Runable"},    {"C:\\a.LNK", "Shortcut"},   {"C:\\a.pdf", "Viewable"},
        {"C:\\noext", "Viewable"},   {"C:\\x.exe\\file", "Viewable"}, {"", "Viewable"},
    };
    std::string store;
    for (const Case& c : cases) store += std::string("^UnkLnk|") + c.Path + "||L|\r\n";
    StartWith(store);
    int i = 0;
    for (const Case& c : cases) {
        Select(Item(i++));
        EXPECT_EQ(f->edtFileType->Text(), c.Type) << c.Path;
    }
}

TEST_F(ManagerEditorTest, TheWindowListMapsTheStoredState) {
    struct Case {
        const char* Stored;
        int Entry;
        const char* Shown;
    };
    const Case cases[] = {{"WindowMax", 1, "Maximized"}, {"WindowMin", 2, "Minimized"}, {"WindowHid", 3, "Hidden"},
                          {"", 0, "Default"},            {"WindowOdd", 0, "Default"}};
    std::string store;
    for (size_t i = 0; i < std::size(cases); ++i) store += "^ExeLnk|C:\\a.exe|||A||\r\n";
    StartWith(store);
    for (size_t i = 0; i < std::size(cases); ++i) f->ItemWindowStates[static_cast<int>(i)] = cases[i].Stored;
    // Shown from a folder in between, so the list starts without a selected entry each time.
    for (size_t i = 0; i < std::size(cases); ++i) {
        Select(f->RootTopMarker());
        Select(Item(static_cast<int>(i)));
        EXPECT_EQ(WindowList()->Index, cases[i].Entry) << cases[i].Stored;
        EXPECT_EQ(f->cbWindowStyle->SelectedText(), cases[i].Shown) << cases[i].Stored;
    }
}

// On a screen of 144 DPI the box is 24 x 24 and shows the picture the shell drew at that
// size; moved to a screen of 96 DPI it shows the list's own 16 x 16 one again.
TEST_F(ManagerEditorTest, TheIconBoxShowsTheSharpPictureAtTheScreensIconSize) {
    sim.SimSystem().PixelsPerInch = 144;
    sim.SimSystem().Work = {0, 0, 2560, 1400};
    Put("C:\\t\\tool.exe", "");
    sim.SimShellCalls().SetFileIcon("C:\\t\\tool.exe", TBitmap32::Create(16, 16, 0xFFCC0000));
    sim.SimShellCalls().SetFileIcon("C:\\t\\tool.exe", TBitmap32::Create(24, 24, 0xFF00CC00));
    Put(kData + "shortcuts\\tool.bmp", EncodeBmp32(TBitmap32::Create(16, 16, 0xFF0000CC)));
    StartWith("^ExeLnk|C:\\t\\tool.exe||tool.bmp|Tool||\r\n");
    Select(Item(0));
    EXPECT_EQ(IconBox(), TBitmap32::Create(24, 24, 0xFF00CC00));
    sim.SimUI().FindForm("TFormFront")->UserMoveToDpi(96, TRect{100, 100, 900, 800});
    EXPECT_EQ(IconBox(), TBitmap32::Create(16, 16, 0xFFCC0000));
}

TEST_F(ManagerEditorTest, TheIconBoxShowsTheNodesPictureFromTheMenuList) {
    UseDistinctFace();
    Put("C:\\t\\tool.exe", "");
    sim.SimShellCalls().SetFileIcon("C:\\t\\tool.exe", TBitmap32::Create(16, 16, 0xFFCC0000));
    Put(kData + "shortcuts\\tool.bmp", EncodeBmp32(TBitmap32::Create(16, 16, 0xFF00CC00)));
    sim.Files().ForceDirectories(kData + "shortcuts\\Games");
    StartWith(
        "^Folder|Games\r\n"
        "^ExeLnk|C:\\t\\tool.exe||tool.bmp|Tool||\r\n"
        "^ExeLnk|E:\\gone.exe||gone.bmp|Gone||\r\n");
    ASSERT_EQ(Item(2)->ImageIndex(), -1) << "a link whose icon could not be found has no picture";

    Select(Item(0));
    EXPECT_EQ(IconBox(), BoxOf(0));
    EXPECT_EQ(IconBox().Pixel(0, 0), ColorRefToArgb(kFace)) << "the folder's clear corner shows the cleared box";
    EXPECT_NE(IconBox().Pixel(0, 0), f->ilPublicTV->Image(0).Pixel(0, 0)) << "not the tree list's picture";
    Select(Item(1));
    EXPECT_EQ(IconBox(), TBitmap32::Create(16, 16, 0xFFCC0000)) << "the link's own icon";
    Select(Item(2));
    EXPECT_EQ(IconBox(), TBitmap32::Create(16, 16, ColorRefToArgb(kFace))) << "no picture: an empty box";
    Select(f->RootTopMarker());
    EXPECT_EQ(IconBox(), BoxOf(4));
}

// ---- the caption rule --------------------------------------------------------------------

struct CaptionCase {
    std::string Typed;
    std::string Message;  // empty: accepted
    std::string Caption;  // the folder's caption afterwards
    bool OnLeave = false;  // refused quietly while typed, told when the user leaves the field
};

class ManagerFolderNameTest : public ManagerEditorTest {
protected:
    // A folder among siblings of every kind, and a folder with a link of another level.
    void SetUp() override {
        sim.Files().ForceDirectories(kData + "shortcuts\\Games");
        sim.Files().ForceDirectories(kData + "shortcuts\\Other");
        PutLevel("Other\\", "^UnkLnk|C:\\s.txt|txt|Stuff|\r\n");
        StartWith(
            "^Folder|Games\r\n"
            "^UnkLnk|C:\\a.txt|txt| Tools\t|\r\n"
            "^NorSep|\r\n"
            "^SpeSep|Media\r\n"
            "^Folder|Other\r\n"
            "^UnkLnk|C:\\c.txt|txt|a:b|\r\n");
        games = Item(0);
        Select(games);
    }
    // Types each text into the caption field of the selected folder; a refused name shows
    // its message in an error box with one OK button and changes nothing.
    void Check(const std::vector<CaptionCase>& cases) {
        for (const CaptionCase& c : cases) {
            SCOPED_TRACE("typed \"" + c.Typed + "\"");
            size_t dialogs = sim.SimUI().Dialogs.size();
            if (!c.Message.empty()) sim.SimUI().ExpectMessageDialog(c.Message, ModalResult::Ok);
            ASSERT_TRUE(Type(f->edtFileCap, c.Typed));
            EXPECT_EQ(games->Text(), c.Caption);
            if (c.OnLeave) {
                EXPECT_EQ(sim.SimUI().Dialogs.size(), dialogs) << "no message interrupts the typing";
                Native(f->edtFileCap)->UserLeave();
            }
            if (c.Message.empty()) {
                EXPECT_EQ(sim.SimUI().Dialogs.size(), dialogs) << "no message";
                EXPECT_EQ(Native(f->edtFileCap)->Text, c.Caption) << "the field shows what was taken";
            } else {
                ASSERT_EQ(sim.SimUI().Dialogs.size(), dialogs + 1);
                const MessageDialogRequest& d = sim.SimUI().Dialogs.back();
                EXPECT_EQ(d.Text, c.Message);
                EXPECT_EQ(d.Kind, MsgDlgType::Error);
                int shown = 0;
                for (const auto& b : d.Buttons)
                    if (b.Visible) {
                        ++shown;
                        EXPECT_EQ(b.Result, ModalResult::Ok);
                    }
                EXPECT_EQ(shown, 1);
                EXPECT_EQ(Native(f->edtFileCap)->Text, c.Typed) << "the field keeps what the user typed";
            }
        }
    }
    TTreeNode* games = nullptr;
};

TEST_F(ManagerFolderNameTest, NamesAreCheckedForEmptinessThenCharactersThenSiblingsInThatOrder) {
    Check({
        {"", kNeedName, "Games"},
        {" x", kNeedName, "Games"},
        {"\tx", kNeedName, "Games"},
        {"\x01x", kNeedName, "Games"},
        {"^|", kNeedName, "Games"},      // nothing left once the delimiters are gone
        {" a/b", kNeedName, "Games"},    // the first failing check gives the message
        {"a/b", kIllegalName, "Games"},
        {"a\\b", kIllegalName, "Games"},
        {"a:b", kIllegalName, "Games"},  // also a sibling's caption: the characters come first
        {"a*b", kIllegalName, "Games"},
        {"a?b", kIllegalName, "Games"},
        {"a\"b", kIllegalName, "Games"},
        {"a<b", kIllegalName, "Games"},
        {"a>b", kIllegalName, "Games"},
        {"tools", kDuplicatedName, "Games"},          // a link, its caption trimmed of blanks and tabs
        {"TOOLS", kDuplicatedName, "Games"},
        {"oThEr", kDuplicatedName, "Games"},          // a folder
        {"--media--", kDuplicatedName, "Games"},      // a special separator's text
        {kDashes, kDuplicatedName, "Games"},          // a normal separator's text
        {"^To|ols", kDuplicatedName, "Games"},        // the delimiters go before the comparison
    });
}

TEST_F(ManagerFolderNameTest, AcceptedNamesReplaceTheCaptionWithoutDelimiters) {
    Check({
        {"GAMES", "", "GAMES"},     // the folder itself does not count
        {"Stuff", "", "Stuff"},     // a caption of another level does not count
        {"a|b", "", "ab"},
        {"^N^e|w|", "", "New"},
        {"Tools 2", "", "Tools 2"},
        {"\xC3\xA9t\xC3\xA9", "", "\xC3\xA9t\xC3\xA9"},
    });
    EXPECT_EQ(Item(1)->Text(), " Tools\t") << "siblings keep their captions";
}

TEST_F(ManagerFolderNameTest, AfterARefusalTheNextValidKeystrokeApplies) {
    Check({{"", kNeedName, "Games"}, {"N", "", "N"}, {"Na", "", "Na"}, {"Na/", kIllegalName, "Na"},
           {"Nam", "", "Nam"}});
}

TEST_F(ManagerFolderNameTest, NamesTheDiskCannotHoldAsADirectoryAreRefused) {
    std::vector<CaptionCase> cases;
    for (const char* name : {".", "..", "a.", "Games.", "CON", "con", "PRN", "aux", "Nul", "con.txt", "NUL.tar.gz",
                             "Com3.txt", "CON .txt", "shortcuts.txt", "SHORTCUTS.TXT"})
        cases.push_back({name, kIllegalName, "Games", true});
    for (int digit = 1; digit <= 9; ++digit) {
        cases.push_back({"COM" + std::to_string(digit), kIllegalName, "Games", true});
        cases.push_back({"lpt" + std::to_string(digit) + ".log", kIllegalName, "Games", true});
    }
    Check(cases);
}

TEST_F(ManagerFolderNameTest, NamesThatOnlyResembleDeviceNamesAreAccepted) {
    std::vector<CaptionCase> cases;
    for (const char* name : {"CONSOLE", "COM0", "COM10", "LPT", "lpt0", "Auxiliary", "nul-x", ".hidden", "a.b",
                             "shortcuts.txt.old", "my shortcuts.txt"})
        cases.push_back({name, "", name});
    Check(cases);
}

TEST_F(ManagerFolderNameTest, ATrailingBlankIsNotTakenButInterruptsNobody) {
    // Every blank typed inside a name passes through this state; the field keeps the text.
    struct Case {
        const char* Typed;
        const char* Caption;
    };
    const Case cases[] = {
        {"New ", "Games"},
        {"New F", "New F"},
        {"Games ", "New F"},
        {"tools ", "New F"},  // even where the name without the blank would meet a sibling
        {"a. ", "New F"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Type(f->edtFileCap, c.Typed));
        EXPECT_EQ(games->Text(), c.Caption) << c.Typed;
        EXPECT_EQ(Native(f->edtFileCap)->Text, c.Typed);
    }
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
    // Left that way, the name is told to be one the folder cannot have.
    sim.SimUI().ExpectMessageDialog(kIllegalName, ModalResult::Ok);
    Native(f->edtFileCap)->UserLeave();
    EXPECT_EQ(sim.SimUI().Dialogs.size(), 1u);
    EXPECT_EQ(games->Text(), "New F");
}

TEST_F(ManagerEditorTest, SelectingAFolderThatAlreadySharesASiblingsNameShowsNoMessage) {
    sim.Files().ForceDirectories(kData + "shortcuts\\Games");
    StartWith("^UnkLnk|C:\\a.txt|txt|games|\r\n^Folder|Games\r\n");
    Select(Item(1));
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
    EXPECT_EQ(Shown(f->edtFileCap), (FieldView{"Games", true}));
    EXPECT_EQ(Item(1)->Text(), "Games");
    // A new name is still checked.
    ASSERT_TRUE(Type(f->edtFileCap, "Games 2"));
    EXPECT_EQ(Item(1)->Text(), "Games 2");
}

TEST_F(ManagerEditorTest, LinkCaptionsAreTakenAsTypedWithoutTheDelimiters) {
    StartWith("^UnkLnk|C:\\a.txt|txt|A|\r\n^UnkLnk|C:\\b.txt|txt|B|\r\n");
    Select(Item(0));
    struct Case {
        const char* Typed;
        const char* Caption;
    };
    for (const Case& c : {Case{"a/b:c", "a/b:c"}, Case{"B", "B"}, Case{"", ""}, Case{" x", " x"},
                          Case{"x^y|z", "xyz"}}) {
        ASSERT_TRUE(Type(f->edtFileCap, c.Typed));
        EXPECT_EQ(Item(0)->Text(), c.Caption) << c.Typed;
        EXPECT_EQ(Native(f->edtFileCap)->Text, c.Caption) << c.Typed;
    }
    EXPECT_TRUE(sim.SimUI().Dialogs.empty());
}

// ---- the separator rule ------------------------------------------------------------------

TEST_F(ManagerEditorTest, TheSeparatorRuleTurnsACaptionIntoASpecialSeparatorAndBack) {
    UseDistinctFace();
    StartWith("^NorSep|\r\n");
    TTreeNode* sep = Item(0);
    Select(sep);
    struct Case {
        const char* Typed;
        std::string Text;
        int Image;
    };
    const Case cases[] = {
        {"a-b", "--ab--", 3},
        {"---", kDashes, 2},
        {"-My-Tools-", "--MyTools--", 3},
        {"", kDashes, 2},
        {"x^|y", "--xy--", 3},
        {"-^-|", kDashes, 2},
        {"--Media--", "--Media--", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        ASSERT_TRUE(Type(f->edtFileCap, c.Typed));
        EXPECT_EQ(sep->Text(), c.Text);
        EXPECT_EQ(sep->ImageIndex(), c.Image);
        EXPECT_EQ(sep->SelectedIndex(), c.Image);
        EXPECT_EQ(Native(f->edtFileCap)->Text, c.Text) << "the field shows the stored form";
        EXPECT_EQ(IconBox(), BoxOf(c.Image)) << "the box follows the kind";
        EXPECT_EQ(Tree()->Nodes[reinterpret_cast<uintptr_t>(sep)].State.Text, c.Text);
    }
}

TEST_F(ManagerEditorTest, SelectingASeparatorShowsItsStoredTextWhole) {
    StartWith("^SpeSep|Media\r\n^NorSep|\r\n^SpeSep|My Tools\r\n");
    for (int i : {0, 1, 2, 0}) {
        std::string text = Item(i)->Text();
        Select(Item(i));
        EXPECT_EQ(Native(f->edtFileCap)->Text, text);
        EXPECT_EQ(Item(i)->Text(), text);
    }
    EXPECT_EQ(Item(0)->Text(), "--Media--");
    EXPECT_EQ(Item(2)->Text(), "--My Tools--");
}

// ---- the path rule -----------------------------------------------------------------------

TEST_F(ManagerEditorTest, APathIsStoredAtOnceOnlyWhileItNamesSomethingExisting) {
    Put("C:\\docs\\r.txt", "");
    Put("C:\\docs\\other.txt", "");
    Put("C:\\docs\\a^b.txt", "");
    StartWith("^UnkLnk|C:\\docs\\r.txt|txt|Readme|\r\n^NorSep|\r\n");
    TTreeNode* link = Item(0);
    Select(link);
    struct Case {
        const char* Typed;
        const char* Stored;
    };
    const Case cases[] = {
        {"C:\\docs\\other.txt", "C:\\docs\\other.txt"},
        {"C:\\docs\\nope.txt", "C:\\docs\\other.txt"},
        {"C:\\do", "C:\\docs\\other.txt"},
        {"", "C:\\docs\\other.txt"},
        {"C:\\docs", "C:\\docs"},
        {"C:\\docs\\a^b.txt", "C:\\docs\\a^b.txt"},  // no character is removed
        {"C:\\DOCS\\R.TXT", "C:\\DOCS\\R.TXT"},      // stored as typed
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Type(f->edtFilePathName, c.Typed));
        EXPECT_EQ(f->GetItemPath(Id(link)), c.Stored) << c.Typed;
        EXPECT_EQ(Native(f->edtFilePathName)->Text, c.Typed) << "the field keeps the text";
    }
    Type(f->edtFilePathName, "C:\\missing.txt");
    Select(Item(1));
    Select(link);
    EXPECT_EQ(Native(f->edtFilePathName)->Text, "C:\\DOCS\\R.TXT") << "shown again: the stored path";
    EXPECT_EQ(f->GetItemParams(Id(link)), "");
}

TEST_F(ManagerEditorTest, ANetworkPathIsTakenWhenTheUserLeavesTheField) {
    Put("C:\\a.exe", "");
    Put("\\\\srv\\x\\y.exe", "");
    Put("N:\\app\\z.exe", "");
    sim.SimFiles().NetworkDrives.insert('N');
    StartWith("^ExeLnk|C:\\a.exe|||A||\r\n");
    int id = Id(Item(0));
    Select(Item(0));
    for (const char* network : {"\\\\srv\\x\\y.exe", "N:\\app\\z.exe"}) {
        SCOPED_TRACE(network);
        Type(f->edtFilePathName, "C:\\a.exe");
        ASSERT_TRUE(Type(f->edtFilePathName, network));
        EXPECT_EQ(f->GetItemPath(id), "C:\\a.exe") << "not looked at while typing";
        Native(f->edtFilePathName)->UserLeave();
        EXPECT_EQ(f->GetItemPath(id), network);
    }
    // A network path that names nothing is not taken when leaving either.
    Type(f->edtFilePathName, "\\\\srv\\x\\missing.exe");
    Native(f->edtFilePathName)->UserLeave();
    EXPECT_EQ(f->GetItemPath(id), "N:\\app\\z.exe");
    // Leaving after a local path changes nothing further.
    Type(f->edtFilePathName, "C:\\a.exe");
    Native(f->edtFilePathName)->UserLeave();
    EXPECT_EQ(f->GetItemPath(id), "C:\\a.exe");
}

TEST_F(ManagerEditorTest, ANewPathChangesTheTypeOnlyWhenTheLinkIsShownAgain) {
    Put("C:\\docs\\r.txt", "");
    Put("C:\\t\\go.bat", "");
    StartWith("^UnkLnk|C:\\docs\\r.txt|txt|Readme|*WindowMax\r\n^NorSep|\r\n");
    TTreeNode* link = Item(0);
    int image = link->ImageIndex();
    Select(link);
    ASSERT_TRUE(Type(f->edtFilePathName, "C:\\t\\go.bat"));
    EXPECT_EQ(f->edtFileType->Text(), "Viewable");
    EXPECT_FALSE(Native(f->edtFileParams)->Enabled);
    Select(Item(1));
    Select(link);
    EXPECT_EQ(f->edtFileType->Text(), "Runable");
    EXPECT_EQ(Shown(f->edtFileParams), (FieldView{"", false})) << "it has no parameter entry";
    EXPECT_EQ(Shown(f->edtFileWorkPath), (FieldView{"", false}));
    EXPECT_FALSE(RunAsBox()->Enabled);
    EXPECT_FALSE(RunAsBox()->Checked);
    EXPECT_TRUE(WindowList()->Enabled) << "it has a window entry";
    EXPECT_EQ(WindowList()->Index, 1);
    EXPECT_EQ(link->ImageIndex(), image) << "the icon stays the one taken when the link was made";
}

// ---- parameters, working directory, window, run as ---------------------------------------

TEST_F(ManagerEditorTest, ParametersAndWorkingDirectoryAreStoredWithoutTheDelimiters) {
    StartWith("^ExeLnk|C:\\a.exe|-v|a.bmp|A|C:\\w|\r\n");
    int id = Id(Item(0));
    Select(Item(0));
    struct Case {
        const char* Typed;
        const char* Stored;
    };
    for (const Case& c : {Case{"-x \"C:\\a b\"", "-x \"C:\\a b\""}, Case{"a^b|c", "abc"}, Case{"", ""},
                          Case{"^|", ""}}) {
        SCOPED_TRACE(c.Typed);
        ASSERT_TRUE(Type(f->edtFileParams, c.Typed));
        EXPECT_EQ(f->GetItemParams(id), c.Stored);
        EXPECT_EQ(Native(f->edtFileParams)->Text, c.Stored);
        ASSERT_TRUE(Type(f->edtFileWorkPath, c.Typed));
        EXPECT_EQ(f->GetItemWorkDir(id), c.Stored);
        EXPECT_EQ(Native(f->edtFileWorkPath)->Text, c.Stored);
    }
}

TEST_F(ManagerEditorTest, TheWindowEntryAndTheRunAsBoxAreStored) {
    StartWith("^ExeLnk|C:\\a.exe|||A||\r\n");
    int id = Id(Item(0));
    Select(Item(0));
    struct Case {
        const char* Entry;
        const char* Stored;
    };
    for (const Case& c : {Case{"Maximized", "WindowMax"}, Case{"Minimized", "WindowMin"},
                          Case{"Hidden", "WindowHid"}, Case{"Default", ""}, Case{"Hidden", "WindowHid"}}) {
        ASSERT_TRUE(WindowList()->UserSelect(c.Entry));
        EXPECT_EQ(f->GetItemWindowState(id), c.Stored) << c.Entry;
    }
    ASSERT_TRUE(RunAsBox()->UserClick());
    EXPECT_TRUE(f->GetItemRunAs(id));
    ASSERT_TRUE(RunAsBox()->UserClick());
    EXPECT_FALSE(f->GetItemRunAs(id));
}

TEST_F(ManagerEditorTest, ADisabledFieldsRuleDoesNothing) {
    Put("C:\\a.exe", "");
    Put("C:\\b.exe", "");
    StartWith("^ExeLnk|C:\\a.exe|-v|a.bmp|A|C:\\w|*WindowMax*UserRunAs\r\n");
    int id = Id(Item(0));
    Select(Item(0));
    for (TControl* c : std::initializer_list<TControl*>{f->edtFileCap, f->edtFilePathName, f->edtFileParams,
                                                        f->edtFileWorkPath, f->cbWindowStyle, f->chkUserRunAs})
        c->SetEnabled(false);
    EXPECT_FALSE(Type(f->edtFileParams, "typed")) << "the user cannot type into it";
    // Values the program puts into the fields run the rules, which stand still.
    f->edtFileCap->SetText("New");
    f->edtFilePathName->SetText("C:\\b.exe");
    f->edtFileParams->SetText("-x");
    f->edtFileWorkPath->SetText("D:\\");
    f->cbWindowStyle->SetItemIndex(3);
    f->chkUserRunAs->SetChecked(false);
    EXPECT_EQ(Item(0)->Text(), "A");
    EXPECT_EQ(f->GetItemPath(id), "C:\\a.exe");
    EXPECT_EQ(f->GetItemParams(id), "-v");
    EXPECT_EQ(f->GetItemWorkDir(id), "C:\\w");
    EXPECT_EQ(f->GetItemWindowState(id), "WindowMax");
    EXPECT_TRUE(f->GetItemRunAs(id));
    // The top marker's caption field is disabled: its text cannot be given a caption.
    Select(f->RootTopMarker());
    f->edtFileCap->SetText("marker");
    EXPECT_EQ(f->RootTopMarker()->Text(), "");
}

TEST_F(ManagerEditorTest, EditsToALinkWithoutTableEntriesAreNotStored) {
    Put("C:\\docs\\r.txt", "");
    Put("C:\\t\\tool.exe", "");
    sim.Files().ForceDirectories("C:\\docs\\sub");
    StartWith("^UnkLnk|C:\\docs\\r.txt|txt|Readme|\r\n^UnkLnk|C:\\docs\\sub||Sub|\r\n^NorSep|\r\n");
    for (int index : {0, 1}) {
        TTreeNode* link = Item(index);
        int id = Id(link);
        SCOPED_TRACE(link->Text());
        bool hadWindow = f->ItemWindowStates.count(id) > 0;
        Select(link);
        ASSERT_TRUE(Type(f->edtFilePathName, "C:\\t\\tool.exe"));
        Select(Item(2));
        Select(link);
        EXPECT_EQ(f->edtFileType->Text(), "Executable");
        ASSERT_TRUE(Type(f->edtFileParams, "-x"));
        ASSERT_TRUE(Type(f->edtFileWorkPath, "C:\\w"));
        ASSERT_TRUE(RunAsBox()->UserClick());
        ASSERT_TRUE(WindowList()->UserSelect("Maximized"));
        EXPECT_EQ(f->ItemParams.count(id), 0u);
        EXPECT_EQ(f->ItemWorkDirs.count(id), 0u);
        EXPECT_EQ(f->ItemRunAs.count(id), 0u);
        EXPECT_EQ(f->GetItemParams(id), "");
        EXPECT_FALSE(f->GetItemRunAs(id));
        // A document link has a window entry, a directory link none.
        EXPECT_EQ(f->ItemWindowStates.count(id), hadWindow ? 1u : 0u);
        EXPECT_EQ(f->GetItemWindowState(id), hadWindow ? "WindowMax" : "");
    }
    EXPECT_TRUE(f->ItemWindowStates.count(Id(Item(0))));
}

}  // namespace
}  // namespace pv
