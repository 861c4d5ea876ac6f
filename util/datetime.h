#pragma once
// Date-times as the program stores them: days since 1899-12-30 00:00 as a double, the
// fraction being the time of day.
#include <optional>
#include <string>
#include <string_view>

namespace pv {

using TDateTime = double;

struct DateTimeParts {
    int Year = 1899, Month = 12, Day = 30;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// Returns nullopt for an impossible date or time (month 13, 31 April, 25:00).
std::optional<TDateTime> TryEncodeDateTime(const DateTimeParts& p);
TDateTime EncodeDateTime(const DateTimeParts& p);  // throws EConvertError
DateTimeParts DecodeDateTime(TDateTime t);

// "yyyy-mm-dd hh:mm:ss"
std::string FormatIsoDateTime(TDateTime t);
// Reads "yyyy-mm-dd hh:mm:ss" (seconds optional, "T" accepted between date and time,
// time optional).
std::optional<TDateTime> TryParseIsoDateTime(std::string_view text);

// Whole days, truncated toward zero.
long long WholeDays(TDateTime t);

}  // namespace pv
