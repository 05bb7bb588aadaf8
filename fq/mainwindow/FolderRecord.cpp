#include "FolderRecord.h"

namespace fq {

#ifdef _WIN32
constexpr char kSeparators[] = "\\/:";
#else
constexpr char kSeparators[] = "/";
#endif

std::string FileCaption(const std::string& path) {
    const std::size_t separator = path.find_last_of(kSeparators);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string FolderDisplayName(const std::string& path) {
#ifdef _WIN32
    if (path.size() <= 3) return path;
    return path.substr(path.find_last_of('\\') + 1);
#else
    const std::size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) return path;
    const std::size_t slash = path.find_last_of('/', end);
    return path.substr(slash == std::string::npos ? 0 : slash + 1, end - (slash == std::string::npos ? 0 : slash + 1) + 1);
#endif
}

}  // namespace fq
