#pragma once
// A fresh folder under the test program's temporary root, removed with the
// object.
#include <filesystem>
#include <string>
#include <vector>

namespace fq::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of name inside the folder as UTF-8 text, with the system's
    // own separators.
    std::string operator/(const std::string& name) const;

    std::string MakeFolder(const std::string& name) const;
    std::string WriteFile(const std::string& name, const std::string& contents) const;
    std::string ReadFile(const std::string& name) const;
    // The names of the entries directly in the folder, sorted, as UTF-8.
    std::vector<std::string> EntryNames() const;

private:
    std::filesystem::path path_;
};

// Reads a whole file as bytes.
std::string ReadBytes(const std::string& path);

// Removes a folder with everything in it, read-only entries included;
// quietly leaves what cannot go.
void RemoveTree(const std::filesystem::path& path);

}  // namespace fq::test
