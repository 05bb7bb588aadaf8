// The library's exports: the folder marker behind a C boundary that no
// exception crosses.
#include <algorithm>
#include <cstring>
#include <exception>
#include <string>

#include "Fennquill.h"
#include "FolderMarker.h"
#include "IconRefresh.h"
#include "broadcast.h"

namespace {

thread_local std::string g_lastError;

std::string Text(const char* text) { return text == nullptr ? std::string() : std::string(text); }

// Runs work; a failure becomes the thread's last error and the given result.
template <class Work>
int Guarded(int failed, Work work) {
    try {
        return work();
    } catch (const std::exception& error) {
        g_lastError = error.what();
    } catch (...) {
        g_lastError = "Unknown error in the folder marker";
    }
    return failed;
}

}  // namespace

extern "C" {

int SetFolderIcon(const char* folder, const char* taskId, const char* programDir, int priority, int progress) {
    return Guarded(1, [&] {
        fennquill::MarkFolder(Text(folder), Text(taskId), Text(programDir), priority, progress);
        return 0;
    });
}

void ClearFolder(const char* folder) {
    Guarded(0, [&] {
        fennquill::UnmarkFolder(Text(folder));
        return 0;
    });
}

int RefreshScreenIcons(void) {
    return Guarded(-1, [] {
        const auto setting = fennquill::UserIconSizeSetting();
        return fennquill::RefreshIcons(*setting, platform::BroadcastSettingChange) ? 1 : 0;
    });
}

int GetLastMarkerError(char* buffer, int capacity) {
    if (buffer != nullptr && capacity > 0) {
        const std::size_t copied = std::min(g_lastError.size(), static_cast<std::size_t>(capacity - 1));
        std::memcpy(buffer, g_lastError.data(), copied);
        buffer[copied] = '\0';
    }
    return static_cast<int>(g_lastError.size());
}

}  // extern "C"
