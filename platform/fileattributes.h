#pragma once
// Files and folders on disk, and their DOS attributes.
//
// On Windows these are the file system's own attributes. Elsewhere READONLY
// of a file is its owner's write permission (a folder keeps it with the other
// bits), and HIDDEN, SYSTEM and ARCHIVE are kept in the extended attribute
// "user.DOSATTRIB" as the text "0x%x", the form Wine and Samba read. Where
// the file system has no extended attributes only READONLY is kept, silently.
#include <string>

namespace platform {

inline constexpr unsigned kAttributeReadOnly = 0x01;
inline constexpr unsigned kAttributeHidden = 0x02;
inline constexpr unsigned kAttributeSystem = 0x04;
inline constexpr unsigned kAttributeDirectory = 0x10;
inline constexpr unsigned kAttributeArchive = 0x20;
inline constexpr unsigned kAttributeNormal = 0x80;
inline constexpr unsigned kInvalidAttributes = 0xFFFFFFFF;

// True when the path names an existing directory (a link to one included).
bool IsExistingDirectory(const std::string& path);

// True when something exists at the path.
bool PathExists(const std::string& path);

// The attributes, as GetFileAttributes gives them: DIRECTORY for a folder,
// NORMAL alone when a file has no other; kInvalidAttributes when nothing is
// there.
unsigned GetFileAttributesOf(const std::string& path);

// Replaces the attributes, as SetFileAttributes does: NORMAL clears them all;
// DIRECTORY is ignored. False when nothing is there or they cannot be set.
bool SetFileAttributesOf(const std::string& path, unsigned attributes);

// Deletes a file (not a folder). False when it is missing or cannot go.
bool DeleteFileAt(const std::string& path);

}  // namespace platform
