#include "TaskLaunch.h"

#include "FolderMarker.h"
#include "fileattributes.h"
#include "profile.h"
#include "registry.h"

namespace fennquill {

std::string MarkedTaskId(const std::string& folder) {
    if (!platform::IsExistingDirectory(folder)) return {};
    const std::string ini = MarkerFileOf(folder);
    if (!platform::PathExists(ini)) return {};
    return platform::ReadProfileValue(ini, kMarkerSection, "TaskId", "");
}

std::string RegisteredProgram() {
    const platform::RegistryKey product("Software\\Fennquill", platform::RegistryKey::Opening::CreateIfMissing);
    const platform::RegistryKey data("Software\\Fennquill\\OS Data", platform::RegistryKey::Opening::ExistingOnly);
    return data.ReadString("AppPath");
}

bool IsHandOverSafe(const std::string& taskId) {
    if (taskId.empty()) return false;
    for (unsigned char c : taskId)
        if (c < 0x20 || c == 0x7F || c == '"') return false;
    return true;
}

std::string QuotedArgument(const std::string& text) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as themselves unless a quote follows them.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');  // before the closing quote
    quoted += '"';
    return quoted;
}

}  // namespace fennquill
