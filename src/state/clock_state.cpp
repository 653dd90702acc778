#include "state/clock_state.h"

namespace tiklet {

TClockState ClockState;
std::uint16_t transparency = 0;
AnsiString dayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
AnsiString monthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
std::uint8_t dragging = 0;

namespace {

const char* const kEnglishDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kEnglishMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// Windows-1251 bytes.
const char* const kRussianDays[7] = {"\xC2\xF1\xEA", "\xCF\xED\xE4", "\xC2\xF2\xF0", "\xD1\xF0\xE4",
                                     "\xD7\xF2\xE2", "\xCF\xF2\xED", "\xD1\xF3\xE1"};
const char* const kRussianMonths[12] = {"\xDF\xED\xE2", "\xD4\xE5\xE2", "\xCC\xE0\xF0", "\xC0\xEF\xF0",
                                        "\xCC\xE0\xE9", "\xC8\xFE\xED", "\xC8\xFE\xEB", "\xC0\xE2\xE3",
                                        "\xD1\xE5\xED", "\xCE\xEA\xF2", "\xCD\xEE\xFF", "\xC4\xE5\xEA"};

void UseNames(const char* const days[7], const char* const months[12]) {
    for (int i = 0; i < 7; ++i) dayNames[i] = days[i];
    for (int i = 0; i < 12; ++i) monthNames[i] = months[i];
}

}  // namespace

void UseEnglishNames() { UseNames(kEnglishDays, kEnglishMonths); }
void UseRussianNames() { UseNames(kRussianDays, kRussianMonths); }

}  // namespace tiklet
