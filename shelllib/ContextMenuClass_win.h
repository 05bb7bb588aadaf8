#pragma once
// Who the file manager's context-menu handler is to COM and the shell.
#include <windows.h>

namespace fennquill {

// {5C1E0A7B-93D4-4F2E-B8A6-2D7F41C9E053}
inline constexpr CLSID kContextMenuClassId = {
    0x5C1E0A7B, 0x93D4, 0x4F2E, {0xB8, 0xA6, 0x2D, 0x7F, 0x41, 0xC9, 0xE0, 0x53}};
inline constexpr wchar_t kContextMenuClassName[] = L"ContextMenuDemo";
inline constexpr wchar_t kContextMenuDescription[] = L"Context Menu Shell Extension Example";
inline constexpr wchar_t kContextMenuThreadingModel[] = L"Apartment";

}  // namespace fennquill
