#include "shell/wndproc.h"

#include "alarms/alarms.h"
#include "display/clock_text.h"
#include "display/paint.h"
#include "platform/launch.h"
#include "platform/window.h"
#include "state/clock_state.h"

namespace tiklet {

const char* const kSettingsProgram = "Qelvo.exe";

namespace {

// A new left or top must stay this far inside the screen's right or bottom
// edge.
constexpr int kScreenMargin = 10;

// The new coordinate when it lies in 1 .. limit - margin - 1, else the old one.
std::uint16_t Clamped(std::uint16_t current, std::int32_t proposed, int limit) {
    if (proposed == 0) return current;
    if (static_cast<std::uint32_t>(proposed) < static_cast<std::uint32_t>(limit - kScreenMargin))
        return static_cast<std::uint16_t>(proposed);
    return current;
}

}  // namespace

LResult DragWindow(WindowHandle window, WParam wParam, LParam lParam) {
    TClockState& s = ClockState;
    const std::int32_t x = static_cast<std::uint16_t>(lParam & 0xFFFF);
    const std::int32_t y = static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF);
    if (wParam != kMkLButton) {
        dragging = 0;
        return 0;
    }
    if (dragging == 0) {
        s.dragAnchorX = x;
        s.dragAnchorY = y;
        dragging = 1;
        return 0;
    }
    const std::int32_t newLeft = s.left + x - s.dragAnchorX;
    if (newLeft != 0) s.left = Clamped(s.left, newLeft, ScreenWidth());
    const std::int32_t newTop = s.top + y - s.dragAnchorY;
    if (newTop != 0) s.top = Clamped(s.top, newTop, ScreenHeight());
    // The new position is stored first: the position messages sent from
    // inside this call save it.
    SetWindowPosTop(window, s.left, s.top, 10, 10, kSwpNoSize);
    return 0;
}

void SavePosition(TRegistry& registry) {
    registry.SetRootKey(RootKey::CurrentUser);
    registry.OpenKey(kSettingsKey, true);
    registry.WriteInteger("top", ClockState.top);
    registry.WriteInteger("left", ClockState.left);
}

LResult ClockWndProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
    const GradientSteps steps = ComputeGradientSteps();
    TRegistry registry;  // closed on every way out of this call
    switch (message) {
        case kWmDestroy:
            PostQuit(0);
            return 0;
        case kWmPaint:
            PaintClock(window, steps);
            return 0;
        case kWmTimer:
            CheckAlarms(window);
            ComposeClockText();
            InvalidateWindow(window);
            return 0;
        case kWmMouseMove:
            return DragWindow(window, wParam, lParam);
        case kWmRButtonDown:
            ShellOpen(window, kSettingsProgram, nullptr);
            return 0;
        default:
            SavePosition(registry);
            return DefaultWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace tiklet
