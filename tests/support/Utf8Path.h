#pragma once
// Paths to and from UTF-8 text. A std::filesystem::path made from a
// std::string takes the ANSI code page on Windows; these keep every name.
#include <filesystem>
#include <string>

namespace fq::test {

inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace fq::test
