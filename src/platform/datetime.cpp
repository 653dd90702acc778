#include "platform/datetime.h"

#include <cmath>

#include "platform/clock.h"
#include "platform/exceptions.h"

namespace tiklet {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

// Days from 1 March of year 0 in the proleptic Gregorian calendar
// (H. Hinnant's days_from_civil, shifted).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

const std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

// Splits a value into its day number and the milliseconds of that day, the
// way the value's sign encodes them.
void Split(TDateTime value, std::int64_t& day, std::int64_t& msOfDay) {
    const double scaled = value * static_cast<double>(kMsPerDay);
    // Far outside years 1-9999: clamp instead of overflowing the conversion.
    const double limit = 4.0e18;
    const std::int64_t total =
        std::isnan(scaled) ? 0 : static_cast<std::int64_t>(std::llround(std::fmax(-limit, std::fmin(limit, scaled))));
    day = total / kMsPerDay;
    msOfDay = total % kMsPerDay;
    if (msOfDay < 0) msOfDay = -msOfDay;
}

// Writes `value` as `digits` decimal digits with leading zeros.
char* PutDigits(char* out, unsigned value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) out[i] = static_cast<char>('0' + value % 10);
    return out + digits;
}

// "dd.mm.yyyy" into `out` (10 characters).
char* PutDate(char* out, TDateTime value) {
    std::uint16_t y, m, d;
    DecodeDate(value, y, m, d);
    out = PutDigits(out, d, 2);
    *out++ = '.';
    out = PutDigits(out, m, 2);
    *out++ = '.';
    return PutDigits(out, y, 4);
}

// "hh:nn:ss" into `out` (8 characters).
char* PutTime(char* out, TDateTime value) {
    std::uint16_t h, n, s, ms;
    DecodeTime(value, h, n, s, ms);
    out = PutDigits(out, h, 2);
    *out++ = ':';
    out = PutDigits(out, n, 2);
    *out++ = ':';
    return PutDigits(out, s, 2);
}

// Reads 1-2 (or exactly `exact`) digits at `pos`; false when there are none.
bool ReadNumber(std::string_view text, std::size_t& pos, int minDigits, int maxDigits, int& value) {
    value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits;
}

// Three numbers with a separator between them: 1-2 digits each, except a
// last one of exactly `lastDigits` digits when that is given.
bool ReadTriple(std::string_view text, std::size_t& pos, char separator, int lastDigits, int (&v)[3]) {
    if (!ReadNumber(text, pos, 1, 2, v[0]) || pos >= text.size() || text[pos++] != separator) return false;
    if (!ReadNumber(text, pos, 1, 2, v[1]) || pos >= text.size() || text[pos++] != separator) return false;
    return lastDigits ? ReadNumber(text, pos, lastDigits, lastDigits, v[2]) : ReadNumber(text, pos, 1, 2, v[2]);
}

bool ValidDate(int y, int m, int d) { return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m); }
bool ValidTime(int h, int n, int s) { return h >= 0 && h <= 23 && n >= 0 && n <= 59 && s >= 0 && s <= 59; }

bool ParseDate(const std::string& text, std::size_t& pos, TDateTime& out) {
    int v[3];
    return ReadTriple(text, pos, '.', 4, v) && TryEncodeDate(v[2], v[1], v[0], out);
}

bool ParseTime(const std::string& text, std::size_t& pos, TDateTime& out) {
    int v[3];
    return ReadTriple(text, pos, ':', 0, v) && TryEncodeTime(v[0], v[1], v[2], 0, out);
}

enum class Parts { Both, DateOnly, TimeOnly, Any };

