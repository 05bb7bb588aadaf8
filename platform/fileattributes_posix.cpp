#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "fileattributes.h"

namespace platform {
namespace {

const char kDosAttributeName[] = "user.DOSATTRIB";

// The bits kept in the extended attribute: a file's READONLY is its write
// permission instead.
unsigned StoredBits(bool directory) {
    return kAttributeHidden | kAttributeSystem | kAttributeArchive | (directory ? kAttributeReadOnly : 0);
}

unsigned ReadDosAttribute(const std::string& path) {
    char text[64] = {};
    const ssize_t length = getxattr(path.c_str(), kDosAttributeName, text, sizeof text - 1);
    if (length <= 2 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return 0;
    return static_cast<unsigned>(std::strtoul(text + 2, nullptr, 16));
}

bool WriteDosAttribute(const std::string& path, unsigned bits) {
    int result = 0;
    if (bits == 0) {
        result = removexattr(path.c_str(), kDosAttributeName);
        if (result != 0 && errno == ENODATA) result = 0;
    } else {
        char text[16];
        const int length = std::snprintf(text, sizeof text, "0x%x", bits);
        result = setxattr(path.c_str(), kDosAttributeName, text, static_cast<std::size_t>(length), 0);
    }
    // A file system without extended attributes keeps only READONLY.
    return result == 0 || errno == ENOTSUP;
}

}  // namespace

bool IsExistingDirectory(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

unsigned GetFileAttributesOf(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return kInvalidAttributes;
    const bool directory = S_ISDIR(info.st_mode);
    unsigned attributes = ReadDosAttribute(path) & StoredBits(directory);
    if (directory) attributes |= kAttributeDirectory;
    if (!directory && (info.st_mode & S_IWUSR) == 0) attributes |= kAttributeReadOnly;
    return attributes == 0 ? kAttributeNormal : attributes;
}

bool SetFileAttributesOf(const std::string& path, unsigned attributes) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return false;
    const bool directory = S_ISDIR(info.st_mode);
    const unsigned bits = attributes & ~(kAttributeNormal | kAttributeDirectory);
    if (!directory) {
        const mode_t mode = (bits & kAttributeReadOnly) ? (info.st_mode & ~S_IWUSR) : (info.st_mode | S_IWUSR);
        if (mode != info.st_mode && chmod(path.c_str(), mode & 07777) != 0) return false;
    }
    return WriteDosAttribute(path, bits & StoredBits(directory));
}

bool DeleteFileAt(const std::string& path) {
    struct stat info {};
    return !path.empty() && lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && unlink(path.c_str()) == 0;
}

}  // namespace platform
