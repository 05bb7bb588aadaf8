// RefreshScreenIcons against the real registry, watched by a top-level
// window: each setting-change broadcast arrives, and the size it finds then
// is the one the refresh has just written.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Fennquill.h"
#include "registry.h"

namespace {

using platform::RegistryKey;

const char kMetrics[] = "Control Panel\\Desktop\\WindowMetrics";
const wchar_t kMetricsWide[] = L"Control Panel\\Desktop\\WindowMetrics";

std::vector<std::string> g_seen;  // "<wParam> <size>" for every WM_SETTINGCHANGE

std::string IconSize() { return RegistryKey(kMetrics, RegistryKey::Opening::ExistingOnly).ReadString("Shell Icon Size"); }

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE) g_seen.push_back(std::to_string(wParam) + " " + IconSize());
    return DefWindowProcW(window, message, wParam, lParam);
}

class SettingChange : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Listen;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"FennquillSettingChangeListener";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"listener", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window_, nullptr) << "no top-level window: " << GetLastError();
        g_seen.clear();
    }
    void TearDown() override {
        if (window_ != nullptr) DestroyWindow(window_);
    }

    static void SetIconSize(const std::string& text) {
        RegistryKey key(kMetrics, RegistryKey::Opening::CreateIfMissing);
        ASSERT_TRUE(key.WriteString("Shell Icon Size", text));
    }

    HWND window_ = nullptr;
};

TEST_F(SettingChange, EachBroadcastFindsTheSizeJustWritten) {
    SetIconSize("32");
    EXPECT_EQ(RefreshScreenIcons(), 1);
    const std::string changed = std::to_string(SPI_SETNONCLIENTMETRICS);
    EXPECT_EQ(g_seen, (std::vector<std::string>{changed + " 31", changed + " 32"}));
    EXPECT_EQ(IconSize(), "32");
}

TEST_F(SettingChange, LeadingZerosAreWrittenBackAsTheyWere) {
    SetIconSize("0032");
    EXPECT_EQ(RefreshScreenIcons(), 1);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].substr(g_seen[0].find(' ') + 1), "31");
    EXPECT_EQ(IconSize(), "0032");
}

TEST_F(SettingChange, AMissingValueIsFalseAndNothingIsWrittenOrBroadcast) {
    SetIconSize("32");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kMetricsWide, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, L"Shell Icon Size");
    RegCloseKey(key);
    EXPECT_EQ(RefreshScreenIcons(), 0);
    EXPECT_TRUE(g_seen.empty());
    EXPECT_EQ(RegistryKey(kMetrics, RegistryKey::Opening::ExistingOnly).TypeOf("Shell Icon Size"),
              RegistryKey::ValueType::Missing);
}

TEST_F(SettingChange, AValueThatIsNoStringIsATypeError) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kMetricsWide, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD size = 32;
    RegSetValueExW(key, L"Shell Icon Size", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&size), sizeof size);
    RegCloseKey(key);
    EXPECT_EQ(RefreshScreenIcons(), -1);
    char message[128];
    GetLastMarkerError(message, sizeof message);
    EXPECT_STREQ(message, "Invalid data type for 'Shell Icon Size'");
    EXPECT_TRUE(g_seen.empty());
}

}  // namespace
