#include "ShellLocations.h"

#include "comref_win.h"
#include "widetext_win.h"

namespace fq::test {
namespace {

using platform::win::ComRef;

// The folder's own absolute PIDL, freed with CoTaskMemFree.
LPITEMIDLIST LocationOf(IShellFolder* folder) {
    ComRef<IPersistFolder2> persist;
    if (FAILED(folder->QueryInterface(IID_IPersistFolder2, persist.PutVoid()))) return nullptr;
    LPITEMIDLIST location = nullptr;
    if (FAILED(persist->GetCurFolder(&location))) return nullptr;
    return location;
}

std::string PathOf(LPCITEMIDLIST absolute) {
    wchar_t path[MAX_PATH] = {};
    if (absolute == nullptr || !SHGetPathFromIDListW(absolute, path)) return {};
    return platform::win::Utf8FromWide(path);
}

}  // namespace

std::string PathOfItem(IShellFolder* parent, LPCITEMIDLIST item) {
    LPITEMIDLIST folder = LocationOf(parent);
    LPITEMIDLIST full = folder != nullptr ? ILCombine(folder, item) : nullptr;
    std::string path = PathOf(full);
    CoTaskMemFree(full);
    CoTaskMemFree(folder);
    return path;
}

std::string PathOfFolder(IShellFolder* folder) {
    LPITEMIDLIST location = LocationOf(folder);
    std::string path = PathOf(location);
    CoTaskMemFree(location);
    return path;
}

bool IsMyComputer(IShellFolder* folder) {
    ComRef<IShellFolder> desktop;
    LPITEMIDLIST drives = nullptr;
    LPITEMIDLIST location = LocationOf(folder);
    bool same = false;
    if (location != nullptr && SUCCEEDED(SHGetDesktopFolder(desktop.Put())) &&
        SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives)))
        same = HRESULT_CODE(desktop->CompareIDs(0, location, drives)) == 0;
    CoTaskMemFree(drives);
    CoTaskMemFree(location);
    return same;
}

}  // namespace fq::test
