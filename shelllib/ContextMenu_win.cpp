#include "ContextMenu_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ServerLifetime_win.h"
#include "TaskLaunch.h"
#include "fileattributes.h"
#include "widetext_win.h"

namespace fennquill {
namespace {

constexpr wchar_t kMenuText[] = L"Task Properties";
constexpr char kHelpText[] = "Task Properties.";
constexpr UINT kTaskPropertiesOffset = 0;

// No C++ exception may reach the caller of a COM method.
template <class Work>
HRESULT Contained(Work work) noexcept {
    try {
        return work();
    } catch (...) {
        return E_FAIL;
    }
}

// A verb is a command offset only when its whole value fits 16 bits; any
// other value is the address of a verb string.
bool IsCommandOffset(LPCSTR verb, UINT offset) {
    return IS_INTRESOURCE(verb) && LOWORD(reinterpret_cast<UINT_PTR>(verb)) == offset;
}

}  // namespace

TContextMenu::TContextMenu() { server::ObjectCreated(); }

TContextMenu::~TContextMenu() { server::ObjectDestroyed(); }

STDMETHODIMP TContextMenu::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit))
        *object = static_cast<IShellExtInit*>(this);
    else if (IsEqualIID(iid, IID_IContextMenu))
        *object = static_cast<IContextMenu*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) TContextMenu::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) TContextMenu::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP TContextMenu::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
    path_[0] = L'\0';
    if (data == nullptr) return E_FAIL;
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    const HRESULT fetched = data->GetData(&format, &medium);
    if (FAILED(fetched)) return fetched;
    const HRESULT accepted = medium.tymed == TYMED_HGLOBAL
                                 ? Contained([&] { return AcceptSelection(static_cast<HDROP>(medium.hGlobal)); })
                                 : E_FAIL;
    ReleaseStgMedium(&medium);
    return accepted;
}

// Keeps the selected path when it is exactly one folder marked with a task.
HRESULT TContextMenu::AcceptSelection(HDROP selection) {
    if (DragQueryFileW(selection, 0xFFFFFFFF, nullptr, 0) != 1) return E_FAIL;
    // A longer path would be cut to fit the buffer, and the cut path may
    // name another folder, marked with another task.
    if (DragQueryFileW(selection, 0, nullptr, 0) > MAX_PATH) return E_FAIL;
    wchar_t path[MAX_PATH + 1] = {};
    DragQueryFileW(selection, 0, path, MAX_PATH + 1);
    if (MarkedTaskId(platform::win::Utf8FromWide(path)).empty()) return E_FAIL;
    std::memcpy(path_, path, sizeof path_);
    return S_OK;
}

STDMETHODIMP TContextMenu::QueryContextMenu(HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT, UINT) {
    const bool inserted = InsertMenuW(menu, indexMenu, MF_STRING | MF_BYPOSITION, idCmdFirst, kMenuText) != FALSE;
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, inserted ? 1 : 0);
}

STDMETHODIMP TContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* invocation) {
    if (invocation == nullptr) return E_INVALIDARG;
    if (!IsCommandOffset(invocation->lpVerb, kTaskPropertiesOffset)) return E_FAIL;
    return Contained([&] {
        if (!platform::IsExistingDirectory(platform::win::Utf8FromWide(path_))) return E_INVALIDARG;
        StartTaskProperties();
        return S_OK;
    });
}

// Starts the main program with the folder's task as its one argument, when
// the folder is still marked with a task that is safe to hand over. Whether
// the program could be started is not reported: there is nobody to tell.
void TContextMenu::StartTaskProperties() const {
    const std::string taskId = MarkedTaskId(platform::win::Utf8FromWide(path_));
    if (!IsHandOverSafe(taskId)) return;
    const std::wstring program = platform::win::WideFromUtf8(RegisteredProgram());
    const std::wstring parameters = platform::win::WideFromUtf8(QuotedArgument(taskId));
    ShellExecuteW(nullptr, L"open", program.c_str(), parameters.c_str(), L"", SW_SHOW);
}

STDMETHODIMP TContextMenu::GetCommandString(UINT_PTR command, UINT type, UINT*, CHAR* name, UINT capacity) {
    if (command != kTaskPropertiesOffset || type != GCS_HELPTEXTA || name == nullptr) return E_INVALIDARG;
    if (capacity == 0) return S_OK;
    const std::size_t copied = std::min<std::size_t>(std::strlen(kHelpText), capacity - 1);
    std::memcpy(name, kHelpText, copied);
    name[copied] = '\0';
    return S_OK;
}

}  // namespace fennquill
