// Where this platform keeps the DOS attributes: READONLY of a file in its
// write permission, the rest in user.DOSATTRIB as Wine and Samba read it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include "TempFolder.h"
#include "fileattributes.h"
#include "fileio.h"

namespace {

using fq::test::TempFolder;
using namespace platform;

std::string DosAttribute(const std::string& path) {
    char text[64] = {};
    const ssize_t length = getxattr(path.c_str(), "user.DOSATTRIB", text, sizeof text);
    return length < 0 ? "<none>" : std::string(text, static_cast<std::size_t>(length));
}

mode_t Mode(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(DosAttribute, IsTheHexTextOfTheBitsBesidesReadOnly) {
    TempFolder temp;
    const std::string file = temp.WriteFile("desktop.ini", "");
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeSystem));
    EXPECT_EQ(DosAttribute(file), "0x4");
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeSystem | kAttributeHidden | kAttributeReadOnly));
    EXPECT_EQ(DosAttribute(file), "0x6");
    EXPECT_EQ(Mode(file) & S_IWUSR, 0u);
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeNormal));
    EXPECT_EQ(DosAttribute(file), "<none>");
    EXPECT_NE(Mode(file) & S_IWUSR, 0u);
}

TEST(DosAttribute, AFolderKeepsReadOnlyThereAndStaysWritable) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("f");
    ASSERT_TRUE(SetFileAttributesOf(folder, kAttributeReadOnly | kAttributeSystem));
    EXPECT_EQ(DosAttribute(folder), "0x5");
    EXPECT_EQ(GetFileAttributesOf(folder), kAttributeDirectory | kAttributeReadOnly | kAttributeSystem);
    EXPECT_NE(Mode(folder) & S_IWUSR, 0u);
}

TEST(DosAttribute, ArchiveIsKeptThereToo) {
    TempFolder temp;
    const std::string file = temp.WriteFile("f", "");
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeArchive));
    EXPECT_EQ(DosAttribute(file), "0x20");
    EXPECT_EQ(GetFileAttributesOf(file), kAttributeArchive);
}

TEST(DosAttribute, WhatWineOrSambaWroteIsRead) {
    TempFolder temp;
    const std::string file = temp.WriteFile("f", "");
    ASSERT_EQ(setxattr(file.c_str(), "user.DOSATTRIB", "0x22", 4, 0), 0);
    EXPECT_EQ(GetFileAttributesOf(file), kAttributeHidden | kAttributeArchive);
    ASSERT_EQ(setxattr(file.c_str(), "user.DOSATTRIB", "\x01\x02garbage", 9, 0), 0);
    EXPECT_EQ(GetFileAttributesOf(file), kAttributeNormal) << "a value that is not text is ignored";
}

TEST(DosAttribute, SurvivesTheFileBeingReplacedInOneStep) {
    TempFolder temp;
    const std::string file = temp.WriteFile("desktop.ini", "old");
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeSystem | kAttributeReadOnly));
    AtomicFileWriter writer(file);
    writer.Write("new", 3);
    writer.Commit();
    EXPECT_EQ(temp.ReadFile("desktop.ini"), "new");
    EXPECT_EQ(GetFileAttributesOf(file), kAttributeSystem | kAttributeReadOnly);
}

}  // namespace
