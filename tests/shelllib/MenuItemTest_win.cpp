// The handler's menu item: inserted where the host asks, whatever it asks
// besides, and its help text for the status bar.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "comref_win.h"
#include "HandlerFixture_win.h"

namespace fq::test {
namespace {

constexpr UINT kItemsBefore = 6;

// A pop-up menu with the items "item 0" to "item 5", destroyed with the object.
class HostMenu {
public:
    HostMenu() : menu_(CreatePopupMenu()) {
        for (UINT i = 0; i < kItemsBefore; ++i)
            AppendMenuW(menu_, MF_STRING, 1 + i, (L"item " + std::to_wstring(i)).c_str());
    }
    ~HostMenu() { DestroyMenu(menu_); }
    HostMenu(const HostMenu&) = delete;
    HostMenu& operator=(const HostMenu&) = delete;

    HMENU Get() const { return menu_; }
    std::wstring TextAt(UINT position) const {
        wchar_t text[64] = {};
        GetMenuStringW(menu_, position, text, 64, MF_BYPOSITION);
        return text;
    }

private:
    HMENU menu_;
};

using MenuItem = HandlerTest;

TEST_F(MenuItem, TaskPropertiesIsInsertedWhereAskedWithTheFirstIdentifier) {
    struct Case {
        const char* what;
        UINT position, first, last, flags;
    };
    const Case cases[] = {
        {"at the top", 0, 100, 200, CMF_NORMAL},
        {"at position 5", 5, 100, 200, CMF_NORMAL},
        {"for the default item only", 0, 100, 200, CMF_DEFAULTONLY},
        {"with no room in the identifier range", 5, 300, 250, CMF_EXPLORE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::win::ComRef<IContextMenu> handler;
        CreateHandler(handler);
        const HostMenu menu;
        EXPECT_EQ(handler->QueryContextMenu(menu.Get(), c.position, c.first, c.last, c.flags),
                  MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1));
        EXPECT_EQ(GetMenuItemCount(menu.Get()), static_cast<int>(kItemsBefore + 1));
        EXPECT_EQ(menu.TextAt(c.position), L"Task Properties");
        EXPECT_EQ(GetMenuItemID(menu.Get(), static_cast<int>(c.position)), c.first);
        EXPECT_EQ(menu.TextAt(c.position + 1), L"item " + std::to_wstring(c.position));
    }
}

TEST_F(MenuItem, AMenuThatTakesNoItemUsesNoIdentifier) {
    platform::win::ComRef<IContextMenu> handler;
    CreateHandler(handler);
    const HMENU gone = CreatePopupMenu();
    DestroyMenu(gone);
    EXPECT_EQ(handler->QueryContextMenu(gone, 0, 100, 200, CMF_NORMAL), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0));
}

TEST_F(MenuItem, OnlyTheAnsiHelpTextOfItsOwnItemIsGiven) {
    struct Case {
        const char* what;
        UINT_PTR command;
        UINT type;
        UINT capacity;
        HRESULT expected;
        std::string text;  // what the buffer holds afterwards
    };
    const std::string untouched = "untouched";
    const Case cases[] = {
        {"help text", 0, GCS_HELPTEXTA, 64, S_OK, "Task Properties."},
        {"help text, exactly room", 0, GCS_HELPTEXTA, 17, S_OK, "Task Properties."},
        {"help text, cut to the capacity", 0, GCS_HELPTEXTA, 5, S_OK, "Task"},
        {"help text, room for the terminator only", 0, GCS_HELPTEXTA, 1, S_OK, ""},
        {"help text, no room at all", 0, GCS_HELPTEXTA, 0, S_OK, untouched},
        {"wide help text", 0, GCS_HELPTEXTW, 64, E_INVALIDARG, untouched},
        {"ANSI verb", 0, GCS_VERBA, 64, E_INVALIDARG, untouched},
        {"wide verb", 0, GCS_VERBW, 64, E_INVALIDARG, untouched},
        {"validation", 0, GCS_VALIDATEA, 64, E_INVALIDARG, untouched},
        {"help text of another offset", 1, GCS_HELPTEXTA, 64, E_INVALIDARG, untouched},
    };
    platform::win::ComRef<IContextMenu> handler;
    CreateHandler(handler);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        char buffer[64] = "untouched";
        EXPECT_EQ(handler->GetCommandString(c.command, c.type, nullptr, buffer, c.capacity), c.expected);
        EXPECT_EQ(std::string(buffer), c.text);
    }
}

}  // namespace
}  // namespace fq::test
