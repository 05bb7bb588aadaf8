#include <windows.h>

#include "datetext_locale_win.h"
#include "widetext_win.h"

namespace platform::win {
namespace {

struct ReadFields {
    int day = 1, month = 1, year = 1, yearDigits = 4;
    int hour = 0, minute = 0, second = 0;
    bool twelveHour = false;
    enum { None, Am, Pm } designator = None;
};

// Reads text against picture tokens with the leniency of a person typing
// it: a blank in the picture matches any run of blanks, none included;
// numbers may follow blanks and have one digit or up to their field's
// count; names and designators match without regard to case; other text
// must match as it is.
class Reader {
public:
    Reader(std::wstring_view text, const LocaleFormats& formats) : text_(text), formats_(formats) {}

    bool Read(const std::vector<PictureToken>& tokens, ReadFields& fields) {
        for (const PictureToken& token : tokens)
            if (!ReadToken(token, fields)) return false;
        return true;
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlankCharacter(text_[pos_])) ++pos_;
    }

    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }

private:
    bool ReadToken(const PictureToken& token, ReadFields& fields) {
        switch (token.field) {
            case PictureField::Blank: SkipBlanks(); return true;
            case PictureField::Literal: return ReadLiteral(token.literal);
            case PictureField::Day: return ReadNumber(2, 1, 31, fields.day);
            case PictureField::Month: return ReadNumber(2, 1, 12, fields.month);
            case PictureField::Year: return ReadYear(fields);
            case PictureField::Hour12: fields.twelveHour = true; return ReadNumber(2, 1, 12, fields.hour);
            case PictureField::Hour24: return ReadNumber(2, 0, 23, fields.hour);
            case PictureField::Minute: return ReadNumber(2, 0, 59, fields.minute);
            case PictureField::Second: return ReadNumber(2, 0, 59, fields.second);
            case PictureField::MonthName: return ReadMonthName(fields);
            case PictureField::DayName: return ReadOneOf(formats_.dayNames) >= 0;
            case PictureField::Era: return ReadOneOf(formats_.eraNames) >= 0;
            case PictureField::Designator: return ReadDesignator(token.letters == 1, fields);
        }
        return false;
    }

    bool ReadLiteral(const std::wstring& literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }

    int ReadDigits(int maxDigits, int& value) {
        SkipBlanks();
        int digits = 0;
        value = 0;
        for (; digits < maxDigits && pos_ < text_.size() && text_[pos_] >= L'0' && text_[pos_] <= L'9'; ++digits)
            value = value * 10 + (text_[pos_++] - L'0');
        return digits;
    }

    bool ReadNumber(int maxDigits, int low, int high, int& value) {
        return ReadDigits(maxDigits, value) > 0 && value >= low && value <= high;
    }

    bool ReadYear(ReadFields& fields) {
        fields.yearDigits = ReadDigits(4, fields.year);
        return fields.yearDigits > 0;
    }

    bool ReadMonthName(ReadFields& fields) {
        std::size_t longest = 0;
        for (int month = 0; month < 12; ++month) {
            for (const std::wstring& name : formats_.monthNames[month]) {
                if (name.size() > longest && Matches(name)) {
                    longest = name.size();
                    fields.month = month + 1;
                }
            }
        }
        pos_ += longest;
        return longest > 0;
    }

    // The index of the longest of names at the reading position, which is
    // passed; -1 when none is there.
    int ReadOneOf(const std::vector<std::wstring>& names) {
        SkipBlanks();
        int found = -1;
        std::size_t longest = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!names[i].empty() && names[i].size() > longest && Matches(names[i])) {
                longest = names[i].size();
                found = static_cast<int>(i);
            }
        }
        pos_ += longest;
        return found;
    }

    // A designator may be written in full or by its first letter, whatever
    // the picture shows. A locale without designators has nothing to read.
    bool ReadDesignator(bool firstLetterOnly, ReadFields& fields) {
        if (formats_.am.empty() && formats_.pm.empty()) return true;
        std::vector<std::wstring> candidates{formats_.am, formats_.pm, formats_.am.substr(0, 1), formats_.pm.substr(0, 1)};
        if (firstLetterOnly && candidates[2] == candidates[3]) candidates.resize(2);
        const int found = ReadOneOf(candidates);
        if (found < 0) return false;
        fields.designator = found % 2 == 0 ? ReadFields::Am : ReadFields::Pm;
        return true;
    }

    bool Matches(const std::wstring& name) {
        SkipBlanks();
        if (text_.size() - pos_ < name.size()) return false;
        return CompareStringEx(formats_.Locale(), NORM_IGNORECASE, text_.data() + pos_, static_cast<int>(name.size()),
                               name.data(), static_cast<int>(name.size()), nullptr, nullptr, 0) == CSTR_EQUAL;
    }

    std::wstring_view text_;
    std::size_t pos_ = 0;
    const LocaleFormats& formats_;
};

std::vector<PictureToken> DateThenTime(const LocaleFormats& formats) {
    std::vector<PictureToken> tokens = formats.dateTokens;
    tokens.push_back({PictureField::Blank, {}, 0});
    tokens.insert(tokens.end(), formats.timeTokens.begin(), formats.timeTokens.end());
    return tokens;
}

bool ReadWhole(std::wstring_view text, const std::vector<PictureToken>& tokens, const LocaleFormats& formats,
               ReadFields& fields) {
    fields = ReadFields{};
    Reader reader(text, formats);
    reader.SkipBlanks();
    return reader.Read(tokens, fields) && reader.AtEnd();
}

int WindowedYear(int twoDigits, int lastYear) {
    const int year = lastYear / 100 * 100 + twoDigits;
    return year > lastYear ? year - 100 : year;
}

CivilDateTime ToCivil(const ReadFields& fields, const LocaleFormats& formats) {
    CivilDateTime value;
    value.year = fields.yearDigits <= 2 ? WindowedYear(fields.year, formats.twoDigitYearMax) : fields.year;
    value.month = fields.month;
    value.day = fields.day;
    value.hour = fields.hour;
    if (fields.twelveHour && fields.designator != ReadFields::None)
        value.hour = fields.hour % 12 + (fields.designator == ReadFields::Pm ? 12 : 0);
    value.minute = fields.minute;
    value.second = fields.second;
    return value;
}

}  // namespace

std::optional<ParsedDateTime> ParseDateTime(const std::string& text, const LocaleFormats& formats) {
    const std::wstring wide = WideFromUtf8(text);
    ReadFields fields;
    ParsedDateTime parsed;
    if (ReadWhole(wide, DateThenTime(formats), formats, fields)) {
        parsed.hasDate = parsed.hasTime = true;
    } else if (ReadWhole(wide, formats.dateTokens, formats, fields)) {
        parsed.hasDate = true;
    } else if (ReadWhole(wide, formats.timeTokens, formats, fields)) {
        parsed.hasTime = true;
    } else {
        return std::nullopt;
    }
    parsed.value = ToCivil(fields, formats);
    if (!parsed.hasDate) parsed.value.year = parsed.value.month = parsed.value.day = 1;
    if (!IsValidCivilDateTime(parsed.value)) return std::nullopt;
    return parsed;
}

}  // namespace platform::win
