// What an installation ships beside pivola.exe: the English language files written from
// the registered texts, the German translation kept in the repository, and the starter
// item store with its environment references.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "controls/edit.h"
#include "controls/menus.h"
#include "lang/language_composite.h"
#include "lang/language_file.h"
#include "tests/app/app_fixture.h"
#include "tools/shipped/shipped_files.h"

namespace pv {
namespace {

using Documents = std::map<std::string, IniDocument, TextLess>;

// The base culture's documents of a program whose every window has been open once.
class RegisteredTextsTest : public testing::AppTest {
protected:
    Documents Registered() {
        Start();
        frame->InstantiateAllForms();
        Documents docs;
        for (const auto& [key, doc] : frame->Composite->Controller().LanguageFiles())
            if (StartsWithText(key, "en-us|")) docs.emplace(key.substr(6), doc);
        return docs;
    }
};

// Every key of `expected` stands in `actual` with the value a reader of `expected` would
// get, and nothing more.
void ExpectSameEntries(const IniDocument& expected, const IniDocument& actual, const std::string& file) {
    for (const std::string& section : expected.SectionNames())
        for (const std::string& key : expected.Keys(section)) {
            const std::string* value = actual.Find(section, key);
            ASSERT_TRUE(value) << file << " [" << section << "] lacks " << key;
            // A file keeps no trailing blank (values are trimmed when read), so a registered
            // text that ends in one is written, and read back, without it.
            EXPECT_EQ(*value, TrimRight(*expected.Find(section, key))) << file << " [" << section << "] " << key;
        }
    for (const std::string& section : actual.SectionNames())
        for (const std::string& key : actual.Keys(section))
            EXPECT_TRUE(expected.HasKey(section, key)) << file << " [" << section << "] has the extra key " << key;
}

TEST_F(RegisteredTextsTest, TheEnglishFilesHoldEveryRegisteredTextInTheLanguageFileFormat) {
    const Documents registered = Registered();
    const auto files = shipped::EnglishLanguageFiles();
    ASSERT_EQ(files.size(), 3u);
    for (const auto& f : files) {
        SCOPED_TRACE(f.Path);
        ASSERT_TRUE(StartsWith(f.Path, "trans\\en-us\\UTF8_"));
        const std::string name = f.Path.substr(12);
        ASSERT_TRUE(registered.count(name));
        ASSERT_TRUE(StartsWith(f.Bytes, "\xEF\xBB\xBF")) << "byte order mark";
        for (size_t i = 0; i < f.Bytes.size(); ++i)
            if (f.Bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && f.Bytes[i - 1] == '\r') << "a lone LF at " << i;
            }
        EXPECT_TRUE(StartsWith(f.Bytes.substr(3), "[MetaData]\r\nLingua_ID=en-us\r\n"));
        ExpectSameEntries(registered.at(name), ParseUtf8LanguageFile(f.Bytes), name);
    }
    // The windows' own texts are there, not only the frame's.
    EXPECT_TRUE(registered.at("UTF8_program.ini").HasSection("StrsGui____Controls__FrontMain"));
    EXPECT_TRUE(registered.at("UTF8_program.ini").HasSection("StrsGui____Controls_ProgramOptions"));
    EXPECT_TRUE(registered.at("UTF8_shared.ini").HasSection("StrsGui____Controls__CheckUpdates"));
}

std::string ReadSourceFile(const std::string& relative) {
    std::ifstream in(std::filesystem::path(PIVOLA_SOURCE_DIR) / relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(RegisteredTextsTest, EveryEnglishKeyHasAGermanValue) {
    const Documents registered = Registered();
    for (const auto& [name, english] : registered) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadSourceFile("dist/trans/de-de/" + name);
        ASSERT_TRUE(StartsWith(bytes, "\xEF\xBB\xBF")) << "missing, or without byte order mark";
        const IniDocument german = ParseUtf8LanguageFile(bytes);
        EXPECT_EQ(german.ReadString("MetaData", "Lingua_ID", ""), "de-de");
        for (const std::string& section : english.SectionNames())
            for (const std::string& key : english.Keys(section)) {
                if (!IsTranslatableKey(section, key)) continue;
                const std::string* value = german.Find(section, key);
                const std::string* source = english.Find(section, key);
                ASSERT_TRUE(value) << "[" << section << "] " << key << " is not translated";
                if (!source->empty()) {
                    EXPECT_FALSE(value->empty()) << "[" << section << "] " << key << " is empty";
                }
            }
        // A key the program no longer registers is a translation nobody sees.
        for (const std::string& section : german.SectionNames())
            for (const std::string& key : german.Keys(section))
                EXPECT_TRUE(english.HasKey(section, key)) << "[" << section << "] " << key << " is stale";
    }
}

class StarterStoreTest : public testing::AppTest {
protected:
    std::vector<TTreeNode*> RootItems() {
        std::vector<TTreeNode*> out;
        for (TTreeNode* n = Front()->RootTopMarker()->GetNextSibling(); n; n = n->GetNextSibling()) out.push_back(n);
        return out;
    }
};

TEST_F(StarterStoreTest, IsSeededFromTheProgramFolderAndShowsItsLinksOnAnyWindowsFolder) {
    // A system installed elsewhere than C:\Windows: the links follow it.
    sim.SimSystem().Environment["SystemRoot"] = "D:\\WinNT";
    sim.SimSystem().Environment["USERPROFILE"] = "D:\\Users\\Tester";
    for (const char* f : {"D:\\WinNT\\notepad.exe", "D:\\WinNT\\System32\\cmd.exe", "D:\\WinNT\\System32\\control.exe"})
        Put(f, "MZ");
    for (const auto& f : shipped::StarterStore()) Put(kApp + f.Path, f.Bytes);
    Start();

    const std::vector<TTreeNode*> items = RootItems();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0]->Text(), "--System--");
    EXPECT_EQ(items[1]->Text(), "Notepad");
    EXPECT_EQ(items[2]->Text(), "Command Prompt");
    EXPECT_EQ(items[3]->Text(), "Control Panel");
    EXPECT_EQ(items[4]->Text(), "Windows folder");
    EXPECT_EQ(items[4]->ImageIndex(), 5) << "a directory link";
    EXPECT_EQ(Get(kData + "shortcuts\\shortcuts.txt"), Get(kApp + "shortcuts\\shortcuts.txt"));
    EXPECT_NE(Get(kData + "shortcuts\\shortcuts.txt").find("^ExeLnk|%SystemRoot%\\notepad.exe|"), std::string::npos)
        << "the store keeps the reference";

