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

}  // namespace fq
