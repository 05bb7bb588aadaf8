#pragma once
// Local date and time, and their text in the user's regional format.
#include <optional>
#include <string>

namespace platform {

// A local calendar date and time of day. Years run from 1 to 9999.
struct CivilDateTime {
    int year = 1, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

bool IsValidCivilDateTime(const CivilDateTime& value);

// The current local date and time, to the millisecond.
CivilDateTime LocalNow();

// The user's short date, then a blank and the user's time format when
// withTime is set. The year is always written in full (at least four digits),
// even where the short date shows two, so that every year reads back.
std::string FormatLocalDateTime(const CivilDateTime& value, bool withTime);

struct ParsedDateTime {
    CivilDateTime value;  // date fields are meaningful only when hasDate
    bool hasDate = false;
    bool hasTime = false;
};

// Reads what FormatLocalDateTime writes: a date followed by a time, a date
// alone or a time alone, in the user's regional format. A year of one or two
// digits is taken within the century window of the short date's two-digit
// year. Returns nothing when the text is not such a date.
std::optional<ParsedDateTime> ParseLocalDateTime(const std::string& text);

}  // namespace platform
