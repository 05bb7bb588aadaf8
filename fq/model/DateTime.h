#pragma once
// TDateTime and its text in the project file.
#include <optional>
#include <string>

#include "datetext.h"
#include "uProject.h"

namespace fq {

// The calendar date and time of day. A negative value counts days before
// 1899-12-30 in its whole part, and the time of day in its fraction's size:
// -1.25 is 1899-12-29 06:00.
TDateTime EncodeDateTime(const platform::CivilDateTime& value);
// Rounded to the millisecond; nothing for values outside the years 1..9999.
std::optional<platform::CivilDateTime> DecodeDateTime(TDateTime value);

// The user's short date and, unless the value is exactly midnight, a blank
// and the user's time format (seconds at most; milliseconds are dropped).
// A value outside the years 1..9999 gives an empty text.
std::string DateTimeToText(TDateTime value);

// Reads a date and time, a date alone (midnight) or a time alone (on
// 1899-12-30) in the user's format. False when the text is none of these.
bool TextToDateTime(const std::string& text, TDateTime& value);

}  // namespace fq
