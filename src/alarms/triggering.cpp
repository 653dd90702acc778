#include <algorithm>

#include "alarms/alarms.h"
#include "alarms/schedule.h"
#include "platform/launch.h"

namespace tiklet {

const char* const kAlarmProgram = "Ombrix.exe";

namespace {

// Sleep, hibernation or a clock set forward: what lies further back than
// this when the clock wakes is passed over rather than fired in a burst.
constexpr std::int64_t kLongestCatchUpSeconds = 5 * 60;
constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

void Fire(WindowHandle owner, std::string_view text) {
    const std::string parameters(text);
    ShellOpen(owner, kAlarmProgram, &parameters);
}

}  // namespace

void CheckAlarms(WindowHandle owner) {
    TClockState& s = ClockState;
    const TDateTime now = Now();
    StoreNow(now);
    Schedule schedule;
    ReadSchedule(now, schedule);
    const std::vector<AlarmEntry>& entries = schedule.entries;

    // The seconds this tick answers for: after the previous tick's second, up
    // to and including this one's.
    const std::int64_t to = WholeSecond(now);
    std::int64_t from = lastCheckedSecond;
    if (to < from) from = to;  // the clock was set back: start again from here
    from = std::max(from, to - kLongestCatchUpSeconds);

    const std::int64_t fullHour = to - ((to % 3600) + 3600) % 3600;
    if (s.hourlyEnabled == 1 && fullHour > from) {
        Fire(owner, s.hourlyText);
        s.hourlyArmed = 0;
    }
    if (s.nowSecond != 0) s.hourlyArmed = 1;

    // A daily entry stands for today's occurrence; when the stretch began
    // before midnight, yesterday's occurrence may be the one due.
    std::vector<std::pair<std::int64_t, const AlarmEntry*>> due;
    for (const AlarmEntry& entry : entries) {
        if (entry.hourly) continue;
        if (entry.second > from && entry.second <= to)
            due.emplace_back(entry.second, &entry);
        else if (entry.daily && entry.second - kSecondsPerDay > from && entry.second - kSecondsPerDay <= to)
            due.emplace_back(entry.second - kSecondsPerDay, &entry);
    }
    std::stable_sort(due.begin(), due.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [second, entry] : due) Fire(owner, entry->text);

    SelectNextAlarm(entries, now);
    lastCheckedSecond = to;
}

}  // namespace tiklet
