#include "profile.h"

#include <windows.h>

#include <string_view>

#include "fileio.h"
#include "widetext_win.h"

namespace platform {
namespace {

// The profile functions look for a file named without a folder in the
// Windows folder; every name is made full first.
std::wstring FullPath(const std::string& file) {
    const std::wstring wide = win::WideFromUtf8(file);
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return wide;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return wide;
    full.resize(written);
    return full;
}

// The profile functions keep the encoding a file has: one in the ANSI code
// page would lose every character outside it. A file they are about to
// create is therefore made first as UTF-16LE with its byte-order mark, the
// Unicode form they read and write. False when it cannot be made; created
// tells whether this call made it.
bool EnsureUnicodeFile(const std::wstring& path, bool& created) {
    created = false;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;
    static const unsigned char kMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    const bool marked = WriteFile(file, kMark, sizeof kMark, &written, nullptr) && written == sizeof kMark;
    CloseHandle(file);
    if (!marked) {
        DeleteFileW(path.c_str());
        return false;
    }
    created = true;
    return true;
}

// A read-only file is never written: the profile functions would keep the
// refused change in their cache and read it back.
bool IsWritable(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ||
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Removes a key (value null) or a section (key and value null) from a file
// that exists; nothing to remove is success.
bool Remove(const std::string& file, const wchar_t* section, const wchar_t* key) {
    const std::wstring path = FullPath(file);
    if (!Exists(path)) return true;
    if (!IsWritable(path)) return false;
    return WritePrivateProfileStringW(section, key, nullptr, path.c_str()) != 0;
}

// A list of zero-terminated names ending with an empty one, as the profile
// functions give names; read with a buffer that grows until all fit.
template <class Query>
std::vector<std::string> NameList(Query query) {
    std::vector<wchar_t> buffer(1024);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = query(buffer.data(), size);
        if (length + 2 < size) {
            std::vector<std::string> names;
            for (std::size_t at = 0; at < length && buffer[at] != L'\0';) {
                const std::wstring_view name(buffer.data() + at);
                names.push_back(win::Utf8FromWide(name));
                at += name.size() + 1;
            }
            return names;
        }
        buffer.resize(buffer.size() * 4);
    }
}

bool IsBlankByte(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsBlankUnit(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

bool IsBlankText(std::string_view bytes) {
    const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        const bool little = bytes[0] == '\xFF';
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto low = static_cast<unsigned char>(bytes[little ? i : i + 1]);
            const auto high = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
            if (!IsBlankUnit(static_cast<char16_t>(low | high << 8))) return false;
        }
        return true;
    }
    if (starts("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    for (char c : bytes)
        if (!IsBlankByte(c)) return false;
    return true;
}

}  // namespace

std::string ReadProfileValue(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    const std::wstring path = FullPath(file);
    const std::wstring wideSection = win::WideFromUtf8(section);
    const std::wstring wideKey = win::WideFromUtf8(key);
    const std::wstring wideDefault = win::WideFromUtf8(defaultValue);
    std::vector<wchar_t> buffer(1024);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                      buffer.data(), size, path.c_str());
        if (length + 1 < size) return win::Utf8FromWide({buffer.data(), length});
        buffer.resize(buffer.size() * 4);  // the value did not fit
    }
}

bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    const std::wstring path = FullPath(file);
    if (!IsWritable(path)) return false;
    bool created = false;
    if (!EnsureUnicodeFile(path, created)) return false;
    const bool written = WritePrivateProfileStringW(win::WideFromUtf8(section).c_str(), win::WideFromUtf8(key).c_str(),
                                                    win::WideFromUtf8(value).c_str(), path.c_str()) != 0;
    if (!written && created) DeleteFileW(path.c_str());
    return written;
}

bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key) {
    return Remove(file, win::WideFromUtf8(section).c_str(), win::WideFromUtf8(key).c_str());
}

bool DeleteProfileSection(const std::string& file, const std::string& section) {
    return Remove(file, win::WideFromUtf8(section).c_str(), nullptr);
}

bool ProfileHasSection(const std::string& file, const std::string& section) {
    const std::wstring path = FullPath(file);
    const std::wstring wanted = win::WideFromUtf8(section);
    const std::vector<std::string> names =
        NameList([&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionNamesW(buffer, size, path.c_str()); });
    for (const std::string& name : names) {
        const std::wstring wide = win::WideFromUtf8(name);
        if (CompareStringOrdinal(wide.c_str(), -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
    }
    return false;
}

std::vector<std::string> ProfileKeyNames(const std::string& file, const std::string& section) {
    const std::wstring path = FullPath(file);
    const std::wstring wideSection = win::WideFromUtf8(section);
    return NameList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(wideSection.c_str(), nullptr, L"", buffer, size, path.c_str());
    });
}

bool ProfileIsBlank(const std::string& file) {
    try {
        return IsBlankText(ReadFileBytes(file).View());
    } catch (const FileError&) {
        return true;  // no file holds nothing
    }
}

}  // namespace platform
