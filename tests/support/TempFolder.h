#pragma once
// A fresh folder under the test program's temporary root, removed with the
// object.
#include <filesystem>
#include <string>

namespace fq::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of name inside the folder, as text.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    std::string MakeFolder(const std::string& name) const;
    std::string WriteFile(const std::string& name, const std::string& contents) const;
    std::string ReadFile(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// Reads a whole file as bytes.
std::string ReadBytes(const std::string& path);

}  // namespace fq::test
