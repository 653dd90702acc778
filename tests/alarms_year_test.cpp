// A simulated year of ticks on the fake clock, checked against a plain model
// of the firing rule: every entry of the key as it stands at a tick fires in
// that tick when one of its due seconds lies after the previous tick's second
// (at most five minutes back) and at or before this tick's second; a clock
// set back fires nothing at the jump.
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "alarms/alarms.h"
#include "alarms/schedule.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;
using std::string;

namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t SecondOf(int y, int mo, int d, int h, int mi, int s) {
    TDateTime date = 0, time = 0;
    EXPECT_TRUE(TryEncodeDate(y, mo, d, date));
    TryEncodeTime(h, mi, s, 0, time);
    return WholeSecond(date + time);
}

// The model's view of one entry.
struct ModelEntry {
    string name, text;
    enum { Dated, Daily, Hourly } kind;
    std::int64_t second;  // dated: the moment; daily: the second of the day
};

// How many due seconds of `e` lie in (from, to].
int DueIn(const ModelEntry& e, std::int64_t from, std::int64_t to) {
    if (to <= from) return 0;
    switch (e.kind) {
        case ModelEntry::Dated: return e.second > from && e.second <= to ? 1 : 0;
        case ModelEntry::Hourly: {
            int n = 0;
            for (std::int64_t s = from + 1; s <= to; ++s) n += s % 3600 == 0;
            return n;
        }
        case ModelEntry::Daily: {
            int n = 0;
            for (std::int64_t s = from + 1; s <= to; ++s) n += s % kDay == e.second;
            return n;
        }
    }
    return 0;
}

class Year : public FakeTest {};

