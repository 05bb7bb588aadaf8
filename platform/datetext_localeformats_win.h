#pragma once
// What a locale's date text is made of: its short date and time pictures,
// taken apart, and the names and designators that can appear in them.
#include <string>
#include <vector>

#include "datetext_picture_win.h"

namespace platform::win {

struct LocaleFormats {
    std::wstring localeName;  // empty for the user's own
    const wchar_t* Locale() const { return localeName.empty() ? nullptr : localeName.c_str(); }
    std::wstring shortDate;   // LOCALE_SSHORTDATE
    std::wstring time;        // LOCALE_STIMEFORMAT
    std::vector<PictureToken> dateTokens, timeTokens;
    std::vector<std::wstring> monthNames[12];  // full, abbreviated and genitive forms
    std::vector<std::wstring> dayNames;
    std::wstring am, pm;
    std::vector<std::wstring> eraNames;  // short and long
    int twoDigitYearMax = 2049;  // the last year a two-digit year stands for
};

// The locale's formats as they are now (nullptr: the user's). Kept from one
// call to the next while the locale and its pictures stay the same.
const LocaleFormats& CurrentFormats(const wchar_t* locale);

// The locale's names and designators with other pictures, to try a shape
// of date or time that no installed locale has.
LocaleFormats FormatsWithPictures(const wchar_t* locale, const std::wstring& shortDate, const std::wstring& time);

}  // namespace platform::win
