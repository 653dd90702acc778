#include "alarms/alarms.h"
#include "platform/window.h"
#include "shell/wndproc.h"
#include "state/clock_state.h"

namespace tiklet {

const char* const kWindowClass = "Nuvor Tiklet";
const char* const kWindowTitle = "Nuvor Clock";

namespace {

constexpr unsigned kClassStyle = 3;            // CS_VREDRAW | CS_HREDRAW, no private DC
constexpr std::uint32_t kExStyle = 0x88;       // WS_EX_TOOLWINDOW | WS_EX_TOPMOST
constexpr std::uint32_t kStyle = 0x80000000;   // WS_POPUP
constexpr std::uint32_t kWsExLayered = 0x80000;

// Characters the window is sized for, by display format; 0 leaves the width.
int CharactersOf(std::uint16_t format) {
    switch (format) {
        case 1: return 5;
        case 2: return 8;
        case 3:
        case 4: return 19;
        default: return 0;
    }
}

void ApplyOutline(WindowHandle window) {
    const TClockState& s = ClockState;
    const int w = s.width, h = s.height;
    const int half = static_cast<int>(h * 0.5);
    const int cut = static_cast<int>(w - h * 0.5);
    switch (s.style) {
        case 2: {
            const Point points[6] = {{0, 0}, {cut, 0}, {w, half}, {w, h}, {half, h}, {0, half}};
            SetPolygonRegion(window, points, 6);
            break;
        }
        case 3:
            // The ellipse is given as h wide and w high; the system limits it
            // to the rectangle.
            SetRoundRectRegion(window, 0, 0, w, h, h, w);
            break;
        case 4: {
            const Point points[6] = {{half, 0}, {cut, 0}, {w, half}, {w, h}, {0, h}, {0, half}};
            SetPolygonRegion(window, points, 6);
            break;
        }
        default:
            break;  // a plain rectangle
    }
}

}  // namespace

int ClockMain(InstanceHandle instance, int showCommand) {
    TClockState& s = ClockState;
    RegisterClockClass(instance, kWindowClass, kClassStyle);
    ReadSettings();
    s.hourlyEnabled = 0;
    s.hourlyArmed = 1;
    LoadAlarms();

    if (const int n = CharactersOf(s.format)) s.width = static_cast<std::uint16_t>((2 * s.fontHeight * n) / 3);
    s.height = static_cast<std::uint16_t>((8 * s.fontHeight) / 5);

    const WindowHandle window =
        CreateClockWindow(kExStyle, kWindowClass, kWindowTitle, kStyle, s.left, s.top, s.width, s.height, instance);
    ApplyOutline(window);
    SetExStyle(window, GetExStyle(window) | kWsExLayered);
    SetLayeredAlpha(window, static_cast<std::uint8_t>((static_cast<std::uint32_t>(transparency) * 255) / 100));
    ShowClockWindow(window, showCommand);
    UpdateClockWindow(window);
    StartTimer(window, 1, 1000);
    return RunMessageLoop();
}

}  // namespace tiklet
