#pragma once
// The pattern-driven core of the POSIX date text: the user's LC_TIME formats
// (nl_langinfo D_FMT and T_FMT) turned into strftime/strptime patterns.
// Separate from the locale so that any format can be tried without
// generating a locale for it.
#include <optional>
#include <string>

#include "datetext.h"

namespace platform::posix {

struct DateTimeFormats {
    std::string date;  // as nl_langinfo(D_FMT) gives it, e.g. "%m/%d/%y"
    std::string time;  // as nl_langinfo(T_FMT) gives it, e.g. "%H:%M:%S"
};

DateTimeFormats CurrentDateTimeFormats();

std::string FormatDateTime(const CivilDateTime& value, bool withTime, const DateTimeFormats& formats);
std::optional<ParsedDateTime> ParseDateTime(const std::string& text, const DateTimeFormats& formats);

}  // namespace platform::posix
