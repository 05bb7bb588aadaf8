#include <stdlib.h>

#include <clocale>
#include <stdexcept>
#include <string>

#include "OsTestEnvironment.h"

namespace fq::test {
namespace {

void UseFolder(const char* variable, const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    setenv(variable, folder.c_str(), 1);
}

}  // namespace

std::filesystem::path MakeTestRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fennquill-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

void EnterTestEnvironment(const std::filesystem::path& root) {
    UseFolder("HOME", root / "home");
    UseFolder("XDG_DATA_HOME", root / "home/.local/share");
    UseFolder("XDG_CONFIG_HOME", root / "home/.config");
    UseFolder("XDG_CACHE_HOME", root / "home/.cache");
    setenv("LC_ALL", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
}

void LeaveTestEnvironment() {}

}  // namespace fq::test
