#include "util/datetime.h"

#include <cmath>
#include <cstdio>

#include "util/exception.h"
#include "util/strings.h"

namespace pv {

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (Howard Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

}  // namespace

std::optional<TDateTime> TryEncodeDateTime(const DateTimeParts& p) {
    if (p.Year < 1 || p.Year > 9999 || p.Month < 1 || p.Month > 12) return std::nullopt;
    if (p.Day < 1 || p.Day > DaysInMonth(p.Year, p.Month)) return std::nullopt;
    if (p.Hour < 0 || p.Hour > 23 || p.Minute < 0 || p.Minute > 59 || p.Second < 0 || p.Second > 59 ||
        p.Millisecond < 0 || p.Millisecond > 999)
        return std::nullopt;
    long long days = DaysFromCivil(p.Year, p.Month, p.Day) - kEpochOffset;
    double frac = (p.Hour * 3600000.0 + p.Minute * 60000.0 + p.Second * 1000.0 + p.Millisecond) / 86400000.0;
    return static_cast<double>(days) + frac;
}

TDateTime EncodeDateTime(const DateTimeParts& p) {
    auto v = TryEncodeDateTime(p);
    if (!v) throw EConvertError("Invalid date or time");
    return *v;
}

DateTimeParts DecodeDateTime(TDateTime t) {
    DateTimeParts p;
    if (!std::isfinite(t)) return p;
    // Milliseconds are rounded so that a stored "05:06:07" never reads back as 05:06:06.999.
    long long totalMs = std::llround(t * 86400000.0);
    long long days = totalMs >= 0 ? totalMs / 86400000 : -((-totalMs + 86399999) / 86400000);
    long long ms = totalMs - days * 86400000;
    CivilFromDays(days + kEpochOffset, p.Year, p.Month, p.Day);
    p.Hour = static_cast<int>(ms / 3600000);
    p.Minute = static_cast<int>(ms / 60000 % 60);
    p.Second = static_cast<int>(ms / 1000 % 60);
    p.Millisecond = static_cast<int>(ms % 1000);
    return p;
}

std::string FormatIsoDateTime(TDateTime t) {
    DateTimeParts p = DecodeDateTime(t);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.Year, p.Month, p.Day, p.Hour, p.Minute,
                  p.Second);
    return buf;
}

std::optional<TDateTime> TryParseIsoDateTime(std::string_view text) {
    std::string s = Trim(text);
    for (char& c : s)
        if (c == 'T' || c == 't') c = ' ';
    std::string datePart = s, timePart;
    size_t sp = s.find(' ');
    if (sp != std::string::npos) {
        datePart = s.substr(0, sp);
        timePart = Trim(s.substr(sp + 1));
    }
    auto d = Split(datePart, '-');
    if (d.size() != 3) return std::nullopt;
    DateTimeParts p;
    auto y = TryStrToInt(d[0]), m = TryStrToInt(d[1]), dd = TryStrToInt(d[2]);
    if (!y || !m || !dd) return std::nullopt;
    for (auto& part : d)
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    p.Year = *y;
    p.Month = *m;
    p.Day = *dd;
    if (!timePart.empty()) {
        auto t = Split(timePart, ':');
        if (t.size() < 2 || t.size() > 3) return std::nullopt;
        int vals[3] = {0, 0, 0};
        for (size_t i = 0; i < t.size(); ++i) {
            std::string f = t[i];
            if (i == 2) {
                size_t dot = f.find('.');
                if (dot != std::string::npos) f = f.substr(0, dot);
            }
            if (f.empty() || f.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
            auto v = TryStrToInt(f);
            if (!v) return std::nullopt;
            vals[i] = *v;
        }
        p.Hour = vals[0];
        p.Minute = vals[1];
        p.Second = vals[2];
    }
    return TryEncodeDateTime(p);
}

long long WholeDays(TDateTime t) { return static_cast<long long>(std::trunc(t)); }

}  // namespace pv
