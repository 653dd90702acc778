// Drives the real Tiklet.exe from outside, as a user and the companion
// programs would: writes the registry, starts the clock, finds its window,
// reads what the system reports about it, sends it messages, and checks what
// the clock wrote and launched (through stub companion programs).
#include <windows.h>
#include <psapi.h>
#include <sddl.h>

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

// ---- Bad input on the real platform

namespace more {

struct BadSetting {
    string name;
    int kind;  // 0 missing, 1 text of two bytes, 2 binary of eight bytes, 3 a DWORD
    string message;
};

std::vector<BadSetting> BadSettings() {
    std::vector<BadSetting> cases;
    for (const char* n : {"left", "top", "transparency", "startcolor", "endcolor", "fontcolor", "italic", "fontheight",
                          "bold", "style", "format", "language"}) {
        cases.push_back({n, 0, string("Failed to get data for '") + n + "'"});
        cases.push_back({n, 1, string("Invalid data type for '") + n + "'"});
        cases.push_back({n, 2, string("Failed to get data for '") + n + "'"});
    }
    cases.push_back({"fontname", 3, "Invalid data type for 'fontname'"});
    cases.push_back({"fontname", 2, "Invalid data type for 'fontname'"});
    return cases;
}

class BadSettingValue : public EndToEnd, public ::testing::WithParamInterface<BadSetting> {};

TEST_P(BadSettingValue, EndsWithStatusOneAndTheExactMessage) {
    const BadSetting& c = GetParam();
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &k), 0);
    RegDeleteValueA(k, c.name.c_str());
    if (c.kind == 1) RegSetValueExA(k, c.name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("7"), 2);
    if (c.kind == 2) RegSetValueExA(k, c.name.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>("12345678"), 8);
    if (c.kind == 3) {
        const DWORD v = 5;
        RegSetValueExA(k, c.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 4);
    }
    RegCloseKey(k);
    Clock clock;
    ASSERT_TRUE(clock.Started());
    EXPECT_EQ(clock.ExitStatus(), 1);
    EXPECT_EQ(clock.ErrorOutput(), "ERegistryException: " + c.message + "\r\n");
    EXPECT_EQ(FindWindowA("Nuvor Tiklet", "Nuvor Clock"), nullptr);
}

string BadSettingName(const ::testing::TestParamInfo<BadSetting>& info) {
    static const char* const kinds[] = {"Missing", "TwoByteText", "EightByteBinary", "Dword"};
    return info.param.name + kinds[info.param.kind];
}

INSTANTIATE_TEST_SUITE_P(Values, BadSettingValue, ::testing::ValuesIn(BadSettings()), BadSettingName);

// Sets the DACL of the settings key from an SDDL text.
void SetSettingsAccess(const char* sddl) {
    PSECURITY_DESCRIPTOR sd = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr));
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, WRITE_DAC | READ_CONTROL, &k), 0);
    EXPECT_EQ(RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, sd), 0);
    RegCloseKey(k);
    LocalFree(sd);
}

TEST_F(EndToEnd, PositionWriteRefusedWhileRunningEndsTheClock) {
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    SetSettingsAccess("D:(A;;KR;;;WD)");  // everyone may read, nobody may write
    PostMessageA(w, WM_LBUTTONUP, 0, 0);   // the default path saves the position
    const long status = clock.ExitStatus();
    SetSettingsAccess("D:(A;;KA;;;WD)");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(clock.ErrorOutput(), "ERegistryException: Failed to set data for 'top'\r\n");
    EXPECT_EQ(FindWindowA("Nuvor Tiklet", "Nuvor Clock"), nullptr) << "no window is left behind";
}

struct BadAlarm {
    const char* label;
    string name;
    DWORD type;
    string data;
};

class MalformedAlarm : public EndToEnd, public ::testing::WithParamInterface<BadAlarm> {};

