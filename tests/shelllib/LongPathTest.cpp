// Folders whose paths are longer than Windows' classic 260 characters are
// ordinary folders here and are marked like any other.
#include <gtest/gtest.h>

#include "Fennquill.h"
#include "TempFolder.h"
#include "fileattributes.h"
#include "profile.h"

namespace {

TEST(LongPath, IsMarkedAndCleared) {
    fq::test::TempFolder temp;
    std::string relative;
    for (int i = 0; i < 8; ++i) relative += (i ? "/" : "") + std::string(40, static_cast<char>('a' + i));
    const std::string folder = temp.MakeFolder(relative);
    ASSERT_GT(folder.size(), 300u);
    ASSERT_EQ(SetFolderIcon(folder.c_str(), "T", "/p/", 2, 2), 0);
    EXPECT_EQ(platform::ReadProfileValue(folder + "/desktop.ini", ".ShellCLassInfo", "IconIndex", ""), "13");
    ClearFolder(folder.c_str());
    EXPECT_FALSE(platform::PathExists(folder + "/desktop.ini"));
}

}  // namespace
