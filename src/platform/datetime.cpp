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

std::string TwoDigits(unsigned value) {
    std::string text(2, '0');
    text[0] = static_cast<char>('0' + (value / 10) % 10);
    text[1] = static_cast<char>('0' + value % 10);
    return text;
}

// Reads 1-2 (or exactly `exact`) digits at `pos`; false when there are none.
bool ReadNumber(const std::string& text, std::size_t& pos, int minDigits, int maxDigits, int& value) {
    value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits;
}

bool ParseDate(const std::string& text, std::size_t& pos, TDateTime& out) {
    int d, m, y;
    if (!ReadNumber(text, pos, 1, 2, d) || pos >= text.size() || text[pos++] != '.') return false;
    if (!ReadNumber(text, pos, 1, 2, m) || pos >= text.size() || text[pos++] != '.') return false;
    if (!ReadNumber(text, pos, 4, 4, y)) return false;
    return TryEncodeDate(y, m, d, out);
}

bool ParseTime(const std::string& text, std::size_t& pos, TDateTime& out) {
    int h, n, s;
    if (!ReadNumber(text, pos, 1, 2, h) || pos >= text.size() || text[pos++] != ':') return false;
    if (!ReadNumber(text, pos, 1, 2, n) || pos >= text.size() || text[pos++] != ':') return false;
    if (!ReadNumber(text, pos, 1, 2, s)) return false;
    return TryEncodeTime(h, n, s, 0, out);
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
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    out = static_cast<TDateTime>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                                 kEpochDays);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return false;
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
    std::uint16_t y, m, d;
    DecodeDate(value, y, m, d);
    std::string text = TwoDigits(d) + "." + TwoDigits(m) + ".";
    text += TwoDigits(y / 100) + TwoDigits(y % 100);
    return text;
}

std::string TimeToStr(TDateTime value) {
    std::uint16_t h, n, s, ms;
    DecodeTime(value, h, n, s, ms);
    return TwoDigits(h) + ":" + TwoDigits(n) + ":" + TwoDigits(s);
}

std::string DateTimeToStr(TDateTime value) {
    std::int64_t days, ms;
    Split(value, days, ms);
    if (ms == 0) return DateToStr(value);
    if (days == 0) return TimeToStr(value);
    return DateToStr(value) + " " + TimeToStr(value);
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

}  // namespace tiklet
