#pragma once
// Where the program and the user's data live.
#include <string>

namespace platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The user's per-user application-data folder, without a trailing separator.
// Created when it does not exist yet. Throws std::runtime_error with the text
// "SHGetPathFromIDList failed : invalid pidl" when the folder cannot be found.
std::string ApplicationDataFolder();

// The folder of the running program's executable, with a trailing separator.
std::string ProgramDirectory();

// The full path of the running program's executable.
std::string ProgramPath();

}  // namespace platform
