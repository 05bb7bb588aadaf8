#include "guid.h"

namespace platform {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

}  // namespace

std::string GuidText(const Guid& guid) {
    std::string text;
    text.reserve(38);
    text += '{';
    for (std::size_t i = 0; i < guid.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += kHex[guid[i] >> 4];
        text += kHex[guid[i] & 0x0F];
    }
    text += '}';
    return text;
}

std::string GuidDigits(const Guid& guid) {
    char digits[32];
    for (std::size_t i = 0; i < guid.size(); ++i) {
        digits[2 * i] = kHex[guid[i] >> 4];
        digits[2 * i + 1] = kHex[guid[i] & 0x0F];
    }
    return std::string(digits, sizeof digits);
}

}  // namespace platform
