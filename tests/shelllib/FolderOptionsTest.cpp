// The folder marker through the library's exports, on real folders.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "Fennquill.h"
#include "FileAttributesAsSet.h"
#include "TempFolder.h"
#include "fileattributes.h"
#include "folders.h"
#include "profile.h"

namespace {

using fq::test::FileAttributesAsSet;
using fq::test::TempFolder;
using namespace platform;
using testing::ElementsAre;

const char kTask[] = "0123456789ABCDEF0123456789ABCDEF";
const char kSection[] = ".ShellCLassInfo";

std::string LastError() {
    char buffer[1024];
    GetLastMarkerError(buffer, sizeof buffer);
    return buffer;
}

class Marker : public testing::Test {
protected:
    std::string Ini() const { return notes + kPathSeparator + "desktop.ini"; }
    std::string Key(const char* key) const { return ReadProfileValue(Ini(), kSection, key, "<none>"); }

    TempFolder temp;
    std::string notes = temp.MakeFolder("Notes");
    std::string programDir = temp.MakeFolder("program") + kPathSeparator;
};

TEST_F(Marker, MarksTheFolderWithTheIconAndTheTask) {
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, programDir.c_str(), 3, 5), 0);
    EXPECT_THAT(ProfileKeyNames(Ini(), kSection), ElementsAre("IconFile", "IconIndex", "TaskId"));
    EXPECT_EQ(Key("IconFile"), programDir + "res.icl");
    EXPECT_EQ(Key("IconIndex"), "27");
    EXPECT_EQ(Key("TaskId"), kTask);
    EXPECT_EQ(FileAttributesAsSet(Ini()), kAttributeSystem);
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory | kAttributeSystem);

    ClearFolder(notes.c_str());
    EXPECT_FALSE(PathExists(Ini()));
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory);
}

struct IndexCase {
    int priority;
    int progress;
    const char* index;
};

class MarkerIndex : public Marker, public testing::WithParamInterface<IndexCase> {};

TEST_P(MarkerIndex, FollowsPriorityAndProgress) {
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, programDir.c_str(), GetParam().priority, GetParam().progress), 0);
    EXPECT_EQ(Key("IconIndex"), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Table, MarkerIndex,
                         testing::Values(IndexCase{3, 5, "27"}, IndexCase{1, 0, "0"}, IndexCase{5, 10, "54"},
                                         IndexCase{2, 10, "21"}, IndexCase{4, 0, "33"},
                                         // a priority outside 1..5 shows Normal at 0 %
                                         IndexCase{0, 7, "22"}, IndexCase{6, 0, "22"}, IndexCase{-1, 10, "22"},
                                         // a progress outside 0..10 is taken as the nearer end
                                         IndexCase{1, -3, "0"}, IndexCase{5, 11, "54"}, IndexCase{3, 1000, "32"}));

TEST_F(Marker, RewritingAMarkedFolderOverwritesTheKeysInPlace) {
    ASSERT_EQ(SetFolderIcon(notes.c_str(), "OLD", programDir.c_str(), 1, 0), 0);
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, "/elsewhere/", 4, 7), 0);
    EXPECT_THAT(ProfileKeyNames(Ini(), kSection), ElementsAre("IconFile", "IconIndex", "TaskId"));
    EXPECT_EQ(Key("IconFile"), "/elsewhere/res.icl");
    EXPECT_EQ(Key("IconIndex"), "40");
    EXPECT_EQ(Key("TaskId"), kTask);
}

TEST_F(Marker, TheProgramDirectoryIsTakenAsGiven) {
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, "/opt/fennquill/bin", 3, 0), 0);
    EXPECT_EQ(Key("IconFile"), "/opt/fennquill/binres.icl");
}

TEST_F(Marker, AHiddenReadOnlyFolderBecomesAPlainSystemFolderAndThenNormal) {
    ASSERT_TRUE(SetFileAttributesOf(notes, kAttributeHidden | kAttributeReadOnly | kAttributeArchive));
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, programDir.c_str(), 3, 0), 0);
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory | kAttributeSystem);
    ClearFolder(notes.c_str());
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory);
}

TEST_F(Marker, WhatIsNotAnExistingFolderIsLeftAlone) {
    const std::string file = temp.WriteFile("plan.txt", "x");
    for (const std::string& path : {temp / "missing", file, std::string()}) {
        EXPECT_EQ(SetFolderIcon(path.c_str(), kTask, programDir.c_str(), 3, 5), 0) << path;
        EXPECT_FALSE(PathExists(path + kPathSeparator + "desktop.ini"));
    }
    EXPECT_EQ(temp.ReadFile("plan.txt"), "x");
    EXPECT_EQ(SetFolderIcon(nullptr, nullptr, nullptr, 3, 5), 0);
    ClearFolder(nullptr);
    ClearFolder((temp / "missing").c_str());
}

