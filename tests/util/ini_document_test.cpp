#include "util/ini_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pv {
namespace {

using namespace std::string_literals;
using Names = std::vector<std::string>;

TEST(IniParsing, FollowsTheLineRules) {
    const IniDocument doc = IniDocument::Parse(
        "Orphan=before any section\r\n"
        "[ Main ]\r\n"
        "  Key One  =  value with  blanks  \r\n"
        "; Commented=out\r\n"
        "   ;indented=comment\r\n"
        "\r\n"
        "Empty=\r\n"
        "=no key\r\n"
        "Url=http://x/?a=b\r\n"
        "[Other]\n"
        "Tab\t=\tx\r"
        "Last=no line break");
    EXPECT_EQ(doc.SectionNames(), (Names{"Main", "Other"}));
    EXPECT_EQ(doc.ReadString("Main", "Key One", "?"), "value with  blanks");
    EXPECT_EQ(doc.ReadString("Main", "Empty", "?"), "");
    EXPECT_TRUE(doc.HasKey("Main", "Empty"));
    EXPECT_EQ(doc.ReadString("Main", "", "?"), "no key");
    EXPECT_EQ(doc.ReadString("Main", "Url", "?"), "http://x/?a=b");  // split at the first "="
    EXPECT_FALSE(doc.HasKey("Main", "Commented"));
    EXPECT_FALSE(doc.HasKey("Main", "; Commented"));
    EXPECT_FALSE(doc.HasKey("Main", "Orphan"));
    EXPECT_EQ(doc.ReadString("Other", "Tab", "?"), "x");
    EXPECT_EQ(doc.ReadString("Other", "Last", "?"), "no line break");
    EXPECT_EQ(doc.Keys("Main"), (Names{"Key One", "Empty", "", "Url"}));
}

TEST(IniParsing, TheLastSectionAndTheLastKeyWin) {
    const IniDocument doc = IniDocument::Parse(
        "[A]\r\nx=1\r\nonly=first\r\nx=2\r\n"
        "[B]\r\ny=1\r\n"
        "[a]\r\nx=3\r\nX=4\r\n");
    EXPECT_EQ(doc.ReadString("A", "x", "?"), "4");
    EXPECT_FALSE(doc.HasKey("A", "only"));  // the earlier section no longer counts
    EXPECT_EQ(doc.Keys("A"), (Names{"x"}));
    EXPECT_EQ(doc.SectionNames(), (Names{"A", "B"}));
}

TEST(IniLookups, IgnoreCaseOfSectionsAndKeysIncludingLatin1) {
    const IniDocument doc = IniDocument::Parse("[Größe]\r\nÄrger=ja\r\n");
    EXPECT_TRUE(doc.HasSection("GRÖßE"));
    EXPECT_TRUE(doc.HasSection("größe"));
    EXPECT_EQ(doc.ReadString("größe", "ärger", "nein"), "ja");
    EXPECT_EQ(doc.ReadString("GRÖSSE", "ÄRGER", "nein"), "nein");
    EXPECT_EQ(doc.ReadString("Missing", "x", "default"), "default");
    EXPECT_EQ(doc.Find("Größe", "missing"), nullptr);
    EXPECT_FALSE(doc.HasKey("Missing", "x"));
}

TEST(IniWriting, ReplacesInPlaceOrAppendsAKeyOrASection) {
    IniDocument doc = IniDocument::Parse("[A]\r\nfirst=1\r\nKey=old\r\nlast=3\r\n[B]\r\nb=1\r\n");
    doc.WriteString("a", "KEY", "new");
    doc.WriteString("B", "added", "x");
    doc.WriteString("New Section", "k", "v");
    EXPECT_EQ(doc.ToText(),
              "[A]\r\nfirst=1\r\nKey=new\r\nlast=3\r\n\r\n"
              "[B]\r\nb=1\r\nadded=x\r\n\r\n"
              "[New Section]\r\nk=v\r\n\r\n");
    EXPECT_EQ(doc.ReadString("New Section", "K", "?"), "v");
}

TEST(IniWriting, ReplacesTheOccurrenceThatLookupsRead) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1\r\nx=2\r\n");
    doc.WriteString("A", "x", "3");
    EXPECT_EQ(doc.ReadString("A", "x", "?"), "3");
    EXPECT_EQ(doc.ToText(), "[A]\r\nx=1\r\nx=3\r\n\r\n");
}

