#include "alarms/schedule.h"

#include "alarms/alarms.h"
#include "platform/exceptions.h"
#include "platform/registry.h"
#include "platform/report.h"

namespace tiklet {

const char* const kAlarmsKey = "\\SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms";
const char* const kHourlyPlaceholder = "01.01.2000 12:00:00";

std::int64_t lastCheckedSecond = 0;
std::set<std::string> reportedEntries;

namespace {

void ReportOnce(const std::string& message) {
    if (reportedEntries.insert(message).second) ReportProblem(message);
}

}  // namespace

std::int64_t WholeSecond(TDateTime moment) {
    const std::int64_t ms = ToMilliseconds(moment);
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

void StoreNow(TDateTime now) {
    TClockState& s = ClockState;
    DecodeTime(now, s.nowHour, s.nowMinute, s.nowSecond, s.nowMsec);
    DecodeDate(now, s.nowYear, s.nowMonth, s.nowDay);
}

void ReadSchedule(TDateTime now, Schedule& schedule) {
    TClockState& s = ClockState;
    TRegistry registry;
    registry.SetRootKey(RootKey::CurrentUser);
    // A key that can be neither opened nor created lists no values.
    registry.OpenKey(kAlarmsKey, true);
    // Names and data in one pass over the key.
    registry.GetValues(schedule.values);
    const ValueList& values = schedule.values;
    schedule.entries.clear();
    schedule.entries.reserve(values.Size());
    schedule.dailyNames.clear();
    schedule.dailyNames.reserve(values.Size());  // never reallocated: entries point into it

    const AlarmEntry* hourly = nullptr;
    const std::string today = DateToStr(static_cast<TDateTime>(static_cast<std::int64_t>(now)));
    for (std::size_t i = 0; i < values.Size(); ++i) {
        const std::string_view name = values.Name(i);
        AlarmEntry entry;
        try {
            entry.text = TRegistry::TextOf(name, values.Type(i), values.Data(i));
        } catch (const ERegistryException& error) {
            ReportOnce(error.what());
            continue;
        }
        if (name == "Hourly") {
            entry.hourly = true;
            entry.name = kHourlyPlaceholder;
        } else if (name.substr(0, 5) == "Daily") {
            // Today's date, then the blank and the whole time after "Daily"
            // (characters 6 to 14 of the name).
            entry.daily = true;
            std::string& rewritten = schedule.dailyNames.emplace_back(today);
            if (name.size() >= 6) rewritten.append(name.substr(5, 9));
            entry.name = rewritten;
        } else {
            entry.name = name;
        }
        if (!TryStrToFullDateTimeSeconds(entry.name, entry.second)) {
            ReportOnce(FormatError("'%s' is not a valid date and time", std::string(entry.name)));
            continue;
        }
        schedule.entries.push_back(entry);
        if (entry.hourly) hourly = &schedule.entries.back();
    }
    // The last entry examined, as its rewritten name and its data.
    if (!schedule.entries.empty()) {
        s.candidateName = schedule.entries.back().name;
        s.candidateText = schedule.entries.back().text;
    }
    s.hourlyEnabled = hourly != nullptr ? 1 : 0;
    s.hourlyText = hourly != nullptr ? hourly->text : std::string_view();
}

void SelectNextAlarm(const std::vector<AlarmEntry>& entries, TDateTime now) {
    TClockState& s = ClockState;
    if (entries.empty()) {
        s.nextAlarmName.clear();
        s.nextAlarmText.clear();
        s.alarmYear = s.alarmMonth = s.alarmDay = s.alarmHour = s.alarmMinute = s.alarmSecond = s.alarmMsec = 0;
        return;
    }
    const std::int64_t nowMs = ToMilliseconds(now);
    const AlarmEntry* selected = nullptr;
    for (const AlarmEntry& entry : entries) {
        if (entry.second * 1000 > nowMs && (selected == nullptr || entry.second < selected->second))
            selected = &entry;
    }
    if (selected == nullptr) selected = &entries.back();
    s.nextAlarmName = selected->name;
    s.nextAlarmText = selected->text;
    const TDateTime moment = FromMilliseconds(selected->second * 1000);
    DecodeDate(moment, s.alarmYear, s.alarmMonth, s.alarmDay);
    DecodeTime(moment, s.alarmHour, s.alarmMinute, s.alarmSecond, s.alarmMsec);
}

void LoadAlarms() {
    const TDateTime now = Now();
    StoreNow(now);
    Schedule schedule;
    ReadSchedule(now, schedule);
    SelectNextAlarm(schedule.entries, now);
    lastCheckedSecond = WholeSecond(now);
}

}  // namespace tiklet
