// The library's COM server entry points: its one class object, whether it
// may be unloaded, and its registration.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "ContextMenuClass_win.h"
#include "ContextMenuFactory_win.h"
#include "LibraryFile_win.h"
#include "ServerLifetime_win.h"
#include "ServerRegistration_win.h"

namespace {

std::wstring ClassIdText(REFCLSID classId) {
    wchar_t text[39] = {};
    StringFromGUID2(classId, text, 39);
    return text;
}

fennquill::ServerEntries ContextMenuServerEntries() {
    const std::wstring library = fennquill::LibraryPath();
    return {
        ClassIdText(fennquill::kContextMenuClassId),
        fennquill::kContextMenuClassName,
        fennquill::kContextMenuDescription,
        fennquill::BaseNameOf(library) + L"." + fennquill::kContextMenuClassName,
        fennquill::ServerPathOf(library),
        fennquill::kContextMenuThreadingModel,
    };
}

// No C++ exception may reach the caller of an entry point: a failure is E_FAIL.
template <class Work>
HRESULT Reported(Work work) noexcept {
    try {
        work();
        return S_OK;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace

extern "C" {

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, fennquill::kContextMenuClassId)) return CLASS_E_CLASSNOTAVAILABLE;
    return fennquill::TContextMenuFactory::Instance().QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() { return fennquill::server::IsInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() {
    return Reported([] { fennquill::RegisterServer(ContextMenuServerEntries()); });
}

STDAPI DllUnregisterServer() {
    return Reported([] { fennquill::UnregisterServer(ContextMenuServerEntries()); });
}

}  // extern "C"
