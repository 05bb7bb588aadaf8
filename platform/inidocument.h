#pragma once
// An ini file held as its lines, edited the way the Windows profile
// functions edit one: names match without regard to case, the first match
// wins, and every line that is not changed stays exactly as it was (its line
// end included). Files in UTF-16 (with a byte-order mark) are read as UTF-8
// and written back in UTF-16; a UTF-8 byte-order mark is kept.
#include <optional>
#include <string>
#include <vector>

namespace platform {

class IniDocument {
public:
    // The file's contents; an empty document when the file does not exist.
    // Nothing when it exists but cannot be read.
    static std::optional<IniDocument> Load(const std::string& path);

    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    bool HasSection(const std::string& section) const;
    std::vector<std::string> KeyNames(const std::string& section) const;
    bool IsBlank() const;

    void SetValue(const std::string& section, const std::string& key, const std::string& value);
    void AddSection(const std::string& section);
    // True when something was removed.
    bool RemoveKey(const std::string& section, const std::string& key);
    bool RemoveSection(const std::string& section);

    // The document as the file holds it: encoding, byte-order mark, line ends.
    std::string Text() const;

private:
    enum class Encoding { Bytes, Utf8WithMark, Utf16Le };
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n" or "" for a last line without one
    };

    std::optional<std::size_t> FindSection(const std::string& section) const;
    // The index after the section's header and its lines (the next header or the end).
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, const std::string& key) const;
    void InsertLine(std::size_t at, const std::string& text);
    std::string NewLineEnd() const;

    Encoding encoding_ = Encoding::Bytes;
    std::vector<Line> lines_;
};

}  // namespace platform
