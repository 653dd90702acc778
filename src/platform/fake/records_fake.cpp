// Launches and reported problems, recorded instead of carried out.
#include "platform/fake/fake.h"
#include "platform/fake/fake_internal.h"
#include "platform/launch.h"
#include "platform/report.h"

namespace tiklet {

void ShellOpen(WindowHandle owner, const std::string& file, const std::string* parameters) {
    fake::Launch launch;
    launch.owner = owner;
    launch.verb = "open";
    launch.file = file;
    launch.hasParameters = parameters != nullptr;
    if (parameters != nullptr) launch.parameters = *parameters;
    fake::Launches().push_back(std::move(launch));
}

void ReportProblem(const std::string& text) { fake::Reports().push_back(text); }

namespace fake {

std::vector<Launch>& Launches() {
    static std::vector<Launch> launches;
    return launches;
}

std::vector<std::string>& Reports() {
    static std::vector<std::string> reports;
    return reports;
}

void ResetRecords() {
    Launches().clear();
    Reports().clear();
}

void ResetAll() {
    ResetRegistry();
    ResetClock();
    ResetRecords();
    ResetGdi();
    ResetWindow();
}

}  // namespace fake
}  // namespace tiklet
