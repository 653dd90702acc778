// Reports a problem that the clock survives (for instance a malformed alarm
// entry): on the error output, when the process has one, and on the
// debugger output.
#pragma once

#include <string>

namespace tiklet {

void ReportProblem(const std::string& text);

}  // namespace tiklet
