// Ini files edited as the Windows profile functions edit them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "fileattributes.h"
#include "profile.h"

namespace {

using fq::test::TempFolder;
using platform::ProfileKeyNames;
using platform::ReadProfileValue;
using platform::WriteProfileValue;
using testing::ElementsAre;

class Profile : public testing::Test {
protected:
    std::string Read(const std::string& section, const std::string& key) {
        return ReadProfileValue(ini, section, key, "<none>");
    }

    TempFolder folder;
    std::string ini = folder / "desktop.ini";
};

TEST_F(Profile, AWriteCreatesTheFileTheSectionAndTheKeysInOrder) {
    ASSERT_TRUE(WriteProfileValue(ini, ".ShellCLassInfo", "IconFile", "C:\\Program\\res.icl"));
    ASSERT_TRUE(WriteProfileValue(ini, ".ShellCLassInfo", "IconIndex", "27"));
    ASSERT_TRUE(WriteProfileValue(ini, ".ShellCLassInfo", "TaskId", "0123456789ABCDEF0123456789ABCDEF"));
    EXPECT_THAT(ProfileKeyNames(ini, ".ShellCLassInfo"), ElementsAre("IconFile", "IconIndex", "TaskId"));
    EXPECT_EQ(Read(".ShellCLassInfo", "IconFile"), "C:\\Program\\res.icl");
    EXPECT_EQ(Read(".ShellCLassInfo", "IconIndex"), "27");
    EXPECT_TRUE(platform::ProfileHasSection(ini, ".ShellCLassInfo"));
}

TEST_F(Profile, NamesMatchWithoutRegardToCaseAndAKeyIsOverwrittenInPlace) {
    folder.WriteFile("desktop.ini", "[.ShellClassInfo]\r\nIconFile=old.icl\r\nIconIndex=3\r\n");
    ASSERT_TRUE(WriteProfileValue(ini, ".shellclassinfo", "ICONFILE", "new.icl"));
    EXPECT_EQ(Read(".SHELLCLASSINFO", "iconfile"), "new.icl");
    EXPECT_THAT(ProfileKeyNames(ini, ".ShellClassInfo"), ElementsAre("IconFile", "IconIndex"));
}

TEST_F(Profile, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("Any", "Key"), "<none>");
    folder.WriteFile("desktop.ini", "[A]\r\nx=1\r\n");
    EXPECT_EQ(Read("B", "x"), "<none>");
    EXPECT_EQ(Read("A", "y"), "<none>");
    EXPECT_EQ(Read("A", "x"), "1");
    EXPECT_FALSE(platform::ProfileHasSection(ini, "B"));
}

TEST_F(Profile, EverythingElseInTheFileSurvivesAWrite) {
    folder.WriteFile("desktop.ini",
                     "; made by hand\r\n[ViewState]\r\nMode=\r\nVid=\r\n[.ShellClassInfo]\r\nLocalizedResourceName=@x.dll,-1\r\n"
                     "IconResource=C:\\own.ico,0\r\n\r\n[Other]\r\nkey=value\r\n");
    ASSERT_TRUE(WriteProfileValue(ini, ".ShellCLassInfo", "TaskId", "T"));
    EXPECT_EQ(Read(".ShellClassInfo", "LocalizedResourceName"), "@x.dll,-1");
    EXPECT_EQ(Read(".ShellClassInfo", "IconResource"), "C:\\own.ico,0");
    EXPECT_EQ(Read(".ShellClassInfo", "TaskId"), "T");
    EXPECT_EQ(Read("Other", "key"), "value");
    EXPECT_THAT(ProfileKeyNames(ini, "ViewState"), ElementsAre("Mode", "Vid"));
}

TEST_F(Profile, TheFirstOfRepeatedSectionsIsTheOneReadAndWritten) {
    folder.WriteFile("desktop.ini", "[S]\r\na=first\r\n[S]\r\na=second\r\nb=only in second\r\n");
    EXPECT_EQ(Read("S", "a"), "first");
    ASSERT_TRUE(WriteProfileValue(ini, "S", "a", "changed"));
    EXPECT_EQ(Read("S", "a"), "changed");
    EXPECT_THAT(ProfileKeyNames(ini, "S"), ElementsAre("a"));
}

TEST_F(Profile, AReadOnlyFileIsNotWritten) {
    const std::string before = "[S]\r\na=1\r\n";
    folder.WriteFile("desktop.ini", before);
    ASSERT_TRUE(platform::SetFileAttributesOf(ini, platform::kAttributeReadOnly));
    EXPECT_FALSE(WriteProfileValue(ini, "S", "a", "2"));
    EXPECT_EQ(Read("S", "a"), "1");
    platform::SetFileAttributesOf(ini, platform::kAttributeNormal);
    EXPECT_EQ(folder.ReadFile("desktop.ini"), before);
}

TEST_F(Profile, AFileInAMissingFolderIsNotWritten) {
    EXPECT_FALSE(WriteProfileValue(folder / "gone/desktop.ini", "S", "a", "1"));
}

TEST_F(Profile, KeysAndSectionsCanBeRemovedAndABlankFileTold) {
    folder.WriteFile("desktop.ini", "[.ShellClassInfo]\r\nIconFile=x\r\nTaskId=T\r\n\r\n[Keep]\r\nk=v\r\n");
    EXPECT_FALSE(platform::ProfileIsBlank(ini));
    ASSERT_TRUE(platform::DeleteProfileKey(ini, ".SHELLCLASSINFO", "taskid"));
    EXPECT_THAT(ProfileKeyNames(ini, ".ShellClassInfo"), ElementsAre("IconFile"));
    EXPECT_TRUE(platform::DeleteProfileKey(ini, ".ShellClassInfo", "missing"));
    ASSERT_TRUE(platform::DeleteProfileSection(ini, "keep"));
    EXPECT_FALSE(platform::ProfileHasSection(ini, "Keep"));
    EXPECT_TRUE(platform::DeleteProfileSection(ini, "never there"));
    ASSERT_TRUE(platform::DeleteProfileSection(ini, ".ShellClassInfo"));
    EXPECT_TRUE(platform::ProfileIsBlank(ini));
}

TEST_F(Profile, NonAsciiTextsSurvive) {
    ASSERT_TRUE(WriteProfileValue(ini, ".ShellCLassInfo", "IconFile", "/home/jürgen/Ünïcødé 日本/res.icl"));
    EXPECT_EQ(Read(".ShellCLassInfo", "IconFile"), "/home/jürgen/Ünïcødé 日本/res.icl");
}

}  // namespace
