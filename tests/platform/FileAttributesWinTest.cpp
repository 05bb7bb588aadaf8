// File attributes set through the platform layer, as the system's own
// GetFileAttributesW sees them, on names outside the ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "fileattributes.h"

namespace {

using fq::test::TempFolder;
using namespace platform;

// The bits the folder marking uses; Wine adds ARCHIVE to every file.
constexpr DWORD kMarkingBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

DWORD SystemAttributes(const std::filesystem::path& path) { return GetFileAttributesW(path.c_str()); }

TEST(FileAttributesOnWindows, WhatIsSetIsWhatTheSystemReports) {
    TempFolder temp;
    const std::string file = temp.WriteFile("désktop 日本.ini", "x");
    const std::filesystem::path wideFile = temp.Path() / L"désktop 日本.ini";
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeHidden | kAttributeSystem));
    EXPECT_EQ(SystemAttributes(wideFile) & kMarkingBits, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(GetFileAttributesOf(file), SystemAttributes(wideFile));

    const std::string folder = temp.MakeFolder("Ordner ä");
    const std::filesystem::path wideFolder = temp.Path() / L"Ordner ä";
    ASSERT_TRUE(SetFileAttributesOf(folder, kAttributeSystem));
    EXPECT_EQ(SystemAttributes(wideFolder) & (kMarkingBits | FILE_ATTRIBUTE_DIRECTORY),
              static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY));
    SetFileAttributesOf(file, kAttributeNormal);
}

TEST(FileAttributesOnWindows, NamesOutsideTheAnsiCodePageAreFound) {
    TempFolder temp;
    ASSERT_TRUE(CreateDirectoryW((temp.Path() / L"Ελληνικά").c_str(), nullptr));
    EXPECT_TRUE(IsExistingDirectory(temp / "Ελληνικά"));
    EXPECT_TRUE(PathExists(temp / "Ελληνικά"));
    EXPECT_FALSE(PathExists(temp / "Ελληνικό"));
}

// Windows keeps a read-only file from being deleted.
TEST(FileAttributesOnWindows, AReadOnlyFileIsNotDeleted) {
    TempFolder temp;
    const std::string file = temp.WriteFile("keep.txt", "x");
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeReadOnly));
    EXPECT_FALSE(DeleteFileAt(file));
    EXPECT_TRUE(PathExists(file));
    ASSERT_TRUE(SetFileAttributesOf(file, kAttributeNormal));
    EXPECT_TRUE(DeleteFileAt(file));
}

}  // namespace
