#include <memory>
#include <type_traits>

#include "comref_win.h"
#include "ShellNamespace_win.h"

namespace fq::extshell {

using platform::win::ComRef;
namespace {

// The command identifiers the shell may give its entries; 0 is "none".
constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

using PopupMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)>;
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;

// Shell extensions are COM objects and need an apartment on this thread.
// The caller's own, when it has one, stays as it is.
class ApartmentScope {
public:
    ApartmentScope() : entered_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ApartmentScope() {
        if (entered_) CoUninitialize();
    }
    ApartmentScope(const ApartmentScope&) = delete;
    ApartmentScope& operator=(const ApartmentScope&) = delete;

private:
    bool entered_;
};

bool RunCommand(IContextMenu* menu, HWND owner, UINT command) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.fMask = 0;
    info.hwnd = owner;
    info.lpVerb = MAKEINTRESOURCEA(command - kFirstCommand);
    info.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu->InvokeCommand(&info));
}

}  // namespace

bool ShowShellContextMenu(HWND owner, const std::string& path, POINT clientPoint) {
    const ApartmentScope apartment;
    ComRef<IShellFolder> parent;
    LPITEMIDLIST pidl = GetItemPidl(path, parent.Put());
    if (pidl == nullptr) return false;
    const bool ran = ShowMenuForPidl(owner, parent.Get(), pidl, clientPoint);
    FreePidl(pidl);
    return ran;
}

bool ShowMenuForPidl(HWND owner, IShellFolder* parent, LPCITEMIDLIST pidl, POINT clientPoint) {
    if (parent == nullptr || pidl == nullptr) return false;
    ComRef<IContextMenu> menu;
    if (FAILED(parent->GetUIObjectOf(owner, 1, &pidl, IID_IContextMenu, nullptr, menu.PutVoid())) || !menu)
        return false;
    const PopupMenu popup(CreatePopupMenu(), &DestroyMenu);
    if (!popup) return false;
    if (FAILED(menu->QueryContextMenu(popup.get(), 0, kFirstCommand, kLastCommand, CMF_EXPLORE))) return false;

    ComRef<IContextMenu2> menu2;
    Window callbackWindow(nullptr, &DestroyWindow);
    if (SUCCEEDED(menu->QueryInterface(IID_IContextMenu2, menu2.PutVoid())) && menu2)
        callbackWindow.reset(CreateCallbackWindow(menu2.Get()));
    // Without a callback window the owner owns the menu: a menu with no
    // owner window at all is refused and would never open.
    HWND menuOwner = callbackWindow ? callbackWindow.get() : owner;

    POINT screenPoint = clientPoint;
    ClientToScreen(owner, &screenPoint);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, menuOwner, nullptr));
    if (command == 0) return false;
    return RunCommand(menu.Get(), owner, command);
}

}  // namespace fq::extshell
