#include "ShellLibraryMarker.h"

#include <stdexcept>
#include <string>

#include "Fennquill.h"

namespace fq {
namespace {

[[noreturn]] void RaiseLibraryError() {
    std::string message(static_cast<std::size_t>(GetLastMarkerError(nullptr, 0)), '\0');
    GetLastMarkerError(message.data(), static_cast<int>(message.size()) + 1);
    throw std::runtime_error(message);
}

}  // namespace

void ShellLibraryMarker::SetFolderIcon(const std::string& folder, const std::string& taskId,
                                       const std::string& programDirectory, int priority, int progress) {
    if (::SetFolderIcon(folder.c_str(), taskId.c_str(), programDirectory.c_str(), priority, progress) != 0)
        RaiseLibraryError();
}

void ShellLibraryMarker::ClearFolder(const std::string& folder) { ::ClearFolder(folder.c_str()); }

bool ShellLibraryMarker::RefreshScreenIcons() {
    const int result = ::RefreshScreenIcons();
    if (result < 0) RaiseLibraryError();
    return result == 1;
}

}  // namespace fq
