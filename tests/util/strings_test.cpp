#include "util/strings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace pv {
namespace {

using namespace std::string_literals;

TEST(Trim, RemovesEveryCodeUpToBlankButNothingAbove) {
    const std::string padded = "\0\t\r\n \x1F"s + "a b" + " \x01\x20"s;
    EXPECT_EQ(Trim(padded), "a b");
    EXPECT_EQ(TrimLeft(padded), "a b \x01 "s);
    EXPECT_EQ(TrimRight(padded), "\0\t\r\n \x1F"s + "a b");
    EXPECT_EQ(Trim(" \x7F "), "\x7F");                // DEL is not blank
    EXPECT_EQ(Trim(" \xC2\xA0 "), "\xC2\xA0");         // nor is a UTF-8 no-break space
    EXPECT_EQ(Trim(" \t\r\n"), "");
    EXPECT_EQ(TrimLeft(""), "");
    EXPECT_EQ(TrimRight(""), "");
}

TEST(CaseFolding, FoldsAsciiAndLatin1LettersOnly) {
    EXPECT_EQ(LowerCase("ABC xyz 09 @[`{"), "abc xyz 09 @[`{");
    EXPECT_EQ(UpperCase("abc XYZ 09 @[`{"), "ABC XYZ 09 @[`{");
    // À..Þ and à..þ pair up, except × and ÷; ß and ÿ have no Latin-1 partner.
    EXPECT_EQ(LowerCase("ÀÉÖØÞ×ß"), "àéöøþ×ß");
    EXPECT_EQ(UpperCase("àéöøþ÷ÿß"), "ÀÉÖØÞ÷ÿß");
    // Letters outside Latin-1 and broken sequences pass through unchanged.
    EXPECT_EQ(LowerCase("ĀŁΣ€"), "ĀŁΣ€");
    EXPECT_EQ(UpperCase("āłσ"), "āłσ");
    EXPECT_EQ(LowerCase("A\xC3"), "a\xC3");
    EXPECT_EQ(LowerCase("\xC3" "A"), "\xC3" "a");
}

struct TextPair {
    std::string A, B;
};
void PrintTo(const TextPair& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.A) << " vs " << ::testing::PrintToString(c.B);
}

class CaseInsensitiveComparison : public ::testing::TestWithParam<TextPair> {};

