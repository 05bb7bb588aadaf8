#include "IconRefresh.h"

#include "integertext.h"
#include "registry.h"

namespace fennquill {
namespace {

const char kWindowMetrics[] = "Control Panel\\Desktop\\WindowMetrics";

class RegistryIconSizeSetting : public IconSizeSetting {
public:
    Reading Read() override {
        platform::RegistryKey key(kWindowMetrics, platform::RegistryKey::Opening::ExistingOnly);
        if (!key.IsOpen()) return {Found::NoKey, {}};
        switch (key.TypeOf(kIconSizeValue)) {
            case platform::RegistryKey::ValueType::Missing: return {Found::NoValue, {}};
            case platform::RegistryKey::ValueType::Other: return {Found::NotAString, {}};
            case platform::RegistryKey::ValueType::String: break;
        }
        return {Found::Text, key.ReadString(kIconSizeValue)};
    }

    Written Write(const std::string& text) override {
        platform::RegistryKey key(kWindowMetrics, platform::RegistryKey::Opening::ExistingOnly);
        if (!key.IsOpen()) return Written::NoKey;
        return key.WriteString(kIconSizeValue, text) ? Written::Yes : Written::Failed;
    }
};

// True when written; false when the key was gone; raises for a failed write.
bool WriteOrRaise(IconSizeSetting::Written written) {
    if (written == IconSizeSetting::Written::Failed)
        throw IconRefreshError(std::string("Failed to set data for '") + kIconSizeValue + "'");
    return written == IconSizeSetting::Written::Yes;
}

}  // namespace

std::unique_ptr<IconSizeSetting> UserIconSizeSetting() { return std::make_unique<RegistryIconSizeSetting>(); }

bool RefreshIcons(IconSizeSetting& setting, const std::function<void()>& broadcast) {
    const IconSizeSetting::Reading reading = setting.Read();
    if (reading.found == IconSizeSetting::Found::NotAString)
        throw IconRefreshError(std::string("Invalid data type for '") + kIconSizeValue + "'");
    if (reading.found != IconSizeSetting::Found::Text || reading.text.empty()) return false;
    int size = 0;
    if (!platform::TryTextToInt(reading.text, size))
        throw IconRefreshError("'" + reading.text + "' is not a valid integer value");

    if (!WriteOrRaise(setting.Write(std::to_string(static_cast<long long>(size) - 1)))) return false;
    broadcast();

    // The user's setting must not stay one smaller: a failed restore gets a
    // second try before it is reported.
    IconSizeSetting::Written restored = setting.Write(reading.text);
    if (restored != IconSizeSetting::Written::Yes) restored = setting.Write(reading.text);
    if (!WriteOrRaise(restored)) return false;
    broadcast();
    return true;
}

}  // namespace fennquill
