// Reading whole files and replacing them in one step.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "Utf8Path.h"
#include "fileio.h"

namespace {

using fq::test::TempFolder;
using platform::AtomicFileWriter;
using platform::FileError;

TEST(AtomicFileWriter, CommitReplacesTheFile) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old");
    {
        AtomicFileWriter writer(target);
        writer.Write("new ", 4);
        const std::string big(1 << 20, 'x');  // more than the writer's buffer
        writer.Write(big.data(), big.size());
        EXPECT_EQ(folder.ReadFile("plan.xml"), "old") << "nothing is visible before the commit";
        writer.Commit();
    }
    EXPECT_EQ(folder.ReadFile("plan.xml"), "new " + std::string(1 << 20, 'x'));
    EXPECT_EQ(folder.EntryNames(), std::vector<std::string>{"plan.xml"});
}

TEST(AtomicFileWriter, WithoutCommitLeavesTheOldFileAndNoTraces) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old");
    {
        AtomicFileWriter writer(target);
        writer.Write("half", 4);
    }
    EXPECT_EQ(folder.ReadFile("plan.xml"), "old");
    EXPECT_EQ(folder.EntryNames(), std::vector<std::string>{"plan.xml"});
}

TEST(AtomicFileWriter, MissingFolderIsAnErrorNamingTheFile) {
    TempFolder folder;
    const std::string target = folder / "missing/plan.xml";
    try {
        AtomicFileWriter writer(target);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << error.what();
    }
}

TEST(AtomicFileWriter, ADirectoryInTheWayFailsTheCommitAndStays) {
    TempFolder folder;
    folder.MakeFolder("plan.xml/inside");
    AtomicFileWriter writer(folder / "plan.xml");
    writer.Write("new", 3);
    EXPECT_THROW(writer.Commit(), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(fq::test::PathFromUtf8(folder / "plan.xml/inside")));
    EXPECT_EQ(folder.EntryNames(), std::vector<std::string>{"plan.xml"});
}

TEST(ReadFileBytes, ReadsEveryByte) {
    TempFolder folder;
    for (const std::string& bytes : {std::string(), std::string("a\0b\r\n\xff", 6), std::string(300000, 'z')})
        EXPECT_EQ(platform::ReadFileBytes(folder.WriteFile("f", bytes)).View(), bytes);
}

TEST(ReadFileBytes, MissingFileOrFolderIsAnErrorNamingIt) {
    TempFolder folder;
    for (const std::string& path : {folder / "missing.xml", folder.MakeFolder("a-folder")}) {
        try {
            platform::ReadFileBytes(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
}

}  // namespace
