#pragma once
// The folder marker: desktop.ini written and removed.
#include <stdexcept>
#include <string>

namespace fennquill {

class MarkerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr char kMarkerSection[] = ".ShellCLassInfo";

// The marker file of a folder: the folder directly followed by the
// separator and "desktop.ini".
std::string MarkerFileOf(const std::string& folder);

// Writes IconFile, IconIndex and TaskId in that order, then makes
// desktop.ini and the folder exactly SYSTEM. Raises MarkerError "Unable to
// write to <desktop.ini>" when a key cannot be written.
void MarkFolder(const std::string& folder, const std::string& taskId, const std::string& programDirectory,
                int priority, int progress);

// Removes the three keys (and the section when they were all it held). The
// file goes, and the folder's attributes become NORMAL, only when nothing
// else is left in it: sections and keys of the user's own, such as a
// localized name, keep working.
void UnmarkFolder(const std::string& folder);

}  // namespace fennquill
