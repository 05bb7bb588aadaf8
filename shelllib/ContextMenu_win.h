#pragma once
// The file manager's context-menu handler: offers "Task Properties" for one
// folder marked with a task, and starts the main program with that task.
// One object serves one context menu on one thread: Initialize, then
// QueryContextMenu, then perhaps GetCommandString and InvokeCommand.
#include <windows.h>
#include <shlobj.h>

namespace fennquill {

class TContextMenu final : public IShellExtInit, public IContextMenu {
public:
    TContextMenu();
    TContextMenu(const TContextMenu&) = delete;
    TContextMenu& operator=(const TContextMenu&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY classKey) override;

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* invocation) override;
    STDMETHODIMP GetCommandString(UINT_PTR command, UINT type, UINT* reserved, CHAR* name, UINT capacity) override;

private:
    ~TContextMenu();

    HRESULT AcceptSelection(HDROP selection);
    void StartTaskProperties() const;

    LONG volatile references_ = 1;
    wchar_t path_[MAX_PATH + 1] = {};  // the selected folder, set by Initialize
};

}  // namespace fennquill
