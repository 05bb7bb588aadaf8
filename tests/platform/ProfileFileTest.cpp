// The bytes of ini files written by this platform's own profile functions:
// lines that are not changed stay exactly as they were.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "profile.h"

namespace {

using fq::test::TempFolder;

struct ByteCase {
    const char* name;
    std::string before;
    std::string after;  // after writing TaskId=T into .ShellCLassInfo
};

class ProfileBytes : public testing::TestWithParam<ByteCase> {};

TEST_P(ProfileBytes, WriteChangesOnlyWhatItMust) {
    TempFolder folder;
    const std::string ini = folder.WriteFile("desktop.ini", GetParam().before);
    ASSERT_TRUE(platform::WriteProfileValue(ini, ".ShellCLassInfo", "TaskId", "T"));
    EXPECT_EQ(folder.ReadFile("desktop.ini"), GetParam().after);
}

const std::string kUtf16Before("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
const std::string kUtf16After("\xFF\xFE[\0S\0]\0\r\0\n\0[\0.\0S\0h\0e\0l\0l\0C\0L\0a\0s\0s\0I\0n\0f\0o\0]\0\r\0\n\0"
                              "T\0a\0s\0k\0I\0d\0=\0T\0\r\0\n\0",
                              12 + 38 + 20);

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileBytes,
    testing::Values(
        ByteCase{"NewFile", "", "[.ShellCLassInfo]\r\nTaskId=T\r\n"},
        ByteCase{"AppendsAfterTheSectionsLastKey", "[.ShellClassInfo]\r\nIconIndex=3\r\n\r\n[B]\r\nb=1\r\n",
                 "[.ShellClassInfo]\r\nIconIndex=3\r\nTaskId=T\r\n\r\n[B]\r\nb=1\r\n"},
        ByteCase{"KeepsLfOnlyLines", "[A]\na = spaced \n", "[A]\na = spaced \n[.ShellCLassInfo]\nTaskId=T\n"},
        ByteCase{"EndsAnUnfinishedLastLine", "[A]\r\na=1", "[A]\r\na=1\r\n[.ShellCLassInfo]\r\nTaskId=T\r\n"},
        ByteCase{"KeepsAUtf8Mark", "\xEF\xBB\xBF[.ShellClassInfo]\r\nTaskId=old\r\n", "\xEF\xBB\xBF[.ShellClassInfo]\r\nTaskId=T\r\n"},
        ByteCase{"KeepsAKeyWithoutEquals", "[.ShellClassInfo]\r\nflag\r\n", "[.ShellClassInfo]\r\nflag\r\nTaskId=T\r\n"},
        ByteCase{"KeepsCommentsAndOddLines", "# note\r\n[.ShellClassInfo]\r\n;TaskId=commented\r\n[broken\r\n",
                 "# note\r\n[.ShellClassInfo]\r\n;TaskId=commented\r\n[broken\r\nTaskId=T\r\n"},
        ByteCase{"KeepsUtf16", kUtf16Before, kUtf16After}),
    [](const testing::TestParamInfo<ByteCase>& param) { return std::string(param.param.name); });

TEST(ProfileValues, LoseSurroundingBlanksAndOnePairOfQuotes) {
    TempFolder folder;
    const std::string ini = folder.WriteFile("x.ini", "[S]\r\n  a  =  spaced value  \r\nb=\"quoted\"\r\nc='x'\r\nd=\"\r\n");
    EXPECT_EQ(platform::ReadProfileValue(ini, "S", "a", ""), "spaced value");
    EXPECT_EQ(platform::ReadProfileValue(ini, "S", "b", ""), "quoted");
    EXPECT_EQ(platform::ReadProfileValue(ini, "S", "c", ""), "x");
    EXPECT_EQ(platform::ReadProfileValue(ini, "S", "d", ""), "\"");
}

TEST(ProfileValues, Utf16FilesAreReadAsText) {
    TempFolder folder;
    const std::string ini = folder.WriteFile("x.ini", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xE9\0\x3D\xD8\x00\xDE", 20));
    EXPECT_EQ(platform::ReadProfileValue(ini, "S", "k", ""), "é😀");
}

}  // namespace
