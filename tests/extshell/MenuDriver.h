#pragma once
// Acts on the popup menu that TrackPopupMenu shows, from a timer of this
// thread: the menu's own message loop runs the timer while the menu is open.
// What it saw of the open menu stays for the test to check. A menu that
// does not close in time ends the program.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>

#include "HangGuard.h"

namespace fq::test {

struct OpenMenu {
    HWND owner;        // the window that owns the popup
    RECT rect;         // in screen coordinates
    int entryCount;
    HWND callbackWindow;  // the callback window while the menu was open, if any
};

class MenuDriver {
public:
    using Action = std::function<void(HWND menuWindow)>;

    explicit MenuDriver(Action action, std::chrono::seconds limit = std::chrono::seconds(20));
    ~MenuDriver();
    MenuDriver(const MenuDriver&) = delete;
    MenuDriver& operator=(const MenuDriver&) = delete;

    // Empty when no menu opened.
    const std::optional<OpenMenu>& Seen() const { return seen_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    HangGuard guard_;
    Action action_;
    UINT_PTR timer_ = 0;
    std::optional<OpenMenu> seen_;
};

// The ways a user leaves or uses the menu.
void EndTheMenu(HWND menuWindow);
void PressEscape(HWND menuWindow);
MenuDriver::Action TypeMnemonic(wchar_t letter);

}  // namespace fq::test
