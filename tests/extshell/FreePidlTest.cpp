// PIDLs go back to the shell's allocator, and only PIDLs that it made.
#include <gtest/gtest.h>

#include "comref_win.h"
#include "ShellNamespace_win.h"
#include "TempFolder.h"

namespace {

using platform::win::ComRef;
using fq::extshell::FreePidl;

TEST(FreePidl, NoPidlIsNothingToFree) {
    LPITEMIDLIST pidl = nullptr;
    EXPECT_TRUE(FreePidl(pidl));
    EXPECT_EQ(pidl, nullptr);
}

TEST(FreePidl, APidlFromTheShellIsFreedAndCleared) {
    const fq::test::TempFolder temp;
    ComRef<IMalloc> allocator;
    ASSERT_HRESULT_SUCCEEDED(SHGetMalloc(allocator.Put()));
    for (int made = 0; made < 2; ++made) {
        LPITEMIDLIST pidl = nullptr;
        if (made == 0)
            ASSERT_HRESULT_SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &pidl));
        else
            pidl = ILCreateFromPathW(temp.Path().c_str());
        ASSERT_NE(pidl, nullptr);
        ASSERT_GT(allocator->DidAlloc(pidl), 0);
        LPITEMIDLIST original = pidl;
        EXPECT_TRUE(FreePidl(pidl));
        EXPECT_EQ(pidl, nullptr);
        EXPECT_EQ(allocator->DidAlloc(original), 0) << "the block is still in use";
    }
}

TEST(FreePidl, MemoryTheShellDidNotAllocateIsLeftAlone) {
    static ITEMIDLIST staticList{};
    ITEMIDLIST stackList{};
    for (LPITEMIDLIST foreign : {&staticList, &stackList}) {
        LPITEMIDLIST pidl = foreign;
        EXPECT_FALSE(FreePidl(pidl));
        EXPECT_EQ(pidl, foreign);
    }
}

}  // namespace
