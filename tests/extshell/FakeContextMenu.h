#pragma once
// A context menu the tests control: it offers the entries "&Alpha" and
// "&Beta", records what the menu code asks of it, and answers as told.
#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace fq::test {

struct ForwardedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const ForwardedMessage&) const = default;
};

struct MenuQuery {
    UINT position;
    UINT firstCommand;
    UINT lastCommand;
    UINT flags;
    bool operator==(const MenuQuery&) const = default;
};

class FakeContextMenu final : public IContextMenu2 {
public:
    struct Answers {
        bool offersMenu2 = true;
        HRESULT query = S_OK;
        HRESULT invoke = S_OK;
    };
    // The offsets of the two entries from the first command identifier.
    static constexpr UINT kAlpha = 0;
    static constexpr UINT kBeta = 1;

    explicit FakeContextMenu(Answers answers) : answers_(answers) {}
    FakeContextMenu() : FakeContextMenu(Answers{}) {}
    FakeContextMenu(const FakeContextMenu&) = delete;
    FakeContextMenu& operator=(const FakeContextMenu&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT position, UINT firstCommand, UINT lastCommand,
                                               UINT flags) override;
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR, UINT, UINT*, CHAR*, UINT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The test's own reference is the first; the object is never deleted.
    ULONG References() const { return references_; }
    const std::vector<MenuQuery>& Queries() const { return queries_; }
    const std::vector<CMINVOKECOMMANDINFO>& Invocations() const { return invocations_; }
    const std::vector<ForwardedMessage>& Handled() const { return handled_; }

private:
    Answers answers_;
    ULONG references_ = 1;
    std::vector<MenuQuery> queries_;
    std::vector<CMINVOKECOMMANDINFO> invocations_;
    std::vector<ForwardedMessage> handled_;
};

}  // namespace fq::test
