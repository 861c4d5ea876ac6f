#include "util/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pv {
namespace {

using namespace std::string_literals;

TEST(Utf16Conversion, RoundTripsAllPlanesIncludingSurrogatePairs) {
    const std::string text = "A\x7F é € \xEF\xBF\xBD 中 😀 \xF4\x8F\xBF\xBF"s + "\0z"s;
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"A\x7F é € \xFFFD 中 \xD83D\xDE00 \xDBFF\xDFFF"s + u"\0z"s);
    EXPECT_EQ(Utf16ToUtf8(wide), text);
    EXPECT_TRUE(IsValidUtf8(text));
}

TEST(Utf16Conversion, LoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(Utf16ToUtf8(u"a\xD800"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00z"), "\xEF\xBF\xBDz");
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00\xD800"), "\xEF\xBF\xBD\xEF\xBF\xBD");  // reversed pair
    EXPECT_EQ(Utf16ToUtf8(u"\xD800\xD800\xDC00"), "\xEF\xBF\xBD\xF0\x90\x80\x80");
}

struct BrokenCase {
    std::string Bytes;
    std::u16string Decoded;
};
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.Bytes); }

class InvalidUtf8 : public ::testing::TestWithParam<BrokenCase> {};

// Every decoder sees exactly the test's bytes in a buffer of their own size, so that the
// address sanitizer catches a read past the end of a cut-off sequence.
TEST_P(InvalidUtf8, BecomesReplacementCharactersWithoutReadingPastTheEnd) {
    const std::string& bytes = GetParam().Bytes;
    std::vector<char> exact(bytes.begin(), bytes.end());
    std::string_view view(exact.data(), exact.size());
    EXPECT_FALSE(IsValidUtf8(view));
    EXPECT_EQ(Utf8ToUtf16(view), GetParam().Decoded);
    const std::string clean = SanitizeUtf8(view);
    EXPECT_TRUE(IsValidUtf8(clean));
    EXPECT_EQ(Utf8ToUtf16(clean), GetParam().Decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InvalidUtf8,
    ::testing::Values(BrokenCase{"\x80", u"\xFFFD"},                           // stray continuation
                      BrokenCase{"a\xC3", u"a\xFFFD"},                         // cut off at the end
                      BrokenCase{"\xE2\x82", u"\xFFFD\xFFFD"},                 // cut-off three-byte sequence
                      BrokenCase{"\xF0\x9F\x98", u"\xFFFD\xFFFD\xFFFD"},       // cut-off four-byte sequence
                      BrokenCase{"\xC3(", u"\xFFFD("},                         // lead without continuation
                      BrokenCase{"\xC0\xAF", u"\xFFFD\xFFFD"},                 // overlong "/"
                      BrokenCase{"\xE0\x80\xAF", u"\xFFFD\xFFFD\xFFFD"},       // overlong "/"
                      BrokenCase{"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},       // encoded surrogate
                      BrokenCase{"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // above U+10FFFF
                      BrokenCase{"\xF8\x88\x80\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"},
                      BrokenCase{"\xFF", u"\xFFFD"}, BrokenCase{"ok\xFE!", u"ok\xFFFD!"}));

TEST(SanitizeUtf8, KeepsValidTextByteForByte) {
    const std::string text = "Größe 😀 \xEF\xBF\xBD"s + "\0"s;
    EXPECT_EQ(SanitizeUtf8(text), text);
    EXPECT_EQ(SanitizeUtf8(""), "");
    EXPECT_TRUE(IsValidUtf8(""));
}

TEST(SanitizeUtf8, NeverCrashesOnAnyByteSequence) {
    // Every pair of bytes, cut at every length: the result is always valid UTF-8.
    for (int a = 0; a < 256; ++a)
        for (int b = 0x70; b < 0x100; b += 0x0F) {
            const char buf[2] = {static_cast<char>(a), static_cast<char>(b)};
            for (size_t len = 1; len <= 2; ++len) {
                std::vector<char> exact(buf, buf + len);
                ASSERT_TRUE(IsValidUtf8(SanitizeUtf8(std::string_view(exact.data(), exact.size()))));
            }
        }
}

TEST(ByteOrderMark, IsRecognisedAndStrippedOnlyWhenComplete) {
    EXPECT_TRUE(HasUtf8Bom("\xEF\xBB\xBF"));
    EXPECT_TRUE(HasUtf8Bom("\xEF\xBB\xBFtext"));
    EXPECT_FALSE(HasUtf8Bom("\xEF\xBB"));
    EXPECT_FALSE(HasUtf8Bom("text\xEF\xBB\xBF"));
    EXPECT_FALSE(HasUtf8Bom(""));
    EXPECT_EQ(StripUtf8Bom("\xEF\xBB\xBFtext"), "text");
    EXPECT_EQ(StripUtf8Bom("\xEF\xBB\xBF"), "");
    EXPECT_EQ(StripUtf8Bom("\xEF\xBBx"), "\xEF\xBBx");
    EXPECT_EQ(StripUtf8Bom("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");  // only one
}

TEST(Windows1252, MapsTheHighPositionsBothWays) {
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ", &lossless),
              "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B"
              "\x9C\x9E\x9F");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Utf8ToCp1252("Größe \xC2\xA0¿ÿ", &lossless), "Gr\xF6\xDF" "e \xA0\xBF\xFF");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Cp1252ToUtf8("\x80 Gr\xF6\xDF" "e \x9F"), "€ Größe Ÿ");
}

TEST(Windows1252, EveryByteSurvivesTheTripThroughUtf8) {
    // A file in the code page is read as UTF-8 and written back; no byte may turn into "?",
    // not even the five positions the code page leaves unassigned.
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252(utf8, &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Windows1252, TextItCannotHoldBecomesQuestionMarksAndClearsLossless) {
    bool lossless = true;
    EXPECT_EQ(Utf8ToCp1252("a中b😀c", &lossless), "a?b?c");
    EXPECT_FALSE(lossless);
    lossless = true;
    EXPECT_EQ(Utf8ToCp1252("x\xC3", &lossless), "x?");  // broken input is not held either
    EXPECT_FALSE(lossless);
    lossless = true;
    EXPECT_EQ(Utf8ToCp1252("\xEF\xBF\xBD", &lossless), "?");
    EXPECT_FALSE(lossless);
    // The flag is set again by every call, and may be left out.
    EXPECT_EQ(Utf8ToCp1252("plain", &lossless), "plain");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Utf8ToCp1252("中"), "?");
}

}  // namespace
}  // namespace pv
