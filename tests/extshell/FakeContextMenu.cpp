#include "FakeContextMenu.h"

namespace fq::test {

HRESULT FakeContextMenu::QueryInterface(REFIID iid, void** object) {
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IContextMenu) ||
        (answers_.offersMenu2 && IsEqualIID(iid, IID_IContextMenu2)))
        *object = static_cast<IContextMenu2*>(this);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT FakeContextMenu::QueryContextMenu(HMENU menu, UINT position, UINT firstCommand, UINT lastCommand,
                                          UINT flags) {
    queries_.push_back({position, firstCommand, lastCommand, flags});
    if (FAILED(answers_.query)) return answers_.query;
    InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING, firstCommand + kAlpha, L"&Alpha");
    InsertMenuW(menu, position + 1, MF_BYPOSITION | MF_STRING, firstCommand + kBeta, L"&Beta");
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, kBeta + 1);
}

HRESULT FakeContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* info) {
    invocations_.push_back(*info);
    return answers_.invoke;
}

HRESULT FakeContextMenu::HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam) {
    handled_.push_back({message, wParam, lParam});
    return S_OK;
}

}  // namespace fq::test
