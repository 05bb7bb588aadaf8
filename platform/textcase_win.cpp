#include "textcase.h"

#include <windows.h>

#include "utf8.h"
#include "widetext_win.h"

namespace platform {
namespace {

std::string UpperCaseValidText(std::string_view utf8) {
    const std::wstring wide = win::WideFromUtf8(utf8);
    const int size = static_cast<int>(wide.size());
    const DWORD flags = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
    const int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, wide.data(), size, nullptr, 0, nullptr, nullptr, 0);
    if (length <= 0) return std::string(utf8);
    std::wstring upper(static_cast<std::size_t>(length), L'\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, wide.data(), size, upper.data(), length, nullptr, nullptr, 0);
    return win::Utf8FromWide(upper);
}

}  // namespace

// Runs of well-formed UTF-8 go through the locale's upper-casing; any other
// byte is kept as it is between them.
std::string UpperCaseText(const std::string& utf8) {
    std::string upper;
    upper.reserve(utf8.size());
    std::size_t runStart = 0, pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(utf8, pos, c);
        if (length != 0) {
            pos += length;
            continue;
        }
        upper += UpperCaseValidText(std::string_view(utf8).substr(runStart, pos - runStart));
        upper.push_back(utf8[pos++]);
        runStart = pos;
    }
    upper += UpperCaseValidText(std::string_view(utf8).substr(runStart));
    return upper;
}

}  // namespace platform
