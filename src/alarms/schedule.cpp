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

// Sub-text from 1-based `position` with at most `length` characters.
AnsiString SubText(const AnsiString& text, std::size_t position, std::size_t length) {
    if (position < 1 || position > text.size()) return AnsiString();
    return text.substr(position - 1, length);
}

bool StartsWith(const AnsiString& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

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

void ReadAlarmEntries(TDateTime now, std::vector<AlarmEntry>& entries) {
    TClockState& s = ClockState;
    entries.clear();
    TRegistry registry;
    registry.SetRootKey(RootKey::CurrentUser);
    // A key that can be neither opened nor created lists no values.
    registry.OpenKey(kAlarmsKey, true);
    std::vector<std::string> names;
    registry.GetValueNames(names);

    bool hourlySeen = false;
    AnsiString hourlyText;
    const AnsiString today = DateToStr(static_cast<TDateTime>(static_cast<std::int64_t>(now)));
    entries.reserve(names.size());
    for (std::string& name : names) {
        AlarmEntry entry;
        try {
            entry.text = registry.ReadString(name);
        } catch (const ERegistryException& error) {
            ReportOnce(error.what());
            continue;
        }
        s.candidateName = name;
        s.candidateText = entry.text;
        if (name == "Hourly") {
            entry.hourly = true;
            entry.name = kHourlyPlaceholder;
        } else if (StartsWith(name, "Daily")) {
            // Today's date with the whole time written after the blank.
            entry.daily = true;
            entry.name = today + SubText(name, 6, 9);
        } else {
            entry.name = std::move(name);
        }
        TDateTime moment;
        if (!TryStrToFullDateTime(entry.name, moment)) {
            ReportOnce(FormatError("'%s' is not a valid date and time", entry.name));
            continue;
        }
        if (entry.hourly) {
            hourlySeen = true;
            hourlyText = entry.text;
        }
        entry.second = WholeSecond(moment);
        entries.push_back(std::move(entry));
    }
    s.hourlyEnabled = hourlySeen ? 1 : 0;
    s.hourlyText = std::move(hourlyText);
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
    std::vector<AlarmEntry> entries;
    ReadAlarmEntries(now, entries);
    SelectNextAlarm(entries, now);
    lastCheckedSecond = WholeSecond(now);
}

}  // namespace tiklet
