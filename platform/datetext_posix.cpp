#include <langinfo.h>
#include <sys/time.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <chrono>
#include <ctime>

#include "datetext.h"
#include "datetext_patterns.h"

namespace platform {
namespace posix {
namespace {

enum class YearStyle { Full, TwoDigit, Written };

// Rewrites one strftime pattern: composite dates spelt out, the year made
// full or two-digit, and (for reading) the GNU flags, widths and E/O
// modifiers dropped, since strptime reads numbers of any padding anyway.
std::string RewritePattern(const std::string& pattern, YearStyle years) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out.push_back(pattern[i]);
            continue;
        }
        std::size_t start = i++;
        while (i < pattern.size() && std::strchr("_-0^#", pattern[i]) != nullptr) ++i;
        while (i < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i]))) ++i;
        while (i < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'O')) ++i;
        if (i >= pattern.size()) break;
        const char spec = pattern[i];
        if (spec == 'D') {
            out += RewritePattern("%m/%d/%y", years);
        } else if (spec == 'F') {
            out += RewritePattern("%Y-%m-%d", years);
        } else if (spec == 'T' && years != YearStyle::Written) {
            out += "%H:%M:%S";
        } else if (spec == 'R' && years != YearStyle::Written) {
            out += "%H:%M";
        } else if (spec == 'y' || spec == 'Y') {
            out += years == YearStyle::Written ? "%04Y" : years == YearStyle::Full ? "%Y" : "%y";
        } else if (years == YearStyle::Written) {
            out.append(pattern, start, i + 1 - start);  // strftime keeps its flags
        } else {
            out.push_back('%');
            out.push_back(spec);
        }
    }
    return out;
}

// True when a rewritten read pattern holds only numeric conversions and
// literal text, which ReadNumbers reads without strptime.
bool IsNumericPattern(const std::string& pattern) {
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
        if (pattern[i] == '%' && std::strchr("demYyHMS%", pattern[++i]) == nullptr) return false;
    return true;
}

struct PreparedPatterns {
    DateTimeFormats formats;
    std::string writeDate, writeTime;
    std::string readDateTimeFull, readDateTimeTwoDigit;  // date, a blank, time
    std::string readDateFull, readDateTwoDigit, readTime;
    bool numericDate = false, numericTime = false;
};

const PreparedPatterns& Prepare(const DateTimeFormats& formats) {
    // The same formats come again and again (one locale per run); keep the
    // rewritten patterns of the last ones.
    thread_local PreparedPatterns cache;
    thread_local bool filled = false;
    if (filled && cache.formats.date == formats.date && cache.formats.time == formats.time) return cache;
    cache.formats = formats;
    cache.writeDate = RewritePattern(formats.date, YearStyle::Written);
    cache.writeTime = RewritePattern(formats.time, YearStyle::Written);
    cache.readDateFull = RewritePattern(formats.date, YearStyle::Full);
    cache.readDateTwoDigit = RewritePattern(formats.date, YearStyle::TwoDigit);
    cache.readTime = RewritePattern(formats.time, YearStyle::Full);
    cache.readDateTimeFull = cache.readDateFull + ' ' + cache.readTime;
    cache.readDateTimeTwoDigit = cache.readDateTwoDigit + ' ' + cache.readTime;
    cache.numericDate = IsNumericPattern(cache.readDateFull);
    cache.numericTime = IsNumericPattern(cache.readTime);
    filled = true;
    return cache;
}

std::tm ToTm(const CivilDateTime& v) {
    using namespace std::chrono;
    std::tm tm{};
    tm.tm_year = v.year - 1900;
    tm.tm_mon = v.month - 1;
    tm.tm_mday = v.day;
    tm.tm_hour = v.hour;
    tm.tm_min = v.minute;
    tm.tm_sec = v.second;
    const year_month_day date{year{v.year}, month{static_cast<unsigned>(v.month)}, day{static_cast<unsigned>(v.day)}};
    const sys_days days{date};
    tm.tm_wday = static_cast<int>(weekday{days}.c_encoding());
    tm.tm_yday = static_cast<int>((days - sys_days{year{v.year} / January / 1}).count());
    tm.tm_isdst = -1;
    return tm;
}

