#pragma once
// Files and folders on disk.
#include <string>

namespace platform {

// True when the path names an existing directory (a link to one included).
bool IsExistingDirectory(const std::string& path);

// True when something exists at the path.
bool PathExists(const std::string& path);

}  // namespace platform
