#pragma once
// A hidden top-level window standing in for the main window: the owner of
// the shell's menu. It counts the menu notifications that reach it.
#include <windows.h>

namespace fq::test {

class OwnerWindow {
public:
    OwnerWindow();
    ~OwnerWindow();
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    HWND Handle() const { return window_; }
    int MenuPopupsInitialised() const { return initMenuPopups_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int initMenuPopups_ = 0;
};

}  // namespace fq::test
