#pragma once
// Locale-aware upper-casing, used to compare paths without regard to case.
#include <string>

namespace platform {

// The UTF-8 text with every character upper-cased by the user's locale rules
// (a non-UTF-8 user locale falls back to Unicode's own rules). Bytes that are
// not valid UTF-8 are kept as they are.
std::string UpperCaseText(const std::string& utf8);

}  // namespace platform
