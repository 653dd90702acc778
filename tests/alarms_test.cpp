#include <string>
#include <utility>
#include <vector>

#include "alarms/alarms.h"
#include "platform/exceptions.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;
using std::string;
using std::vector;

namespace {

TDateTime T(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
    TDateTime date = 0, time = 0;
    TryEncodeDate(y, mo, d, date);
    TryEncodeTime(h, mi, s, ms, time);
    return ComposeDateTime(date, time);
}

using Entries = vector<std::pair<string, string>>;

class Alarms : public FakeTest {
protected:
    static void Add(const Entries& entries) {
        for (const auto& [name, text] : entries) fake::SetString(kAlarms, name, text);
    }
    // Start-up: the flags reset and the first load, at `moment`.
    static void StartAt(TDateTime moment) {
        fake::SetNow(moment);
        ClockState.hourlyEnabled = 0;
        ClockState.hourlyArmed = 1;
        LoadAlarms();
    }
    static void TickAt(TDateTime moment) {
        fake::SetNow(moment);
        CheckAlarms(fake::FakeWindow());
    }
    // The argument strings the alarm program was started with, in order.
    static vector<string> Fired() {
        vector<string> texts;
        for (const fake::Launch& l : fake::Launches()) {
            EXPECT_EQ(l.file, "Ombrix.exe");
            EXPECT_EQ(l.verb, "open");
            EXPECT_TRUE(l.hasParameters);
            EXPECT_EQ(l.owner, fake::FakeWindow());
            texts.push_back(l.parameters);
        }
        return texts;
    }
    static vector<int> AlarmFields() {
        const TClockState& s = ClockState;
        return {s.alarmYear, s.alarmMonth, s.alarmDay, s.alarmHour, s.alarmMinute, s.alarmSecond, s.alarmMsec};
    }
};

// ---- Selection

struct SelectionCase {
    const char* label;
    Entries entries;
    string name, text;  // expected selection
};

class Selection : public Alarms, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(Selection, PicksTheEarliestLaterEntryElseTheLastListed) {
    Add(GetParam().entries);
    StartAt(T(2002, 7, 8, 9, 0, 0, 500));
    EXPECT_EQ(ClockState.nextAlarmName, GetParam().name);
    EXPECT_EQ(ClockState.nextAlarmText, GetParam().text);
    EXPECT_TRUE(fake::Launches().empty()) << "loading fires nothing";
    EXPECT_EQ(fake::OpenKeyHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Selection,
    ::testing::Values(
        SelectionCase{"EarliestFuture",
                      {{"08.07.2002 08:00:00", "p1"},
                       {"08.07.2002 10:00:05", "f5"},
                       {"07.07.2002 10:00:00", "p2"},
                       {"08.07.2002 10:00:02", "f2"}},
                      "08.07.2002 10:00:02",
                      "f2"},
        SelectionCase{"FirstListedAmongEqual",
                      {{"08.07.2002 08:00:00", "p1"},
                       {"8.7.2002 10:00:02", "first"},
                       {"07.07.2002 10:00:00", "p2"},
                       {"08.07.2002 10:00:02", "second"}},
                      "8.7.2002 10:00:02",
                      "first"},
        SelectionCase{"AllPastTakesTheLastListed",
                      {{"08.07.2002 08:00:00", "a"}, {"01.01.2002 08:00:00", "b"}, {"08.07.2002 07:00:00", "c"}},
                      "08.07.2002 07:00:00",
                      "c"},
        SelectionCase{"FutureYearBeforeEarlierDayText",
                      {{"31.12.2002 10:00:00", "late"}, {"01.01.2003 09:00:00", "later"}},
                      "31.12.2002 10:00:00",
                      "late"},
        SelectionCase{"DailyRewrittenToTodayWithItsWholeTime",
                      {{"Daily 07:30:45", "past"}, {"Daily 23:15:00", "future"}},
                      "08.07.2002 23:15:00",
                      "future"},
        SelectionCase{"DailyPastTimeStaysPast", {{"Daily 07:30:45", "past"}}, "08.07.2002 07:30:45", "past"}),
    [](const auto& info) { return string(info.param.label); });

TEST_F(Alarms, SelectionIsSplitIntoTheAlarmFields) {
    Add({{"Daily 23:15:07", "x"}});
    StartAt(T(2002, 7, 8, 9, 0, 0));
    EXPECT_EQ(AlarmFields(), (vector<int>{2002, 7, 8, 23, 15, 7, 0}));
}

TEST_F(Alarms, HourlyAloneSelectsThePlaceholder) {
    Add({{"Hourly", "chime"}});
    StartAt(T(2026, 3, 1, 9, 0, 0));
    EXPECT_EQ(ClockState.hourlyEnabled, 1);
    EXPECT_EQ(ClockState.hourlyText, "chime");
    EXPECT_EQ(ClockState.nextAlarmText, "chime");
    EXPECT_EQ(ClockState.nextAlarmName, "01.01.2000 12:00:00");
    EXPECT_EQ(AlarmFields(), (vector<int>{2000, 1, 1, 12, 0, 0, 0}));
}

TEST_F(Alarms, EmptyOrUnopenableKeyGivesNoSelection) {
    StartAt(T(2026, 3, 1, 9, 8, 7, 600));
    EXPECT_TRUE(fake::KeyExists(kAlarms)) << "the key is created";
    EXPECT_EQ(ClockState.nextAlarmName, "");
    EXPECT_EQ(AlarmFields(), (vector<int>{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ClockState.nowHour * 10000 + ClockState.nowMinute * 100 + ClockState.nowSecond, 90807);
    EXPECT_EQ(ClockState.nowMsec, 600);

    fake::ResetAll();
    fake::FailOpen(kAlarms);
    StartAt(T(2026, 3, 1, 9, 0, 0));
    EXPECT_EQ(ClockState.nextAlarmName, "");
    TickAt(T(2026, 3, 1, 9, 0, 1));
    EXPECT_TRUE(fake::Launches().empty());
}

// ---- Firing: sequences of ticks and the launches they cause

struct FiringCase {
    const char* label;
    Entries entries;
    TDateTime start;
    vector<TDateTime> ticks;
    vector<string> expected;
};

class Firing : public Alarms, public ::testing::WithParamInterface<FiringCase> {};

TEST_P(Firing, LaunchesExactlyTheDueEntries) {
    const FiringCase& c = GetParam();
    Add(c.entries);
    StartAt(c.start);
    for (const TDateTime tick : c.ticks) TickAt(tick);
    EXPECT_EQ(Fired(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Firing,
    ::testing::Values(
        FiringCase{"HourlyOnceForTwoTicksInTheSecond",
                   {{"Hourly", "chime"}},
                   T(2026, 5, 4, 9, 59, 58, 500),
                   {T(2026, 5, 4, 9, 59, 59, 500), T(2026, 5, 4, 10, 0, 0, 100), T(2026, 5, 4, 10, 0, 0, 900),
                    T(2026, 5, 4, 10, 0, 1, 100)},
                   {"chime"}},
        FiringCase{"ChimeFirstThenTheEntry",
                   {{"04.05.2026 10:00:00", "ten"}, {"Hourly", "chime"}},
                   T(2026, 5, 4, 9, 59, 59, 200),
                   {T(2026, 5, 4, 10, 0, 0, 200), T(2026, 5, 4, 10, 0, 1, 200)},
                   {"chime", "ten"}},
        FiringCase{"OneSecondApartEveryTick",
                   {{"04.05.2026 10:15:31", "b"}, {"04.05.2026 10:15:30", "a"}},
                   T(2026, 5, 4, 10, 15, 28, 400),
                   {T(2026, 5, 4, 10, 15, 29, 400), T(2026, 5, 4, 10, 15, 30, 400), T(2026, 5, 4, 10, 15, 31, 400),
                    T(2026, 5, 4, 10, 15, 32, 400)},
                   {"a", "b"}},
        FiringCase{"OneSecondApartWithTheFirstSecondMissing",
                   {{"04.05.2026 10:15:31", "b"}, {"04.05.2026 10:15:30", "a"}},
                   T(2026, 5, 4, 10, 15, 28, 400),
                   {T(2026, 5, 4, 10, 15, 29, 990), T(2026, 5, 4, 10, 15, 31, 5)},
                   {"a", "b"}},
        FiringCase{"TickJumpsOverTheAlarmSecond",
                   {{"04.05.2026 07:30:00", "wake"}},
                   T(2026, 5, 4, 7, 29, 58, 990),
                   {T(2026, 5, 4, 7, 29, 59, 990), T(2026, 5, 4, 7, 30, 1, 5), T(2026, 5, 4, 7, 30, 2, 5)},
                   {"wake"}},
        FiringCase{"MonthEndAndTheDailyAlarmOnBothSides",
                   {{"Daily 07:30:00", "daily"}, {"31.07.2002 23:59:59", "end"}},
                   T(2002, 7, 31, 7, 29, 58, 500),
                   {T(2002, 7, 31, 7, 29, 59, 500), T(2002, 7, 31, 7, 30, 0, 500), T(2002, 7, 31, 23, 59, 58, 500),
                    T(2002, 7, 31, 23, 59, 59, 500), T(2002, 8, 1, 0, 0, 0, 500), T(2002, 8, 1, 7, 29, 59, 500),
                    T(2002, 8, 1, 7, 30, 0, 500), T(2002, 8, 1, 7, 30, 1, 500)},
                   {"daily", "end", "daily"}},
        FiringCase{"AfterATenMinuteGapOnlyTheLastFiveMinutesFire",
                   {{"04.05.2026 10:02:00", "stale"}, {"04.05.2026 10:06:00", "recent"},
                    {"04.05.2026 10:10:00", "now"}},
                   T(2026, 5, 4, 9, 59, 59, 500),
                   {T(2026, 5, 4, 10, 0, 0, 500), T(2026, 5, 4, 10, 10, 0, 500)},
                   {"recent", "now"}},
        FiringCase{"ClockSetBackFiresNothingAtTheJump",
                   {{"04.05.2026 09:30:00", "again"}, {"04.05.2026 09:59:00", "between"}},
                   T(2026, 5, 4, 10, 0, 0, 500),
                   {T(2026, 5, 4, 10, 0, 1, 500), T(2026, 5, 4, 9, 29, 59, 500), T(2026, 5, 4, 9, 30, 0, 500)},
                   {"again"}},
        FiringCase{"NoEntriesNothingLaunched",
                   {},
                   T(2026, 5, 4, 9, 59, 59),
                   {T(2026, 5, 4, 10, 0, 0), T(2026, 5, 4, 10, 0, 1)},
                   {}},
        FiringCase{"DailyWhoseSecondHadNoTickBeforeMidnight",
                   {{"Daily 23:59:59", "night"}},
                   T(2026, 5, 4, 23, 59, 57, 500),
                   {T(2026, 5, 4, 23, 59, 58, 500), T(2026, 5, 5, 0, 0, 0, 500), T(2026, 5, 5, 0, 0, 1, 500)},
                   {"night"}},
        FiringCase{"DailyFiresAtItsWholeSecond",
                   {{"Daily 07:30:45", "exact"}},
                   T(2026, 5, 4, 7, 30, 39, 500),
                   {T(2026, 5, 4, 7, 30, 40, 500), T(2026, 5, 4, 7, 30, 44, 500), T(2026, 5, 4, 7, 30, 45, 500)},
                   {"exact"}},
        FiringCase{"EntryAtTheStartSecondDoesNotFire",
                   {{"04.05.2026 10:00:00", "gone"}},
                   T(2026, 5, 4, 10, 0, 0, 300),
                   {T(2026, 5, 4, 10, 0, 0, 800), T(2026, 5, 4, 10, 0, 1, 300)},
                   {}}),
    [](const auto& info) { return string(info.param.label); });

TEST_F(Alarms, DailyAlarmFiresAgainEachDay) {
    Add({{"Daily 07:30:00", "daily"}});
    StartAt(T(2026, 5, 4, 7, 29, 59, 500));
    TickAt(T(2026, 5, 4, 7, 30, 0, 500));
    EXPECT_EQ(ClockState.nextAlarmName, "04.05.2026 07:30:00") << "past today: not moved to tomorrow";
    TickAt(T(2026, 5, 5, 7, 29, 59, 500));
    EXPECT_EQ(ClockState.nextAlarmName, "05.05.2026 07:30:00");
    TickAt(T(2026, 5, 5, 7, 30, 0, 500));
    EXPECT_EQ(Fired(), (vector<string>{"daily", "daily"}));
}

TEST_F(Alarms, AfterEachTickTheSelectionIsTheNextEntryAhead) {
    Add({{"04.05.2026 10:15:30", "a"}, {"04.05.2026 10:15:31", "b"}});
    StartAt(T(2026, 5, 4, 10, 15, 29, 500));
    TickAt(T(2026, 5, 4, 10, 15, 30, 500));
    EXPECT_EQ(ClockState.nextAlarmText, "b");
    EXPECT_EQ(ClockState.alarmSecond, 31);
    EXPECT_EQ(ClockState.nowSecond, 30);
}

TEST_F(Alarms, ChimeArmingFollowsTheSecond) {
    Add({{"Hourly", "chime"}});
    StartAt(T(2026, 5, 4, 9, 59, 59, 500));
    TickAt(T(2026, 5, 4, 10, 0, 0, 500));
    EXPECT_EQ(ClockState.hourlyArmed, 0);
    TickAt(T(2026, 5, 4, 10, 0, 1, 500));
    EXPECT_EQ(ClockState.hourlyArmed, 1);
}

// ---- Faults that must not lose or invent an alarm, nor stop the clock

TEST_F(Alarms, MalformedEntriesAreSkippedAndReportedOnce) {
    Add({{"04.05.2026 10:00:01", "good1"},
         {"hourly", "lower"},
         {"Daily", "bare"},
         {"31.02.2026 10:00:00", "impossible"},
         {"Daily 25:00:00", "late"},
         {"04.05.2026 10:00:02", "good2"}});
    fake::SetDword(kAlarms, "04.05.2026 10:00:03", 7);
    fake::SetString(kAlarms, "04.05.2026 10:00:04", "good3", kRegExpandSz);
    StartAt(T(2026, 5, 4, 10, 0, 0, 500));
    for (int s = 1; s <= 30; ++s) EXPECT_NO_THROW(TickAt(T(2026, 5, 4, 10, 0, s, 500)));
    EXPECT_EQ(Fired(), (vector<string>{"good1", "good2", "good3"}));
    EXPECT_EQ(fake::Reports(), (vector<string>{"'hourly' is not a valid date and time",
                                               "'04.05.2026' is not a valid date and time",
                                               "'31.02.2026 10:00:00' is not a valid date and time",
                                               "'04.05.2026 25:00:00' is not a valid date and time",
                                               "Invalid data type for '04.05.2026 10:00:03'"}));
    EXPECT_EQ(ClockState.hourlyEnabled, 0) << "hourly in lower case is not the chime";
}

TEST_F(Alarms, DeletingEveryEntryClearsTheSelectionAndNothingFires) {
    Add({{"04.05.2026 10:00:05", "deleted"}});
    StartAt(T(2026, 5, 4, 10, 0, 0, 500));
    EXPECT_EQ(ClockState.nextAlarmText, "deleted");
    fake::DeleteValue(kAlarms, "04.05.2026 10:00:05");
    for (int s = 1; s <= 8; ++s) TickAt(T(2026, 5, 4, 10, 0, s, 500));
    EXPECT_TRUE(Fired().empty());
    EXPECT_EQ(ClockState.nextAlarmName, "");
    EXPECT_EQ(ClockState.nextAlarmText, "");
    EXPECT_EQ(AlarmFields(), (vector<int>{0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Alarms, DeletingHourlyStopsTheChime) {
    Add({{"Hourly", "chime"}});
    StartAt(T(2026, 5, 4, 9, 59, 59, 500));
    TickAt(T(2026, 5, 4, 10, 0, 0, 500));
    fake::DeleteValue(kAlarms, "Hourly");
    TickAt(T(2026, 5, 4, 10, 59, 59, 500));
    EXPECT_EQ(ClockState.hourlyEnabled, 0);
    EXPECT_EQ(ClockState.hourlyText, "");
    TickAt(T(2026, 5, 4, 11, 0, 0, 500));
    EXPECT_EQ(Fired(), (vector<string>{"chime"}));
}

TEST_F(Alarms, AnEntryAddedWhileRunningFiresEvenBeforeALaterSelection) {
    Add({{"05.05.2026 08:00:00", "tomorrow"}});
    StartAt(T(2026, 5, 4, 10, 0, 0, 500));
    fake::SetString(kAlarms, "04.05.2026 10:00:03", "added");
    fake::SetString(kAlarms, "Daily 10:00:04", "daily");
    for (int s = 1; s <= 5; ++s) TickAt(T(2026, 5, 4, 10, 0, s, 500));
    EXPECT_EQ(Fired(), (vector<string>{"added", "daily"}));
    EXPECT_EQ(ClockState.nextAlarmText, "tomorrow");
}

TEST_F(Alarms, EmptyDataIsPassedAsAnEmptyArgumentString) {
    fake::SetRawValue(kAlarms, "04.05.2026 10:00:01", kRegSz, "");
    StartAt(T(2026, 5, 4, 10, 0, 0, 500));
    TickAt(T(2026, 5, 4, 10, 0, 1, 500));
    ASSERT_EQ(fake::Launches().size(), 1u);
    EXPECT_TRUE(fake::Launches()[0].hasParameters);
    EXPECT_EQ(fake::Launches()[0].parameters, "");
}

}  // namespace