TEST_F(Year, EveryLaunchOfALeapYearIsTheExpectedOne) {
    std::vector<ModelEntry> model;
    auto add = [&](const ModelEntry& e) {
        fake::SetString(kAlarms, e.name, e.text);
        std::erase_if(model, [&](const ModelEntry& m) { return m.name == e.name; });
        model.push_back(e);
    };
    auto remove = [&](const string& name) {
        fake::DeleteValue(kAlarms, name);
        std::erase_if(model, [&](const ModelEntry& e) { return e.name == name; });
    };
    auto dated = [&](int y, int mo, int d, int h, int mi, int s, const string& text) {
        char name[32];
        std::snprintf(name, sizeof name, "%02d.%02d.%04d %02d:%02d:%02d", d, mo, y, h, mi, s);
        add({name, text, ModelEntry::Dated, SecondOf(y, mo, d, h, mi, s)});
    };
    // Month ends, the leap day, the year's end, two in one second.
    const int monthEnds[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) dated(2028, m, monthEnds[m - 1], 23, 59, 59, "end of month " + std::to_string(m));
    dated(2028, 2, 29, 12, 0, 0, "leap day");
    dated(2028, 6, 15, 8, 0, 0, "twin a");
    dated(2028, 6, 15, 8, 0, 1, "twin b");
    dated(2028, 3, 26, 2, 30, 0, "inside the skipped hour");
    dated(2028, 10, 29, 2, 30, 0, "inside the repeated hour");
    add({"Daily 07:30:00", "wake", ModelEntry::Daily, 7 * 3600 + 30 * 60});
    add({"Daily 00:00:00", "midnight", ModelEntry::Daily, 0});
    add({"Hourly", "chime", ModelEntry::Hourly, 0});

    fake::SetNow(2028, 1, 1, 0, 0, 0, 400);
    ClockState.hourlyArmed = 1;
    LoadAlarms();

    // Clock changes: local time jumps an hour forward and back, the machine
    // sleeps two hours; the key is edited on a few days.
    const std::int64_t springForward = SecondOf(2028, 3, 26, 2, 0, 0);
    const std::int64_t fallBack = SecondOf(2028, 10, 29, 3, 0, 0);
    const std::int64_t sleepAt = SecondOf(2028, 8, 1, 13, 0, 0);
    const std::int64_t end = SecondOf(2029, 1, 1, 0, 0, 5);
    bool sprang = false, fell = false, slept = false;
    std::vector<std::pair<std::int64_t, std::function<void()>>> edits = {
        {SecondOf(2028, 4, 10, 9, 0, 0), [&] { dated(2028, 4, 10, 9, 0, 30, "added while running"); }},
        {SecondOf(2028, 5, 1, 6, 0, 0), [&] { remove("Daily 07:30:00"); }},
        {SecondOf(2028, 5, 3, 6, 0, 0), [&] { add({"Daily 07:30:00", "wake again", ModelEntry::Daily, 27000}); }},
        {SecondOf(2028, 7, 1, 0, 0, 0), [&] { fake::SetString(kAlarms, "31.06.2028 10:00:00", "no such day"); }},
        {SecondOf(2028, 9, 1, 0, 0, 0), [&] { remove("Hourly"); }},
    };
    std::size_t nextEdit = 0;

    std::mt19937 random(2028);
    std::uniform_int_distribution<int> jitter(-200, 200), event(0, 999);
    std::map<string, long> expected, seen;
    long ticks = 0;
    std::int64_t previous = WholeSecond(fake::CurrentMoment());
    std::int64_t nowMs = ToMilliseconds(fake::CurrentMoment());
    while (nowMs / 1000 < end) {
        std::int64_t step = 1000 + jitter(random);
        const int e = event(random);
        if (e < 2) step += 1000 + 1000 * (e % 2);  // one or two seconds with no tick
        else if (e < 4) step = 120;               // a second tick in (nearly) the same second
        nowMs += step;
        const std::int64_t s = nowMs / 1000;
        if (!sprang && s >= springForward) nowMs += 3600 * 1000, sprang = true;
        if (!fell && s >= fallBack) nowMs -= 3600 * 1000, fell = true;
        if (!slept && s >= sleepAt) nowMs += 2 * 3600 * 1000, slept = true;
        // Edits of the key while the clock runs, each once, at the first tick
        // at or after its moment.
        while (nextEdit < edits.size() && s >= edits[nextEdit].first) edits[nextEdit++].second();

        fake::SetNow(FromMilliseconds(nowMs));
        const std::size_t before = fake::Launches().size();
        CheckAlarms(fake::FakeWindow());
        ++ticks;
        for (std::size_t i = before; i < fake::Launches().size(); ++i) ++seen[fake::Launches()[i].parameters];

        // The model: the key as it stands, the stretch since the last tick.
        const std::int64_t now = nowMs / 1000;
        std::int64_t from = previous;
        if (now < from) from = now;
        from = std::max(from, now - 300);
        for (const ModelEntry& entry : model) {
            const int n = DueIn(entry, from, now);
            if (n > 0) expected[entry.text] += n;
        }
        previous = now;
    }

    EXPECT_EQ(seen, expected);
    EXPECT_EQ(expected["end of month 2"], 1) << "the leap year's February ends on the 29th";
    EXPECT_EQ(expected["inside the skipped hour"], 0) << "passed over by the forward jump";
    EXPECT_EQ(expected["inside the repeated hour"], 2) << "the hour is lived twice";
    EXPECT_EQ(expected["twin a"] + expected["twin b"], 2);
    EXPECT_EQ(expected["added while running"], 1);
    EXPECT_EQ(fake::Reports(), std::vector<string>{"'31.06.2028 10:00:00' is not a valid date and time"})
        << "the malformed entry is reported once";
    EXPECT_EQ(expected["wake"], 121) << "January to April";
    EXPECT_EQ(expected["wake again"], 243) << "3 May to the end of the year";
    long launches = 0;
    for (const auto& [text, n] : seen) launches += n;
    RecordProperty("ticks", std::to_string(ticks));
    RecordProperty("launches", std::to_string(launches));
    std::printf("simulated year: %ld ticks, %ld launches expected, %ld seen\n", ticks,
                [&] { long n = 0; for (const auto& [t, c] : expected) n += c; return n; }(), launches);
}

}  // namespace
