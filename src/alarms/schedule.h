// The schedule as the loader reads it, shared by LoadAlarms and CheckAlarms.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datetime.h"
#include "platform/registry.h"
#include "state/clock_state.h"

namespace tiklet {

struct AlarmEntry {
    std::string_view name;  // after rewriting: a date-time text
    std::string_view text;  // the alarm program's argument string
    std::int64_t second = 0;  // the moment, in whole seconds from 30 December 1899
    bool hourly = false;
    bool daily = false;  // due every day: `second` is today's occurrence
};

// One reading of the alarms key: the entries, and the texts they point into.
struct Schedule {
    ValueList values;
    std::vector<std::string> dailyNames;  // rewritten names of the daily entries
    std::vector<AlarmEntry> entries;      // well-formed, in the store's order
};

std::int64_t WholeSecond(TDateTime moment);

// Takes `now` into the now fields of ClockState.
void StoreNow(TDateTime now);

// Reads every entry of the alarms key as it stands into `schedule`. Sets
// hourlyEnabled and hourlyText from the Hourly entry, or clears them.
// Malformed entries are reported once per run and left out.
void ReadSchedule(TDateTime now, Schedule& schedule);

// The earliest entry later than `now` (the first listed among equals), or the
// last listed when none is; nothing selected when there are no entries.
void SelectNextAlarm(const std::vector<AlarmEntry>& entries, TDateTime now);

}  // namespace tiklet
