#include "OwnerWindow.h"

#include <stdexcept>

namespace fq::test {

OwnerWindow::OwnerWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FennquillMenuOwner";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"menu owner", WS_OVERLAPPEDWINDOW, 120, 90, 400, 300,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window_ == nullptr) throw std::runtime_error("cannot make the owner window");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

OwnerWindow::~OwnerWindow() { DestroyWindow(window_); }

LRESULT CALLBACK OwnerWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message == WM_INITMENUPOPUP) ++self->initMenuPopups_;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace fq::test
