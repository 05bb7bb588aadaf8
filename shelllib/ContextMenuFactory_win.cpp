#include "ContextMenuFactory_win.h"

#include <new>

#include "ContextMenu_win.h"
#include "ServerLifetime_win.h"

namespace fennquill {

TContextMenuFactory& TContextMenuFactory::Instance() {
    static TContextMenuFactory factory;
    return factory;
}

STDMETHODIMP TContextMenuFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

// The factory lives with the library, which holds one reference of its own;
// the clients' references only keep the library loaded.
STDMETHODIMP_(ULONG) TContextMenuFactory::AddRef() { return static_cast<ULONG>(server::FactoryReferenced()) + 1; }

STDMETHODIMP_(ULONG) TContextMenuFactory::Release() { return static_cast<ULONG>(server::FactoryReleased()) + 1; }

STDMETHODIMP TContextMenuFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    TContextMenu* const menu = new (std::nothrow) TContextMenu;
    if (menu == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = menu->QueryInterface(iid, object);
    menu->Release();
    return result;
}

STDMETHODIMP TContextMenuFactory::LockServer(BOOL lock) {
    if (lock)
        server::Lock();
    else
        server::Unlock();
    return S_OK;
}

}  // namespace fennquill