TEST_P(MalformedAlarm, LeavesTheClockRunningAndTheGoodEntryFiring) {
    const BadAlarm& c = GetParam();
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAlarmsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
    RegSetValueExA(k, c.name.c_str(), 0, c.type, reinterpret_cast<const BYTE*>(c.data.data()),
                   static_cast<DWORD>(c.data.size()));
    RegCloseKey(k);
    SetString(kAlarmsKey, LocalTextIn(3), "good");
    Clock clock;
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_TRUE(WaitForLaunch("Ombrix.exe|good", 10000)) << clock.ErrorOutput();
    Sleep(1200);
    EXPECT_TRUE(clock.Running());
    for (const string& line : Launches()) EXPECT_EQ(line, "Ombrix.exe|good") << "nothing but the good entry fires";
    HKEY del;
    RegOpenKeyExA(HKEY_CURRENT_USER, kAlarmsKey, 0, KEY_ALL_ACCESS, &del);
    RegDeleteValueA(del, c.name.c_str());
    RegCloseKey(del);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MalformedAlarm,
    ::testing::Values(BadAlarm{"LowerCaseHourly", "hourly", REG_SZ, string("x\0", 2)},
                      BadAlarm{"UpperCaseHourly", "HOURLY", REG_SZ, string("x\0", 2)},
                      BadAlarm{"DailyAlone", "Daily", REG_SZ, string("x\0", 2)},
                      BadAlarm{"NoSuchDay", "31.02.2026 10:00:00", REG_SZ, string("x\0", 2)},
                      BadAlarm{"OtherLocaleForm", "2026-12-11 10:00:00", REG_SZ, string("x\0", 2)},
                      BadAlarm{"DwordData", "01.01.2099 10:00:00", REG_DWORD, string("\1\0\0\0", 4)},
                      BadAlarm{"BinaryData", "01.01.2099 10:00:01", REG_BINARY, string("abc", 3)},
                      BadAlarm{"HighBytes", "\xC2\xF1\xEA 10:00:00", REG_SZ, string("x\0", 2)},
                      BadAlarm{"DefaultValue", "", REG_SZ, string("x\0", 2)},
                      BadAlarm{"LongName", string(300, '9'), REG_SZ, string("x\0", 2)}),
    [](const auto& info) { return string(info.param.label); });

// ---- Thousands of paints and drag steps on the real clock

TEST_F(EndToEnd, ManyPaintsAndDragStepsLeaveHandlesAndMemoryFlat) {
    Clock clock;
    const HWND w = clock.Window();
    ASSERT_NE(w, nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    ASSERT_NE(process, nullptr);
    auto handles = [&] {
        DWORD n = 0;
        GetProcessHandleCount(process, &n);
        return n;
    };
    auto memory = [&] {
        PROCESS_MEMORY_COUNTERS m{};
        GetProcessMemoryInfo(process, &m, sizeof m);
        return m.WorkingSetSize;  // Wine takes it from the process's resident size
    };
    // Warm up, then measure.
    for (int i = 0; i < 200; ++i) SendMessageA(w, WM_PAINT, 0, 0);
    const DWORD handlesBefore = handles();
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const SIZE_T memoryBefore = memory();
    for (int i = 0; i < 3000; ++i) {
        SendMessageA(w, WM_PAINT, 0, 0);
        SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, i % 2 ? MAKELPARAM(20, 10) : MAKELPARAM(21, 11));
    }
    SendMessageA(w, WM_MOUSEMOVE, 0, 0);  // ends the drag
    // Wine reports neither the handle count nor the GDI objects of another
    // process (both read 0); they are compared where the system reports them.
    if (handlesBefore > 0) EXPECT_LE(handles(), handlesBefore + 2);
    if (gdiBefore > 0) EXPECT_LE(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore + 2);
    EXPECT_GT(memoryBefore, 0u) << "the memory in use is reported";
    EXPECT_LE(memory(), memoryBefore + 1024 * 1024);
    std::printf("handles %lu -> %lu, GDI objects %lu, memory %zu -> %zu\n", handlesBefore, handles(), gdiBefore,
                static_cast<size_t>(memoryBefore), static_cast<size_t>(memory()));
    // 3,200 paints of 32 rows would have run out of GDI handles had any pen
    // leaked: the rows must still be drawn.
    InvalidateRect(w, nullptr, FALSE);
    Sleep(1500);
    RECT r;
    GetWindowRect(w, &r);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, r.left + 1, r.top + 31), RGB(255 - 7 * 31, 255 - 7 * 31, 255 - 3 * 31));
    ReleaseDC(nullptr, screen);
    CloseHandle(process);
    EXPECT_TRUE(clock.Running());
}

}  // namespace more

}  // namespace
