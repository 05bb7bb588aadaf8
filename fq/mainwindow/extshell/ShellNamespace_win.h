#pragma once
// The shell's own context menu for a file, a folder or a drive, shown at a
// point of a window and running the command the user picks there. Paths are
// UTF-8; the shell gets them as UTF-16 through the wide API.
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace fq::extshell {

// Shows the menu for path at clientPoint (in owner's client coordinates).
// True when the user picked a command and the shell ran it; a path that
// names no shell item shows nothing and gives false.
bool ShowShellContextMenu(HWND owner, const std::string& path, POINT clientPoint);

// The item's PIDL relative to its parent folder, which goes to *parent (the
// caller releases it and frees the PIDL with FreePidl); null, and *parent
// null, when the shell cannot resolve the path. Paths of MAX_PATH characters
// or more, and names without a directory part, resolve to nothing.
LPITEMIDLIST GetItemPidl(const std::string& path, IShellFolder** parent);

// The same resolution through the My Computer folder, which knows the drive
// roots: "C:" and "C:\" give the drive C.
LPITEMIDLIST GetItemPidlFromDrives(const std::string& path, IShellFolder** parent);

// Tracks the item's menu; the answer as for ShowShellContextMenu.
bool ShowMenuForPidl(HWND owner, IShellFolder* parent, LPCITEMIDLIST pidl, POINT clientPoint);

// A hidden top-level window that owns the tracked menu and hands the
// messages of owner-drawn entries and late-filled submenus to menu. It keeps
// no reference: menu must outlive the window.
HWND CreateCallbackWindow(IContextMenu2* menu);
LRESULT CALLBACK CallbackWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Frees a PIDL that the shell's allocator made and clears the variable. True
// for that and for a null PIDL; false, leaving pidl as it was, for memory the
// shell's allocator does not own.
bool FreePidl(LPITEMIDLIST& pidl);

// The path ending with "\"; the empty path gives "\".
std::string AddBackslash(const std::string& path);

}  // namespace fq::extshell
