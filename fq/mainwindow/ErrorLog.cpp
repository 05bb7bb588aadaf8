#include "ErrorLog.h"

#include "fileattributes.h"
#include "fileio.h"
#include "folders.h"
#include "uProject.h"

namespace fq {

std::string ErrorLogPath() { return GetAppDataFolder() + platform::kPathSeparator + "Fennquill.log"; }

// The whole log is read and written again, the new message last; lines end
// with CR LF, and a message with line breaks takes several lines.
void AppendToErrorLog(const std::string& message) {
    const std::string path = ErrorLogPath();
    std::string text;
    if (platform::PathExists(path)) text = std::string(platform::ReadFileBytes(path).View());
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    for (std::size_t start = 0;;) {
        const std::size_t end = message.find_first_of("\r\n", start);
        text += message.substr(start, end - start) + "\r\n";
        if (end == std::string::npos) break;
        start = end + (message.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    platform::AtomicFileWriter writer(path);
    writer.Write(text.data(), text.size());
    writer.Commit();
}

void ReportError(const std::exception& error) noexcept {
    if (dynamic_cast<const AbortError*>(&error) != nullptr) return;
    ReportError(std::string(error.what()));
}

void ReportError(const std::string& message) noexcept {
    try {
        AppendToErrorLog(message);
    } catch (...) {
        // Nowhere left to tell: the message is dropped, the program goes on.
    }
}

}  // namespace fq
