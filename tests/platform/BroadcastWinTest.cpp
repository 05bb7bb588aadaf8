// The setting-change broadcast reaches every top-level window.
#include <gtest/gtest.h>
#include <windows.h>

#include "broadcast.h"

namespace {

WPARAM g_settingChanged = 0;
int g_messages = 0;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE) {
        ++g_messages;
        g_settingChanged = wParam;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(BroadcastSettingChange, ATopLevelWindowHearsOfTheNonClientMetrics) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FennquillBroadcastListener";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"listener", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10,
                                        nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    platform::BroadcastSettingChange();

    DestroyWindow(window);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
    EXPECT_EQ(g_messages, 1);
    EXPECT_EQ(g_settingChanged, static_cast<WPARAM>(SPI_SETNONCLIENTMETRICS));
}

}  // namespace
