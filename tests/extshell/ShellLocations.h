#pragma once
// What a resolved shell item is, told by the shell itself.
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace fq::test {

// The file-system path of item in parent, from the item's full PIDL; empty
// when the shell gives none.
std::string PathOfItem(IShellFolder* parent, LPCITEMIDLIST item);

// The file-system path of the folder itself; empty when it has none.
std::string PathOfFolder(IShellFolder* folder);

bool IsMyComputer(IShellFolder* folder);

}  // namespace fq::test
