#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fileio.h"

namespace platform {
namespace {


std::string ResolvedTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = realpath(path.c_str(), nullptr)) {
            std::string resolved = real;
            std::free(real);
            return resolved;
        }
    }
    return path;
}

mode_t NewFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

// The replacement keeps the user's extended attributes of the file it
// replaces (the DOS attributes among them).
void CopyUserAttributes(const std::string& from, int to) {
    const ssize_t listed = listxattr(from.c_str(), nullptr, 0);
    if (listed <= 0) return;
    std::vector<char> names(static_cast<std::size_t>(listed));
    const ssize_t length = listxattr(from.c_str(), names.data(), names.size());
    for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(std::strlen(names.data() + at)) + 1) {
        const char* name = names.data() + at;
        if (std::strncmp(name, "user.", 5) != 0) continue;
        const ssize_t size = getxattr(from.c_str(), name, nullptr, 0);
        if (size < 0) continue;
        std::vector<char> value(static_cast<std::size_t>(size));
        if (getxattr(from.c_str(), name, value.data(), value.size()) == size)
            fsetxattr(to, name, value.data(), value.size(), 0);
    }
}

[[noreturn]] void FailToRead(const std::string& path, int error) {
    throw FileError("Unable to read \"" + path + "\": " + std::strerror(error));
}

}  // namespace

FileBytes ReadFileBytes(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) FailToRead(path, errno);
    struct stat info {};
    const std::size_t expected = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0;
    FileBytes bytes;
    for (;;) {
        const std::size_t room = bytes.MakeRoom(expected);
        const ssize_t got = read(fd, bytes.data.get() + bytes.size, room);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            close(fd);
            FailToRead(path, error);
        }
        if (got == 0) break;
        bytes.size += static_cast<std::size_t>(got);
    }
    close(fd);
    return bytes;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : target_(ResolvedTarget(path)) {
    const std::size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : target_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    temporary_ = (slash == std::string::npos ? std::string() : folder) + "." + name + ".XXXXXX";
    int fd = mkstemp(temporary_.data());
    if (fd < 0) {
        const int error = errno;
        temporary_.clear();
        Fail("cannot create a file in its folder", error);
    }
    handle_ = fd;
    struct stat old {};
    const bool replacing = stat(target_.c_str(), &old) == 0;
    fchmod(fd, replacing ? (old.st_mode & 07777) : NewFileMode());
    if (replacing) CopyUserAttributes(target_, fd);
    buffer_.reserve(kWriteBufferSize);
}

void AtomicFileWriter::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t written = ::write(Descriptor(handle_), buffer_.data() + done, buffer_.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) Fail("cannot write", written < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(written);
    }
    buffer_.clear();
}

void AtomicFileWriter::Commit() {
    Flush();
    if (fsync(Descriptor(handle_)) != 0) Fail("cannot flush to disk", errno);
    const int fd = Descriptor(handle_);
    handle_ = -1;
    if (close(fd) != 0) Fail("cannot write", errno);
    if (rename(temporary_.c_str(), target_.c_str()) != 0) Fail("cannot replace the file", errno);
    committed_ = true;
    // Make the rename itself durable; a failure here leaves a valid file.
    const std::size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target_.substr(0, slash + 1);
    if (int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

void AtomicFileWriter::Discard() noexcept {
    if (handle_ >= 0) close(Descriptor(handle_));
    handle_ = -1;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_.clear();
}

void AtomicFileWriter::Fail(const std::string& what, int error) {
    Discard();
    throw FileError("Unable to save \"" + target_ + "\": " + what + " (" + std::strerror(error) + ")");
}

}  // namespace platform