// SameText, CompareText, TextHash and LowerCase must agree on which names are one name, or
// a hashed INI lookup and a sorted one would disagree about the same key.
TEST_P(CaseInsensitiveComparison, AllAgreeWithLowerCase) {
    const auto& [a, b] = GetParam();
    const bool same = LowerCase(a) == LowerCase(b);
    EXPECT_EQ(SameText(a, b), same);
    EXPECT_EQ(CompareText(a, b) == 0, same);
    EXPECT_EQ(CompareText(a, b), -CompareText(b, a));
    EXPECT_EQ(TextEqual{}(a, b), same);
    if (same) {
        EXPECT_EQ(TextHash{}(a), TextHash{}(b));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CaseInsensitiveComparison,
    ::testing::Values(TextPair{"Options", "OPTIONS"}, TextPair{"Größe", "GRÖßE"}, TextPair{"Ärger", "ärger"},
                      TextPair{"a", "b"}, TextPair{"", ""}, TextPair{"abc", "ab"}, TextPair{"×", "÷"},
                      TextPair{"À", "à"}, TextPair{"Ā", "ā"},
                      // A lead byte outside Latin-1 compares as it is: Ā (C4 80) is no
                      // relative of the broken three-byte sequence E4 80.
                      TextPair{"\xC4\x80", "\xE4\x80"}, TextPair{"\xC0", "\xE0"},
                      TextPair{"[", "{"}, TextPair{"@", "`"}));

TEST(CompareText, OrdersWithoutRegardToCase) {
    EXPECT_LT(CompareText("apple", "Banana"), 0);
    EXPECT_GT(CompareText("Banana", "apple"), 0);
    EXPECT_LT(CompareText("ab", "ABC"), 0);
    EXPECT_TRUE(TextLess{}("alpha", "BETA"));
    EXPECT_FALSE(TextLess{}("BETA", "beta"));
}

TEST(StartsAndContains, CaseSensitiveUnlessNamedText) {
    EXPECT_TRUE(StartsWith("Pivola.exe", "Piv"));
    EXPECT_FALSE(StartsWith("Pivola.exe", "piv"));
    EXPECT_FALSE(StartsWith("Pi", "Piv"));
    EXPECT_TRUE(EndsWith("Pivola.exe", ".exe"));
    EXPECT_FALSE(EndsWith("exe", ".exe"));
    EXPECT_TRUE(StartsWithText("ÄPFEL", "äp"));
    EXPECT_FALSE(StartsWithText("ä", "äp"));
    EXPECT_TRUE(Contains("a.b.c", ".b"));
    EXPECT_FALSE(Contains("a.b.c", ".B"));
}

TEST(FindText, FindsWithoutRegardToCaseFromAPosition) {
    EXPECT_EQ(FindText("Hello World", "WORLD"), 6u);
    EXPECT_EQ(FindText("xÄx ä", "ä"), 1u);
    EXPECT_EQ(FindText("xÄx ä", "ä", 2), 5u);  // byte positions
    EXPECT_EQ(FindText("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(FindText("abc", "d"), std::string::npos);
    EXPECT_EQ(FindText("abc", "abcd"), std::string::npos);
    EXPECT_EQ(FindText("abc", "", 2), 2u);
    EXPECT_EQ(FindText("abc", "", 3), 3u);
    EXPECT_EQ(FindText("abc", "", 4), std::string::npos);
    EXPECT_EQ(FindText("abc", "a", 10), std::string::npos);
}

TEST(ReplaceAll, ReplacesEveryNonOverlappingOccurrenceLeftToRight) {
    EXPECT_EQ(ReplaceAll("a-b-c", "-", "--"), "a--b--c");  // replacement is not rescanned
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("abc", "B", "x"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    EXPECT_EQ(ReplaceAll("%1 and %1", "%1", ""), " and ");
}

TEST(ReplaceAllText, MatchesWithoutRegardToCaseAndKeepsTheRest) {
    EXPECT_EQ(ReplaceAllText("Path=%APPDIR%\\x;%appdir%", "%AppDir%", "C:\\P"), "Path=C:\\P\\x;C:\\P");
    EXPECT_EQ(ReplaceAllText("Öl öl ÖL", "öl", "Oil"), "Oil Oil Oil");
    EXPECT_EQ(ReplaceAllText("Keep CASE", "x", "y"), "Keep CASE");
    EXPECT_EQ(ReplaceAllText("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAllText("aAa", "AA", "-"), "-a");
}

TEST(SplitLines, BreaksAtCrLfCrAndLfWithoutATrailingEmptyLine) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (V{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(SplitLines("\n\r"), (V{"", ""}));  // LF CR is two breaks
    EXPECT_EQ(SplitLines("\r\r\n"), (V{"", ""}));
    EXPECT_EQ(SplitLines("a\n\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("single"), (V{"single"}));
}

TEST(Split, KeepsEmptyFieldsAndJoinUndoesIt) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Split("a,,b,", ','), (V{"a", "", "b", ""}));
    EXPECT_EQ(Split(",", ','), (V{"", ""}));
    EXPECT_EQ(Split("", ','), (V{""}));
    EXPECT_EQ(Split("abc", ','), (V{"abc"}));
    for (std::string s : {"a,,b,", ",", "", "abc"}) EXPECT_EQ(Join(Split(s, ','), ","), s);
    EXPECT_EQ(Join({}, ", "), "");
}

struct IntCase {
    std::string Text;
    std::optional<int64_t> Value64;
    std::optional<int32_t> Value32;
};
void PrintTo(const IntCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.Text); }

class IntegerParsing : public ::testing::TestWithParam<IntCase> {};

TEST_P(IntegerParsing, ReadsTheTextOrRefusesIt) {
    EXPECT_EQ(TryStrToInt64(GetParam().Text), GetParam().Value64) << GetParam().Text;
    EXPECT_EQ(TryStrToInt(GetParam().Text), GetParam().Value32) << GetParam().Text;
}

constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();
constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerParsing,
    ::testing::Values(
        IntCase{"0", 0, 0}, IntCase{"42", 42, 42}, IntCase{"-42", -42, -42}, IntCase{"+42", 42, 42},
        IntCase{"007", 7, 7},  // leading zeros are decimal, not octal
        IntCase{"  \t42\r\n", 42, 42}, IntCase{"0x1F", 31, 31}, IntCase{"0X1f", 31, 31}, IntCase{"$ff", 255, 255},
        IntCase{"-0x10", -16, -16}, IntCase{"-$10", -16, -16}, IntCase{" $10 ", 16, 16},
        // A hexadecimal text may spell a 32-bit pattern that reads as negative.
        IntCase{"$FFFFFFFF", 0xFFFFFFFFLL, -1}, IntCase{"0x80000000", 0x80000000LL, kMin32},
        IntCase{"2147483647", kMax32, kMax32}, IntCase{"-2147483648", kMin32, kMin32},
        IntCase{"2147483648", 2147483648LL, std::nullopt}, IntCase{"-2147483649", -2147483649LL, std::nullopt},
        IntCase{"$100000000", 0x100000000LL, std::nullopt},
        IntCase{"9223372036854775807", kMax64, std::nullopt},
        IntCase{"-9223372036854775808", kMin64, std::nullopt},
        IntCase{"9223372036854775808", std::nullopt, std::nullopt},
        IntCase{"-9223372036854775809", std::nullopt, std::nullopt},
        IntCase{"99999999999999999999", std::nullopt, std::nullopt},
        IntCase{"0x1FFFFFFFFFFFFFFFF", std::nullopt, std::nullopt}, IntCase{"", std::nullopt, std::nullopt},
        IntCase{"   ", std::nullopt, std::nullopt}, IntCase{"-", std::nullopt, std::nullopt},
        IntCase{"+", std::nullopt, std::nullopt}, IntCase{"0x", std::nullopt, std::nullopt},
        IntCase{"$", std::nullopt, std::nullopt}, IntCase{"-$", std::nullopt, std::nullopt},
        IntCase{"12a", std::nullopt, std::nullopt}, IntCase{"1 2", std::nullopt, std::nullopt},
        IntCase{"- 5", std::nullopt, std::nullopt}, IntCase{"+-5", std::nullopt, std::nullopt},
        IntCase{"--5", std::nullopt, std::nullopt}, IntCase{"0x-5", std::nullopt, std::nullopt},
        IntCase{"$+5", std::nullopt, std::nullopt}, IntCase{"0xG", std::nullopt, std::nullopt},
        IntCase{"1.5", std::nullopt, std::nullopt}, IntCase{"1e3", std::nullopt, std::nullopt},
        IntCase{"x10", std::nullopt, std::nullopt}));

TEST(IntToStr, WritesTheExtremes) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(kMin64), "-9223372036854775808");
    EXPECT_EQ(TryStrToInt64(IntToStr(kMax64)), kMax64);
}

TEST(KeepAlphaNumeric, DropsEverythingButAsciiLettersAndDigits) {
    EXPECT_EQ(KeepAlphaNumeric("Ctrl+Alt+F1 ä_é-9"), "CtrlAltF19");
}

}  // namespace
}  // namespace pv
