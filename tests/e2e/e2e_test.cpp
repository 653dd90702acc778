// Drives the real Tiklet.exe from outside, as a user and the companion
// programs would: writes the registry, starts the clock, finds its window,
// reads what the system reports about it, sends it messages, and checks what
// the clock wrote and launched (through stub companion programs).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using std::string;

const char* const kSettingsKey = "SOFTWARE\\Nuvor Soft\\Tiklet";
const char* const kAlarmsKey = "SOFTWARE\\Nuvor Soft\\Tiklet\\Alarms";

// The folder with Tiklet.exe and the stubs, as a Windows path.
string E2eDir() {
    string dir = TIKLET_E2E_DIR;
    if (!dir.empty() && dir[0] == '/') {
        for (char& c : dir)
            if (c == '/') c = '\\';
        dir = "Z:" + dir;
    }
    return dir;
}

void SetDword(const char* key, const string& name, DWORD value) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
    RegSetValueExA(k, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(k);
}

void SetString(const char* key, const string& name, const string& text) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
    RegSetValueExA(k, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(k);
}

bool GetDword(const char* key, const string& name, DWORD& value) {
    DWORD size = sizeof value, type = 0;
    return RegGetValueA(HKEY_CURRENT_USER, key, name.c_str(), RRF_RT_ANY, &type, &value, &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool KeyExists(const char* key) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

// Local time `seconds` from now in the clock's text form.
string LocalTextIn(int seconds) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    ULARGE_INTEGER t;
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    t.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000ULL;
    ft.dwLowDateTime = t.LowPart;
    ft.dwHighDateTime = t.HighPart;
    FileTimeToSystemTime(&ft, &st);
    char text[32];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u %02u:%02u:%02u", st.wDay, st.wMonth, st.wYear, st.wHour,
                  st.wMinute, st.wSecond);
    return text;
}

string ReadFile(const string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

// One run of Tiklet.exe with its error output captured in a file.
class Clock {
public:
    Clock() {
        errorPath_ = E2eDir() + "\\stderr-" + std::to_string(GetTickCount()) + ".txt";
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        errorFile_ = CreateFileA(errorPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = nullptr;
        si.hStdOutput = errorFile_;
        si.hStdError = errorFile_;
        string command = "\"" + E2eDir() + "\\Tiklet.exe\"";
        started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, E2eDir().c_str(), &si,
                                  &process_) != 0;
    }
    ~Clock() {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                if (HWND w = Window(0)) PostMessageA(w, WM_CLOSE, 0, 0);
                if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT)
                    TerminateProcess(process_.hProcess, 99);
            }
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        CloseHandle(errorFile_);
        DeleteFileA(errorPath_.c_str());
    }
    bool Started() const { return started_; }
    // The clock's window, once start-up has shaped, layered and shown it.
    HWND Window(int timeoutMs = 10000) const {
        HWND found = nullptr;
        WaitFor(
            [&] {
                found = FindWindowA("Nuvor Tiklet", "Nuvor Clock");
                return found != nullptr && IsWindowVisible(found);
            },
            timeoutMs);
        return found;
    }
    bool Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    // The exit status, or -1 when it is still running after `timeoutMs`.
    long ExitStatus(int timeoutMs = 10000) const {
        if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<long>(code);
    }
    string ErrorOutput() const { return ReadFile(errorPath_); }

