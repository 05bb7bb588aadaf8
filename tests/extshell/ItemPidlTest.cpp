// Paths resolved to shell items: the parent folder and the item's PIDL in
// it, which must name exactly what was asked.
#include <gtest/gtest.h>

#include <string>

#include "comref_win.h"
#include "ShellLocations.h"
#include "ShellNamespace_win.h"
#include "TempFolder.h"
#include "Utf8Path.h"

namespace {

using platform::win::ComRef;
using fq::extshell::FreePidl;
using fq::extshell::GetItemPidl;
using fq::extshell::GetItemPidlFromDrives;
using fq::test::IsMyComputer;
using fq::test::PathOfFolder;
using fq::test::PathOfItem;

class ItemPidl : public testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(FreePidl(pidl_)); }

    // Resolves path; the parent and PIDL stay for the test's checks.
    void Resolve(const std::string& path) {
        FreePidl(pidl_);
        pidl_ = GetItemPidl(path, parent_.Put());
    }

    // A file whose full path is exactly length characters long.
    std::string FileWithPathLength(std::size_t length) const {
        const std::string folder = temp_.MakeFolder(std::string(120, 'd'));
        const std::size_t nameLength = length - folder.size() - 1;
        return temp_.WriteFile(std::string(120, 'd') + "\\" + std::string(nameLength, 'f'), "x");
    }

    fq::test::TempFolder temp_;
    ComRef<IShellFolder> parent_;
    LPITEMIDLIST pidl_ = nullptr;
};

TEST_F(ItemPidl, AFileResolvesToItselfInItsFolder) {
    for (const std::string name : {"notes.txt", "Überblick – 日本語 plan.txt", "no extension"}) {
        SCOPED_TRACE(name);
        const std::string file = temp_.WriteFile(name, "plan");
        Resolve(file);
        ASSERT_NE(pidl_, nullptr);
        ASSERT_TRUE(parent_);
        EXPECT_EQ(PathOfItem(parent_.Get(), pidl_), file);
        EXPECT_EQ(PathOfFolder(parent_.Get()), fq::test::Utf8FromPath(temp_.Path()));
    }
}

TEST_F(ItemPidl, AFolderResolvesToItselfInItsParent) {
    const std::string folder = temp_.MakeFolder("Plans");
    temp_.WriteFile("Plans\\inside.txt", "x");
    Resolve(folder);
    ASSERT_NE(pidl_, nullptr);
    EXPECT_EQ(PathOfItem(parent_.Get(), pidl_), folder);
    EXPECT_EQ(PathOfFolder(parent_.Get()), fq::test::Utf8FromPath(temp_.Path()));
}

TEST_F(ItemPidl, ADriveRootResolvesThroughMyComputer) {
    for (const std::string root : {"C:\\", "C:"}) {
        SCOPED_TRACE(root);
        Resolve(root);
        ASSERT_NE(pidl_, nullptr);
        EXPECT_TRUE(IsMyComputer(parent_.Get()));
        EXPECT_EQ(PathOfItem(parent_.Get(), pidl_), "C:\\");
    }
}

TEST_F(ItemPidl, TheDrivesFolderAloneResolvesARootButNoBareName) {
    ComRef<IShellFolder> drivesParent;
    LPITEMIDLIST root = GetItemPidlFromDrives("C:", drivesParent.Put());
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(IsMyComputer(drivesParent.Get()));
    EXPECT_EQ(PathOfItem(drivesParent.Get(), root), "C:\\");
    EXPECT_TRUE(FreePidl(root));

    ComRef<IShellFolder> noParent;
    EXPECT_EQ(GetItemPidlFromDrives("Design review", noParent.Put()), nullptr);
    EXPECT_FALSE(noParent);
}

TEST_F(ItemPidl, WhatNamesNoShellItemGivesNoPidlAndNoParent) {
    for (const std::string& path : {
             temp_ / "missing.txt",
             temp_ / "missing folder\\notes.txt",
             std::string("Design review"),  // a task's name stands where a path would
             std::string(),
         }) {
        SCOPED_TRACE(path);
        Resolve(path);
        EXPECT_EQ(pidl_, nullptr);
        EXPECT_FALSE(parent_);
    }
}

TEST_F(ItemPidl, APathMustFitAMaxPathBuffer) {
    const std::string longest = FileWithPathLength(MAX_PATH - 1);
    Resolve(longest);
    ASSERT_NE(pidl_, nullptr);
    EXPECT_EQ(PathOfItem(parent_.Get(), pidl_), longest);

    const std::string tooLong = FileWithPathLength(MAX_PATH);
    ASSERT_TRUE(std::filesystem::exists(fq::test::PathFromUtf8(tooLong)));
    Resolve(tooLong);
    EXPECT_EQ(pidl_, nullptr);
    EXPECT_FALSE(parent_);
}

}  // namespace
