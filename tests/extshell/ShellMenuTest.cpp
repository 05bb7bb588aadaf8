// The shell's real menus for real items, opened and closed by a timer that
// plays the user: nothing runs unless a command is picked.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "comref_win.h"
#include "MenuDriver.h"
#include "MenuFolder.h"
#include "OwnerWindow.h"
#include "ShellNamespace_win.h"
#include "SpyingContextMenu.h"
#include "TempFolder.h"

namespace {

using platform::win::ComRef;
using fq::extshell::FreePidl;
using fq::extshell::ShowShellContextMenu;
using fq::test::MenuDriver;

constexpr POINT kPoint{5, 5};

bool CallbackWindowExists() { return FindWindowW(L"ICMCALLBACKWND", L"ICMCALLBACKWND") != nullptr; }

class ShellMenu : public testing::Test {
protected:
    fq::test::TempFolder temp_;
    fq::test::OwnerWindow owner_;
};

TEST_F(ShellMenu, AFilesRealMenuOpensAndClosingItRunsNothing) {
    const std::string file = temp_.WriteFile("notes.txt", "plan");
    ComRef<IShellFolder> parent;
    LPITEMIDLIST pidl = fq::extshell::GetItemPidl(file, parent.Put());
    ASSERT_NE(pidl, nullptr);
    ComRef<IContextMenu> real;
    LPCITEMIDLIST items[] = {pidl};
    ASSERT_HRESULT_SUCCEEDED(parent->GetUIObjectOf(owner_.Handle(), 1, items, IID_IContextMenu, nullptr, real.PutVoid()));

    for (const auto& close : {MenuDriver::Action(fq::test::EndTheMenu), MenuDriver::Action(fq::test::PressEscape)}) {
        fq::test::SpyingContextMenu spy(real.Get());
        fq::test::MenuFolder folder(&spy);
        std::optional<fq::test::OpenMenu> seen;
        {
            const MenuDriver driver(close);
            EXPECT_FALSE(fq::extshell::ShowMenuForPidl(owner_.Handle(), &folder, pidl, kPoint));
            seen = driver.Seen();
        }
        ASSERT_TRUE(seen) << "the menu never opened";
        EXPECT_GT(seen->entryCount, 0);
        if (spy.RealOffersMenu2()) {
            EXPECT_EQ(seen->owner, seen->callbackWindow);
        }
        EXPECT_EQ(spy.CommandsRun(), 0);
        EXPECT_EQ(spy.References(), 1u);
        EXPECT_FALSE(CallbackWindowExists());
    }
    EXPECT_TRUE(FreePidl(pidl));
}

TEST_F(ShellMenu, EveryKindOfItemGetsAMenuThatClosesWithoutRunning) {
    const std::string items[] = {
        temp_.WriteFile("notes.txt", "plan"),
        temp_.MakeFolder("Plans"),
        "C:\\",
    };
    for (const std::string& item : items) {
        SCOPED_TRACE(item);
        const MenuDriver driver(fq::test::PressEscape);
        EXPECT_FALSE(ShowShellContextMenu(owner_.Handle(), item, kPoint));
        ASSERT_TRUE(driver.Seen()) << "the menu never opened";
        EXPECT_GT(driver.Seen()->entryCount, 0);
        EXPECT_FALSE(CallbackWindowExists());
    }
}

TEST_F(ShellMenu, WhatNamesNoItemOpensNoMenu) {
    const std::string paths[] = {
        temp_ / "missing.txt",
        "Design review",
        temp_.WriteFile(std::string(MAX_PATH - temp_.Path().native().size(), 'n'), "beyond MAX_PATH"),
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const MenuDriver driver(fq::test::EndTheMenu);
        EXPECT_FALSE(ShowShellContextMenu(owner_.Handle(), path, kPoint));
        EXPECT_FALSE(driver.Seen());
    }
}

}  // namespace
