#pragma once
// Errors that nothing else catches are written to "Fennquill.log" beside the
// project file, one message per line, oldest first, and never shown.
#include <exception>
#include <stdexcept>
#include <string>

namespace fq {

// Ends an operation without anything being logged or shown.
class AbortError : public std::runtime_error {
public:
    AbortError() : std::runtime_error("Operation aborted") {}
};

// The log file: the application-data folder followed by "Fennquill.log".
std::string ErrorLogPath();

// Appends the message as the last line(s) of the log. Raises when the log
// cannot be read or written.
void AppendToErrorLog(const std::string& message);

// Logs the error unless it is an AbortError. Never raises: a log that cannot
// be written loses the message rather than end the program or show a box.
void ReportError(const std::exception& error) noexcept;
void ReportError(const std::string& message) noexcept;

}  // namespace fq
