#include "MenuDriver.h"

#include <cwchar>

namespace fq::test {
namespace {

MenuDriver* g_driver = nullptr;

BOOL CALLBACK TakeIfPopupMenu(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wcscmp(className, L"#32768") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND OpenPopupMenu() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeIfPopupMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

OpenMenu Look(HWND menuWindow) {
    OpenMenu menu{};
    menu.owner = GetWindow(menuWindow, GW_OWNER);
    GetWindowRect(menuWindow, &menu.rect);
    const auto entries = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    menu.entryCount = entries != nullptr ? GetMenuItemCount(entries) : -1;
    menu.callbackWindow = FindWindowW(L"ICMCALLBACKWND", L"ICMCALLBACKWND");
    return menu;
}

}  // namespace

MenuDriver::MenuDriver(Action action, std::chrono::seconds limit) : guard_(limit), action_(std::move(action)) {
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

MenuDriver::~MenuDriver() {
    KillTimer(nullptr, timer_);
    g_driver = nullptr;
}

void CALLBACK MenuDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver == nullptr || g_driver->seen_) return;
    HWND menuWindow = OpenPopupMenu();
    if (menuWindow == nullptr) return;
    g_driver->seen_ = Look(menuWindow);
    g_driver->action_(menuWindow);
}

void EndTheMenu(HWND) { EndMenu(); }

void PressEscape(HWND menuWindow) { PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0); }

MenuDriver::Action TypeMnemonic(wchar_t letter) {
    return [letter](HWND menuWindow) { PostMessageW(menuWindow, WM_CHAR, letter, 0); };
}

}  // namespace fq::test
