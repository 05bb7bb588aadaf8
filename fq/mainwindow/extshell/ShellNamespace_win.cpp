#include "ShellNamespace_win.h"

#include <optional>

#include "comref_win.h"
#include "widetext_win.h"

namespace fq::extshell {

using platform::win::ComRef;
namespace {

// A path as the shell parses it: UTF-16 that fits a MAX_PATH buffer with its
// terminator. Longer paths are not handed to the shell at all.
std::optional<std::wstring> ParsingText(const std::string& utf8) {
    std::wstring wide = platform::win::WideFromUtf8(utf8);
    if (wide.size() >= MAX_PATH) return std::nullopt;
    return wide;
}

// Frees the PIDL it holds when it goes.
struct PidlScope {
    LPITEMIDLIST pidl = nullptr;
    PidlScope() = default;
    ~PidlScope() { FreePidl(pidl); }
    PidlScope(const PidlScope&) = delete;
    PidlScope& operator=(const PidlScope&) = delete;
};

LPITEMIDLIST Parse(IShellFolder* folder, std::wstring text) {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, text.data(), nullptr, &pidl, nullptr))) return nullptr;
    return pidl;
}

}  // namespace

LPITEMIDLIST GetItemPidl(const std::string& path, IShellFolder** parent) {
    *parent = nullptr;
    const std::optional<std::wstring> wide = ParsingText(path);
    if (!wide) return nullptr;
    const std::size_t separator = wide->find_last_of(L"\\:");
    // A bare name would be looked up among the desktop's items, which is not
    // where the item of a name without a folder lies.
    if (separator == std::wstring::npos) return nullptr;
    const std::wstring directory = wide->substr(0, separator + 1);
    const std::wstring name = wide->substr(separator + 1);

    ComRef<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put()))) return nullptr;
    PidlScope directoryPidl;
    directoryPidl.pidl = Parse(desktop.Get(), directory);
    if (directoryPidl.pidl == nullptr) return GetItemPidlFromDrives(path, parent);

    ComRef<IShellFolder> directoryFolder;
    if (FAILED(desktop->BindToObject(directoryPidl.pidl, nullptr, IID_IShellFolder, directoryFolder.PutVoid())))
        return nullptr;
    // An empty name names the directory itself, which only the drives
    // folder resolves as an item: a drive root.
    LPITEMIDLIST item = name.empty() ? nullptr : Parse(directoryFolder.Get(), name);
    if (item == nullptr) return GetItemPidlFromDrives(path, parent);
    *parent = directoryFolder.Detach();
    return item;
}

LPITEMIDLIST GetItemPidlFromDrives(const std::string& path, IShellFolder** parent) {
    *parent = nullptr;
    const std::optional<std::wstring> root = ParsingText(AddBackslash(path));
    if (!root) return nullptr;
    ComRef<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put()))) return nullptr;
    PidlScope drivesPidl;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drivesPidl.pidl))) return nullptr;
    ComRef<IShellFolder> drives;
    if (FAILED(desktop->BindToObject(drivesPidl.pidl, nullptr, IID_IShellFolder, drives.PutVoid()))) return nullptr;
    LPITEMIDLIST item = Parse(drives.Get(), *root);
    if (item == nullptr) return nullptr;
    *parent = drives.Detach();
    return item;
}

bool FreePidl(LPITEMIDLIST& pidl) {
    if (pidl == nullptr) return true;
    ComRef<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Put()))) return false;
    if (allocator->DidAlloc(pidl) <= 0) return false;
    allocator->Free(pidl);
    pidl = nullptr;
    return true;
}

std::string AddBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + '\\';
}

}  // namespace fq::extshell
