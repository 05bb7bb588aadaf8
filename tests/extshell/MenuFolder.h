#pragma once
// A parent folder whose only service is the context menu of its items: it
// hands out the menu it was given (or fails when it has none) and records
// what it was asked for.
#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace fq::test {

struct MenuRequest {
    HWND owner;
    UINT itemCount;
    LPCITEMIDLIST firstItem;
    IID interfaceId;
};

class MenuFolder final : public IShellFolder {
public:
    explicit MenuFolder(IContextMenu* menu) : menu_(menu) {}
    MenuFolder(const MenuFolder&) = delete;
    MenuFolder& operator=(const MenuFolder&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND owner, UINT itemCount, PCUITEMID_CHILD_ARRAY items, REFIID iid,
                                            UINT* reserved, void** object) override;
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override {
        return E_NOTIMPL;
    }

    ULONG References() const { return references_; }
    const std::vector<MenuRequest>& Requests() const { return requests_; }

private:
    IContextMenu* menu_;
    ULONG references_ = 1;
    std::vector<MenuRequest> requests_;
};

}  // namespace fq::test
