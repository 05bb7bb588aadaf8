#pragma once
// The main window's commands, each one QAction shared by the menus, the
// toolbar, the side bar and the tree's pop-up menu, so that it looks and
// behaves the same wherever it is invoked.
#include <QAction>

class QMenu;
class QToolBar;
class QWidget;

namespace fq {

struct MainActions {
    QAction* actNewProject;     // "Add New Project", F7
    QAction* actAddTask;        // "Add Task to Project", F8
    QAction* actAddFolder;      // "Add Folder", F9
    QAction* actAddFile;        // "Add File", F10
    QAction* actRemove;         // "Remove Item(s)", Delete
    QAction* actRemoveTask;     // "Remove Task", F2
    QAction* actRemoveProject;  // "Remove Project", F4
    QAction* actEdit;           // "Edit Task Properties", F6
    QAction* Exit1;             // "Exit"
    QAction* About1;            // "About"
};

// Makes the actions, owned by window; their keys work wherever the focus is
// in it.
MainActions CreateMainActions(QWidget* window);

// The toolbar: pictures only, the tooltips naming the commands.
QToolBar* CreateToolBar(const MainActions& actions, QWidget* parent);

// The side bar with its two sections, "Project Tasks" and "Folder Actions".
QWidget* CreateSideBar(const MainActions& actions, QWidget* parent);

// The tree's pop-up menu. "Edit Task Properties" is offered there as
// "Properties".
QMenu* CreateTreePopupMenu(const MainActions& actions, QWidget* parent);

}  // namespace fq
