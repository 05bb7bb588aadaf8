#pragma once
// Stands in front of a real context menu, passes every call on to it and
// counts the commands run through it. It offers IContextMenu2 only where the
// real menu does.
#include <windows.h>
#include <shlobj.h>

namespace fq::test {

class SpyingContextMenu final : public IContextMenu2 {
public:
    explicit SpyingContextMenu(IContextMenu* real);
    ~SpyingContextMenu();
    SpyingContextMenu(const SpyingContextMenu&) = delete;
    SpyingContextMenu& operator=(const SpyingContextMenu&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT position, UINT firstCommand, UINT lastCommand,
                                               UINT flags) override;
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR command, UINT type, UINT* reserved, CHAR* name,
                                               UINT size) override;
    HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam) override;

    ULONG References() const { return references_; }
    int CommandsRun() const { return commandsRun_; }
    bool RealOffersMenu2() const { return real2_ != nullptr; }

private:
    IContextMenu* real_;
    IContextMenu2* real2_ = nullptr;
    ULONG references_ = 1;
    int commandsRun_ = 0;
};

}  // namespace fq::test
