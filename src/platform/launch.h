// Program launch: starts a program by file name through the shell, with the
// verb "open" and SW_SHOWNORMAL. The result is not reported: a program that
// cannot be started is the shell's affair.
#pragma once

#include <string>

#include "platform/types.h"

namespace tiklet {

// `parameters` null passes no argument string; an empty text is passed as an
// empty string.
void ShellOpen(WindowHandle owner, const std::string& file, const std::string* parameters);

}  // namespace tiklet
