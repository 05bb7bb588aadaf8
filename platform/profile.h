#pragma once
// Ini files with the semantics of the Windows private profile functions:
// section and key names match without regard to case, the first match wins,
// and a write creates the file, the section or the key as needed and keeps
// every other line as it was. Texts are UTF-8 (on Windows they go to the
// wide API). A UTF-8 byte-order mark at the start of a file is kept.
#include <string>
#include <vector>

namespace platform {

// The value of key in section, or defaultValue when the file, section or key
// is missing. Blanks around the value are dropped.
std::string ReadProfileValue(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue);

// Writes key=value into section. False when the file cannot be written (a
// read-only file included); the file is then as it was.
bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value);

// Removes the key's line; true also when there was nothing to remove.
bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key);

// Removes the section with all its lines; true also when there was none.
bool DeleteProfileSection(const std::string& file, const std::string& section);

// True when the file has the section.
bool ProfileHasSection(const std::string& file, const std::string& section);

// The names of the keys of a section, in file order.
std::vector<std::string> ProfileKeyNames(const std::string& file, const std::string& section);

// True when the file holds nothing but blanks (and perhaps a byte-order mark):
// no section, no key, no comment.
bool ProfileIsBlank(const std::string& file);

}  // namespace platform