TEST(IniWriting, DeleteKeyRemovesEveryOccurrenceAndKeepsLookupsRight) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1\r\ny=2\r\nX=3\r\nz=4\r\n");
    doc.DeleteKey("a", "x");
    EXPECT_FALSE(doc.HasKey("A", "x"));
    EXPECT_EQ(doc.ReadString("A", "y", "?"), "2");
    EXPECT_EQ(doc.ReadString("A", "z", "?"), "4");  // lines moved up; the index must follow
    EXPECT_EQ(doc.Keys("A"), (Names{"y", "z"}));
    doc.WriteString("A", "z", "5");
    EXPECT_EQ(doc.ToText(), "[A]\r\ny=2\r\nz=5\r\n\r\n");
    doc.DeleteKey("A", "missing");
    doc.DeleteKey("Missing", "y");
    EXPECT_EQ(doc.Keys("A"), (Names{"y", "z"}));
}

TEST(IniWriting, EraseSectionRemovesEveryOccurrenceAndKeepsLookupsRight) {
    IniDocument doc = IniDocument::Parse("[A]\r\na=1\r\n[B]\r\nb=1\r\n[a]\r\na=2\r\n[C]\r\nc=1\r\n");
    doc.EraseSection("A");
    EXPECT_FALSE(doc.HasSection("A"));
    EXPECT_EQ(doc.SectionNames(), (Names{"B", "C"}));
    EXPECT_EQ(doc.ReadString("C", "c", "?"), "1");  // sections moved up; the index must follow
    EXPECT_EQ(doc.ReadString("B", "b", "?"), "1");
    doc.EraseSection("Missing");
    doc.WriteString("A", "new", "x");
    EXPECT_EQ(doc.ToText(), "[B]\r\nb=1\r\n\r\n[C]\r\nc=1\r\n\r\n[A]\r\nnew=x\r\n\r\n");
}

TEST(IniParsing, KeepsUnkeyedLinesOnlyWhenAsked) {
    const std::string text = "[Help]\r\nA line of text\r\nkey=v\r\n  indented text  \r\n";
    const IniDocument kept = IniDocument::Parse(text);
    EXPECT_EQ(kept.ToText(), "[Help]\r\nA line of text\r\nkey=v\r\nindented text\r\n\r\n");
    EXPECT_EQ(kept.Keys("Help"), (Names{"key"}));
    IniDocument::ParseRules rules;
    rules.KeepUnkeyedLines = false;
    const IniDocument dropped = IniDocument::Parse(text, rules);
    EXPECT_EQ(dropped.ToText(), "[Help]\r\nkey=v\r\n\r\n");
}

TEST(IniDocument, RoundTripsItsOwnText) {
    const IniDocument doc = IniDocument::Parse("[S1]\r\na=1\r\nfree\r\n[S2]\r\n[S3]\r\nb= x = y\r\n");
    EXPECT_EQ(doc.ToText(), "[S1]\r\na=1\r\nfree\r\n\r\n[S2]\r\n\r\n[S3]\r\nb=x = y\r\n\r\n");
    EXPECT_EQ(IniDocument::Parse(doc.ToText()).ToText(), doc.ToText());
}

