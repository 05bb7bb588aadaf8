// The program's own folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Utf8Path.h"
#include "folders.h"

namespace {

using fq::test::PathFromUtf8;
using fq::test::Utf8FromPath;

TEST(ProgramDirectory, IsTheTestProgramsFolderWithATrailingSeparator) {
    const std::string directory = platform::ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), platform::kPathSeparator);
    const std::filesystem::path program = PathFromUtf8(platform::ProgramPath());
    EXPECT_EQ(directory + Utf8FromPath(program.filename()), platform::ProgramPath());
    EXPECT_EQ(program.stem(), "platform_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(program));
}

}  // namespace
