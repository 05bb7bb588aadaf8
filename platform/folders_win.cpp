#include "folders.h"

#include <windows.h>
#include <shlobj.h>

#include <stdexcept>
#include <vector>

#include "widetext_win.h"

namespace platform {

std::string ApplicationDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder)))
        throw std::runtime_error("SHGetPathFromIDList failed : invalid pidl");
    std::wstring_view path(folder);
    // A drive root such as "C:\" keeps its separator.
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.remove_suffix(1);
    return win::Utf8FromWide(path);
}

std::string ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) return {};
        if (length < size) return win::Utf8FromWide({buffer.data(), length});
        buffer.resize(buffer.size() * 2);  // truncated
    }
}

std::string ProgramDirectory() {
    const std::string path = ProgramPath();
    return path.substr(0, path.find_last_of("\\/") + 1);
}

}  // namespace platform
