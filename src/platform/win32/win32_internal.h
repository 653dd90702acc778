// Shared by the files of the real backend.
#pragma once

#include <string>

namespace tiklet {

// Writes one line to the process's error output; false when it has none.
bool WriteToErrorOutput(const std::string& text);

// After a failure escaped the clock's code: the window, if one was made, is
// destroyed without running the clock's procedure again.
void DiscardClockWindow();

}  // namespace tiklet
