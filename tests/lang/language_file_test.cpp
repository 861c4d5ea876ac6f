#include "lang/language_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/sim/sim_platform.h"
#include "util/exception.h"

namespace pv {
namespace {

using namespace std::string_literals;

struct EscapeCase {
    std::string Text;
    std::string Stored;
};

class IniValueEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(IniValueEscapes, EncodeGivesTheStoredFormAndDecodeGivesTheTextBack) {
    EXPECT_EQ(EncodeIniValue(GetParam().Text), GetParam().Stored);
    EXPECT_EQ(DecodeIniValue(GetParam().Stored), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniValueEscapes,
    ::testing::Values(EscapeCase{"", ""}, EscapeCase{"plain text", "plain text"},
                      EscapeCase{"a < b & c", "a &lt; b &amp; c"}, EscapeCase{"x > y", "x &gt; y"},
                      EscapeCase{"Line one\r\nLine two", "Line one<NL>Line two"},
                      EscapeCase{"a\rb\nc", "a<#13>b<#10>c"},
                      // LF CR is two lone breaks, not a pair.
                      EscapeCase{"\n\r", "<#10><#13>"}, EscapeCase{"a\0b"s, "a<#0>b"},
                      EscapeCase{" x ", "<#32>x "}, EscapeCase{"\tx\t", "<#9>x\t"},
                      // Only the first character is escaped; inner and trailing blanks stay.
                      EscapeCase{"  two", "<#32> two"},
                      // Escape look-alikes in a text survive through the "&" escapes.
                      EscapeCase{"<NL> and <#9>", "&lt;NL&gt; and &lt;#9&gt;"},
                      EscapeCase{"R&D &amp; more", "R&amp;D &amp;amp; more"}));

TEST(IniValueDecoding, FollowsTheFormatsOrderOfReplacements) {
    // "&amp;" is undone before "&lt;", so the stored "&amp;lt;" means "<".
    EXPECT_EQ(DecodeIniValue("&amp;lt;"), "<");
    EXPECT_EQ(DecodeIniValue("&amp;gt;"), ">");
    EXPECT_EQ(DecodeIniValue("<#32>Indented"), " Indented");
    EXPECT_EQ(DecodeIniValue("a<#99>b<nl>"), "a<#99>b<nl>");  // unknown and wrongly cased escapes stay
}

TEST(IniValueDecoding, LeadingBlankSurvivesTheFileButTrailingBlankIsTrimmed) {
    IniDocument doc = ParseUtf8LanguageFile("[S]\r\nK=" + EncodeIniValue(" x ") + "\r\n");
    ASSERT_NE(doc.Find("S", "K"), nullptr);
    EXPECT_EQ(DecodeIniValue(*doc.Find("S", "K")), " x");
}

TEST(LanguageFileParsing, FollowsTheIniRules) {
    const std::string text =
        "Orphan=before any section\r\n"
        "[StrsRes__MessageText__FrontMain]\r\n"
        "Early=only in the first copy\r\n"
        "Twice=first\r\n"
        "[Other]\r\n"
        "  Key  =  Value  \r\n"
        "\t\x01Tabbed\t=\tx\x1f\r\n"
        "; Commented=out\r\n"
        "Equation=a=b=c\n"
        "Empty=\r"
        "no equals sign here\r\n"
        "[not a section\r\n"
        "[Broken=yes\r\n"
        "[  strsres__messagetext__frontmain  ]\r\n"
        "Twice=second\r\n"
        "Twice=third\r\n";
    IniDocument doc = ParseUtf8LanguageFile(text);

    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"StrsRes__MessageText__FrontMain", "Other"}));
    EXPECT_EQ(doc.ReadString("OTHER", "key", "?"), "Value");
    EXPECT_EQ(doc.ReadString("Other", "Tabbed", "?"), "x");
    EXPECT_EQ(doc.ReadString("Other", "Equation", "?"), "a=b=c");
    EXPECT_EQ(doc.ReadString("Other", "Empty", "?"), "");
    EXPECT_EQ(doc.ReadString("Other", "[Broken", "?"), "yes");
    EXPECT_EQ(doc.Keys("Other"), (std::vector<std::string>{"Key", "Tabbed", "Equation", "Empty", "[Broken"}));
    // The later copy of a section replaces the earlier one, and within it the last key wins.
    EXPECT_EQ(doc.ReadString("StrsRes__MessageText__FrontMain", "Twice", "?"), "third");
    EXPECT_FALSE(doc.HasKey("StrsRes__MessageText__FrontMain", "Early"));
    EXPECT_FALSE(doc.HasKey("Other", "Commented"));
}

TEST(LanguageFileParsing, ByteOrderMarkChangesNothing) {
    const std::string body = "[MetaData]\r\nLingua_ID=de-de\r\n[S]\r\nK=Grüße\r\n";
    IniDocument plain = ParseUtf8LanguageFile(body);
    IniDocument marked = ParseUtf8LanguageFile("\xEF\xBB\xBF" + body);
    EXPECT_EQ(marked.ToText(), plain.ToText());
    EXPECT_EQ(marked.ReadString("MetaData", "Lingua_ID", ""), "de-de");
    EXPECT_EQ(marked.ReadString("S", "K", ""), "Grüße");
}

