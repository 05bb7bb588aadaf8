#pragma once
// The registry as the checks read it, and the keys of a test's own that
// stand in for HKEY_CLASSES_ROOT or HKEY_LOCAL_MACHINE.
#include <windows.h>

#include <optional>
#include <string>

namespace fq::test {

// A string value (name empty: the key's default value); nothing when the
// key or the value is missing or is no string.
std::optional<std::wstring> StringValue(HKEY root, const std::wstring& key, const std::wstring& name);

bool KeyExists(HKEY root, const std::wstring& key);

// A fresh key Software\<name> (name without backslashes) of the test
// program's own HKEY_CURRENT_USER, deleted with everything in it when the
// object goes. A volatile key refuses lasting
// subkeys, so nothing can be created anywhere below it.
class PrivateKey {
public:
    enum class Kind { Lasting, Volatile };
    PrivateKey(const std::wstring& name, Kind kind);
    ~PrivateKey();
    PrivateKey(const PrivateKey&) = delete;
    PrivateKey& operator=(const PrivateKey&) = delete;

    HKEY Get() const { return key_; }

private:
    std::wstring path_;
    HKEY key_ = nullptr;
};

// Makes a volatile subkey of parent (so that nothing lasting can be created
// below it) and closes it; it goes with parent.
void MakeVolatileSubkey(HKEY parent, const std::wstring& path);

// Points a predefined key of this process (HKEY_CLASSES_ROOT,
// HKEY_LOCAL_MACHINE) at another key while the object lives.
class PredefinedKeyOverride {
public:
    PredefinedKeyOverride(HKEY predefined, HKEY replacement);
    ~PredefinedKeyOverride();
    PredefinedKeyOverride(const PredefinedKeyOverride&) = delete;
    PredefinedKeyOverride& operator=(const PredefinedKeyOverride&) = delete;

private:
    HKEY predefined_;
};

}  // namespace fq::test
