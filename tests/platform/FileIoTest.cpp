// Reading whole files and replacing them in one step.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "fileio.h"

namespace {

using fq::test::TempFolder;
using platform::AtomicFileWriter;
using platform::FileError;

// Files in the folder other than the ones named: a temporary file left over.
std::vector<std::string> Entries(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"plan.xml"});
}

TEST(AtomicFileWriter, WithoutCommitLeavesTheOldFileAndNoTraces) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old");
    {
        AtomicFileWriter writer(target);
        writer.Write("half", 4);
    }
    EXPECT_EQ(folder.ReadFile("plan.xml"), "old");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"plan.xml"});
}

TEST(AtomicFileWriter, KeepsTheModeOfTheFileItReplaces) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    AtomicFileWriter writer(target);
    writer.Commit();
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(AtomicFileWriter, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    TempFolder folder;
    const std::string real = folder.WriteFile("real.xml", "old");
    std::filesystem::create_symlink(real, folder / "link.xml");
    AtomicFileWriter writer(folder / "link.xml");
    writer.Write("new", 3);
    writer.Commit();
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.xml"));
    EXPECT_EQ(folder.ReadFile("real.xml"), "new");
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
    EXPECT_TRUE(std::filesystem::is_directory(folder / "plan.xml/inside"));
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"plan.xml"});
}

// A write that fails half-way (the file-size limit stands in for a full
// disk): the error reaches the caller and the old file is intact.
TEST(AtomicFileWriter, AWriteFailingHalfWayLeavesTheOldFile) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old plan");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool failed = false;
    try {
        AtomicFileWriter writer(target);
        const std::string chunk(64 * 1024, 'y');
        for (int i = 0; i < 32; ++i) writer.Write(chunk.data(), chunk.size());
        writer.Commit();
    } catch (const FileError& error) {
        failed = true;
        EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << error.what();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(failed);
    EXPECT_EQ(folder.ReadFile("plan.xml"), "old plan");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"plan.xml"});
}

TEST(ReadFileBytes, ReadsEveryByte) {
    TempFolder folder;
    for (const std::string& bytes : {std::string(), std::string("a\0b\r\n\xff", 6), std::string(300000, 'z')})
        EXPECT_EQ(platform::ReadFileBytes(folder.WriteFile("f", bytes)).View(), bytes);
}

TEST(ReadFileBytes, ReadsAFileWithoutASize) {
    EXPECT_EQ(platform::ReadFileBytes("/proc/self/status").View().substr(0, 5), "Name:");
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
