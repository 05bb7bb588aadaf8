#pragma once
// Where this library was loaded from, and how its registration names it.
#include <string>

namespace fennquill {

// The full path of the library file.
std::wstring LibraryPath();

// The path COM is to load the library from: its short 8.3 form when it
// holds a space and the volume keeps short names; else the path itself.
std::wstring ServerPathOf(const std::wstring& path);

// The file name without its folder and its extension.
std::wstring BaseNameOf(const std::wstring& path);

}  // namespace fennquill
