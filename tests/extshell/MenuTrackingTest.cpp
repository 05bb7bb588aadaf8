// Tracking an item's menu and running the picked command, with a context
// menu that the tests control and a user played by a timer.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "FakeContextMenu.h"
#include "MenuDriver.h"
#include "MenuFolder.h"
#include "OwnerWindow.h"
#include "ShellNamespace_win.h"

namespace {

using fq::extshell::ShowMenuForPidl;
using fq::test::FakeContextMenu;
using fq::test::MenuDriver;
using fq::test::MenuFolder;
using fq::test::MenuQuery;

// The item stands for itself: only the folder below reads it.
const ITEMIDLIST kItem{};

bool CallbackWindowExists() { return FindWindowW(L"ICMCALLBACKWND", L"ICMCALLBACKWND") != nullptr; }

class MenuTracking : public testing::Test {
protected:
    bool Track(FakeContextMenu& menu, MenuDriver::Action action) {
        MenuFolder folder(&menu);
        MenuDriver driver(std::move(action));
        const bool ran = ShowMenuForPidl(owner_.Handle(), &folder, &kItem, kPoint);
        seen_ = driver.Seen();
        requests_ = folder.Requests();
        EXPECT_EQ(folder.References(), 1u) << "the folder is still referenced";
        EXPECT_EQ(menu.References(), 1u) << "the menu is still referenced";
        EXPECT_FALSE(CallbackWindowExists());
        return ran;
    }

    static constexpr POINT kPoint{17, 23};
    fq::test::OwnerWindow owner_;
    std::optional<fq::test::OpenMenu> seen_;
    std::vector<fq::test::MenuRequest> requests_;
};

TEST_F(MenuTracking, ThePickedEntryRunsAsTheShellsOwnCommand) {
    FakeContextMenu menu;
    EXPECT_TRUE(Track(menu, fq::test::TypeMnemonic(L'b')));

    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(requests_[0].owner, owner_.Handle());
    EXPECT_EQ(requests_[0].itemCount, 1u);
    EXPECT_EQ(requests_[0].firstItem, &kItem);
    EXPECT_TRUE(IsEqualIID(requests_[0].interfaceId, IID_IContextMenu));
    EXPECT_EQ(menu.Queries(), (std::vector<MenuQuery>{{0, 1, 0x7FFF, CMF_EXPLORE}}));

    ASSERT_EQ(menu.Invocations().size(), 1u);
    const CMINVOKECOMMANDINFO& info = menu.Invocations()[0];
    EXPECT_EQ(info.cbSize, 56u);
    EXPECT_EQ(info.cbSize, sizeof(CMINVOKECOMMANDINFO));
    EXPECT_EQ(info.fMask, 0u);
    EXPECT_EQ(info.hwnd, owner_.Handle());
    EXPECT_EQ(info.lpVerb, MAKEINTRESOURCEA(FakeContextMenu::kBeta));
    EXPECT_EQ(info.lpParameters, nullptr);
    EXPECT_EQ(info.lpDirectory, nullptr);
    EXPECT_EQ(info.nShow, SW_SHOWNORMAL);
    EXPECT_EQ(info.dwHotKey, 0u);
    EXPECT_EQ(info.hIcon, nullptr);
}

TEST_F(MenuTracking, TheCallbackWindowOwnsTheMenuAndPassesItsMessagesOn) {
    FakeContextMenu menu;
    Track(menu, fq::test::TypeMnemonic(L'a'));
    ASSERT_TRUE(seen_);
    ASSERT_NE(seen_->callbackWindow, nullptr);
    EXPECT_EQ(seen_->owner, seen_->callbackWindow);
    EXPECT_EQ(seen_->entryCount, 2);
    EXPECT_EQ(owner_.MenuPopupsInitialised(), 0);
    bool initialised = false;
    for (const auto& handled : menu.Handled()) initialised |= handled.message == WM_INITMENUPOPUP;
    EXPECT_TRUE(initialised) << "WM_INITMENUPOPUP never reached the menu";
}

TEST_F(MenuTracking, TheMenuOpensAtThePointOfTheOwnersClientArea) {
    FakeContextMenu menu;
    Track(menu, fq::test::EndTheMenu);
    ASSERT_TRUE(seen_);
    POINT expected = kPoint;
    ClientToScreen(owner_.Handle(), &expected);
    EXPECT_EQ(seen_->rect.left, expected.x);
    EXPECT_EQ(seen_->rect.top, expected.y);
}

TEST_F(MenuTracking, WithoutMenu2TheOwnerWindowOwnsTheMenu) {
    FakeContextMenu menu({.offersMenu2 = false});
    EXPECT_TRUE(Track(menu, fq::test::TypeMnemonic(L'a')));
    ASSERT_TRUE(seen_);
    EXPECT_EQ(seen_->callbackWindow, nullptr);
    EXPECT_EQ(seen_->owner, owner_.Handle());
    EXPECT_GT(owner_.MenuPopupsInitialised(), 0);
    ASSERT_EQ(menu.Invocations().size(), 1u);
    EXPECT_EQ(menu.Invocations()[0].lpVerb, MAKEINTRESOURCEA(FakeContextMenu::kAlpha));
}

TEST_F(MenuTracking, AClosedMenuRunsNothing) {
    const struct {
        const char* how;
        MenuDriver::Action action;
    } closings[] = {
        {"EndMenu", fq::test::EndTheMenu},
        {"Escape", fq::test::PressEscape},
    };
    for (const auto& closing : closings) {
        SCOPED_TRACE(closing.how);
        FakeContextMenu menu;
        EXPECT_FALSE(Track(menu, closing.action));
        EXPECT_TRUE(seen_) << "no menu opened";
        EXPECT_TRUE(menu.Invocations().empty());
    }
}

TEST_F(MenuTracking, ACommandTheShellFailsToRunAnswersFalse) {
    FakeContextMenu menu({.invoke = E_FAIL});
    EXPECT_FALSE(Track(menu, fq::test::TypeMnemonic(L'b')));
    EXPECT_EQ(menu.Invocations().size(), 1u);
}

TEST_F(MenuTracking, AMenuThatCannotBeFilledIsNeverShown) {
    FakeContextMenu menu({.query = E_FAIL});
    EXPECT_FALSE(Track(menu, fq::test::EndTheMenu));
    EXPECT_FALSE(seen_);
    EXPECT_EQ(menu.Queries().size(), 1u);
    EXPECT_TRUE(menu.Invocations().empty());
}

TEST_F(MenuTracking, NoFolderNoItemOrNoMenuShowsNothing) {
    const MenuDriver driver(fq::test::EndTheMenu);
    FakeContextMenu menu;
    MenuFolder folder(&menu);
    MenuFolder folderWithoutMenus(nullptr);
    EXPECT_FALSE(ShowMenuForPidl(owner_.Handle(), nullptr, &kItem, kPoint));
    EXPECT_FALSE(ShowMenuForPidl(owner_.Handle(), &folder, nullptr, kPoint));
    EXPECT_FALSE(ShowMenuForPidl(owner_.Handle(), &folderWithoutMenus, &kItem, kPoint));
    EXPECT_FALSE(driver.Seen());
    EXPECT_TRUE(folder.Requests().empty());
    EXPECT_EQ(folderWithoutMenus.Requests().size(), 1u);
    EXPECT_EQ(folderWithoutMenus.References(), 1u);
}

}  // namespace
