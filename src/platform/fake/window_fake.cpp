#include "platform/fake/window_fake.h"

#include <deque>

#include "platform/fake/fake_internal.h"
#include "platform/window.h"
#include "shell/wndproc.h"

namespace tiklet {

namespace {

struct WindowState {
    std::vector<fake::WindowCall> calls;
    int screenWidth = 1024, screenHeight = 768;
    LResult defaultResult = 0;
    std::function<void()> onSetWindowPos;
    std::deque<fake::QueuedMessage> queue;
    bool quitPosted = false;
    int quitCode = 0;
};

WindowState& W() {
    static WindowState state;
    return state;
}

long long Id(const void* p) { return static_cast<long long>(reinterpret_cast<std::uintptr_t>(p)); }

void Record(const char* op, std::vector<long long> args) { W().calls.push_back({op, std::move(args)}); }

int fakeWindowTag;

}  // namespace

void PostQuit(int exitCode) {
    Record("PostQuitMessage", {exitCode});
    W().quitPosted = true;
    W().quitCode = exitCode;
}

void InvalidateWindow(WindowHandle window) { Record("InvalidateRect", {Id(window)}); }

int ScreenWidth() {
    Record("GetSystemMetrics", {0});
    return W().screenWidth;
}

int ScreenHeight() {
    Record("GetSystemMetrics", {1});
    return W().screenHeight;
}

void SetWindowPosTop(WindowHandle window, int x, int y, int cx, int cy, unsigned flags) {
    Record("SetWindowPos", {Id(window), x, y, cx, cy, flags});
    if (W().onSetWindowPos) W().onSetWindowPos();
}

LResult DefaultWindowProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
    Record("DefWindowProc", {Id(window), message, static_cast<long long>(wParam), lParam});
    // Default processing of WM_CLOSE destroys the window.
    if (message == kWmClose) {
        ClockWndProc(window, kWmDestroy, 0, 0);
        ClockWndProc(window, kWmNcDestroy, 0, 0);
    }
    return W().defaultResult;
}

void RegisterClockClass(InstanceHandle instance, const char*, unsigned style) {
    Record("RegisterClass", {Id(instance), style});
}

WindowHandle CreateClockWindow(std::uint32_t exStyle, const char*, const char*, std::uint32_t style, int x, int y,
                               int width, int height, InstanceHandle instance) {
    Record("CreateWindowEx", {exStyle, style, x, y, width, height, Id(instance)});
    WindowHandle window = fake::FakeWindow();
    // The system sends the creation messages from inside the call.
    ClockWndProc(window, kWmNcCreate, 0, 0);
    ClockWndProc(window, kWmCreate, 0, 0);
    return window;
}

void SetPolygonRegion(WindowHandle window, const Point* points, int count) {
    std::vector<long long> args{Id(window)};
    for (int i = 0; i < count; ++i) {
        args.push_back(points[i].x);
        args.push_back(points[i].y);
    }
    Record("SetPolygonRegion", std::move(args));
}

void SetRoundRectRegion(WindowHandle window, int left, int top, int right, int bottom, int ew, int eh) {
    Record("SetRoundRectRegion", {Id(window), left, top, right, bottom, ew, eh});
}

std::uint32_t GetExStyle(WindowHandle window) {
    Record("GetExStyle", {Id(window)});
    return 0x88;
}

void SetExStyle(WindowHandle window, std::uint32_t exStyle) { Record("SetExStyle", {Id(window), exStyle}); }

void SetLayeredAlpha(WindowHandle window, std::uint8_t alpha) { Record("SetLayeredAlpha", {Id(window), alpha}); }

void ShowClockWindow(WindowHandle window, int showCommand) { Record("ShowWindow", {Id(window), showCommand}); }

void UpdateClockWindow(WindowHandle window) {
    Record("UpdateWindow", {Id(window)});
    ClockWndProc(window, kWmPaint, 0, 0);
}

void StartTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
    Record("SetTimer", {Id(window), static_cast<long long>(id), milliseconds});
}

int RunMessageLoop() {
    while (!W().quitPosted && !W().queue.empty()) {
        const fake::QueuedMessage m = W().queue.front();
        W().queue.pop_front();
        ClockWndProc(fake::FakeWindow(), m.message, m.wParam, m.lParam);
    }
    return W().quitCode;
}

namespace fake {

void ResetWindow() { W() = WindowState{}; }
std::vector<WindowCall>& WindowCalls() { return W().calls; }
void SetScreenSize(int width, int height) {
    W().screenWidth = width;
    W().screenHeight = height;
}
void SetDefaultResult(LResult result) { W().defaultResult = result; }
void OnSetWindowPos(std::function<void()> hook) { W().onSetWindowPos = std::move(hook); }
void QueueMessage(MessageId message, WParam wParam, LParam lParam) { W().queue.push_back({message, wParam, lParam}); }
bool QuitPosted() { return W().quitPosted; }
int QuitCode() { return W().quitCode; }
WindowHandle FakeWindow() { return &fakeWindowTag; }

}  // namespace fake
}  // namespace tiklet