TEST(LanguageFileParsing, ShortAndBrokenFilesLoadWithoutError) {
    EXPECT_TRUE(ParseUtf8LanguageFile("").Empty());
    EXPECT_TRUE(ParseUtf8LanguageFile("\xEF\xBB\xBF").Empty());
    EXPECT_TRUE(ParseUtf8LanguageFile("\xEF\xBB").Empty());
    EXPECT_TRUE(ParseUtf8LanguageFile("[").Empty());
    // A broken sequence becomes U+FFFD; the rest of the line is kept.
    IniDocument doc = ParseUtf8LanguageFile("[S]\nK=a\xFF" "b\xC3\n");
    EXPECT_EQ(doc.ReadString("S", "K", ""), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(LanguageFileParsing, BinaryContentLoadsAndYieldsOnlyWhatTheRulesGive) {
    std::string bytes = "[S]\nGood=1\n";
    uint32_t x = 12345;
    for (int i = 0; i < 300000; ++i) {
        x = x * 1103515245u + 12345u;
        bytes += static_cast<char>(x >> 24);
    }
    bytes += "\n[S]\nGood=2\n";
    IniDocument doc = ParseUtf8LanguageFile(bytes);
    EXPECT_EQ(doc.ReadString("S", "Good", ""), "2");
    sim::SimSystemInfo system;
    EXPECT_EQ(ParsePlainLanguageFile(bytes, system).ReadString("S", "Good", ""), "2");
}

TEST(LanguageFileParsing, PlainVariantIsConvertedFromTheCodePage) {
    sim::SimSystemInfo system;
    IniDocument doc = ParsePlainLanguageFile("[S]\r\nK=Gr\xFC\xDF" "e \x80\r\n", system);
    EXPECT_EQ(doc.ReadString("S", "K", ""), "Grüße €");
}

TEST(LanguageFileLoading, ReadsThroughThePlatformAndReportsAnUnreadableFile) {
    sim::SimPlatform sim;
    const std::string path = "C:\\App\\trans\\de-de\\UTF8_program.ini";
    sim.SimFiles().PutFile(path, "\xEF\xBB\xBF[S]\nK=v\n");
    EXPECT_EQ(LoadLanguageFile(sim, path, TvdlgLanguageFileEncoding::Utf8).ReadString("S", "K", ""), "v");
    sim.SimFiles().SetUnreadable(path);
    EXPECT_THROW(LoadLanguageFile(sim, path, TvdlgLanguageFileEncoding::Utf8), EFOpenError);
}

TEST(TranslatableKeys, MetadataPlainNamesAndValuesAreTranslatedTemplatesAreNot) {
    struct Case {
        const char* Section;
        const char* Key;
        bool Translatable;
    };
    const Case cases[] = {
        {"MetaData", "Lingua_ID", true},
        {"metadata", "Some__Template", true},
        {"StrsGui____Controls__FrontMain", "BitBtnAttach.Caption", true},
        {"StrsRes__MessageText__FrontMain", "WantSaveChanges__Value", true},
        {"StrsRes__MessageText__FrontMain", "WantSaveChanges__VALUE", true},
        {"StrsRes__MessageText__FrontMain", "WantSaveChanges__Template", false},
        {"StrsRes__MessageText__FrontMain", "Value__Other", false},
        {"StrsRes__MessageText__FrontMain", "__Value", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsTranslatableKey(c.Section, c.Key), c.Translatable) << c.Section << " / " << c.Key;
}

TEST(LogicalFileNames, PrefixedNamesHaveOneFileBareNamesTwo) {
    auto prefixed = LanguageFilePaths("C:\\P\\trans\\de-de", "UTF8_program.ini");
    EXPECT_EQ(prefixed.Utf8, "C:\\P\\trans\\de-de\\UTF8_program.ini");
    EXPECT_EQ(prefixed.Plain, "");
    auto lower = LanguageFilePaths("C:\\P\\trans\\de-de\\", "utf8_shared.ini");
    EXPECT_EQ(lower.Utf8, "C:\\P\\trans\\de-de\\utf8_shared.ini");
    EXPECT_EQ(lower.Plain, "");
    auto bare = LanguageFilePaths("C:\\P\\trans\\de-de\\", "program.ini");
    EXPECT_EQ(bare.Utf8, "C:\\P\\trans\\de-de\\UTF8_program.ini");
    EXPECT_EQ(bare.Plain, "C:\\P\\trans\\de-de\\program.ini");
}

TEST(MetaDataRecord, IsWrittenInFileOrderAndReadBackUnescaped) {
    TvdlgTransMetaData meta{"en-us", "English (US)", "A. Author", "a@example.com", "https://example.com",
                            "", "Please <NL> keep & as is", "2026-12-10 10:00:00", "Pivola", "1.7.9"};
    IniDocument doc;
    WriteMetaDataSection(doc, meta);
    EXPECT_EQ(doc.ToText(),
              "[MetaData]\r\nLingua_ID=en-us\r\nLingua_Desc=English (US)\r\nAuthor_Name=A. Author\r\n"
              "Author_Email=a@example.com\r\nAuthor_WebUrl=https://example.com\r\nAuthor_ThanksTo=\r\n"
              "Author_Comments=Please <NL> keep & as is\r\nDocument_LastUpdateDate=2026-12-10 10:00:00\r\n"
              "Document_LastUpdateProgram=Pivola\r\nDocument_LastUpdateVersion=1.7.9\r\n\r\n");
    EXPECT_EQ(ReadMetaDataSection(ParseUtf8LanguageFile(doc.ToText())), meta);
    EXPECT_EQ(ReadMetaDataSection(IniDocument()), TvdlgTransMetaData{});
}

}  // namespace
}  // namespace pv
