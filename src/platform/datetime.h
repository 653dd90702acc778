// TDateTime: whole days since 30 December 1899 plus the fraction of the day,
// and its text form. The text is always "dd.mm.yyyy hh:nn:ss" whatever the
// machine's locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tiklet {

using TDateTime = double;

constexpr std::int64_t kMsPerDay = 86400000;

// False for a date or time that does not exist (year 1-9999).
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out);
// Date plus time of day, also for days before 30 December 1899 (whose
// fraction counts forward from that day's midnight).
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

void DecodeDate(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);
void DecodeTime(TDateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

// Milliseconds since 30 December 1899 00:00, rounded to the nearest
// millisecond; increases with real time for every value.
std::int64_t ToMilliseconds(TDateTime value);
TDateTime FromMilliseconds(std::int64_t ms);

// The local moment and the local date (the time of day zero).
TDateTime Now();
TDateTime Date();

// "dd.mm.yyyy hh:nn:ss"; a whole number of days gives the date alone, a
// value below 1 the time alone.
std::string DateTimeToStr(TDateTime value);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);

// Readers: day, month, hour, minute and second of one or two digits, the
// year of four. They raise EConvertError for any other form and for dates
// and times that do not exist. StrToDateTime also takes a date alone or a
// time alone.
TDateTime StrToDateTime(const std::string& text);
TDateTime StrToDate(const std::string& text);
TDateTime StrToTime(const std::string& text);
// Date and time both present; no exception.
bool TryStrToFullDateTime(const std::string& text, TDateTime& out);
// The same form read straight into whole seconds since 30 December 1899
// 00:00 (negative before it), without going through TDateTime.
bool TryStrToFullDateTimeSeconds(std::string_view text, std::int64_t& seconds);

}  // namespace tiklet
