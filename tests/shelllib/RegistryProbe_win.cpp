#include "RegistryProbe_win.h"

#include <stdexcept>
#include <vector>

namespace fq::test {

std::optional<std::wstring> StringValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
    const wchar_t* valueName = name.empty() ? nullptr : name.c_str();
    DWORD type = REG_NONE;
    DWORD bytes = 0;
    std::optional<std::wstring> text;
    if (RegQueryValueExW(opened, valueName, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS && type == REG_SZ) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(opened, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) ==
            ERROR_SUCCESS)
            text = std::wstring(buffer.data());
    }
    RegCloseKey(opened);
    return text;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

PrivateKey::PrivateKey(const std::wstring& name, Kind kind) : path_(L"Software\\" + name) {
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    // The keys above are made first and lasting: made along with a volatile
    // key they would be volatile too, and refuse every lasting key after.
    HKEY software = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_CREATE_SUB_KEY,
                        nullptr, &software, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the test's Software key");
    const DWORD options = kind == Kind::Volatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE;
    const LSTATUS made =
        RegCreateKeyExW(software, name.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    RegCloseKey(software);
    if (made != ERROR_SUCCESS) throw std::runtime_error("cannot make a private registry key");
}

PrivateKey::~PrivateKey() {
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
}

void MakeVolatileSubkey(HKEY parent, const std::wstring& path) {
    HKEY made = nullptr;
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &made,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot make a volatile registry key");
    RegCloseKey(made);
}

PredefinedKeyOverride::PredefinedKeyOverride(HKEY predefined, HKEY replacement) : predefined_(predefined) {
    if (RegOverridePredefKey(predefined, replacement) != ERROR_SUCCESS)
        throw std::runtime_error("cannot redirect a predefined registry key");
}

PredefinedKeyOverride::~PredefinedKeyOverride() { RegOverridePredefKey(predefined_, nullptr); }

}  // namespace fq::test
