// The alarm schedule (the values of the alarms key) and the alarm step of
// each tick.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "platform/types.h"

namespace tiklet {

extern const char* const kAlarmsKey;
extern const char* const kAlarmProgram;
extern const char* const kHourlyPlaceholder;

// Statics beside ClockState that the alarm step needs:
// the second (counted from 30 December 1899) up to which entries have been
// looked at; the next tick looks at the seconds after it.
extern std::int64_t lastCheckedSecond;
// Malformed entries already reported in this run, by message.
extern std::set<std::string> reportedEntries;

// Reads the alarms key, selects the next alarm into ClockState and marks the
// moment of the load as checked. Run once at start-up.
void LoadAlarms();

// The alarm step of a tick: takes the current moment into the now fields,
// reads the key afresh, fires the hourly chime and every entry whose second
// came since the previous tick, and selects the next alarm. `owner` owns the
// launches of the alarm program.
void CheckAlarms(WindowHandle owner);

}  // namespace tiklet
