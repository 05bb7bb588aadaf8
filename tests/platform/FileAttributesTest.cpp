// DOS attributes of files and folders, set and read back.
#include <gtest/gtest.h>

#include <filesystem>

#include "FileAttributesAsSet.h"
#include "TempFolder.h"
#include "fileattributes.h"

namespace {

using fq::test::FileAttributesAsSet;
using fq::test::TempFolder;
using namespace platform;

struct AttributeCase {
    const char* name;
    bool folder;
    unsigned set;
    unsigned readBack;
};

class Attributes : public testing::TestWithParam<AttributeCase> {};

TEST_P(Attributes, ReadBackAsSet) {
    const AttributeCase& c = GetParam();
    TempFolder temp;
    const std::string path = c.folder ? temp.MakeFolder("item") : temp.WriteFile("item", "x");
    ASSERT_TRUE(SetFileAttributesOf(path, c.set));
    EXPECT_EQ(FileAttributesAsSet(path), c.readBack);
    ASSERT_TRUE(SetFileAttributesOf(path, kAttributeNormal));
    EXPECT_EQ(FileAttributesAsSet(path), c.folder ? kAttributeDirectory : kAttributeNormal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Attributes,
    testing::Values(AttributeCase{"FileSystem", false, kAttributeSystem, kAttributeSystem},
                    AttributeCase{"FileNormal", false, kAttributeNormal, kAttributeNormal},
                    AttributeCase{"FileReadOnlyHidden", false, kAttributeReadOnly | kAttributeHidden,
                                  kAttributeReadOnly | kAttributeHidden},
                    AttributeCase{"FolderSystem", true, kAttributeSystem, kAttributeDirectory | kAttributeSystem},
                    AttributeCase{"FolderHiddenSystem", true, kAttributeHidden | kAttributeSystem,
                                  kAttributeDirectory | kAttributeHidden | kAttributeSystem},
                    AttributeCase{"FolderNormal", true, kAttributeNormal, kAttributeDirectory}),
    [](const testing::TestParamInfo<AttributeCase>& param) { return std::string(param.param.name); });

TEST(Attributes, SettingReplacesWhatWasThere) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("marked");
    ASSERT_TRUE(SetFileAttributesOf(folder, kAttributeHidden | kAttributeReadOnly | kAttributeArchive));
    ASSERT_TRUE(SetFileAttributesOf(folder, kAttributeSystem));
    EXPECT_EQ(FileAttributesAsSet(folder), kAttributeDirectory | kAttributeSystem);
}

TEST(Attributes, AReadOnlyFolderStillTakesNewFiles) {
    TempFolder temp;
    const std::string folder = temp.MakeFolder("read-only");
    ASSERT_TRUE(SetFileAttributesOf(folder, kAttributeReadOnly));
    EXPECT_NO_THROW(temp.WriteFile("read-only/new.txt", "x"));
    EXPECT_TRUE(PathExists(folder + "/new.txt"));
}

TEST(Attributes, NothingThereIsInvalid) {
    TempFolder temp;
    EXPECT_EQ(GetFileAttributesOf(temp / "missing"), kInvalidAttributes);
    EXPECT_FALSE(SetFileAttributesOf(temp / "missing", kAttributeSystem));
    EXPECT_FALSE(PathExists(temp / "missing"));
    EXPECT_FALSE(IsExistingDirectory(temp / "missing"));
}

TEST(DeleteFileAt, DeletesFilesOnly) {
    TempFolder temp;
    const std::string file = temp.WriteFile("f.txt", "x");
    const std::string folder = temp.MakeFolder("d");
    EXPECT_TRUE(DeleteFileAt(file));
    EXPECT_FALSE(PathExists(file));
    EXPECT_FALSE(DeleteFileAt(file));
    EXPECT_FALSE(DeleteFileAt(folder));
    EXPECT_TRUE(IsExistingDirectory(folder));
}

TEST(PathTests, TellFoldersFromFiles) {
    TempFolder temp;
    EXPECT_TRUE(IsExistingDirectory(temp.MakeFolder("ümlaut folder")));
    EXPECT_FALSE(IsExistingDirectory(temp.WriteFile("file", "")));
    EXPECT_TRUE(PathExists(temp / "file"));
    EXPECT_FALSE(IsExistingDirectory(""));
}

}  // namespace
