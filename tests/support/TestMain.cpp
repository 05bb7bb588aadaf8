#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "TestEnvironment.h"

namespace fq::test {
namespace {

std::filesystem::path g_root;

std::filesystem::path MakeRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fennquill-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

void UseFolder(const char* variable, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    setenv(variable, folder.c_str(), 1);
}

}  // namespace

const std::filesystem::path& TestRoot() { return g_root; }

}  // namespace fq::test

int main(int argc, char** argv) {
    using namespace fq::test;
    testing::InitGoogleTest(&argc, argv);
    g_root = MakeRoot();
    UseFolder("HOME", g_root / "home");
    UseFolder("XDG_DATA_HOME", g_root / "home/.local/share");
    UseFolder("XDG_CONFIG_HOME", g_root / "home/.config");
    UseFolder("XDG_CACHE_HOME", g_root / "home/.cache");
    setenv("LC_ALL", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(g_root, ignored);
    return result;
}