bool TryParse(const std::string& text, Parts parts, TDateTime& out) {
    TDateTime date = 0, time = 0;
    if (parts == Parts::TimeOnly) {
        std::size_t pos = 0;
        return ParseTime(text, pos, out) && pos == text.size();
    }
    std::size_t pos = 0;
    if (ParseDate(text, pos, date)) {
        if (pos == text.size()) {
            out = date;
            return parts == Parts::DateOnly || parts == Parts::Any;
        }
        if (parts == Parts::DateOnly || text[pos++] != ' ') return false;
        if (!ParseTime(text, pos, time) || pos != text.size()) return false;
        out = ComposeDateTime(date, time);
        return true;
    }
    if (parts != Parts::Any) return false;
    pos = 0;
    return ParseTime(text, pos, out) && pos == text.size();
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
    if (!ValidDate(year, month, day)) return false;
    out = static_cast<TDateTime>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                                 kEpochDays);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out) {
    if (!ValidTime(hour, minute, second) || millisecond < 0 || millisecond > 999) return false;
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    out = static_cast<TDateTime>(ms) / static_cast<TDateTime>(kMsPerDay);
    return true;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

void DecodeDate(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
    std::int64_t days, ms;
    Split(value, days, ms);
    int y, m, d;
    CivilFromDays(days + kEpochDays, y, m, d);
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::uint16_t>(m);
    day = static_cast<std::uint16_t>(d);
}

void DecodeTime(TDateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond) {
    std::int64_t days, ms;
    Split(value, days, ms);
    hour = static_cast<std::uint16_t>(ms / 3600000);
    minute = static_cast<std::uint16_t>(ms / 60000 % 60);
    second = static_cast<std::uint16_t>(ms / 1000 % 60);
    millisecond = static_cast<std::uint16_t>(ms % 1000);
}

int DayOfWeek(TDateTime value) {
    std::int64_t days, ms;
    Split(value, days, ms);
    // 30 December 1899 was a Saturday (7).
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

std::int64_t ToMilliseconds(TDateTime value) {
    std::int64_t days, ms;
    Split(value, days, ms);
    return days * kMsPerDay + ms;
}

TDateTime FromMilliseconds(std::int64_t ms) {
    std::int64_t days = ms / kMsPerDay, rest = ms % kMsPerDay;
    if (rest < 0) {
        days -= 1;
        rest += kMsPerDay;
    }
    return ComposeDateTime(static_cast<TDateTime>(days), static_cast<TDateTime>(rest) / kMsPerDay);
}

TDateTime Now() {
    const LocalTime t = GetLocalTimeNow();
    TDateTime date = 0, time = 0;
    TryEncodeDate(t.year, t.month, t.day, date);
    TryEncodeTime(t.hour, t.minute, t.second, t.millisecond, time);
    return ComposeDateTime(date, time);
}

TDateTime Date() {
    const LocalTime t = GetLocalTimeNow();
    TDateTime date = 0;
    TryEncodeDate(t.year, t.month, t.day, date);
    return date;
}

std::string DateToStr(TDateTime value) {
    char text[10];
    return std::string(text, PutDate(text, value));
}

std::string TimeToStr(TDateTime value) {
    char text[8];
    return std::string(text, PutTime(text, value));
}

std::string DateTimeToStr(TDateTime value) {
    std::int64_t days, ms;
    Split(value, days, ms);
    if (ms == 0) return DateToStr(value);
    if (days == 0) return TimeToStr(value);
    char text[19];
    char* end = PutDate(text, value);
    *end++ = ' ';
    return std::string(text, PutTime(end, value));
}

TDateTime StrToDateTime(const std::string& text) {
    TDateTime out;
    if (!TryParse(text, Parts::Any, out)) throw EConvertError(FormatError("'%s' is not a valid date and time", text));
    return out;
}

TDateTime StrToDate(const std::string& text) {
    TDateTime out;
    if (!TryParse(text, Parts::DateOnly, out)) throw EConvertError(FormatError("'%s' is not a valid date", text));
    return out;
}

TDateTime StrToTime(const std::string& text) {
    TDateTime out;
    if (!TryParse(text, Parts::TimeOnly, out)) throw EConvertError(FormatError("'%s' is not a valid time", text));
    return out;
}

bool TryStrToFullDateTime(const std::string& text, TDateTime& out) { return TryParse(text, Parts::Both, out); }

bool TryStrToFullDateTimeSeconds(std::string_view text, std::int64_t& seconds) {
    int date[3], time[3];
    // The form the clock itself writes, with every field at its place, is read
    // directly; anything else goes through the general reader.
    auto digit = [&](std::size_t i) { return static_cast<unsigned>(text[i] - '0') <= 9; };
    const bool canonical = text.size() == 19 && text[2] == '.' && text[5] == '.' && text[10] == ' ' &&
                           text[13] == ':' && text[16] == ':' && digit(0) && digit(1) && digit(3) && digit(4) &&
                           digit(6) && digit(7) && digit(8) && digit(9) && digit(11) && digit(12) && digit(14) &&
                           digit(15) && digit(17) && digit(18);
    if (canonical) {
        auto two = [&](std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); };
        date[0] = two(0);
        date[1] = two(3);
        date[2] = two(6) * 100 + two(8);
        time[0] = two(11);
        time[1] = two(14);
        time[2] = two(17);
    } else {
        std::size_t pos = 0;
        if (!ReadTriple(text, pos, '.', 4, date) || pos >= text.size() || text[pos++] != ' ' ||
            !ReadTriple(text, pos, ':', 0, time) || pos != text.size())
            return false;
    }
    if (!ValidDate(date[2], date[1], date[0]) || !ValidTime(time[0], time[1], time[2])) return false;
    const std::int64_t days =
        DaysFromCivil(date[2], static_cast<unsigned>(date[1]), static_cast<unsigned>(date[0])) - kEpochDays;
    seconds = days * 86400 + time[0] * 3600 + time[1] * 60 + time[2];
    return true;
}

}  // namespace tiklet
