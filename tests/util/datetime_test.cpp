#include "util/datetime.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "util/exception.h"

namespace pv {
namespace {

void ExpectParts(const DateTimeParts& p, int y, int mo, int d, int h, int mi, int s, int ms) {
    EXPECT_EQ(p.Year, y);
    EXPECT_EQ(p.Month, mo);
    EXPECT_EQ(p.Day, d);
    EXPECT_EQ(p.Hour, h);
    EXPECT_EQ(p.Minute, mi);
    EXPECT_EQ(p.Second, s);
    EXPECT_EQ(p.Millisecond, ms);
}

TEST(DateTimeEncoding, CountsDaysFromTheEndOf1899) {
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 31}), 1.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 29}), -1.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1900, 3, 1}), 61.0);  // 1900 is no leap year
    EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 1, 1}), 36526.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30, 12, 0, 0, 0}), 0.5);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30, 6, 0, 0, 0}), 0.25);
}

TEST(DateTimeEncoding, RoundTripsEveryPartIncludingLeapDays) {
    const DateTimeParts cases[] = {
        {2024, 2, 29, 23, 59, 59, 999}, {2000, 2, 29, 0, 0, 0, 0},  {1600, 2, 29, 12, 0, 0, 1},
        {1, 1, 1, 0, 0, 0, 0},          {9999, 12, 31, 23, 59, 59, 999}, {1899, 12, 30, 5, 6, 7, 8},
        {1899, 12, 29, 6, 0, 0, 0},     {1850, 7, 4, 18, 30, 15, 500}, {2026, 12, 10, 10, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Year << "-" << c.Month << "-" << c.Day);
        ExpectParts(DecodeDateTime(EncodeDateTime(c)), c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Second,
                    c.Millisecond);
    }
}

TEST(DateTimeEncoding, DecodesEveryDayOfALeapCentury) {
    // Day by day across 1896..2104 (two century years that are no leap years, one that is),
    // each day must be the one after the day before.
    DateTimeParts prev = DecodeDateTime(EncodeDateTime({1896, 1, 1}));
    for (double t = EncodeDateTime({1896, 1, 1}) + 1; t <= EncodeDateTime({2104, 12, 31}); t += 1) {
        DateTimeParts p = DecodeDateTime(t);
        const bool nextDay = p.Day == prev.Day + 1 && p.Month == prev.Month && p.Year == prev.Year;
        const bool nextMonth = p.Day == 1 && p.Month == prev.Month + 1 && p.Year == prev.Year;
        const bool nextYear = p.Day == 1 && p.Month == 1 && prev.Month == 12 && prev.Day == 31 && p.Year == prev.Year + 1;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << p.Year << "-" << p.Month << "-" << p.Day;
        ASSERT_EQ(EncodeDateTime(p), t);
        prev = p;
    }
}

TEST(DateTimeEncoding, RejectsImpossibleDatesAndTimes) {
    const DateTimeParts invalid[] = {
        {2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 1}, {2024, 1, 0}, {2024, 1, 32},
        {0, 1, 1},     {10000, 1, 1}, {2024, 1, 1, 24, 0, 0, 0}, {2024, 1, 1, -1, 0, 0, 0},
        {2024, 1, 1, 0, 60, 0, 0}, {2024, 1, 1, 0, 0, 60, 0}, {2024, 1, 1, 0, 0, 0, 1000},
        {2024, 1, 1, 0, 0, 0, -1},
    };
    for (const auto& p : invalid) {
        SCOPED_TRACE(::testing::Message() << p.Year << "-" << p.Month << "-" << p.Day << " " << p.Hour << ":"
                                          << p.Minute << ":" << p.Second << "." << p.Millisecond);
        EXPECT_EQ(TryEncodeDateTime(p), std::nullopt);
        EXPECT_THROW(EncodeDateTime(p), EConvertError);
    }
}

TEST(DateTimeDecoding, RoundsToTheNearestMillisecond) {
    // 05:06:07 is not exactly representable; it must not read back as 05:06:06.999.
    const double t = EncodeDateTime({2024, 5, 6, 5, 6, 7, 0});
    ExpectParts(DecodeDateTime(t - 1e-10), 2024, 5, 6, 5, 6, 7, 0);
    ExpectParts(DecodeDateTime(t + 1e-10), 2024, 5, 6, 5, 6, 7, 0);
    // Just before midnight rounds over into the next day.
    ExpectParts(DecodeDateTime(1.0 - 1e-10), 1899, 12, 31, 0, 0, 0, 0);
}

