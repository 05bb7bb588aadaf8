// Replacing files in one step on Windows: names outside the ANSI code page,
// the attributes of the replaced file, a read-only file.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "fileio.h"

namespace {

using fq::test::TempFolder;
using platform::AtomicFileWriter;
using platform::FileError;

std::size_t EntryCount(const TempFolder& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++count;
    return count;
}

TEST(AtomicFileWriterOnWindows, WritesUnderANameOutsideTheAnsiCodePage) {
    TempFolder folder;
    folder.MakeFolder("Ünïcødé 日本");
    const std::string target = folder / "Ünïcødé 日本/plän ελληνικά.xml";
    AtomicFileWriter writer(target);
    writer.Write("<plan/>", 7);
    writer.Commit();
    const std::filesystem::path wide = folder.Path() / L"Ünïcødé 日本" / L"plän ελληνικά.xml";
    EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(platform::ReadFileBytes(target).View(), "<plan/>");
}

TEST(AtomicFileWriterOnWindows, TheReplacementKeepsHiddenAndSystem) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old");
    const std::wstring wide = (folder.Path() / L"plan.xml").wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    AtomicFileWriter writer(target);
    writer.Write("new", 3);
    writer.Commit();
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(folder.ReadFile("plan.xml"), "new");
}

// Windows does not replace a read-only file: the commit fails, names the
// file and the system's reason, and leaves the old file and nothing else.
TEST(AtomicFileWriterOnWindows, AReadOnlyFileIsNotReplaced) {
    TempFolder folder;
    const std::string target = folder.WriteFile("plan.xml", "old");
    const std::wstring wide = (folder.Path() / L"plan.xml").wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
    AtomicFileWriter writer(target);
    writer.Write("new", 3);
    try {
        writer.Commit();
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const FileError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(target), std::string::npos) << message;
        EXPECT_NE(message.find("cannot replace the file ("), std::string::npos) << message;
    }
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(folder.ReadFile("plan.xml"), "old");
    EXPECT_EQ(EntryCount(folder), 1u);
}

TEST(ReadFileBytesOnWindows, ReadsAFileAnotherProgramHasOpenForWriting) {
    TempFolder folder;
    const std::string path = folder.WriteFile("log.txt", "line\r\n");
    const std::wstring wide = (folder.Path() / L"log.txt").wstring();
    const HANDLE writer = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform::ReadFileBytes(path).View(), "line\r\n");
    CloseHandle(writer);
}

}  // namespace