std::string Strftime(const std::string& pattern, const std::tm& tm) {
    std::string out(64, '\0');
    for (;;) {
        std::size_t length = std::strftime(out.data(), out.size(), pattern.c_str(), &tm);
        if (length > 0 || out.size() >= 4096) {
            out.resize(length);
            return out;
        }
        out.resize(out.size() * 2);
    }
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// strptime for a pattern of numbers and literal text, without its locale
// look-ups, and with its rules: a blank in the pattern matches any run of
// blanks, none included; a number may follow blanks and has at most its
// field's digits; other text must match exactly. Returns the end of what was
// read, or nullptr.
const char* ReadNumbers(const char* text, const char* pattern, std::tm& tm) {
    while (*pattern != '\0') {
        if (IsBlank(*pattern)) {
            while (IsBlank(*text)) ++text;
            ++pattern;
            continue;
        }
        if (*pattern != '%' || pattern[1] == '%') {
            if (*pattern == '%') ++pattern;
            if (*text++ != *pattern++) return nullptr;
            continue;
        }
        const char spec = pattern[1];
        pattern += 2;
        while (IsBlank(*text)) ++text;
        int value = 0, digits = 0;
        const int maxDigits = spec == 'Y' ? 4 : 2;
        for (; digits < maxDigits && *text >= '0' && *text <= '9'; ++digits) value = value * 10 + (*text++ - '0');
        if (digits == 0) return nullptr;
        switch (spec) {
            case 'd': case 'e': if (value < 1 || value > 31) return nullptr; tm.tm_mday = value; break;
            case 'm': if (value < 1 || value > 12) return nullptr; tm.tm_mon = value - 1; break;
            case 'Y': tm.tm_year = value - 1900; break;
            case 'y': tm.tm_year = value >= 69 ? value : value + 100; break;  // strptime's century window
            case 'H': if (value > 23) return nullptr; tm.tm_hour = value; break;
            case 'M': if (value > 59) return nullptr; tm.tm_min = value; break;
            case 'S': if (value > 61) return nullptr; tm.tm_sec = value; break;
            default: return nullptr;
        }
    }
    return text;
}

// The pattern over the whole text: only blanks may follow what it read.
bool ReadWhole(const char* text, const std::string& pattern, bool numeric, std::tm& tm) {
    tm = std::tm{};
    tm.tm_mday = 1;
    const char* end = numeric ? ReadNumbers(text, pattern.c_str(), tm) : strptime(text, pattern.c_str(), &tm);
    if (end == nullptr) return false;
    while (IsBlank(*end)) ++end;
    return *end == '\0';
}

// A date pattern tried with the full year first (what the writer writes);
// a year of one or two digits is then read again with the century window.
bool ReadDate(const char* text, const std::string& fullYear, const std::string& twoDigitYear, bool numeric, std::tm& tm) {
    if (!ReadWhole(text, fullYear, numeric, tm)) return false;
    if (tm.tm_year + 1900 < 100) {
        std::tm windowed{};
        if (ReadWhole(text, twoDigitYear, numeric, windowed)) tm = windowed;
    }
    return true;
}

CivilDateTime FromTm(const std::tm& tm) {
    CivilDateTime v;
    v.year = tm.tm_year + 1900;
    v.month = tm.tm_mon + 1;
    v.day = tm.tm_mday;
    v.hour = tm.tm_hour;
    v.minute = tm.tm_min;
    v.second = tm.tm_sec;
    return v;
}


}  // namespace

DateTimeFormats CurrentDateTimeFormats() { return {nl_langinfo(D_FMT), nl_langinfo(T_FMT)}; }

std::string FormatDateTime(const CivilDateTime& value, bool withTime, const DateTimeFormats& formats) {
    const PreparedPatterns& patterns = Prepare(formats);
    const std::tm tm = ToTm(value);
    std::string text = Strftime(patterns.writeDate, tm);
    if (withTime) text += ' ' + Strftime(patterns.writeTime, tm);
    return text;
}

std::optional<ParsedDateTime> ParseDateTime(const std::string& raw, const DateTimeFormats& formats) {
    const PreparedPatterns& p = Prepare(formats);
    const char* text = raw.c_str();
    while (IsBlank(*text)) ++text;
    if (*text == '\0') return std::nullopt;
    ParsedDateTime parsed;
    std::tm tm{};
    if (ReadDate(text, p.readDateTimeFull, p.readDateTimeTwoDigit, p.numericDate && p.numericTime, tm)) {
        parsed.hasDate = parsed.hasTime = true;
    } else if (ReadDate(text, p.readDateFull, p.readDateTwoDigit, p.numericDate, tm)) {
        parsed.hasDate = true;
    } else if (ReadWhole(text, p.readTime, p.numericTime, tm)) {
        parsed.hasTime = true;
    } else {
        return std::nullopt;
    }
    parsed.value = FromTm(tm);
    if (!parsed.hasDate) parsed.value.year = parsed.value.month = parsed.value.day = 1;
    if (!IsValidCivilDateTime(parsed.value)) return std::nullopt;
    return parsed;
}

}  // namespace posix

CivilDateTime LocalNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    // Loading a plan asks for the time twice per task: convert each second
    // to local time once.
    thread_local time_t convertedSecond = -1;
    thread_local std::tm local{};
    if (now.tv_sec != convertedSecond) {
        localtime_r(&now.tv_sec, &local);
        convertedSecond = now.tv_sec;
    }
    CivilDateTime v = posix::FromTm(local);
    v.second = std::min(v.second, 59);  // a leap second
    v.millisecond = static_cast<int>(now.tv_nsec / 1000000);
    return v;
}

std::string FormatLocalDateTime(const CivilDateTime& value, bool withTime) {
    return posix::FormatDateTime(value, withTime, posix::CurrentDateTimeFormats());
}

std::optional<ParsedDateTime> ParseLocalDateTime(const std::string& text) {
    return posix::ParseDateTime(text, posix::CurrentDateTimeFormats());
}

}  // namespace platform
