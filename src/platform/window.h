// The window service: the messages the clock handles, and the user32 calls
// of the window procedure and of start-up.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace tiklet {

constexpr MessageId kWmCreate = 0x0001;
constexpr MessageId kWmDestroy = 0x0002;
constexpr MessageId kWmMove = 0x0003;
constexpr MessageId kWmPaint = 0x000F;
constexpr MessageId kWmClose = 0x0010;
constexpr MessageId kWmWindowPosChanging = 0x0046;
constexpr MessageId kWmWindowPosChanged = 0x0047;
constexpr MessageId kWmNcCreate = 0x0081;
constexpr MessageId kWmNcDestroy = 0x0082;
constexpr MessageId kWmTimer = 0x0113;
constexpr MessageId kWmMouseMove = 0x0200;
constexpr MessageId kWmLButtonDown = 0x0201;
constexpr MessageId kWmLButtonUp = 0x0202;
constexpr MessageId kWmRButtonDown = 0x0204;
constexpr MessageId kWmRButtonUp = 0x0205;

constexpr WParam kMkLButton = 0x0001;
constexpr WParam kMkShift = 0x0004;
constexpr WParam kMkControl = 0x0008;

constexpr unsigned kSwpNoSize = 0x0001;
constexpr int kSwShowDefault = 10;

// ---- Calls of the window procedure.
void PostQuit(int exitCode);
// The whole client area, without erasing it.
void InvalidateWindow(WindowHandle window);
int ScreenWidth();
int ScreenHeight();
// SetWindowPos with HWND_TOP as the window to insert after.
void SetWindowPosTop(WindowHandle window, int x, int y, int cx, int cy, unsigned flags);
LResult DefaultWindowProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

// ---- Calls of start-up. The registered class's procedure forwards every
// message to ClockWndProc.
struct Point {
    int x, y;
};
void RegisterClockClass(InstanceHandle instance, const char* className, unsigned style);
WindowHandle CreateClockWindow(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style,
                               int x, int y, int width, int height, InstanceHandle instance);
// Builds the region (fill mode ALTERNATE for the polygon) and hands it to
// the window, redrawing.
void SetPolygonRegion(WindowHandle window, const Point* points, int count);
void SetRoundRectRegion(WindowHandle window, int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);
std::uint32_t GetExStyle(WindowHandle window);
void SetExStyle(WindowHandle window, std::uint32_t exStyle);
// Constant opacity of a layered window (colour key 0, LWA_ALPHA).
void SetLayeredAlpha(WindowHandle window, std::uint8_t alpha);
void ShowClockWindow(WindowHandle window, int showCommand);
void UpdateClockWindow(WindowHandle window);
void StartTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds);
// Runs until the quit message; returns its wParam.
int RunMessageLoop();

}  // namespace tiklet
