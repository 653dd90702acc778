// Stand-in for the companion programs in the end-to-end tests: appends
// "<its file name>|<its argument string>" to the file named by
// TIKLET_STUB_LOG, then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char log[MAX_PATH];
    if (GetEnvironmentVariableA("TIKLET_STUB_LOG", log, MAX_PATH) == 0) return 0;
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path);
    name = name.substr(name.find_last_of("\\/") + 1);
    const std::string line = name + "|" + (commandLine ? commandLine : "") + "\n";
    const HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
