#include "folders.h"
#include "xdgfolders_posix.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace platform {
namespace {

const char kNoFolderMessage[] = "SHGetPathFromIDList failed : invalid pidl";

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return {};
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

namespace posix {

bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string prefix = path.substr(0, slash);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string XdgFolder(const char* variable, const char* belowHome) {
    // Only an absolute path counts; a relative one is to be ignored.
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/')
        return WithoutTrailingSlashes(value);
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    return WithoutTrailingSlashes(WithoutTrailingSlashes(home) + "/" + belowHome);
}

}  // namespace posix

std::string ApplicationDataFolder() {
    const std::string folder = posix::XdgFolder("XDG_DATA_HOME", ".local/share");
    if (folder.empty() || !posix::MakeFolders(folder)) throw std::runtime_error(kNoFolderMessage);
    return folder;
}

std::string ProgramPath() {
    std::vector<char> buffer(4096);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramDirectory() {
    std::string path = ProgramPath();
    return path.substr(0, path.rfind('/') + 1);
}

}  // namespace platform
