// Long runs of the clock's message handling must give back every pen, font
// and registry key they take.
#include "platform/window.h"
#include "shell/wndproc.h"
#include "support/fake_fixture.h"

using namespace tiklet;
using namespace tiklet::testing;

namespace {

class Leaks : public FakeTest {};

TEST_F(Leaks, ThousandsOfTicksPaintsAndDragsReleaseEverything) {
    WriteGoodSettings();
    fake::SetString(kAlarms, "Hourly", "chime");
    fake::SetString(kAlarms, "Daily 07:30:00", "wake");
    fake::SetString(kAlarms, "bad name", "never");
    fake::SetNow(2026, 5, 4, 23, 0, 0);
    ReadSettings();
    LoadAlarms();
    ClockState.width = 253;
    ClockState.height = 32;
    ClockState.fontHeight = 20;
    ClockState.format = 4;
    fake::SetCanvas(253, 32);
    const WindowHandle w = fake::FakeWindow();
    fake::OnSetWindowPos([w] { ClockWndProc(w, kWmWindowPosChanged, 0, 0); });
    for (int i = 0; i < 5000; ++i) {
        fake::Advance(1000);
        ClockWndProc(w, kWmTimer, 1, 0);
        ClockWndProc(w, kWmPaint, 0, 0);
        ClockWndProc(w, kWmMouseMove, kMkLButton, (i % 2) ? 0x000A000A : 0x000B000B);
        ClockWndProc(w, kWmLButtonUp, 0, 0);
        fake::GdiCalls().clear();
        fake::WindowCalls().clear();
    }
    const fake::GdiCounts& n = fake::Counts();
    EXPECT_EQ(n.pensCreated, 5000 * 32);
    EXPECT_EQ(n.pensDeleted, n.pensCreated);
    EXPECT_EQ(n.fontsDeleted, n.fontsCreated);
    EXPECT_EQ(n.paintsEnded, n.paintsBegun);
    EXPECT_EQ(n.deletedWhileSelected, 0);
    EXPECT_EQ(fake::OpenKeyHandles(), 0);
    EXPECT_EQ(fake::Reports().size(), 1u) << "the bad entry is reported once, not every tick";
    ASSERT_EQ(fake::Launches().size(), 1u) << "one chime, at midnight";
    EXPECT_EQ(fake::Launches()[0].parameters, "chime");
}

}  // namespace
