// The local clock, program launch and problem reports over kernel32 and
// shell32.
#include <windows.h>
#include <shellapi.h>

#include "platform/clock.h"
#include "platform/launch.h"
#include "platform/report.h"
#include "platform/win32/win32_internal.h"

namespace tiklet {

LocalTime GetLocalTimeNow() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    LocalTime t;
    t.year = st.wYear;
    t.month = st.wMonth;
    t.day = st.wDay;
    t.hour = st.wHour;
    t.minute = st.wMinute;
    t.second = st.wSecond;
    t.millisecond = st.wMilliseconds;
    return t;
}

void ShellOpen(WindowHandle owner, const std::string& file, const std::string* parameters) {
    ShellExecuteA(static_cast<HWND>(owner), "open", file.c_str(), parameters ? parameters->c_str() : nullptr, nullptr,
                  SW_SHOWNORMAL);
}

bool WriteToErrorOutput(const std::string& text) {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) return false;
    const std::string line = text + "\r\n";
    DWORD written = 0;
    return WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != 0;
}

void ReportProblem(const std::string& text) {
    OutputDebugStringA((text + "\n").c_str());
    WriteToErrorOutput(text);
}

}  // namespace tiklet
