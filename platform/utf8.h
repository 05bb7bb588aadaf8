#pragma once
// Small UTF-8 helpers shared by the platform implementations.
#include <cstddef>
#include <string>

namespace platform {

// Decodes the character starting at text[pos]. Returns its length in bytes, or
// 0 when the bytes there are not well-formed UTF-8 (overlong forms, surrogates
// and values past U+10FFFF included).
std::size_t DecodeUtf8(const std::string& text, std::size_t pos, char32_t& character);

// Appends the UTF-8 form of a Unicode scalar value.
void AppendUtf8(std::string& text, char32_t character);

}  // namespace platform
