#include "MainActions.h"

#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ImageList2.h"

namespace fq {
namespace {

constexpr int kSideBarWidth = 201;

QAction* MakeAction(QWidget* window, const char* caption, const char* toolTip, int image, Qt::Key key) {
    auto* action = new QAction(QString::fromLatin1(caption), window);
    if (toolTip != nullptr) action->setToolTip(QString::fromLatin1(toolTip));
    if (image >= 0) action->setIcon(ImageList2(image));
    if (key != Qt::Key_unknown) action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

QLabel* SectionHeader(const char* title) {
    auto* header = new QLabel(QString::fromLatin1(title));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setBold(true);
    header->setFont(font);
    header->setStyleSheet(QStringLiteral("color: rgb(82, 82, 198); padding: 6px 4px 2px 4px;"));
    return header;
}

QToolButton* SideBarItem(QAction* action) {
    auto* button = new QToolButton;
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

}  // namespace

MainActions CreateMainActions(QWidget* window) {
    MainActions a{};
    a.actNewProject = MakeAction(window, "Add New Project", "Add Project", kProjectImage, Qt::Key_F7);
    a.actAddTask = MakeAction(window, "Add Task to Project", "Add Task", kTaskImage, Qt::Key_F8);
    a.actAddFolder = MakeAction(window, "Add Folder", "Add Folder", kAddItemImage, Qt::Key_F9);
    a.actAddFile = MakeAction(window, "Add File", "Add File", kAddItemImage, Qt::Key_F10);
    a.actRemove = MakeAction(window, "Remove Item(s)", "Remove Item", kRemoveItemImage, Qt::Key_Delete);
    a.actRemoveTask = MakeAction(window, "Remove Task", "Remove Task", kRemoveTaskImage, Qt::Key_F2);
    a.actRemoveProject = MakeAction(window, "Remove Project", "Remove Project", kRemoveProjectImage, Qt::Key_F4);
    a.actEdit = MakeAction(window, "Edit Task Properties", "Edit Task Properties", kEditImage, Qt::Key_F6);
    a.Exit1 = MakeAction(window, "Exit", nullptr, -1, Qt::Key_unknown);
    a.About1 = MakeAction(window, "About", nullptr, -1, Qt::Key_unknown);
    return a;
}

QToolBar* CreateToolBar(const MainActions& a, QWidget* parent) {
    auto* toolBar = new QToolBar(parent);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->addActions({a.actNewProject, a.actAddTask, a.actEdit});
    toolBar->addSeparator();
    toolBar->addActions({a.actAddFolder, a.actAddFile});
    toolBar->addSeparator();
    toolBar->addActions({a.actRemoveProject, a.actRemoveTask, a.actRemove});
    return toolBar;
}

QWidget* CreateSideBar(const MainActions& a, QWidget* parent) {
    auto* sideBar = new QWidget(parent);
    sideBar->setObjectName(QStringLiteral("ExplorerBar1"));
    sideBar->setFixedWidth(kSideBarWidth);
    sideBar->setAutoFillBackground(true);
    sideBar->setBackgroundRole(QPalette::AlternateBase);
    auto* layout = new QVBoxLayout(sideBar);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(1);
    layout->addWidget(SectionHeader("Project Tasks"));
    for (QAction* action : {a.actNewProject, a.actAddTask, a.actEdit, a.actRemoveTask, a.actRemoveProject})
        layout->addWidget(SideBarItem(action));
    layout->addWidget(SectionHeader("Folder Actions"));
    for (QAction* action : {a.actAddFolder, a.actAddFile, a.actRemove}) layout->addWidget(SideBarItem(action));
    layout->addStretch();
    return sideBar;
}

// "Edit Task Properties" is called "Properties" here: a stand-in with that
// caption, the same picture and key, runs the shared action.
QMenu* CreateTreePopupMenu(const MainActions& a, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addActions({a.actNewProject, a.actAddTask});
    menu->addSeparator();
    menu->addActions({a.actAddFile, a.actAddFolder});
    menu->addSeparator();
    menu->addAction(a.actRemoveTask);
    menu->addSeparator();
    auto* properties = new QAction(a.actEdit->icon(), QStringLiteral("Properties"), menu);
    properties->setShortcut(a.actEdit->shortcut());
    properties->setShortcutContext(Qt::WidgetShortcut);
    properties->setEnabled(a.actEdit->isEnabled());
    QObject::connect(properties, &QAction::triggered, a.actEdit, &QAction::trigger);
    QObject::connect(a.actEdit, &QAction::enabledChanged, properties, &QAction::setEnabled);
    menu->addAction(properties);
    return menu;
}

}  // namespace fq
