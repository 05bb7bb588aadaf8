// The user's application-data folder and the program's own path on Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Utf8Path.h"
#include "folders.h"

namespace {

using fq::test::PathFromUtf8;

// The environment of every program carries the same folder as APPDATA.
TEST(ApplicationDataFolderOnWindows, IsTheRoamingFolderWithoutTrailingSeparator) {
    const std::string folder = platform::ApplicationDataFolder();
    const wchar_t* fromEnvironment = _wgetenv(L"APPDATA");
    ASSERT_NE(fromEnvironment, nullptr);
    EXPECT_EQ(CompareStringOrdinal(PathFromUtf8(folder).c_str(), -1, fromEnvironment, -1, TRUE), CSTR_EQUAL)
        << folder;
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(folder)));
}

TEST(ProgramPathOnWindows, IsTheFullPathOfTheExecutable) {
    const std::filesystem::path program = PathFromUtf8(platform::ProgramPath());
    EXPECT_TRUE(program.is_absolute()) << platform::ProgramPath();
    EXPECT_EQ(program.filename(), L"platform_tests.exe");
    EXPECT_EQ(platform::ProgramDirectory().back(), '\\');
}

}  // namespace
