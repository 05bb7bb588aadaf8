#include "datetext_localeformats_win.h"

#include <windows.h>

namespace platform::win {
namespace {

std::wstring LocaleText(const wchar_t* locale, LCTYPE type) {
    const int length = GetLocaleInfoEx(locale, type, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    GetLocaleInfoEx(locale, type, text.data(), length);
    text.resize(static_cast<std::size_t>(length - 1));  // the terminating zero
    return text;
}

void AddName(std::vector<std::wstring>& names, std::wstring name) {
    if (name.empty()) return;
    for (const std::wstring& known : names)
        if (known == name) return;
    names.push_back(std::move(name));
}

int TwoDigitYearMax(const wchar_t* locale) {
    DWORD value = 0;
    if (GetCalendarInfoEx(locale, CAL_GREGORIAN, nullptr, CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0,
                          &value) == 0 ||
        value < 99 || value > 9999)
        return 2049;
    return static_cast<int>(value);
}

// The era of the present day, as the pictures "g" and "gg" write it.
std::vector<std::wstring> EraNames(const wchar_t* locale) {
    SYSTEMTIME any{};
    any.wYear = 2000;
    any.wMonth = 1;
    any.wDay = 1;
    std::vector<std::wstring> names;
    for (const wchar_t* picture : {L"g", L"gg"}) {
        wchar_t era[80] = {};
        if (GetDateFormatEx(locale, 0, &any, picture, era, 80, nullptr) > 0) AddName(names, era);
    }
    return names;
}

void Fill(LocaleFormats& formats, const wchar_t* locale) {
    formats.localeName = locale ? locale : L"";
    formats.dateTokens = SplitPicture(formats.shortDate, PictureKind::Date);
    formats.timeTokens = SplitPicture(formats.time, PictureKind::Time);
    for (LCTYPE month = 0; month < 12; ++month) {
        std::vector<std::wstring>& names = formats.monthNames[month];
        names.clear();
        AddName(names, LocaleText(locale, LOCALE_SMONTHNAME1 + month));
        AddName(names, LocaleText(locale, LOCALE_SABBREVMONTHNAME1 + month));
        AddName(names, LocaleText(locale, (LOCALE_SMONTHNAME1 + month) | LOCALE_RETURN_GENITIVE_NAMES));
        AddName(names, LocaleText(locale, (LOCALE_SABBREVMONTHNAME1 + month) | LOCALE_RETURN_GENITIVE_NAMES));
    }
    formats.dayNames.clear();
    for (LCTYPE day = 0; day < 7; ++day) {
        AddName(formats.dayNames, LocaleText(locale, LOCALE_SDAYNAME1 + day));
        AddName(formats.dayNames, LocaleText(locale, LOCALE_SABBREVDAYNAME1 + day));
    }
    formats.am = LocaleText(locale, LOCALE_S1159);
    formats.pm = LocaleText(locale, LOCALE_S2359);
    formats.eraNames = EraNames(locale);
    formats.twoDigitYearMax = TwoDigitYearMax(locale);
}

}  // namespace

const LocaleFormats& CurrentFormats(const wchar_t* locale) {
    thread_local LocaleFormats cache;
    thread_local bool filled = false;
    std::wstring shortDate = LocaleText(locale, LOCALE_SSHORTDATE);
    std::wstring time = LocaleText(locale, LOCALE_STIMEFORMAT);
    if (filled && cache.localeName == (locale ? locale : L"") && cache.shortDate == shortDate && cache.time == time)
        return cache;
    cache.shortDate = std::move(shortDate);
    cache.time = std::move(time);
    Fill(cache, locale);
    filled = true;
    return cache;
}

LocaleFormats FormatsWithPictures(const wchar_t* locale, const std::wstring& shortDate, const std::wstring& time) {
    LocaleFormats formats;
    formats.shortDate = shortDate;
    formats.time = time;
    Fill(formats, locale);
    return formats;
}

}  // namespace platform::win
