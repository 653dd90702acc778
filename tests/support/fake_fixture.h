// A fresh process for each test: the fake backend reset and the clock's
// state as static construction leaves it.
#pragma once

#include <gtest/gtest.h>

#include "alarms/alarms.h"
#include "platform/fake/fake.h"
#include "platform/fake/window_fake.h"
#include "state/clock_state.h"

namespace tiklet::testing {

inline const char* const kSettings = "SOFTWARE\\Nuvor Soft\\Tiklet";
inline const char* const kAlarms = "SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms";

inline void ResetClockState() {
    ClockState = TClockState{};
    transparency = 0;
    dragging = 0;
    UseEnglishNames();
    lastCheckedSecond = 0;
    reportedEntries.clear();
}

class FakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::ResetAll();
        ResetClockState();
    }
};

// Every settings value, valid, in the order ReadSettings reads them.
inline void WriteGoodSettings() {
    fake::SetDword(kSettings, "left", 100);
    fake::SetDword(kSettings, "top", 50);
    fake::SetDword(kSettings, "transparency", 85);
    fake::SetDword(kSettings, "startcolor", 0xFFFFFF);
    fake::SetDword(kSettings, "endcolor", 0x800000);
    fake::SetDword(kSettings, "fontcolor", 0x00FFFF);
    fake::SetString(kSettings, "fontname", "Arial");
    fake::SetDword(kSettings, "italic", 0);
    fake::SetDword(kSettings, "fontheight", 20);
    fake::SetDword(kSettings, "bold", 700);
    fake::SetDword(kSettings, "style", 3);
    fake::SetDword(kSettings, "format", 2);
    fake::SetDword(kSettings, "language", 0);
}

}  // namespace tiklet::testing
