#pragma once
// The main window: the plan as a tree of projects and tasks above, the items
// of the node clicked last below; its start-up, its command-line branch and
// its shutdown.
#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <string>

#include "MainActions.h"
#include "uProject.h"

class QListView;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeView;

namespace fq {

class FolderListModel;
class ProjectTreeModel;
class TaskHandoffServer;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs the start-up sequence for these program
    // arguments (the program's own name not included).
    explicit TfrmMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // False when the command-line branch ran: the window is never shown.
    bool ShowsMainWindow() const { return showsMainWindow_; }
    // True when the program should end once the start-up is done (the
    // command-line branch has run).
    bool EndRequested() const { return endRequested_; }
    TSFProjectManager& Manager() { return manager_; }

    // The tree, rebuilt from the plan with nothing selected.
    void FillTree();
    // Expands the path to the node of id and selects it; nothing when no
    // node carries id.
    void SelectInTree(const QString& id);
    // Cells are never edited in place.
    bool vtTreeEditing() const { return false; }

    // Saves the plan unless saving is blocked because a project file that
    // could not be read could not be kept aside either.
    void SavePlan();

    MainActions Actions;
    QToolBar* ToolBar1;
    QWidget* ExplorerBar1;
    QMenu* PopupMenu1;
    QWidget* Panel2;
    QTreeView* vtTree;
    QSplitter* glSplitter1;
    QListView* lvFolders;
    ProjectTreeModel* TreeModel;
    FolderListModel* ListModel;

public slots:
    // Refills the list from the selected node.
    void vtTreeClick();
    // Opens the first selected item of the list.
    void lvFoldersDblClick();
    // Runs "Edit Task Properties".
    void vtTreeDblClick();
    // The desktop's context menu for the first selected item of the list.
    void lvFoldersContextPopup();

    // The commands. Each contains its own errors: an error ends it silently.
    void actNewProjectExecute();
    void actAddTaskExecute();
    void actAddFolderExecute();
    void actAddFileExecute();
    void actRemoveExecute();
    void actRemoveTaskExecute();
    void actRemoveProjectExecute();
    void actEditExecute();
    void Exit1Click();
    void About1Click();

    // Attaches one dropped path to the selected task: a directory as a
    // folder, anything else as a file.
    void AddDroppedPath(const QString& path);

protected:
    void closeEvent(class QCloseEvent* event) override;
    void dragEnterEvent(class QDragEnterEvent* event) override;
    void dropEvent(class QDropEvent* event) override;

private:
    void BuildViews();
    void BuildCommandPlaces();
    const struct TreeNodeData* SelectedNode() const;
    TSFProject* FindProject(const struct TreeNodeData& node);
    TSFTask* FindTask(const struct TreeNodeData& node);
    // The selected task for adding to it. Without a selection the message
    // is shown; a project node, or a node the plan no longer holds, gives
    // nothing.
    TSFTask* TaskToAddTo(const char* noSelectionMessage);
    void Message(const char* text);
    // The task dialog for the task; on OK the task is stored and saved, the
    // file manager's icons refreshed and the tree and list refilled.
    void EditTask(const std::string& taskId);
    void FormCreate(const QStringList& arguments);
    void StartUp(const QStringList& arguments);
    void LoadPlan();
    void WriteAppPath();
    void RunCommandLine(const std::string& taskId);
    void ListenForTasksFromShell();
    bool TakeTaskFromShell(const std::string& taskId);
    void EditTaskFromShell(const std::string& taskId);
    void FormClose();

    TSFProjectManager manager_;
    bool showsMainWindow_ = true;
    bool endRequested_ = false;
    bool destroying_ = false;
    bool savingBlocked_ = false;
    std::unique_ptr<TaskHandoffServer> handoff_;
};

// The project file's path: the application-data folder and "Fennquill.xml".
std::string ProjectFilePath();

}  // namespace fq
