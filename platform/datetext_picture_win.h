#pragma once
// The picture strings of the Windows date and time formats ("M/d/yyyy",
// "h:mm:ss tt") taken apart into fields and the text between them.
#include <string>
#include <vector>

namespace platform::win {

enum class PictureField {
    Literal,     // text to be matched as it is
    Blank,       // a run of blanks
    Day,         // d, dd
    DayName,     // ddd, dddd
    Month,       // M, MM
    MonthName,   // MMM, MMMM
    Year,        // y ... yyyyy
    Era,         // g, gg
    Hour12,      // h, hh
    Hour24,      // H, HH
    Minute,      // m, mm
    Second,      // s, ss
    Designator,  // t (its first letter), tt
};

struct PictureToken {
    PictureField field;
    std::wstring literal;  // the text of a Literal
    int letters = 0;       // how many pattern letters made the field
};

enum class PictureKind { Date, Time };

// The fields of a date picture are d, M, y and g; those of a time picture
// h, H, m, s and t. Any other letter, and text in single quotes ('' is a
// quote), is literal.
std::vector<PictureToken> SplitPicture(const std::wstring& picture, PictureKind kind);

// The date picture with every year field replaced by the year's digits.
std::wstring WithLiteralYear(const std::wstring& datePicture, const std::wstring& yearDigits);

bool IsBlankCharacter(wchar_t c);

}  // namespace platform::win
