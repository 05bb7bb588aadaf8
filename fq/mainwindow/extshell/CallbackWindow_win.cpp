#include "ShellNamespace_win.h"

namespace fq::extshell {
namespace {

const wchar_t kCallbackWindowName[] = L"ICMCALLBACKWND";

void ForwardToMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* menu = reinterpret_cast<IContextMenu2*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (menu != nullptr) menu->HandleMenuMsg(message, wParam, lParam);
}

}  // namespace

HWND CreateCallbackWindow(IContextMenu2* menu) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CallbackWndProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kCallbackWindowName;
    // Registered at every call; once the class exists this fails harmlessly.
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, kCallbackWindowName, kCallbackWindowName, WS_POPUPWINDOW, 0, 0, 0, 0, nullptr, nullptr,
                           instance, menu);
}

LRESULT CALLBACK CallbackWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
            break;
        }
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            ForwardToMenu(window, message, wParam, lParam);
            return 1;
        case WM_INITMENUPOPUP:
            ForwardToMenu(window, message, wParam, lParam);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace fq::extshell
