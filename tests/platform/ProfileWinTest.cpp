// The profile functions on Windows: the encoding of the file they write,
// relative names, blank files in every encoding.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "TempFolder.h"

#include "profile.h"

namespace {

using fq::test::TempFolder;
using platform::ReadProfileValue;
using platform::WriteProfileValue;

std::string Utf16Le(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// A file that does not exist yet is made in UTF-16 with its byte-order
// mark, so that text outside the ANSI code page survives in it.
TEST(ProfileOnWindows, ANewFileIsUtf16WithItsMark) {
    TempFolder folder;
    ASSERT_TRUE(WriteProfileValue(folder / "desktop.ini", ".ShellClassInfo", "InfoTip", "Jürgen's 日本"));
    const std::string bytes = folder.ReadFile("desktop.ini");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(bytes.find(Utf16Le(u"[.ShellClassInfo]")), std::string::npos);
    EXPECT_NE(bytes.find(Utf16Le(u"InfoTip=Jürgen's 日本")), std::string::npos);
}

TEST(ProfileOnWindows, AnExistingFileKeepsItsEncoding) {
    TempFolder folder;
    folder.WriteFile("ansi.ini", "[S]\r\na=1\r\n");
    ASSERT_TRUE(WriteProfileValue(folder / "ansi.ini", "S", "b", "2"));
    EXPECT_EQ(folder.ReadFile("ansi.ini").substr(0, 14), "[S]\r\na=1\r\nb=2\r");

    folder.WriteFile("utf8.ini", "\xEF\xBB\xBF[S]\r\na=1\r\n");
    ASSERT_TRUE(WriteProfileValue(folder / "utf8.ini", "S", "b", "Ünïcødé"));
    EXPECT_EQ(folder.ReadFile("utf8.ini").substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(ReadProfileValue(folder / "utf8.ini", "S", "b", ""), "Ünïcødé");
    EXPECT_EQ(ReadProfileValue(folder / "utf8.ini", "S", "a", ""), "1");
}

// The system looks for a name without a folder in the Windows folder;
// the platform layer means the current folder.
TEST(ProfileOnWindows, ARelativeNameIsInTheCurrentFolder) {
    TempFolder folder;
    wchar_t previous[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
    const bool written = WriteProfileValue("relative.ini", "S", "k", "v");
    const std::string read = ReadProfileValue("relative.ini", "S", "k", "<none>");
    SetCurrentDirectoryW(previous);
    EXPECT_TRUE(written);
    EXPECT_EQ(read, "v");
    EXPECT_EQ(ReadProfileValue(folder / "relative.ini", "S", "k", "<none>"), "v");
}

TEST(ProfileOnWindows, BlankFilesInEveryEncoding) {
    TempFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        bool blank;
    } cases[] = {
        {"utf16-blank.ini", "\xFF\xFE" + Utf16Le(u" \r\n\t\r\n"), true},
        {"utf16-comment.ini", "\xFF\xFE" + Utf16Le(u"\r\n; note\r\n"), false},
        {"utf16be-key.ini", std::string("\xFE\xFF\0k\0=\0v", 8), false},
        {"utf8-blank.ini", "\xEF\xBB\xBF \r\n", true},
        {"ansi-section.ini", "\r\n[S]\r\n", false},
        {"empty.ini", "", true},
    };
    for (const auto& c : cases) {
        folder.WriteFile(c.name, c.bytes);
        EXPECT_EQ(platform::ProfileIsBlank(folder / c.name), c.blank) << c.name;
    }
    EXPECT_TRUE(platform::ProfileIsBlank(folder / "missing.ini"));
}

}  // namespace
