// Replacing files in one step where POSIX adds to the shared behaviour:
// modes, symbolic links, a write failing half-way, files without a size.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "fileio.h"

namespace {

using fq::test::TempFolder;
using platform::AtomicFileWriter;
using platform::FileError;

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
    EXPECT_EQ(folder.EntryNames(), std::vector<std::string>{"plan.xml"});
}

TEST(ReadFileBytes, ReadsAFileWithoutASize) {
    EXPECT_EQ(platform::ReadFileBytes("/proc/self/status").View().substr(0, 5), "Name:");
}

}  // namespace
