#pragma once
// The Windows date text for any locale the system knows and any pictures
// (see datetext_localeformats_win.h). Separate from the user's locale so
// that any locale and shape can be tried without changing the user's
// settings.
#include <optional>
#include <string>

#include "datetext.h"
#include "datetext_localeformats_win.h"

namespace platform::win {

// The short date with the year in full, then a blank and the time when
// withTime is set, in the formats' pictures.
std::string FormatDateTime(const CivilDateTime& value, bool withTime, const LocaleFormats& formats);

// Reads a date and a time, a date alone or a time alone in the formats'
// pictures.
std::optional<ParsedDateTime> ParseDateTime(const std::string& text, const LocaleFormats& formats);

}  // namespace platform::win
