#include "integertext.h"

#include <cstdint>
#include <stdexcept>

namespace platform {
namespace {

int DigitValue(char c, int base) {
    int value = 99;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

bool TryTextToInt(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16, ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16, i += 2;
    }
    if (i >= text.size()) return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i], base);
        if (digit < 0) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > std::int64_t{INT32_MAX} + 1) return false;
    }
    std::int64_t result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX) return false;
    value = static_cast<int>(result);
    return true;
}

int TextToInt(const std::string& text) {
    int value = 0;
    if (!TryTextToInt(text, value)) throw std::runtime_error("'" + text + "' is not a valid integer value");
    return value;
}

}  // namespace platform
