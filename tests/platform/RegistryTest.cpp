// String values under HKEY_CURRENT_USER.
#include <gtest/gtest.h>

#include "guid.h"
#include "registry.h"

namespace {

using platform::RegistryKey;

// A key path no other test uses.
std::string FreshKey() { return "Software\\FennquillTests\\" + platform::GuidDigits(platform::NewGuid()); }

TEST(Registry, AMissingKeyIsNotOpenedWithoutCreating) {
    RegistryKey key(FreshKey(), RegistryKey::Opening::ExistingOnly);
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(key.TypeOf("AppPath"), RegistryKey::ValueType::Missing);
    EXPECT_EQ(key.ReadString("AppPath"), "");
    EXPECT_FALSE(key.WriteString("AppPath", "x"));
}

TEST(Registry, ACreatedKeyHoldsStringsForTheNextOpening) {
    const std::string path = FreshKey() + "\\OS Data";
    {
        RegistryKey key(path, RegistryKey::Opening::CreateIfMissing);
        ASSERT_TRUE(key.IsOpen());
        EXPECT_EQ(key.TypeOf("AppPath"), RegistryKey::ValueType::Missing);
        ASSERT_TRUE(key.WriteString("AppPath", "/opt/fennquill/bin/FQ"));
    }
    RegistryKey again(path, RegistryKey::Opening::ExistingOnly);
    ASSERT_TRUE(again.IsOpen());
    EXPECT_EQ(again.TypeOf("AppPath"), RegistryKey::ValueType::String);
    EXPECT_EQ(again.ReadString("appPATH"), "/opt/fennquill/bin/FQ") << "value names ignore case";
    ASSERT_TRUE(again.WriteString("AppPath", "replaced"));
    EXPECT_EQ(RegistryKey(path, RegistryKey::Opening::ExistingOnly).ReadString("AppPath"), "replaced");
}

class RegistryText : public testing::TestWithParam<std::string> {};

TEST_P(RegistryText, ReadsBackExactly) {
    RegistryKey key(FreshKey(), RegistryKey::Opening::CreateIfMissing);
    ASSERT_TRUE(key.WriteString("Shell Icon Size", GetParam()));
    EXPECT_EQ(key.ReadString("Shell Icon Size"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistryText,
                         testing::Values("0032", "", "  padded  ", "\"quoted\"", "'single'", "a=b", "C:\\Program Files\\FQ.exe",
                                         "Ünïcødé 日本"));

}  // namespace
