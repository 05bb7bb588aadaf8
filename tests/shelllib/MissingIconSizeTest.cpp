// RefreshScreenIcons when this platform's registry file lacks the setting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "Fennquill.h"
#include "TempFolder.h"
#include "registry.h"

namespace {

using fq::test::TempFolder;
using platform::RegistryKey;

// A registry file of its own for each test.
class FreshRegistry : public testing::Test {
protected:
    void SetUp() override {
        saved_ = std::getenv("XDG_CONFIG_HOME");
        setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    }
    void TearDown() override { setenv("XDG_CONFIG_HOME", saved_.c_str(), 1); }

    TempFolder config;

private:
    std::string saved_;
};

TEST_F(FreshRegistry, WithoutTheKeyNothingIsWrittenAndTheResultIsFalse) {
    EXPECT_EQ(RefreshScreenIcons(), 0);
    EXPECT_FALSE(std::filesystem::exists(config.Path() / "Fennquill/registry.ini"));
}

TEST_F(FreshRegistry, WithoutTheValueNothingIsWrittenAndTheResultIsFalse) {
    RegistryKey("Control Panel\\Desktop\\WindowMetrics", RegistryKey::Opening::CreateIfMissing)
        .WriteString("IconSpacing", "-1125");
    const std::string before = config.ReadFile("Fennquill/registry.ini");
    EXPECT_EQ(RefreshScreenIcons(), 0);
    EXPECT_EQ(config.ReadFile("Fennquill/registry.ini"), before);
}

}  // namespace
