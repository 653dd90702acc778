// A month of ticks on the fake clock, spaced as a real timer spaces them
// (jitter, skipped seconds, two ticks in one second), against a handful of
// dated, daily and hourly entries: every due alarm fires exactly once, at the
// first tick at or after its second, and nothing else is launched.
#include <map>
#include <random>
#include <string>
#include <vector>

#include "alarms/alarms.h"
#include "alarms/schedule.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;

namespace {

std::int64_t SecondOf(int y, int mo, int d, int h, int mi, int s) {
    TDateTime date = 0, time = 0;
    TryEncodeDate(y, mo, d, date);
    TryEncodeTime(h, mi, s, 0, time);
    return WholeSecond(date + time);
}

class Simulation : public FakeTest {};

TEST_F(Simulation, AMonthOfIrregularTicksFiresEveryAlarmOnce) {
    // What each text stands for: the seconds at which it is due.
    std::map<std::string, std::vector<std::int64_t>> due;
    auto dated = [&](const char* name, const char* text, int y, int mo, int d, int h, int mi, int s) {
        fake::SetString(kAlarms, name, text);
        due[text].push_back(SecondOf(y, mo, d, h, mi, s));
    };
    dated("01.07.2026 00:00:30", "first", 2026, 7, 1, 0, 0, 30);
    dated("15.07.2026 12:00:00", "noon", 2026, 7, 15, 12, 0, 0);
    dated("15.07.2026 12:00:01", "noon+1", 2026, 7, 15, 12, 0, 1);
    dated("31.07.2026 23:59:59", "month end", 2026, 7, 31, 23, 59, 59);
    dated("01.08.2026 00:00:00", "next month", 2026, 8, 1, 0, 0, 0);
    fake::SetString(kAlarms, "Daily 07:30:00", "wake");
    fake::SetString(kAlarms, "Daily 23:59:59", "night");
    fake::SetString(kAlarms, "Hourly", "chime");
    for (int day = 1; day <= 31; ++day) {
        due["wake"].push_back(SecondOf(2026, 7, day, 7, 30, 0));
        due["night"].push_back(SecondOf(2026, 7, day, 23, 59, 59));
        for (int hour = 0; hour < 24; ++hour)
            if (day > 1 || hour > 0) due["chime"].push_back(SecondOf(2026, 7, day, hour, 0, 0));
    }
    due["chime"].push_back(SecondOf(2026, 8, 1, 0, 0, 0));
    due["wake"].push_back(SecondOf(2026, 8, 1, 7, 30, 0));  // past the end: must not fire

    fake::SetNow(2026, 7, 1, 0, 0, 0, 0);
    ClockState.hourlyArmed = 1;
    LoadAlarms();
    const std::int64_t end = SecondOf(2026, 8, 1, 0, 0, 2) * 1000;

    std::mt19937 random(20260701);
    std::uniform_int_distribution<int> jitter(-200, 200);
    std::uniform_int_distribution<int> event(0, 999);
    struct Fired {
        std::string text;
        std::int64_t tickSecond, previousSecond;
    };
    std::vector<Fired> fired;
    std::int64_t previousSecond = WholeSecond(fake::CurrentMoment());
    long ticks = 0, skipped = 0, doubled = 0;
    while (ToMilliseconds(fake::CurrentMoment()) < end) {
        const int e = event(random);
        std::int64_t step = 1000 + jitter(random);
        if (e < 3) {
            step += 1000;  // a second with no tick
            ++skipped;
        } else if (e < 6) {
            step = 150;  // a second tick in (nearly) the same second
            ++doubled;
        }
        fake::Advance(step);
        const std::size_t before = fake::Launches().size();
        CheckAlarms(fake::FakeWindow());
        ++ticks;
        const std::int64_t tickSecond = WholeSecond(fake::CurrentMoment());
        for (std::size_t i = before; i < fake::Launches().size(); ++i)
            fired.push_back({fake::Launches()[i].parameters, tickSecond, previousSecond});
        previousSecond = tickSecond;
    }

    // Each launch answers for one due second that lies in its tick's stretch,
    // and each due second up to the end is answered exactly once.
    std::map<std::string, std::vector<std::int64_t>> answered;
    for (const Fired& f : fired) {
        ASSERT_TRUE(due.count(f.text)) << "unexpected launch " << f.text;
        bool matched = false;
        for (const std::int64_t second : due[f.text])
            if (second > f.previousSecond && second <= f.tickSecond) {
                answered[f.text].push_back(second);
                matched = true;
            }
        EXPECT_TRUE(matched) << f.text << " fired at a tick that was not due";
    }
    std::size_t expectedLaunches = 0;
    for (auto& [text, seconds] : due) {
        std::vector<std::int64_t> inRange;
        for (const std::int64_t s : seconds)
            if (s * 1000 <= end - 2000 + 1000) inRange.push_back(s);
        expectedLaunches += inRange.size();
        EXPECT_EQ(answered[text], inRange) << text;
    }
    EXPECT_EQ(fired.size(), expectedLaunches);
    EXPECT_GT(skipped, 1000);
    EXPECT_GT(doubled, 1000);
    RecordProperty("ticks", std::to_string(ticks));
    RecordProperty("launches", std::to_string(fired.size()));
}

}  // namespace
