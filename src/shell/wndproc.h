// The clock window's procedure and the routines of its messages.
#pragma once

#include "platform/registry.h"
#include "platform/types.h"

namespace tiklet {

extern const char* const kSettingsProgram;
extern const char* const kWindowClass;
extern const char* const kWindowTitle;

// Every message of the clock window passes through here.
LResult ClockWndProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

// A mouse move: starts, continues or ends a left-button drag.
LResult DragWindow(WindowHandle window, WParam wParam, LParam lParam);

// Writes "top" and then "left" into the settings key through `registry`.
void SavePosition(TRegistry& registry);

// Start-up: registers the class, reads the settings, loads the alarms,
// creates, shapes, layers and shows the window, starts the timer and runs
// the message loop. Returns the quit message's code.
int ClockMain(InstanceHandle instance, int showCommand);

}  // namespace tiklet
