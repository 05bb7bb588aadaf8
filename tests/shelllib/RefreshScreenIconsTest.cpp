// RefreshScreenIcons through the export, against the user's registry.
#include <gtest/gtest.h>

#include "Fennquill.h"
#include "registry.h"

namespace {

using platform::RegistryKey;

const char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";

std::string LastError() {
    char buffer[256];
    GetLastMarkerError(buffer, sizeof buffer);
    return buffer;
}

void SetIconSize(const std::string& text) {
    RegistryKey key(kMetrics, RegistryKey::Opening::CreateIfMissing);
    ASSERT_TRUE(key.WriteString("Shell Icon Size", text));
}

std::string IconSize() { return RegistryKey(kMetrics, RegistryKey::Opening::ExistingOnly).ReadString("Shell Icon Size"); }

TEST(RefreshScreenIcons, RestoresTheSizeAsItWasWritten) {
    for (const char* text : {"32", "0032"}) {
        SetIconSize(text);
        EXPECT_EQ(RefreshScreenIcons(), 1) << text;
        EXPECT_EQ(IconSize(), text);
    }
}

TEST(RefreshScreenIcons, AnEmptySizeIsFalseAndStaysEmpty) {
    SetIconSize("");
    EXPECT_EQ(RefreshScreenIcons(), 0);
    EXPECT_EQ(IconSize(), "");
}

TEST(RefreshScreenIcons, ASizeThatIsNoNumberIsAnError) {
    SetIconSize("big");
    EXPECT_EQ(RefreshScreenIcons(), -1);
    EXPECT_EQ(LastError(), "'big' is not a valid integer value");
    EXPECT_EQ(IconSize(), "big");
}

}  // namespace
