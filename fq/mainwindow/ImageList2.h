#pragma once
// The main window's 16×16 pictures, shared by the commands, the toolbar, the
// side bar and the tree's nodes. Drawn here, so that they look the same on
// every desktop.
#include <QIcon>

namespace fq {

inline constexpr int kProjectImage = 0;        // "Add New Project", and every project node
inline constexpr int kTaskImage = 1;           // "Add Task to Project", and every task node
inline constexpr int kAddItemImage = 2;        // "Add Folder", "Add File"
inline constexpr int kRemoveItemImage = 3;     // "Remove Item(s)"
inline constexpr int kRemoveTaskImage = 4;     // "Remove Task"
inline constexpr int kRemoveProjectImage = 5;  // "Remove Project"
inline constexpr int kEditImage = 8;           // "Edit Task Properties"

// Picture index of ImageList2; an index without a picture gives an empty icon.
QIcon ImageList2(int index);

}  // namespace fq
