#include "LibraryFile_win.h"

#include <windows.h>

namespace fennquill {
namespace {

// Any object inside the library tells which module the library is.
const char kInsideThisLibrary = 0;

HMODULE ThisLibrary() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&kInsideThisLibrary), &module);
    return module;
}

}  // namespace

std::wstring LibraryPath() {
    const HMODULE library = ThisLibrary();
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(library, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut off: the buffer was too small
    }
}

std::wstring ServerPathOf(const std::wstring& path) {
    if (path.find(L' ') == std::wstring::npos) return path;
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::wstring shortPath(needed, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) return path;
    shortPath.resize(length);
    return shortPath;
}

std::wstring BaseNameOf(const std::wstring& path) {
    const std::size_t folderEnd = path.find_last_of(L"\\/");
    std::wstring name = folderEnd == std::wstring::npos ? path : path.substr(folderEnd + 1);
    const std::size_t extension = name.rfind(L'.');
    if (extension != std::wstring::npos) name.resize(extension);
    return name;
}

}  // namespace fennquill
