#include "datetext_picture_win.h"

namespace platform::win {
namespace {

PictureField FieldOf(wchar_t letter, int count, PictureKind kind) {
    if (kind == PictureKind::Date) {
        switch (letter) {
            case L'd': return count <= 2 ? PictureField::Day : PictureField::DayName;
            case L'M': return count <= 2 ? PictureField::Month : PictureField::MonthName;
            case L'y': return PictureField::Year;
            case L'g': return PictureField::Era;
            default: return PictureField::Literal;
        }
    }
    switch (letter) {
        case L'h': return PictureField::Hour12;
        case L'H': return PictureField::Hour24;
        case L'm': return PictureField::Minute;
        case L's': return PictureField::Second;
        case L't': return PictureField::Designator;
        default: return PictureField::Literal;
    }
}

void AppendLiteral(std::vector<PictureToken>& tokens, wchar_t c) {
    if (IsBlankCharacter(c)) {
        if (tokens.empty() || tokens.back().field != PictureField::Blank) tokens.push_back({PictureField::Blank, {}, 0});
        return;
    }
    if (tokens.empty() || tokens.back().field != PictureField::Literal) tokens.push_back({PictureField::Literal, {}, 0});
    tokens.back().literal.push_back(c);
}

// The end of the quoted text starting after the quote at `open`; the text
// itself goes to quoted.
std::size_t ReadQuoted(const std::wstring& picture, std::size_t open, std::wstring& quoted) {
    std::size_t i = open + 1;
    for (; i < picture.size(); ++i) {
        if (picture[i] != L'\'') {
            quoted.push_back(picture[i]);
        } else if (i + 1 < picture.size() && picture[i + 1] == L'\'') {
            quoted.push_back(L'\'');
            ++i;
        } else {
            return i + 1;
        }
    }
    return i;  // an unclosed quote runs to the end
}

std::size_t RunLength(const std::wstring& picture, std::size_t start) {
    std::size_t end = start;
    while (end < picture.size() && picture[end] == picture[start]) ++end;
    return end - start;
}

}  // namespace

bool IsBlankCharacter(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x00A0 || c == 0x202F; }

std::vector<PictureToken> SplitPicture(const std::wstring& picture, PictureKind kind) {
    std::vector<PictureToken> tokens;
    for (std::size_t i = 0; i < picture.size();) {
        if (picture[i] == L'\'') {
            std::wstring quoted;
            i = ReadQuoted(picture, i, quoted);
            for (wchar_t c : quoted) AppendLiteral(tokens, c);
            continue;
        }
        const std::size_t count = RunLength(picture, i);
        const PictureField field = FieldOf(picture[i], static_cast<int>(count), kind);
        if (field == PictureField::Literal) {
            AppendLiteral(tokens, picture[i++]);
            continue;
        }
        tokens.push_back({field, {}, static_cast<int>(count)});
        i += count;
    }
    return tokens;
}

std::wstring WithLiteralYear(const std::wstring& datePicture, const std::wstring& yearDigits) {
    std::wstring out;
    for (std::size_t i = 0; i < datePicture.size();) {
        if (datePicture[i] == L'\'') {
            std::wstring ignored;
            const std::size_t end = ReadQuoted(datePicture, i, ignored);
            out.append(datePicture, i, end - i);
            i = end;
        } else if (datePicture[i] == L'y') {
            out += yearDigits;  // digits are literal text in a picture
            i += RunLength(datePicture, i);
        } else {
            out.push_back(datePicture[i++]);
        }
    }
    return out;
}

}  // namespace platform::win
