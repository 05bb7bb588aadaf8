#pragma once
// Text to 32-bit integer, as the project file and the registry hold numbers.
#include <string>

namespace platform {

// Accepts leading blanks, an optional sign, then decimal digits, or hex digits
// after "$" or "0x". Nothing may follow the digits, and the value must fit
// in 32 bits.
bool TryTextToInt(const std::string& text, int& value);

// As TryTextToInt; text that does not convert raises std::runtime_error with
// the message "'<text>' is not a valid integer value".
int TextToInt(const std::string& text);

}  // namespace platform
