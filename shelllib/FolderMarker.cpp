#include "FolderMarker.h"

#include "StatusIconIndex.h"
#include "fileattributes.h"
#include "folders.h"
#include "profile.h"

namespace fennquill {
namespace {

const char* const kMarkerKeys[] = {"IconFile", "IconIndex", "TaskId"};

}  // namespace

std::string MarkerFileOf(const std::string& folder) { return folder + platform::kPathSeparator + "desktop.ini"; }

void MarkFolder(const std::string& folder, const std::string& taskId, const std::string& programDirectory,
                int priority, int progress) {
    if (!platform::IsExistingDirectory(folder)) return;
    const std::string ini = MarkerFileOf(folder);
    const std::string values[] = {programDirectory + "res.icl", std::to_string(MarkerIconIndex(priority, progress)),
                                  taskId};
    for (int i = 0; i < 3; ++i)
        if (!platform::WriteProfileValue(ini, kMarkerSection, kMarkerKeys[i], values[i]))
            throw MarkerError("Unable to write to " + ini);
    platform::SetFileAttributesOf(ini, platform::kAttributeSystem);
    platform::SetFileAttributesOf(folder, platform::kAttributeSystem);
}

void UnmarkFolder(const std::string& folder) {
    const std::string ini = MarkerFileOf(folder);
    if (platform::PathExists(ini)) {
        for (const char* key : kMarkerKeys) platform::DeleteProfileKey(ini, kMarkerSection, key);
        if (platform::ProfileKeyNames(ini, kMarkerSection).empty()) platform::DeleteProfileSection(ini, kMarkerSection);
        if (!platform::ProfileIsBlank(ini)) return;
        platform::SetFileAttributesOf(ini, platform::kAttributeNormal);  // a read-only file would not go
        platform::DeleteFileAt(ini);
    }
    platform::SetFileAttributesOf(folder, platform::kAttributeNormal);
}

}  // namespace fennquill
