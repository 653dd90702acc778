// Errors raised by the platform services. Each carries the exact text that a
// user or a log sees, and the name of its class for the final report.
#pragma once

#include <stdexcept>
#include <string>

namespace tiklet {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* ClassName() const noexcept = 0;
};

// A registry value that could not be read or written.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "ERegistryException"; }
};

// A text that does not have the form of a date, a time or both.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EConvertError"; }
};

// Builds a message by putting `subject` in place of the one "%s" in `pattern`.
inline std::string FormatError(const char* pattern, const std::string& subject) {
    std::string text(pattern);
    const auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, subject);
    return text;
}

}  // namespace tiklet
