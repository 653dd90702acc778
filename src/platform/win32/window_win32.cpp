// The window service over user32 and gdi32. The registered procedure only
// forwards to ClockWndProc. A failure that escapes the clock's code cannot be
// let through the system's frames: it is kept, the message loop is told to
// end, and it is thrown again once control is back in the clock's own calls.
#include <windows.h>

#include <exception>
#include <stdexcept>

#include "platform/win32/win32_internal.h"
#include "platform/window.h"
#include "shell/wndproc.h"

namespace tiklet {

namespace {

std::exception_ptr pendingFailure;
HWND clockWindow = nullptr;

HWND Hwnd(WindowHandle window) { return static_cast<HWND>(window); }

void ThrowIfFailed() {
    if (pendingFailure) std::rethrow_exception(pendingFailure);
}

LRESULT CALLBACK ForwardingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (pendingFailure) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return ClockWndProc(hwnd, message, wParam, lParam);
    } catch (...) {
        pendingFailure = std::current_exception();
        PostQuitMessage(1);
        return 0;
    }
}

}  // namespace

void DiscardClockWindow() {
    if (!pendingFailure) pendingFailure = std::make_exception_ptr(std::runtime_error("ended"));
    if (clockWindow != nullptr && IsWindow(clockWindow)) DestroyWindow(clockWindow);
    clockWindow = nullptr;
}

void PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void InvalidateWindow(WindowHandle window) { InvalidateRect(Hwnd(window), nullptr, FALSE); }

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

void SetWindowPosTop(WindowHandle window, int x, int y, int cx, int cy, unsigned flags) {
    SetWindowPos(Hwnd(window), HWND_TOP, x, y, cx, cy, flags);
}

LResult DefaultWindowProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
    return DefWindowProcA(Hwnd(window), message, wParam, lParam);
}

void RegisterClockClass(InstanceHandle instance, const char* className, unsigned style) {
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = ForwardingProc;
    wc.hInstance = static_cast<HINSTANCE>(instance);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    RegisterClassA(&wc);
}

WindowHandle CreateClockWindow(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style,
                               int x, int y, int width, int height, InstanceHandle instance) {
    clockWindow = CreateWindowExA(exStyle, className, title, style, x, y, width, height, nullptr, nullptr,
                                  static_cast<HINSTANCE>(instance), nullptr);
    ThrowIfFailed();
    return clockWindow;
}

void SetPolygonRegion(WindowHandle window, const Point* points, int count) {
    POINT pts[16];
    for (int i = 0; i < count && i < 16; ++i) pts[i] = {points[i].x, points[i].y};
    // The window owns the region from here on.
    SetWindowRgn(Hwnd(window), CreatePolygonRgn(pts, count, ALTERNATE), TRUE);
    ThrowIfFailed();
}

void SetRoundRectRegion(WindowHandle window, int left, int top, int right, int bottom, int ew, int eh) {
    SetWindowRgn(Hwnd(window), CreateRoundRectRgn(left, top, right, bottom, ew, eh), TRUE);
    ThrowIfFailed();
}

std::uint32_t GetExStyle(WindowHandle window) {
    return static_cast<std::uint32_t>(GetWindowLongA(Hwnd(window), GWL_EXSTYLE));
}

void SetExStyle(WindowHandle window, std::uint32_t exStyle) {
    SetWindowLongA(Hwnd(window), GWL_EXSTYLE, static_cast<LONG>(exStyle));
    ThrowIfFailed();
}

void SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) {
    SetLayeredWindowAttributes(Hwnd(window), 0, alpha, LWA_ALPHA);
    ThrowIfFailed();
}

void ShowClockWindow(WindowHandle window, int showCommand) {
    ShowWindow(Hwnd(window), showCommand);
    ThrowIfFailed();
}

void UpdateClockWindow(WindowHandle window) {
    UpdateWindow(Hwnd(window));
    ThrowIfFailed();
}

void StartTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
    SetTimer(Hwnd(window), id, milliseconds, nullptr);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        ThrowIfFailed();
    }
    ThrowIfFailed();
    return static_cast<int>(message.wParam);
}

}  // namespace tiklet
