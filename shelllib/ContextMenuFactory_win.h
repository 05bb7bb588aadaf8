#pragma once
// The class object of the context-menu handler: a new handler object for
// every request. There is one factory, living as long as the library; the
// references clients hold to it and their LockServer locks keep the library
// loaded.
#include <windows.h>
#include <unknwn.h>

namespace fennquill {

class TContextMenuFactory final : public IClassFactory {
public:
    TContextMenuFactory() = default;
    TContextMenuFactory(const TContextMenuFactory&) = delete;
    TContextMenuFactory& operator=(const TContextMenuFactory&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IClassFactory
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

    // The library's one factory.
    static TContextMenuFactory& Instance();

private:
    ~TContextMenuFactory() = default;
};

}  // namespace fennquill
