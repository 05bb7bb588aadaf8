#include "fileattributes.h"

#include <windows.h>

#include "widetext_win.h"

namespace platform {

bool IsExistingDirectory(const std::string& path) {
    const unsigned attributes = GetFileAttributesOf(path);
    return attributes != kInvalidAttributes && (attributes & kAttributeDirectory) != 0;
}

bool PathExists(const std::string& path) { return GetFileAttributesOf(path) != kInvalidAttributes; }

unsigned GetFileAttributesOf(const std::string& path) {
    if (path.empty()) return kInvalidAttributes;
    return GetFileAttributesW(win::WideFromUtf8(path).c_str());
}

bool SetFileAttributesOf(const std::string& path, unsigned attributes) {
    return !path.empty() && SetFileAttributesW(win::WideFromUtf8(path).c_str(), attributes) != 0;
}

bool DeleteFileAt(const std::string& path) {
    return !path.empty() && DeleteFileW(win::WideFromUtf8(path).c_str()) != 0;
}

}  // namespace platform
