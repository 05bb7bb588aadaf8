// The hidden window that owns a tracked menu and hands the messages of
// owner-drawn entries and late-filled submenus to the shell's menu object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeContextMenu.h"
#include "ShellNamespace_win.h"

namespace {

using fq::extshell::CreateCallbackWindow;
using fq::test::FakeContextMenu;
using fq::test::ForwardedMessage;

class CallbackWindow : public testing::Test {
protected:
    void SetUp() override {
        window_ = CreateCallbackWindow(&menu_);
        ASSERT_NE(window_, nullptr) << "error " << GetLastError();
    }
    void TearDown() override { DestroyWindow(window_); }

    FakeContextMenu menu_;
    HWND window_ = nullptr;
};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TitleOf(HWND window) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    return title;
}

TEST_F(CallbackWindow, IsAHiddenTopLevelPopupNamedForItsJob) {
    EXPECT_EQ(ClassOf(window_), L"ICMCALLBACKWND");
    EXPECT_EQ(TitleOf(window_), L"ICMCALLBACKWND");
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(GetParent(window_), nullptr);
    EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(window_), nullptr);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    EXPECT_EQ(style & WS_POPUPWINDOW, static_cast<DWORD>(WS_POPUPWINDOW));
    RECT rect{};
    GetWindowRect(window_, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), GetModuleHandleW(nullptr));
}

TEST_F(CallbackWindow, HoldsTheMenuWithoutAReferenceOfItsOwn) {
    EXPECT_EQ(reinterpret_cast<IContextMenu2*>(GetWindowLongPtrW(window_, GWLP_USERDATA)),
              static_cast<IContextMenu2*>(&menu_));
    EXPECT_EQ(menu_.References(), 1u);
    DestroyWindow(window_);
    window_ = nullptr;
    EXPECT_EQ(menu_.References(), 1u);
}

TEST_F(CallbackWindow, HandsMenuDrawingAndPopupMessagesToTheMenu) {
    const struct {
        UINT message;
        LRESULT result;
    } cases[] = {
        {WM_MEASUREITEM, 1},
        {WM_DRAWITEM, 1},
        {WM_INITMENUPOPUP, 0},
    };
    std::vector<ForwardedMessage> sent;
    for (const auto& c : cases) {
        const ForwardedMessage message{c.message, 0x1234 + sent.size(), static_cast<LPARAM>(0x5678 + sent.size())};
        EXPECT_EQ(SendMessageW(window_, message.message, message.wParam, message.lParam), c.result)
            << "message " << c.message;
        sent.push_back(message);
        EXPECT_EQ(menu_.Handled(), sent);
    }
}

TEST_F(CallbackWindow, KeepsOtherMessagesFromTheMenu) {
    SendMessageW(window_, WM_COMMAND, 1, 0);
    SendMessageW(window_, WM_MENUCHAR, 'a', 0);
    SendMessageW(window_, WM_USER + 7, 1, 2);
    EXPECT_TRUE(menu_.Handled().empty());
}

TEST_F(CallbackWindow, EachCallMakesAWindowOfItsOwnForItsOwnMenu) {
    FakeContextMenu otherMenu;
    HWND other = CreateCallbackWindow(&otherMenu);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, window_);
    EXPECT_EQ(SendMessageW(other, WM_DRAWITEM, 3, 4), 1);
    EXPECT_EQ(otherMenu.Handled(), (std::vector<ForwardedMessage>{{WM_DRAWITEM, 3, 4}}));
    EXPECT_TRUE(menu_.Handled().empty());
    DestroyWindow(other);
}

}  // namespace
