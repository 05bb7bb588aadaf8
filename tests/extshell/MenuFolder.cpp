#include "MenuFolder.h"

namespace fq::test {

HRESULT MenuFolder::QueryInterface(REFIID iid, void** object) {
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IShellFolder)) return E_NOINTERFACE;
    *object = static_cast<IShellFolder*>(this);
    AddRef();
    return S_OK;
}

HRESULT MenuFolder::GetUIObjectOf(HWND owner, UINT itemCount, PCUITEMID_CHILD_ARRAY items, REFIID iid, UINT*,
                                  void** object) {
    requests_.push_back({owner, itemCount, itemCount > 0 ? items[0] : nullptr, iid});
    *object = nullptr;
    if (menu_ == nullptr) return E_FAIL;
    return menu_->QueryInterface(iid, object);
}

}  // namespace fq::test
