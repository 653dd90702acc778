// The schedule as the loader reads it, shared by LoadAlarms and CheckAlarms.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/datetime.h"
#include "state/clock_state.h"

namespace tiklet {

struct AlarmEntry {
    AnsiString name;  // after rewriting: a date-time text
    AnsiString text;  // the alarm program's argument string
    std::int64_t second = 0;  // the moment, in whole seconds from 30 December 1899
    bool hourly = false;
    bool daily = false;  // due every day: `second` is today's occurrence
};

std::int64_t WholeSecond(TDateTime moment);

// Takes `now` into the now fields of ClockState.
void StoreNow(TDateTime now);

// Every well-formed entry of the alarms key as it stands, in the store's
// order. Sets hourlyEnabled and hourlyText from the Hourly entry, or clears
// them. Malformed entries are reported once per run and left out.
void ReadAlarmEntries(TDateTime now, std::vector<AlarmEntry>& entries);

// The earliest entry later than `now` (the first listed among equals), or the
// last listed when none is; nothing selected when there are no entries.
void SelectNextAlarm(const std::vector<AlarmEntry>& entries, TDateTime now);

}  // namespace tiklet