TEST(IniDocument, CopiesAreIndependentAndMovesKeepTheContent) {
    IniDocument original = IniDocument::Parse("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    IniDocument copy(original);
    copy.WriteString("A", "x", "changed");
    copy.EraseSection("B");
    EXPECT_EQ(original.ReadString("A", "x", "?"), "1");
    EXPECT_EQ(original.ReadString("B", "y", "?"), "2");
    EXPECT_EQ(copy.ReadString("A", "x", "?"), "changed");

    IniDocument assigned;
    assigned.WriteString("Old", "k", "v");
    assigned = original;
    EXPECT_FALSE(assigned.HasSection("Old"));
    EXPECT_EQ(assigned.ToText(), original.ToText());
    assigned = *&assigned;  // self-assignment keeps the content
    EXPECT_EQ(assigned.ReadString("B", "y", "?"), "2");

    IniDocument moved(std::move(copy));
    EXPECT_EQ(moved.ReadString("A", "x", "?"), "changed");
    IniDocument moveAssigned;
    moveAssigned = std::move(moved);
    EXPECT_EQ(moveAssigned.ReadString("a", "X", "?"), "changed");
    moveAssigned.WriteString("A", "y", "1");
    EXPECT_EQ(moveAssigned.Keys("A"), (Names{"x", "y"}));
}

TEST(IniDocument, ClearEmptiesEverything) {
    IniDocument doc = IniDocument::Parse("[A]\r\nx=1\r\n");
    EXPECT_FALSE(doc.Empty());
    doc.Clear();
    EXPECT_TRUE(doc.Empty());
    EXPECT_FALSE(doc.HasSection("A"));
    EXPECT_EQ(doc.ToText(), "");
    EXPECT_TRUE(IniDocument::Parse("").Empty());
    EXPECT_TRUE(IniDocument::Parse("no=section\r\n;\r\n").Empty());
}

TEST(IniParsing, BinaryGarbageNeverCrashes) {
    // A damaged or foreign file must parse into something, and whatever it parsed into must
    // be writable and readable again.
    uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<char>(state >> 16);
    };
    const std::string alphabet = "[]=;\r\n \t\0\xC3\x80\xFF"s;
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        const int len = round * 7 % 300;
        for (int i = 0; i < len; ++i) {
            char c = next();
            bytes += (c & 1) ? alphabet[static_cast<unsigned char>(c) % alphabet.size()] : c;
        }
        IniDocument doc = IniDocument::Parse(bytes);
        const std::string text = doc.ToText();
        IniDocument again = IniDocument::Parse(text);
        for (const auto& s : doc.SectionNames())
            for (const auto& k : doc.Keys(s)) ASSERT_NE(doc.Find(s, k), nullptr);
        (void)again.SectionNames();
    }
    for (std::string edge : {"["s, "]"s, "[]"s, "="s, "[\0]"s, "\0"s, "\r"s, "\n\r\n\r"s, "[x]\r\n["s}) {
        IniDocument doc = IniDocument::Parse(edge);
        (void)doc.ToText();
    }
    EXPECT_TRUE(IniDocument::Parse("[]\r\nk=v").HasKey("", "k"));
}

}  // namespace
}  // namespace pv

namespace pv {
namespace {

TEST(IniDocument, EveryChangeGivesANewRevisionNeverSharedWithAnotherDocument) {
    IniDocument a = IniDocument::Parse("[S]\r\nK=v\r\n");
    IniDocument b = a;
    EXPECT_NE(a.Revision(), b.Revision());
    uint64_t seen = a.Revision();
    auto changed = [&](const char* what) {
        EXPECT_NE(a.Revision(), seen) << what;
        seen = a.Revision();
    };
    a.WriteString("S", "K", "w");
    changed("write");
    a.DeleteKey("S", "K");
    changed("delete key");
    a.EraseSection("S");
    changed("erase section");
    a.DeleteKey("S", "K");
    a.EraseSection("S");
    EXPECT_EQ(a.Revision(), seen) << "nothing to delete changes nothing";
    a = b;
    changed("copy");
    a = IniDocument::Parse("[T]\r\n");
    changed("move");
    a.Clear();
    changed("clear");
}

}  // namespace
}  // namespace pv
