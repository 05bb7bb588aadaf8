#pragma once
// The registry entries that make the context-menu handler known to COM and
// to the shell: the "Approved" value under HKEY_LOCAL_MACHINE, the
// in-process server keys under HKEY_CLASSES_ROOT, and the handler keys for
// every file and for folders.
#include <stdexcept>
#include <string>

namespace fennquill {

struct ServerEntries {
    std::wstring classId;         // "{...}"
    std::wstring className;       // names the handler keys
    std::wstring description;
    std::wstring progId;          // the library's name, a point, the class name
    std::wstring serverPath;      // the library file as COM is to load it
    std::wstring threadingModel;
};

class RegistryEntryError : public std::runtime_error {
public:
    RegistryEntryError() : std::runtime_error("Error creating system registry entry") {}
};

// Writes the "Approved" value, then the server keys, then the two handler
// keys. When the "Approved" key cannot be opened nothing at all is written,
// and that is no error. A key or value that cannot be written raises
// RegistryEntryError; what was written before it stays.
void RegisterServer(const ServerEntries& entries);

// Removes the "Approved" value, the handler keys and the server keys, in
// that order, passing over what is missing. When the "Approved" key cannot
// be opened nothing at all is removed.
void UnregisterServer(const ServerEntries& entries);

}  // namespace fennquill
