// Registry values written and read through the platform layer, as the
// system's own registry functions see them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "guid.h"
#include "registry.h"

namespace {

using platform::RegistryKey;

class RegistryOnWindows : public testing::Test {
protected:
    const std::string path = "Software\\FennquillTests\\" + platform::GuidDigits(platform::NewGuid());
    const std::wstring widePath = std::wstring(path.begin(), path.end());
};

TEST_F(RegistryOnWindows, AWrittenStringIsARegSzValueOfTheCurrentUser) {
    {
        RegistryKey key(path, RegistryKey::Opening::CreateIfMissing);
        ASSERT_TRUE(key.WriteString("Shell Icon Size", "Ünïcødé 日本"));
    }
    wchar_t text[64] = {};
    DWORD type = REG_NONE;
    DWORD bytes = sizeof text;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, widePath.c_str(), L"Shell Icon Size", RRF_RT_ANY, &type, text, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"Ünïcødé 日本");
}

TEST_F(RegistryOnWindows, ValuesOfOtherTypesAreToldApart) {
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, widePath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 32;
    RegSetValueExW(raw, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    const wchar_t expandable[] = L"%USERPROFILE%\\x";
    RegSetValueExW(raw, L"Expandable", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable), sizeof expandable);
    // Stored without its terminating zero, as some programs write strings.
    const wchar_t unterminated[] = {L'3', L'2'};
    RegSetValueExW(raw, L"Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), sizeof unterminated);
    RegCloseKey(raw);

    RegistryKey key(path, RegistryKey::Opening::ExistingOnly);
    ASSERT_TRUE(key.IsOpen());
    EXPECT_EQ(key.TypeOf("Number"), RegistryKey::ValueType::Other);
    EXPECT_EQ(key.ReadString("Number"), "");
    EXPECT_EQ(key.TypeOf("Expandable"), RegistryKey::ValueType::String);
    EXPECT_EQ(key.ReadString("Expandable"), "%USERPROFILE%\\x");
    EXPECT_EQ(key.ReadString("Unterminated"), "32");
}

TEST_F(RegistryOnWindows, ALongValueReadsBackWhole) {
    const std::string text(5000, 'x');
    RegistryKey key(path, RegistryKey::Opening::CreateIfMissing);
    ASSERT_TRUE(key.WriteString("Long", text));
    EXPECT_EQ(key.ReadString("Long"), text);
}

}  // namespace
