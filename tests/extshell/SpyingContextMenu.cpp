#include "SpyingContextMenu.h"

namespace fq::test {

SpyingContextMenu::SpyingContextMenu(IContextMenu* real) : real_(real) {
    real_->AddRef();
    if (FAILED(real_->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&real2_)))) real2_ = nullptr;
}

SpyingContextMenu::~SpyingContextMenu() {
    if (real2_ != nullptr) real2_->Release();
    real_->Release();
}

HRESULT SpyingContextMenu::QueryInterface(REFIID iid, void** object) {
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IContextMenu) ||
        (real2_ != nullptr && IsEqualIID(iid, IID_IContextMenu2)))
        *object = static_cast<IContextMenu2*>(this);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT SpyingContextMenu::QueryContextMenu(HMENU menu, UINT position, UINT firstCommand, UINT lastCommand,
                                            UINT flags) {
    return real_->QueryContextMenu(menu, position, firstCommand, lastCommand, flags);
}

HRESULT SpyingContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* info) {
    ++commandsRun_;
    return real_->InvokeCommand(info);
}

HRESULT SpyingContextMenu::GetCommandString(UINT_PTR command, UINT type, UINT* reserved, CHAR* name, UINT size) {
    return real_->GetCommandString(command, type, reserved, name, size);
}

HRESULT SpyingContextMenu::HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam) {
    return real2_ != nullptr ? real2_->HandleMenuMsg(message, wParam, lParam) : E_NOTIMPL;
}

}  // namespace fq::test