TEST(FormatIsoDateTime, WritesPaddedFieldsWithoutMilliseconds) {
    EXPECT_EQ(FormatIsoDateTime(0), "1899-12-30 00:00:00");
    EXPECT_EQ(FormatIsoDateTime(EncodeDateTime({2024, 2, 9, 7, 5, 3, 999})), "2024-02-09 07:05:03");
    EXPECT_EQ(FormatIsoDateTime(EncodeDateTime({987, 1, 1})), "0987-01-01 00:00:00");
}

struct ParseCase {
    std::string Text;
    std::optional<DateTimeParts> Parts;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.Text); }

class IsoParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(IsoParsing, ReadsTheTextOrRefusesIt) {
    const auto& c = GetParam();
    auto t = TryParseIsoDateTime(c.Text);
    if (!c.Parts) {
        EXPECT_EQ(t, std::nullopt);
        return;
    }
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, EncodeDateTime(*c.Parts));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IsoParsing,
    ::testing::Values(
        ParseCase{"2024-02-29 13:14:15", DateTimeParts{2024, 2, 29, 13, 14, 15, 0}},
        ParseCase{"2024-02-29T13:14:15", DateTimeParts{2024, 2, 29, 13, 14, 15, 0}},
        ParseCase{"2024-02-29t13:14", DateTimeParts{2024, 2, 29, 13, 14, 0, 0}},
        ParseCase{"2024-02-29 13:14", DateTimeParts{2024, 2, 29, 13, 14, 0, 0}},
        ParseCase{"2024-02-29", DateTimeParts{2024, 2, 29, 0, 0, 0, 0}},
        ParseCase{"  2024-02-29   13:14:15 ", DateTimeParts{2024, 2, 29, 13, 14, 15, 0}},
        ParseCase{"2024-2-9 1:2:3", DateTimeParts{2024, 2, 9, 1, 2, 3, 0}},
        ParseCase{"2024-02-29 13:14:15.678", DateTimeParts{2024, 2, 29, 13, 14, 15, 0}},  // fraction ignored
        ParseCase{"2023-02-29 00:00:00", std::nullopt}, ParseCase{"2024-02-29 24:00", std::nullopt},
        ParseCase{"2024-02-29 13:60", std::nullopt}, ParseCase{"2024-02-29 13", std::nullopt},
        ParseCase{"2024-02-29 13:14:15:16", std::nullopt}, ParseCase{"2024-02-29 13:14:", std::nullopt},
        ParseCase{"2024-02-29 13::15", std::nullopt}, ParseCase{"2024-02-29 13:14:15x", std::nullopt},
        ParseCase{"2024-02-29 +1:14", std::nullopt}, ParseCase{"2024-02", std::nullopt},
        ParseCase{"2024-02-29-01", std::nullopt}, ParseCase{"2024--29", std::nullopt},
        ParseCase{"-2024-02-29", std::nullopt}, ParseCase{"2024-+2-29", std::nullopt},
        ParseCase{"2024-0x2-29", std::nullopt}, ParseCase{"$7E8-02-29", std::nullopt},
        ParseCase{"29.02.2024", std::nullopt}, ParseCase{"", std::nullopt}, ParseCase{"T", std::nullopt},
        ParseCase{"99999999999-01-01", std::nullopt}));

TEST(IsoFormatting, ParsesBackWhatItWrote) {
    const double t = EncodeDateTime({2031, 11, 30, 22, 1, 2, 0});
    EXPECT_EQ(TryParseIsoDateTime(FormatIsoDateTime(t)), t);
}

TEST(WholeDays, TruncatesTowardZero) {
    EXPECT_EQ(WholeDays(0.0), 0);
    EXPECT_EQ(WholeDays(1.999), 1);
    EXPECT_EQ(WholeDays(-0.75), 0);
    EXPECT_EQ(WholeDays(-1.5), -1);
    EXPECT_EQ(WholeDays(EncodeDateTime({2024, 1, 1, 23, 59, 59, 999})), 45292);
}

}  // namespace
}  // namespace pv
