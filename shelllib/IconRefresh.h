#pragma once
// Making the file manager rebuild its icons: it does so when the shell icon
// size changes, so the size is changed by one and changed back.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace fennquill {

class IconRefreshError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr char kIconSizeValue[] = "Shell Icon Size";

// The user's "Shell Icon Size" of the key WindowMetrics under
// HKEY_CURRENT_USER\Control Panel\Desktop. Each call opens the key without
// creating it and closes it.
class IconSizeSetting {
public:
    enum class Found { NoKey, NoValue, NotAString, Text };
    struct Reading {
        Found found = Found::NoKey;
        std::string text;
    };
    enum class Written { Yes, NoKey, Failed };

    virtual ~IconSizeSetting() = default;
    virtual Reading Read() = 0;
    virtual Written Write(const std::string& text) = 0;
};

std::unique_ptr<IconSizeSetting> UserIconSizeSetting();

// The refresh cycle: N read, N-1 written, everyone told, the text exactly as
// read written back (a second time if the first try fails), everyone told.
// False, with nothing changed, when the key or the value is missing or the
// value empty. Raises IconRefreshError for a value that is no integer or no
// string, and for a failed write.
bool RefreshIcons(IconSizeSetting& setting, const std::function<void()>& broadcast);

}  // namespace fennquill
