// A settable clock in the manner of a test clock: it stands still until a
// test sets or advances it.
#include "platform/clock.h"
#include "platform/fake/fake.h"
#include "platform/fake/fake_internal.h"

namespace tiklet {

namespace {
std::int64_t& NowMs() {
    static std::int64_t ms = 0;
    return ms;
}
}  // namespace

LocalTime GetLocalTimeNow() {
    const TDateTime moment = FromMilliseconds(NowMs());
    LocalTime t;
    DecodeDate(moment, t.year, t.month, t.day);
    DecodeTime(moment, t.hour, t.minute, t.second, t.millisecond);
    return t;
}

namespace fake {

void ResetClock() { SetNow(2001, 1, 1, 0, 0, 0); }

void SetNow(TDateTime moment) { NowMs() = ToMilliseconds(moment); }

void SetNow(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    TDateTime date = 0, time = 0;
    TryEncodeDate(year, month, day, date);
    TryEncodeTime(hour, minute, second, millisecond, time);
    SetNow(ComposeDateTime(date, time));
}

void Advance(std::int64_t milliseconds) { NowMs() += milliseconds; }

TDateTime CurrentMoment() { return FromMilliseconds(NowMs()); }

}  // namespace fake
}  // namespace tiklet
