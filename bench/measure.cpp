// Starts a clock program, reports the time from its start to its first
// paint (the first moment the screen under its window changes), then keeps
// it running until a stop file appears, and closes it. Before the start, a
// small magenta backdrop covers the probed pixel, so that what an earlier
// run left on the screen cannot pass for (or hide) the first paint.
// Usage: measure.exe <stop file> <window class> <x> <y> <program> [arguments]
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: measure stopfile class x y program [arguments]\n");
        return 2;
    }
    const std::string stopFile = argv[1], windowClass = argv[2];
    const int x = std::atoi(argv[3]) + 3, y = std::atoi(argv[4]) + 3;
    std::string command = std::string("\"") + argv[5] + "\"";
    for (int i = 6; i < argc; ++i) command += std::string(" ") + argv[i];

    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    wc.lpszClassName = "TikletProbeBackdrop";
    RegisterClassA(&wc);
    HWND backdrop = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "",
                                    WS_POPUP | WS_VISIBLE, x - 4, y - 4, 9, 9, nullptr, nullptr, wc.hInstance, nullptr);
    MSG message;
    for (int i = 0; i < 30; ++i) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    HDC screen = GetDC(nullptr);
    const COLORREF before = GetPixel(screen, x, y);
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start %s\n", command.c_str());
        return 1;
    }
    double firstPaintMs = -1;
    for (int i = 0; i < 20000; ++i) {
        if (GetPixel(screen, x, y) != before) {
            QueryPerformanceCounter(&now);
            firstPaintMs = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
            break;
        }
        Sleep(1);
    }
    ReleaseDC(nullptr, screen);
    DestroyWindow(backdrop);
    std::printf("first_paint_ms %.1f\n", firstPaintMs);
    std::fflush(stdout);

    while (GetFileAttributesA(stopFile.c_str()) == INVALID_FILE_ATTRIBUTES) Sleep(100);
    if (HWND w = FindWindowA(windowClass.c_str(), nullptr)) PostMessageA(w, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return 0;
}
