#include "TempFolder.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "TestEnvironment.h"

namespace fq::test {

TempFolder::TempFolder() {
    static int counter = 0;
    path_ = TestRoot() / ("case-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::MakeFolder(const std::string& name) const {
    std::filesystem::create_directories(path_ / name);
    return (path_ / name).string();
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& contents) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file.string();
}

std::string TempFolder::ReadFile(const std::string& name) const { return ReadBytes((path_ / name).string()); }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

}  // namespace fq::test
