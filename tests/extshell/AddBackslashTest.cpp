#include <gtest/gtest.h>

#include <string>

#include "ShellNamespace_win.h"

namespace {

TEST(AddBackslash, EndsEveryPathWithExactlyTheOneBackslashItNeeds) {
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {"", "\\"},
        {"C:", "C:\\"},
        {"C:\\", "C:\\"},
        {"C:\\x\\", "C:\\x\\"},
        {"C:\\x", "C:\\x\\"},
        {"C:/x/", "C:/x/\\"},  // only a backslash counts
        {"\\\\server\\share", "\\\\server\\share\\"},
        {"C:\\Überblick", "C:\\Überblick\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(fq::extshell::AddBackslash(c.path), c.expected) << "path: " << c.path;
}

}  // namespace
