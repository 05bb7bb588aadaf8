#include <windows.h>

#include "datetext.h"
#include "datetext_locale_win.h"
#include "widetext_win.h"

namespace platform {
namespace win {
namespace {

// The Gregorian calendar repeats every 400 years, weekdays included, and the
// system formats only years from 1601: an earlier date is formatted as the
// same day 1600 years later, its year text being written by us anyway.
constexpr int kFirstFormattableYear = 1601;
constexpr int kCalendarCycleYears = 1600;

SYSTEMTIME ToSystemTime(const CivilDateTime& value) {
    SYSTEMTIME time{};
    const int year = value.year < kFirstFormattableYear ? value.year + kCalendarCycleYears : value.year;
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(value.month);
    time.wDay = static_cast<WORD>(value.day);
    time.wHour = static_cast<WORD>(value.hour);
    time.wMinute = static_cast<WORD>(value.minute);
    time.wSecond = static_cast<WORD>(value.second);
    time.wMilliseconds = static_cast<WORD>(value.millisecond);
    return time;
}

// At least four digits, so that no year is taken for a two-digit one.
std::wstring FullYearText(int year) {
    std::wstring text = std::to_wstring(year);
    if (text.size() < 4) text.insert(0, 4 - text.size(), L'0');
    return text;
}

std::wstring Formatted(int (*format)(LPCWSTR, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int),
                       const wchar_t* locale, const SYSTEMTIME& time, const wchar_t* picture) {
    const int length = format(locale, 0, &time, picture, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    format(locale, 0, &time, picture, text.data(), length);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

int DateFormat(LPCWSTR locale, DWORD flags, const SYSTEMTIME* time, LPCWSTR picture, LPWSTR out, int size) {
    return GetDateFormatEx(locale, flags, time, picture, out, size, nullptr);
}

int TimeFormat(LPCWSTR locale, DWORD flags, const SYSTEMTIME* time, LPCWSTR picture, LPWSTR out, int size) {
    return GetTimeFormatEx(locale, flags, time, picture, out, size);
}

}  // namespace

std::string FormatDateTime(const CivilDateTime& value, bool withTime, const LocaleFormats& formats) {
    const SYSTEMTIME time = ToSystemTime(value);
    const std::wstring datePicture = WithLiteralYear(formats.shortDate, FullYearText(value.year));
    std::wstring text = Formatted(DateFormat, formats.Locale(), time, datePicture.c_str());
    if (withTime) text += L' ' + Formatted(TimeFormat, formats.Locale(), time, formats.time.c_str());
    return Utf8FromWide(text);
}

}  // namespace win

CivilDateTime LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string FormatLocalDateTime(const CivilDateTime& value, bool withTime) {
    return win::FormatDateTime(value, withTime, win::CurrentFormats(LOCALE_NAME_USER_DEFAULT));
}

std::optional<ParsedDateTime> ParseLocalDateTime(const std::string& text) {
    return win::ParseDateTime(text, win::CurrentFormats(LOCALE_NAME_USER_DEFAULT));
}

}  // namespace platform
