#pragma once
// Reading back the attributes a test has set.
#include <string>

#include "fileattributes.h"

namespace fq::test {

// The attributes of path as a test set them. Wine reports ARCHIVE on every
// file and cannot clear it, so on Windows ARCHIVE is left out (a file left
// with nothing else reads NORMAL); elsewhere the attributes are as given.
inline unsigned FileAttributesAsSet(const std::string& path) {
    unsigned attributes = platform::GetFileAttributesOf(path);
#ifdef _WIN32
    if (attributes != platform::kInvalidAttributes && (attributes & platform::kAttributeDirectory) == 0) {
        attributes &= ~platform::kAttributeArchive;
        if (attributes == 0) attributes = platform::kAttributeNormal;
    }
#endif
    return attributes;
}

}  // namespace fq::test
