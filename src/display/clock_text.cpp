#include "display/clock_text.h"

#include <string>

#include "platform/datetime.h"
#include "state/clock_state.h"

namespace tiklet {

namespace {

AnsiString PartText(std::uint16_t value) {
    AnsiString text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

}  // namespace

void ComposeClockText() {
    TClockState& s = ClockState;
    s.hourText = PartText(s.nowHour);
    s.minuteText = PartText(s.nowMinute);
    s.secondText = PartText(s.nowSecond);
    s.yearText = PartText(s.nowYear);
    s.monthText = PartText(s.nowMonth);
    s.dayText = PartText(s.nowDay);

    const AnsiString time = s.hourText + ":" + s.minuteText + ":" + s.secondText;
    switch (s.format) {
        case 1:
            s.clockText = s.hourText + ":" + s.minuteText;
            break;
        case 2:
            s.clockText = time;
            break;
        case 3:
            s.clockText = s.dayText + "." + s.monthText + "." + s.yearText + " " + time;
            break;
        case 4: {
            // The weekday comes from the clock's current date, the month from
            // the now fields.
            const int weekday = DayOfWeek(Date());
            const int month = s.nowMonth >= 1 && s.nowMonth <= 12 ? s.nowMonth : 1;
            s.clockText = dayNames[weekday - 1] + ", " + s.dayText + " " + monthNames[month - 1] + " " + time;
            break;
        }
        default:
            break;  // no text for an unknown format
    }
}

}  // namespace tiklet