    Front()->LaunchItem(static_cast<int>(items[2]->Data()));
    const sim::ShellCall& call = sim.SimShellCalls().Calls.back();
    EXPECT_EQ(call.File, "D:\\WinNT\\System32\\cmd.exe");
    EXPECT_EQ(call.Dir, "D:\\Users\\Tester") << "the working directory is filled in too";

    // A path typed with a reference is taken as typed once its target exists.
    Front()->tvItems->SetSelected(items[1]);
    Front()->edtFilePathName->SetText("%SystemRoot%\\System32\\control.exe");
    EXPECT_EQ(Front()->GetItemPath(static_cast<int>(items[1]->Data())), "%SystemRoot%\\System32\\control.exe");
    Front()->edtFilePathName->SetText("%SystemRoot%\\missing.exe");
    EXPECT_EQ(Front()->GetItemPath(static_cast<int>(items[1]->Data())), "%SystemRoot%\\System32\\control.exe");

    // Sweeping finds every target alive.
    Front()->tvItems->SetSelected(items[1]);
    Front()->BitBtnSweepClick(nullptr);
    EXPECT_EQ(RootItems().size(), 5u);
}

TEST_F(StarterStoreTest, NeverReplacesTheUsersOwnStore) {
    for (const auto& f : shipped::StarterStore()) Put(kApp + f.Path, f.Bytes);
    Put(kData + "shortcuts\\shortcuts.txt", "^NorSep|\r\n");
    Start();
    EXPECT_EQ(Get(kData + "shortcuts\\shortcuts.txt"), "^NorSep|\r\n");
}

TEST(SimEnvironmentTest, ReferencesToUnknownNamesStayAsTheyStand) {
    sim::SimPlatform sim;
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"%SystemRoot%\\notepad.exe", "C:\\Windows\\notepad.exe"},
                 {"%systemroot%", "C:\\Windows"},
                 {"50% off %windir%", "50% off C:\\Windows"},
                 {"%Nope%\\x", "%Nope%\\x"},
                 {"100%", "100%"},
                 {"%%", "%%"}};
    for (const auto& c : cases) EXPECT_EQ(sim.System().ExpandEnvironment(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace pv
