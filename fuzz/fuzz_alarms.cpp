// LoadAlarms and a few ticks of CheckAlarms over an alarms key built from the
// input. Nothing may escape: malformed entries are skipped. Every launch is
// of the alarm program with the data of an entry in the key, the selection
// is an entry's, and no key stays open.
#include <set>

#include "alarms/alarms.h"
#include "fuzz_support.h"
#include "platform/fake/fake.h"
#include "platform/fake/window_fake.h"
#include "state/clock_state.h"

using namespace tiklet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fake::ResetAll();
    ClockState = TClockState{};
    reportedEntries.clear();
    lastCheckedSecond = 0;
    fuzz::Input in(data, size);
    const char* key = "SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms";
    fake::SetNow(2026, 1 + in.Byte() % 12, 1 + in.Byte() % 28, in.Byte() % 24, in.Byte() % 60, in.Byte() % 60,
                 in.Byte() * 3);
    const int ticks = in.Byte() % 8;
    std::set<std::string> texts;
    const char* prefixes[] = {"", "Daily ", "Hourly", "01.01.2000 "};
    while (!in.Empty()) {
        const std::string name = prefixes[in.Byte() % 4] + in.Bytes(24);
        const std::uint32_t types[] = {kRegSz, kRegExpandSz, kRegDword, kRegBinary, kRegMultiSz};
        const std::uint32_t type = types[in.Byte() % 5];
        const std::string bytes = in.Bytes(32);
        fake::SetRawValue(key, name, type, bytes);
        texts.insert(bytes.substr(0, bytes.find('\0')));
    }
    texts.insert("");
    try {
        ClockState.hourlyArmed = 1;
        LoadAlarms();
        for (int t = 0; t < ticks; ++t) {
            fake::Advance(static_cast<std::int64_t>(t % 3 == 2 ? -3600000 : 1000 + 700 * t));
            CheckAlarms(fake::FakeWindow());
        }
    } catch (const std::exception& e) {
        fuzz::Fail("escaped", e.what());
    }
    for (const fake::Launch& l : fake::Launches())
        if (l.file != "Ombrix.exe" || !texts.count(l.parameters)) fuzz::Fail("unexpected launch", l.parameters);
    if (!texts.count(ClockState.nextAlarmText)) fuzz::Fail("selection not from the key", ClockState.nextAlarmText);
    if (fake::OpenKeyHandles() != 0) fuzz::Fail("key left open", "");
    return 0;
}