private:
    string errorPath_;
    HANDLE errorFile_ = INVALID_HANDLE_VALUE;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        WriteSettings();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        string name = string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name)
            if (c == '/' || c == '\\') c = '-';
        logPath_ = E2eDir() + "\\launches-" + name + ".log";
        DeleteFileA(logPath_.c_str());
        SetEnvironmentVariableA("TIKLET_STUB_LOG", logPath_.c_str());
    }
    void TearDown() override { DeleteFileA(logPath_.c_str()); }

    static void WriteSettings() {
        SetDword(kSettingsKey, "left", 100);
        SetDword(kSettingsKey, "top", 50);
        SetDword(kSettingsKey, "transparency", 100);
        SetDword(kSettingsKey, "startcolor", 0xFFFFFF);
        SetDword(kSettingsKey, "endcolor", 0x800000);
        SetDword(kSettingsKey, "fontcolor", 0x00FFFF);
        SetString(kSettingsKey, "fontname", "Tahoma");
        SetDword(kSettingsKey, "italic", 0);
        SetDword(kSettingsKey, "fontheight", 20);
        SetDword(kSettingsKey, "bold", 700);
        SetDword(kSettingsKey, "style", 1);
        SetDword(kSettingsKey, "format", 3);
        SetDword(kSettingsKey, "language", 0);
    }
    // Lines the stub programs wrote: "<program>|<argument string>".
    std::vector<string> Launches() const {
        std::vector<string> lines;
        std::istringstream in(ReadFile(logPath_));
        for (string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    bool WaitForLaunch(const string& line, int timeoutMs) const {
        return WaitFor(
            [&] {
                for (const string& l : Launches())
                    if (l == line) return true;
                return false;
            },
            timeoutMs);
    }
    string logPath_;
};

// ---- The window as the system reports it

struct SizeCase {
    DWORD format, fontHeight;
    long width, height;
};

class WindowSize : public EndToEnd, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(WindowSize, PositionSizeAndStyles) {
    SetDword(kSettingsKey, "format", GetParam().format);
    SetDword(kSettingsKey, "fontheight", GetParam().fontHeight);
    Clock clock;
    ASSERT_TRUE(clock.Started());
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr) << clock.ErrorOutput();
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right - r.left, GetParam().width);
    EXPECT_EQ(r.bottom - r.top, GetParam().height);
    const LONG ex = GetWindowLongA(w, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
              static_cast<DWORD>(WS_POPUP));
    EXPECT_TRUE(IsWindowVisible(w));
}

INSTANTIATE_TEST_SUITE_P(Formats, WindowSize,
                         ::testing::Values(SizeCase{1, 24, 80, 38}, SizeCase{2, 24, 128, 38},
                                           SizeCase{3, 20, 253, 32}, SizeCase{4, 20, 253, 32}));

TEST_F(EndToEnd, LayeredAlphaFollowsTheTransparency) {
    const DWORD cases[][2] = {{75, 191}, {100, 255}, {0, 0}, {101, 1}};
    for (const auto& c : cases) {
        SetDword(kSettingsKey, "transparency", c[0]);
        Clock clock;
        const HWND w = clock.Window();
        ASSERT_NE(w, nullptr);
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(w, &key, &alpha, &flags));
        EXPECT_EQ(alpha, c[1]) << c[0];
        EXPECT_TRUE(flags & LWA_ALPHA);
    }
}

struct RegionCase {
    DWORD style;
    std::vector<POINT> inside, outside;
    long right = 80, bottom = 38;  // of the bounding box
};

class Region : public EndToEnd, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(Region, OutlineOfTheStyle) {
    SetDword(kSettingsKey, "format", 1);
    SetDword(kSettingsKey, "fontheight", 24);  // 80 x 38
    SetDword(kSettingsKey, "style", GetParam().style);
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(w, region);
    if (GetParam().inside.empty()) {
        EXPECT_EQ(kind, ERROR) << "a plain rectangle has no region";
    } else {
        ASSERT_NE(kind, ERROR);
        RECT box;
        GetRgnBox(region, &box);
        EXPECT_EQ(box.left, 0);
        EXPECT_EQ(box.top, 0);
        EXPECT_EQ(box.right, GetParam().right);
        EXPECT_EQ(box.bottom, GetParam().bottom);
        for (const POINT p : GetParam().inside) EXPECT_TRUE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
        for (const POINT p : GetParam().outside) EXPECT_FALSE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
    }
    DeleteObject(region);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, Region,
    ::testing::Values(RegionCase{2, {{1, 1}, {40, 19}, {78, 36}, {60, 1}}, {{78, 1}, {1, 36}, {75, 2}}},
                      // A rounded region leaves out its right and bottom edges.
                      RegionCase{3, {{40, 1}, {40, 19}, {2, 19}, {77, 19}}, {{0, 0}, {78, 0}, {0, 36}, {78, 36}}, 79, 37},
                      RegionCase{4, {{30, 1}, {1, 36}, {78, 36}, {40, 19}}, {{1, 1}, {78, 1}, {10, 2}}},
                      RegionCase{1, {}, {}}));

TEST_F(EndToEnd, GradientRowsAndTextOnTheScreen) {
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    Sleep(2500);  // the first ticks compose the text
    RECT r;
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    // White to (0, 0, 128) over 32 rows: steps 7, 7 and 3.
    for (int row = 0; row < 32; ++row) {
        const int v = 255 - 7 * row;
        const COLORREF expected = RGB(v, v, 255 - 3 * row);
        EXPECT_EQ(GetPixel(screen, r.left + 1, r.top + row), expected) << row;
    }
    int textPixels = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (GetPixel(screen, x, y) == RGB(255, 255, 0)) ++textPixels;
    ReleaseDC(nullptr, screen);
    EXPECT_GT(textPixels, 50) << "the clock text in the font colour";
}