TEST_F(Marker, AReadOnlyMarkerFileIsReportedAndLeftAsItWas) {
    const std::string before = "[.ShellClassInfo]\r\nIconIndex=3\r\n";
    temp.WriteFile("Notes/desktop.ini", before);
    ASSERT_TRUE(SetFileAttributesOf(Ini(), kAttributeReadOnly));
    ASSERT_TRUE(SetFileAttributesOf(notes, kAttributeHidden));

    EXPECT_NE(SetFolderIcon(notes.c_str(), kTask, programDir.c_str(), 3, 5), 0);

    EXPECT_EQ(LastError(), "Unable to write to " + Ini());
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory | kAttributeHidden) << "attributes are not changed";
    EXPECT_EQ(Key("IconIndex"), "3");
}

TEST_F(Marker, ClearingAFolderThatWasNeverMarkedMakesItNormal) {
    ASSERT_TRUE(SetFileAttributesOf(notes, kAttributeHidden));
    ClearFolder(notes.c_str());
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory);
}

// The user's own desktop.ini settings were there before the marker and stay
// after it: marking keeps them, clearing takes only what marking wrote.
TEST_F(Marker, TheUsersOwnSettingsSurviveMarkingAndClearing) {
    temp.WriteFile("Notes/desktop.ini",
                   "[.ShellClassInfo]\r\nLocalizedResourceName=My Notes\r\n[ViewState]\r\nMode=4\r\n");
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, programDir.c_str(), 2, 3), 0);
    EXPECT_EQ(Key("LocalizedResourceName"), "My Notes");
    EXPECT_EQ(Key("IconIndex"), "14");

    ClearFolder(notes.c_str());

    ASSERT_TRUE(PathExists(Ini()));
    EXPECT_THAT(ProfileKeyNames(Ini(), kSection), ElementsAre("LocalizedResourceName"));
    EXPECT_EQ(ReadProfileValue(Ini(), "ViewState", "Mode", ""), "4");
    EXPECT_EQ(GetFileAttributesOf(notes), kAttributeDirectory | kAttributeSystem)
        << "the shell reads what is left only from a system folder";
}

TEST_F(Marker, AMarkerAloneInAnotherSectionSpellingGoesWhole) {
    temp.WriteFile("Notes/desktop.ini", "\r\n[.shellclassinfo]\r\nTaskId=old\r\n\r\n");
    ASSERT_EQ(SetFolderIcon(notes.c_str(), kTask, programDir.c_str(), 3, 0), 0);
    ClearFolder(notes.c_str());
    EXPECT_FALSE(PathExists(Ini()));
}

TEST_F(Marker, FolderNamesWithBlanksAndNonAsciiCharacters) {
    const std::string odd = temp.MakeFolder("Prüfung – 日本 & more");
    ASSERT_EQ(SetFolderIcon(odd.c_str(), kTask, "/opt/ünï/", 5, 10), 0);
    const std::string ini = odd + kPathSeparator + "desktop.ini";
    EXPECT_EQ(ReadProfileValue(ini, kSection, "IconFile", ""), "/opt/ünï/res.icl");
    EXPECT_EQ(ReadProfileValue(ini, kSection, "IconIndex", ""), "54");
    ClearFolder(odd.c_str());
    EXPECT_FALSE(PathExists(ini));
}

TEST(LastMarkerError, IsCopiedWithinTheBufferAndTellsItsLength) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("f");
    temp.WriteFile("f/desktop.ini", "");
    ASSERT_TRUE(SetFileAttributesOf(folder + kPathSeparator + "desktop.ini", kAttributeReadOnly));
    ASSERT_NE(SetFolderIcon(folder.c_str(), kTask, "/", 3, 0), 0);
    const std::string message = "Unable to write to " + folder + kPathSeparator + "desktop.ini";
    char small[8];
    EXPECT_EQ(GetLastMarkerError(small, sizeof small), static_cast<int>(message.size()));
    EXPECT_EQ(std::string(small), message.substr(0, 7));
    EXPECT_EQ(GetLastMarkerError(nullptr, 0), static_cast<int>(message.size()));
}

}  // namespace
