#pragma once
// Values under HKEY_CURRENT_USER.
//
// On Windows the real registry. Elsewhere the file
// $XDG_CONFIG_HOME/Fennquill/registry.ini (default ~/.config/...): one
// section per key, named by the key's full path, e.g.
// [HKEY_CURRENT_USER\Software\Fennquill\OS Data], its values as Name=text,
// the file replaced in one step on every write.
#include <string>

namespace platform {

// A key of HKEY_CURRENT_USER, open for the life of the object.
class RegistryKey {
public:
    enum class Opening { ExistingOnly, CreateIfMissing };
    enum class ValueType { Missing, String, Other };

    // path is below HKEY_CURRENT_USER, parts separated by backslashes:
    // "Control Panel\Desktop\WindowMetrics". IsOpen() tells whether it worked.
    RegistryKey(const std::string& path, Opening opening);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const;
    ValueType TypeOf(const std::string& name) const;
    // The text of a string value; empty when missing or not a string.
    std::string ReadString(const std::string& name) const;
    // Writes a string value (REG_SZ). False when it cannot be written.
    bool WriteString(const std::string& name, const std::string& text);

private:
    std::string path_;
    void* handle_ = nullptr;  // the HKEY on Windows
    bool open_ = false;
};

}  // namespace platform
