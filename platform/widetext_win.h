#pragma once
// UTF-8 text to and from the UTF-16 of the wide Windows API, converted at
// each call.
#include <string>
#include <string_view>

namespace platform::win {

// Bytes that are not UTF-8 become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);

// Lone surrogates become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// The system's message for a GetLastError code, without its line end.
std::string SystemErrorText(unsigned long error);

}  // namespace platform::win
