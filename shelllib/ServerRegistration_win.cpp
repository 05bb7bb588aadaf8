#include "ServerRegistration_win.h"

#include <windows.h>

namespace fennquill {
namespace {

constexpr wchar_t kApprovedKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

class ScopedKey {
public:
    ScopedKey() = default;
    ~ScopedKey() {
        if (handle_ != nullptr) RegCloseKey(handle_);
    }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    HKEY Get() const { return handle_; }
    HKEY* Put() { return &handle_; }

private:
    HKEY handle_ = nullptr;
};

// Opens the key, creating it (and the keys above it) when missing.
bool OpenOrCreate(HKEY root, const std::wstring& path, REGSAM access, ScopedKey& key) {
    return RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.Put(),
                           nullptr) == ERROR_SUCCESS;
}

// name null: the key's default value.
void SetString(HKEY key, const wchar_t* name, const std::wstring& data) {
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes) != ERROR_SUCCESS)
        throw RegistryEntryError();
}

void WriteClassesString(const std::wstring& path, const wchar_t* name, const std::wstring& data) {
    ScopedKey key;
    if (!OpenOrCreate(HKEY_CLASSES_ROOT, path, KEY_SET_VALUE, key)) throw RegistryEntryError();
    SetString(key.Get(), name, data);
}

// A missing key, or one that cannot go, is passed over.
void DeleteClassesKey(const std::wstring& path) { RegDeleteKeyW(HKEY_CLASSES_ROOT, path.c_str()); }

std::wstring ClassKey(const ServerEntries& entries) { return L"CLSID\\" + entries.classId; }

std::wstring HandlerKey(const wchar_t* fileClass, const ServerEntries& entries) {
    return std::wstring(fileClass) + L"\\shellex\\ContextMenuHandlers\\" + entries.className;
}

// The shell of the NT family loads only approved extensions; a 64-bit
// library runs on no other. Opens (or creates) the list that approves them.
bool OpenApprovedList(ScopedKey& approved) {
    return OpenOrCreate(HKEY_LOCAL_MACHINE, kApprovedKey, KEY_SET_VALUE, approved);
}

void WriteServerKeys(const ServerEntries& entries) {
    const std::wstring classKey = ClassKey(entries);
    WriteClassesString(classKey, nullptr, entries.description);
    WriteClassesString(classKey + L"\\InprocServer32", nullptr, entries.serverPath);
    WriteClassesString(classKey + L"\\InprocServer32", L"ThreadingModel", entries.threadingModel);
    WriteClassesString(entries.progId, nullptr, entries.description);
    WriteClassesString(entries.progId + L"\\Clsid", nullptr, entries.classId);
    WriteClassesString(classKey + L"\\ProgID", nullptr, entries.progId);
}

void DeleteServerKeys(const ServerEntries& entries) {
    const std::wstring classKey = ClassKey(entries);
    DeleteClassesKey(classKey + L"\\ProgID");
    DeleteClassesKey(entries.progId + L"\\Clsid");
    DeleteClassesKey(entries.progId);
    DeleteClassesKey(classKey + L"\\InprocServer32");
    DeleteClassesKey(classKey);
}

}  // namespace

void RegisterServer(const ServerEntries& entries) {
    {
        ScopedKey approved;
        if (!OpenApprovedList(approved)) return;
        SetString(approved.Get(), entries.classId.c_str(), entries.description);
    }
    WriteServerKeys(entries);
    WriteClassesString(HandlerKey(L"*", entries), nullptr, entries.classId);
    WriteClassesString(HandlerKey(L"Folder", entries), nullptr, entries.classId);
}

void UnregisterServer(const ServerEntries& entries) {
    {
        ScopedKey approved;
        if (!OpenApprovedList(approved)) return;
        RegDeleteValueW(approved.Get(), entries.classId.c_str());
    }
    DeleteClassesKey(HandlerKey(L"*", entries));
    DeleteClassesKey(HandlerKey(L"Folder", entries));
    DeleteServerKeys(entries);
}

}  // namespace fennquill