// ---- Interaction

TEST_F(EndToEnd, DragMovesTheWindowAndSavesThePosition) {
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    PostMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 10));
    PostMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 7));
    RECT r{};
    EXPECT_TRUE(WaitFor(
        [&] {
            GetWindowRect(w, &r);
            return r.left == 105 && r.top == 47;
        },
        5000))
        << r.left << "," << r.top;
    DWORD left = 0, top = 0;
    EXPECT_TRUE(WaitFor([&] { return GetDword(kSettingsKey, "left", left) && GetDword(kSettingsKey, "top", top) &&
                                     left == 105 && top == 47; },
                        5000))
        << left << "," << top;
}

TEST_F(EndToEnd, RightButtonStartsTheSettingsProgramOnce) {
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    PostMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(WaitForLaunch("Qelvo.exe|", 8000));
    Sleep(1000);
    EXPECT_EQ(Launches(), std::vector<string>{"Qelvo.exe|"});
}

TEST_F(EndToEnd, CloseEndsTheProcessWithStatusZero) {
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    PostMessageA(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(clock.ExitStatus(), 0);
    EXPECT_EQ(FindWindowA("Nuvor Tiklet", "Nuvor Clock"), nullptr);
}

// ---- Alarms

TEST_F(EndToEnd, AnEntryAFewSecondsAheadStartsTheAlarmProgram) {
    SetString(kAlarmsKey, LocalTextIn(3), "e2e alarm text");
    Clock clock;
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_TRUE(WaitForLaunch("Ombrix.exe|e2e alarm text", 10000)) << clock.ErrorOutput();
}

TEST_F(EndToEnd, MalformedEntryBesideAGoodOneDoesNotStopTheClock) {
    SetString(kAlarmsKey, "hourly", "not the chime");
    SetString(kAlarmsKey, "31.02.2026 10:00:00", "no such day");
    SetString(kAlarmsKey, LocalTextIn(3), "good one");
    Clock clock;
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_TRUE(WaitForLaunch("Ombrix.exe|good one", 10000));
    EXPECT_TRUE(clock.Running());
    EXPECT_NE(clock.ErrorOutput().find("'hourly' is not a valid date and time"), string::npos)
        << clock.ErrorOutput();
}

TEST_F(EndToEnd, HourlyAloneStartsNothingBeforeTheFullHour) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    if (st.wMinute == 59 && st.wSecond >= 50) GTEST_SKIP() << "too close to a full hour";
    SetString(kAlarmsKey, "Hourly", "chime");
    Clock clock;
    ASSERT_NE(clock.Window(), nullptr);
    Sleep(3000);
    EXPECT_TRUE(clock.Running());
    EXPECT_TRUE(Launches().empty());
}

// ---- Errors that end the clock

struct ErrorCase {
    const char* label;
    int setup;  // 0: no settings key; 1: fontname as a DWORD; 2: format as text
    const char* message;
};

class StartupError : public EndToEnd, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(StartupError, EndsWithStatusOneAndTheMessage) {
    switch (GetParam().setup) {
        case 0: RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); break;
        case 1: SetDword(kSettingsKey, "fontname", 5); break;
        case 2: SetString(kSettingsKey, "format", "3"); break;
    }
    Clock clock;
    ASSERT_TRUE(clock.Started());
    EXPECT_EQ(clock.ExitStatus(), 1);
    EXPECT_NE(clock.ErrorOutput().find(GetParam().message), string::npos) << clock.ErrorOutput();
    EXPECT_EQ(FindWindowA("Nuvor Tiklet", "Nuvor Clock"), nullptr);
    EXPECT_TRUE(KeyExists(kSettingsKey));
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupError,
                         ::testing::Values(ErrorCase{"NoSettingsKey", 0, "ERegistryException: Failed to get data for 'left'"},
                                           ErrorCase{"FontNameAsDword", 1, "ERegistryException: Invalid data type for 'fontname'"},
                                           ErrorCase{"FormatAsText", 2, "ERegistryException: Invalid data type for 'format'"}),
                         [](const auto& info) { return string(info.param.label); });

}  // namespace
