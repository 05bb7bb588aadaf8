#include "inidocument.h"

#include "fileio.h"
#include "fileattributes.h"
#include "textcase.h"
#include "utf8.h"

namespace platform {
namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kUtf16LeMark = "\xFF\xFE";

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) { return a == b || UpperCaseText(a) == UpperCaseText(b); }

// The name of a "[name]" line.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string text = Trimmed(line);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const std::size_t close = text.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trimmed(text.substr(1, close - 1));
}

bool IsComment(const std::string& text) { return !text.empty() && (text.front() == ';' || text.front() == '#'); }

// The key of a "key=value" line; a line without "=" is a key without value.
std::optional<std::string> KeyName(const std::string& line) {
    const std::string text = Trimmed(line);
    if (text.empty() || IsComment(text) || SectionName(line)) return std::nullopt;
    return Trimmed(text.substr(0, text.find('=')));
}

std::string ValueOf(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return {};
    std::string value = Trimmed(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(text, unit >= 0xD800 && unit < 0xE000 ? char32_t{0xFFFD} : unit);
    }
    return text;
}

std::string Utf8ToUtf16Le(const std::string& text) {
    std::string bytes;
    auto put = [&](char32_t unit) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    };
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t c = 0xFFFD;
        const std::size_t length = DecodeUtf8(text, pos, c);
        pos += length == 0 ? 1 : length;
        if (length == 0) c = 0xFFFD;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return bytes;
}

}  // namespace

std::optional<IniDocument> IniDocument::Load(const std::string& path) {
    IniDocument document;
    if (!PathExists(path)) return document;
    std::string text;
    try {
        text = std::string(ReadFileBytes(path).View());
    } catch (const FileError&) {
        return std::nullopt;
    }
    if (text.starts_with(kUtf16LeMark)) {
        document.encoding_ = Encoding::Utf16Le;
        text = Utf16LeToUtf8(std::string_view(text).substr(kUtf16LeMark.size()));
    } else if (text.starts_with(kUtf8Mark)) {
        document.encoding_ = Encoding::Utf8WithMark;
        text.erase(0, kUtf8Mark.size());
    }
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = text.find('\n', start);
        if (newline == std::string::npos) {
            document.lines_.push_back({text.substr(start), ""});
            break;
        }
        const bool crlf = newline > start && text[newline - 1] == '\r';
        document.lines_.push_back({text.substr(start, newline - start - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return document;
}

std::optional<std::string> IniDocument::Value(const std::string& section, const std::string& key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto line = FindKey(*header, key);
    if (!line) return std::nullopt;
    return ValueOf(lines_[*line].text);
}

bool IniDocument::HasSection(const std::string& section) const { return FindSection(section).has_value(); }

std::vector<std::string> IniDocument::KeyNames(const std::string& section) const {
    std::vector<std::string> names;
    const auto header = FindSection(section);
    if (!header) return names;
    for (std::size_t i = *header + 1; i < SectionEnd(*header); ++i)
        if (auto name = KeyName(lines_[i].text)) names.push_back(*name);
    return names;
}

bool IniDocument::IsBlank() const {
    for (const Line& line : lines_)
        if (!Trimmed(line.text).empty()) return false;
    return true;
}

void IniDocument::SetValue(const std::string& section, const std::string& key, const std::string& value) {
    auto header = FindSection(section);
    if (!header) {
        AddSection(section);
        header = FindSection(section);
    }
    if (const auto line = FindKey(*header, key)) {
        lines_[*line].text = *KeyName(lines_[*line].text) + "=" + value;
        return;
    }
    // After the section's last line that is not blank.
    std::size_t at = SectionEnd(*header);
    while (at > *header + 1 && Trimmed(lines_[at - 1].text).empty()) --at;
    InsertLine(at, key + "=" + value);
}

void IniDocument::AddSection(const std::string& section) {
    if (!HasSection(section)) InsertLine(lines_.size(), "[" + section + "]");
}

bool IniDocument::RemoveKey(const std::string& section, const std::string& key) {
    const auto header = FindSection(section);
    if (!header) return false;
    const auto line = FindKey(*header, key);
    if (!line) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    return true;
}

bool IniDocument::RemoveSection(const std::string& section) {
    const auto header = FindSection(section);
    if (!header) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
    return true;
}

std::string IniDocument::Text() const {
    std::string text;
    for (const Line& line : lines_) text += line.text + line.end;
    switch (encoding_) {
        case Encoding::Utf16Le: return kUtf16LeMark + Utf8ToUtf16Le(text);
        case Encoding::Utf8WithMark: return kUtf8Mark + text;
        case Encoding::Bytes: break;
    }
    return text;
}

std::optional<std::size_t> IniDocument::FindSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (const auto name = SectionName(lines_[i].text); name && SameName(*name, section)) return i;
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && !SectionName(lines_[end].text)) ++end;
    return end;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, const std::string& key) const {
    for (std::size_t i = header + 1; i < SectionEnd(header); ++i)
        if (const auto name = KeyName(lines_[i].text); name && SameName(*name, key)) return i;
    return std::nullopt;
}

void IniDocument::InsertLine(std::size_t at, const std::string& text) {
    if (at == lines_.size() && !lines_.empty() && lines_.back().end.empty()) lines_.back().end = NewLineEnd();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{text, NewLineEnd()});
}

std::string IniDocument::NewLineEnd() const {
    for (const Line& line : lines_)
        if (!line.end.empty()) return line.end;
    return "\r\n";
}

}  // namespace platform
