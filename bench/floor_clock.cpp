// The floor the clock is measured against: the least a clock that reads its
// alarms every second can cost. A topmost pop-up of the given size and a
// one-second timer; each tick enumerates the alarms key's values with their
// data in one pass and invalidates the window; each paint is one FillRect and
// one TextOutA of the time.
// Usage: FloorClock.exe x y width height
#include <windows.h>

#include <cstdio>

namespace {

const char* const kAlarmsKey = "SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms";
HBRUSH background;

void ReadAlarms() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kAlarmsKey, 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
        const LONG r = RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength);
        if (r != ERROR_SUCCESS && r != ERROR_MORE_DATA) break;
    }
    RegCloseKey(key);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            ReadAlarms();
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(dc, &r, background);
            SYSTEMTIME t;
            GetLocalTime(&t);
            char text[16];
            const int n = std::snprintf(text, sizeof text, "%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
            SetBkMode(dc, TRANSPARENT);
            TextOutA(dc, 2, 2, text, n);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    int x = 0, y = 0, w = 106, h = 32;
    std::sscanf(commandLine, "%d %d %d %d", &x, &y, &w, &h);
    background = CreateSolidBrush(RGB(70, 130, 180));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = "Floor Clock";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Floor Clock", "Floor Clock", WS_POPUP, x, y, w,
                                h, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    SetTimer(hwnd, 1, 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(background);
    return static_cast<int>(msg.wParam);
}
