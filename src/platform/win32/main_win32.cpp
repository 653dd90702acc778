// Entry point of Tiklet.exe. A failure that nothing in the clock catches ends
// the process with exit status 1, after its class and text are written to the
// error output or, when the process has none, shown in a message box.
#include <windows.h>

#include <exception>
#include <string>

#include "platform/exceptions.h"
#include "platform/win32/win32_internal.h"
#include "shell/wndproc.h"

namespace {

int EndWithFailure(const std::string& report) {
    tiklet::DiscardClockWindow();
    if (!tiklet::WriteToErrorOutput(report)) MessageBoxA(nullptr, report.c_str(), "Tiklet", MB_OK | MB_ICONERROR);
    return 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    try {
        return tiklet::ClockMain(instance, showCommand);
    } catch (const tiklet::Exception& error) {
        return EndWithFailure(std::string(error.ClassName()) + ": " + error.what());
    } catch (const std::exception& error) {
        return EndWithFailure(std::string("Exception: ") + error.what());
    }
}
