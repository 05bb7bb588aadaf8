#include "textcase.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>
#include <cwctype>

#include "utf8.h"

namespace platform {
namespace {

// The character-type rules of the user's environment when they are UTF-8
// capable, else C.UTF-8's. Made once: the environment does not change while
// the program runs.
locale_t CaseLocale() {
    static locale_t locale = [] {
        locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
        if (user != nullptr) {
            const char* codeset = nl_langinfo_l(CODESET, user);
            if (codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0) return user;
            freelocale(user);
        }
        return newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    }();
    return locale;
}

}  // namespace

std::string UpperCaseText(const std::string& utf8) {
    locale_t locale = CaseLocale();
    std::string upper;
    upper.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = 0;
        std::size_t length = DecodeUtf8(utf8, pos, c);
        if (length == 0) {  // not UTF-8: keep the byte
            upper.push_back(utf8[pos++]);
            continue;
        }
        if (c < 0x80) {
            upper.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c));
        } else {
            wint_t mapped = locale ? towupper_l(static_cast<wint_t>(c), locale) : static_cast<wint_t>(c);
            AppendUtf8(upper, static_cast<char32_t>(mapped));
        }
        pos += length;
    }
    return upper;
}

}  // namespace platform
