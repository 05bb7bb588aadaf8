#include "registry.h"

#include <windows.h>

#include <vector>

#include "widetext_win.h"

namespace platform {
namespace {

HKEY Key(void* handle) { return static_cast<HKEY>(handle); }

}  // namespace

RegistryKey::RegistryKey(const std::string& path, Opening opening) : path_(path) {
    const std::wstring widePath = win::WideFromUtf8(path);
    HKEY key = nullptr;
    const REGSAM access = KEY_READ | KEY_WRITE;
    LSTATUS status = opening == Opening::CreateIfMissing
                         ? RegCreateKeyExW(HKEY_CURRENT_USER, widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           access, nullptr, &key, nullptr)
                         : RegOpenKeyExW(HKEY_CURRENT_USER, widePath.c_str(), 0, access, &key);
    // A key the user may read but not change is still open for reading.
    if (status == ERROR_ACCESS_DENIED) status = RegOpenKeyExW(HKEY_CURRENT_USER, widePath.c_str(), 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return;
    handle_ = key;
    open_ = true;
}

RegistryKey::~RegistryKey() {
    if (open_) RegCloseKey(Key(handle_));
}

bool RegistryKey::IsOpen() const { return open_; }

RegistryKey::ValueType RegistryKey::TypeOf(const std::string& name) const {
    if (!open_) return ValueType::Missing;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(Key(handle_), win::WideFromUtf8(name).c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return ValueType::Missing;
    return type == REG_SZ || type == REG_EXPAND_SZ ? ValueType::String : ValueType::Other;
}

std::string RegistryKey::ReadString(const std::string& name) const {
    if (!open_) return {};
    const std::wstring wideName = win::WideFromUtf8(name);
    std::vector<wchar_t> text(64);
    for (;;) {
        DWORD type = REG_NONE;
        DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegQueryValueExW(Key(handle_), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes);
        if (status == ERROR_MORE_DATA) {
            text.resize(bytes / sizeof(wchar_t) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
        // The stored text need not end with its zero, and may hold more than one.
        std::wstring_view value(text.data(), bytes / sizeof(wchar_t));
        value = value.substr(0, value.find(L'\0'));
        return win::Utf8FromWide(value);
    }
}

bool RegistryKey::WriteString(const std::string& name, const std::string& text) {
    if (!open_) return false;
    const std::wstring value = win::WideFromUtf8(text);
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(Key(handle_), win::WideFromUtf8(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace platform
