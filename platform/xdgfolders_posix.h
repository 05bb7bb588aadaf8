#pragma once
// The per-user base folders of the desktop's conventions.
#include <string>

namespace platform::posix {

// $variable when it holds an absolute path, else $HOME/belowHome; without a
// trailing separator. Empty when there is no home folder either.
std::string XdgFolder(const char* variable, const char* belowHome);

// mkdir -p with the mode the conventions ask for (0700). True when the
// folder exists afterwards.
bool MakeFolders(const std::string& path);

}  // namespace platform::posix
