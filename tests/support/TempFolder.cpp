#include "TempFolder.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "TestEnvironment.h"
#include "Utf8Path.h"

namespace fq::test {

TempFolder::TempFolder() {
    static int counter = 0;
    path_ = TestRoot() / ("case-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::operator/(const std::string& name) const {
    return Utf8FromPath((path_ / PathFromUtf8(name)).make_preferred());
}

std::string TempFolder::MakeFolder(const std::string& name) const {
    std::filesystem::create_directories(PathFromUtf8(*this / name));
    return *this / name;
}

std::string TempFolder::WriteFile(const std::string& name, const std::string& contents) const {
    const std::string file = *this / name;
    std::ofstream out(PathFromUtf8(file), std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write " + file);
    return file;
}

std::string TempFolder::ReadFile(const std::string& name) const { return ReadBytes(*this / name); }

std::vector<std::string> TempFolder::EntryNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void RemoveTree(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    if (!error) return;
    // Something read-only in the way (on Windows a read-only file cannot be
    // deleted): make everything writable and try again.
    using std::filesystem::perm_options;
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_all, perm_options::add, error);
    for (auto entry = std::filesystem::recursive_directory_iterator(path, error);
         !error && entry != std::filesystem::recursive_directory_iterator(); entry.increment(error)) {
        std::error_code ignored;
        std::filesystem::permissions(entry->path(), perms::owner_all, perm_options::add, ignored);
    }
    std::filesystem::remove_all(path, error);
}

}  // namespace fq::test
