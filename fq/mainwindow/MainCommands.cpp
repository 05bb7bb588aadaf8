// The main window's commands. Each runs inside a guard that ends it
// silently at the first error; what it changed before stays in memory and is
// saved by the next save. Every change is saved at once.
#include <QCursor>
#include <QItemSelectionModel>
#include <QListView>
#include <QTreeView>

#include "Dialogs.h"
#include "ExtShell.h"
#include "FolderListModel.h"
#include "FolderMarker.h"
#include "ProjectTreeModel.h"
#include "uAbout.h"
#include "uMain.h"
#include "uTask.h"

namespace fq {
namespace {

template <class Command>
void Guarded(Command command) {
    try {
        command();
    } catch (...) {
        // A command tells nothing of its errors.
    }
}

bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

const TreeNodeData* TfrmMain::SelectedNode() const {
    const QModelIndexList selected = vtTree->selectionModel()->selectedRows();
    return selected.isEmpty() ? nullptr : TreeModel->NodeData(selected.first());
}

// The project of a project node, or the project holding a task node's task;
// nothing when the plan has neither.
TSFProject* TfrmMain::FindProject(const TreeNodeData& node) {
    const int index = manager_.Projects.IndexOfProjectOrTask(node.ID.toStdString());
    return index >= 0 && index < manager_.Projects.Count() ? &manager_.Projects.Items(index) : nullptr;
}

TSFTask* TfrmMain::FindTask(const TreeNodeData& node) {
    TSFProject* project = FindProject(node);
    if (project == nullptr) return nullptr;
    const int index = project->Tasks.IndexOfTask(node.ID.toStdString());
    return index >= 0 ? &project->Tasks.Items(index) : nullptr;
}

TSFTask* TfrmMain::TaskToAddTo(const char* noSelectionMessage) {
    const TreeNodeData* node = SelectedNode();
    if (node == nullptr) {
        Message(noSelectionMessage);
        return nullptr;
    }
    return node->IsProject ? nullptr : FindTask(*node);
}

void TfrmMain::Message(const char* text) { CurrentDialogs().ShowMessage(this, QString::fromLatin1(text)); }

void TfrmMain::actNewProjectExecute() {
    Guarded([this] {
        QString name;
        if (!CurrentDialogs().InputQuery(this, QStringLiteral("Adding New Project"), QStringLiteral("Enter Project Name"), name))
            return;
        if (IsBlank(name)) return;
        const std::string id = manager_.AddProject(name.toStdString());
        FillTree();
        SelectInTree(ToQt(id));
        SavePlan();
    });
}

void TfrmMain::actAddTaskExecute() {
    Guarded([this] {
        const TreeNodeData* node = SelectedNode();
        if (node == nullptr) return Message("You should select a project before adding a task.");
        const QString parentId = node->ID;
        TSFProject* project = FindProject(*node);
        if (project == nullptr) return;
        QString name;
        if (!CurrentDialogs().InputQuery(this, QStringLiteral("Adding Task to Project "), QStringLiteral("Enter Task Name"), name))
            return;
        if (IsBlank(name)) return;
        const std::string id = project->AddTask(name.toStdString(), parentId.toStdString());
        FillTree();
        SelectInTree(ToQt(id));
        SavePlan();
    });
}

void TfrmMain::actAddFolderExecute() {
    Guarded([this] {
        TSFTask* task = TaskToAddTo("You should select a task before adding a folder.");
        if (task == nullptr) return;
        const std::string taskId = task->ID;
        const QString folder = CurrentDialogs().BrowseForFolder(this, QStringLiteral("Select Folder"));
        if (!folder.isEmpty()) task->AddFolder(folder.toStdString(), FolderDisplayName(folder.toStdString()));
        vtTreeClick();
        SelectInTree(ToQt(taskId));
        SavePlan();
    });
}

void TfrmMain::actAddFileExecute() {
    Guarded([this] {
        TSFTask* task = TaskToAddTo("You should select a task before adding a file.");
        if (task == nullptr) return;
        const std::string taskId = task->ID;
        const QString file = CurrentDialogs().OpenFileName(this, QString());
        if (!file.isEmpty()) {
            task->AddItem(file.toStdString(), FileCaption(file.toStdString()));
            vtTreeClick();
            SelectInTree(ToQt(taskId));
        }
        SavePlan();
    });
}

// Goes through the selected entries in list order. A task entry deletes that
// one task and ends the command; folder and file entries are detached from
// the selected task, all of them in one run, and the list is refilled last.
void TfrmMain::actRemoveExecute() {
    Guarded([this] {
        const TreeNodeData* node = SelectedNode();
        if (node == nullptr) return;
        const QModelIndexList selected = lvFolders->selectionModel()->selectedIndexes();
        if (selected.isEmpty()) return;
        const auto first = std::min_element(selected.begin(), selected.end(),
                                            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        if (ListModel->Record(first->row()) == nullptr) return;
        const std::string nodeId = node->ID.toStdString();
        for (int row = 0; row < ListModel->rowCount(); ++row) {
            if (!lvFolders->selectionModel()->isRowSelected(row)) continue;
            const TFolderRecord record = *ListModel->Record(row);
            if (record.IsTask) {
                TSFProject* project = FindProject(*node);
                if (project == nullptr) return;
                const std::string projectId = project->ID;
                project->DeleteTask(record.ID);
                FillTree();
                SelectInTree(ToQt(projectId));
                vtTreeClick();
                SavePlan();
                return;
            }
            if (manager_.IsProjectId(nodeId)) return;
            std::string projectId;
            if (!manager_.FindTaskProject(nodeId, projectId)) return;
            TSFProject& project = manager_.Projects.Items(manager_.Projects.IndexOfProjectOrTask(projectId));
            TSFTask& task = project.Tasks.Items(project.Tasks.IndexOfTask(nodeId));
            if (record.IsFolder)
                task.RemoveFolder(task.IndexOfFolder(record.Path));
            else
                task.RemoveFile(task.IndexOfFile(record.Path));
        }
        vtTreeClick();
        SavePlan();
    });
}

void TfrmMain::actRemoveTaskExecute() {
    Guarded([this] {
        const TreeNodeData* node = SelectedNode();
        if (node == nullptr) return Message("You should select a task before deleting it.");
        if (node->IsProject) return Message("You should select a task (not project) before deleting it.");
        TSFProject* project = FindProject(*node);
        if (project == nullptr) return;
        const std::string projectId = project->ID;
        project->DeleteTask(node->ID.toStdString());
        FillTree();
        SelectInTree(ToQt(projectId));
        vtTreeClick();
        SavePlan();
    });
}

void TfrmMain::actRemoveProjectExecute() {
    Guarded([this] {
        const TreeNodeData* node = SelectedNode();
        if (node == nullptr) return Message("You should select a project before deleting it.");
        if (node->IsTask) return Message("You should select a project (not task) before deleting it.");
        if (!CurrentDialogs().Confirm(this, QStringLiteral("Confirm"), QStringLiteral("Are you sure you want to delete selected project?")))
            return;
        if (FindProject(*node) == nullptr) return;
        manager_.DeleteProject(node->ID.toStdString());
        ListModel->Clear();
        FillTree();
        vtTreeClick();
        SavePlan();
    });
}

void TfrmMain::actEditExecute() {
    Guarded([this] {
        const TreeNodeData* node = SelectedNode();
        if (node == nullptr) return Message("You should select a task before editing its properties.");
        if (node->IsProject) return;
        EditTask(node->ID.toStdString());
    });
}

void TfrmMain::EditTask(const std::string& taskId) {
    TfrmTask dialog(manager_, this);
    dialog.SetTaskID(taskId);
    dialog.LoadTask();
    if (CurrentDialogs().RunModal(dialog) != QDialog::Accepted) return;
    dialog.StoreTask();
    CurrentFolderMarker().RefreshScreenIcons();
    FillTree();
    try {
        SelectInTree(ToQt(taskId));
    } catch (...) {
        // Not finding the task again leaves the tree as filled.
    }
    vtTreeClick();
}

void TfrmMain::Exit1Click() { close(); }

void TfrmMain::About1Click() {
    TfrmAbout about(this);
    CurrentDialogs().RunModal(about);
}

void TfrmMain::vtTreeDblClick() { Actions.actEdit->trigger(); }

// The menu opens at the mouse cursor, for the first selected item, whatever
// asked for it.
void TfrmMain::lvFoldersContextPopup() {
    const QModelIndexList selected = lvFolders->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    const auto first = std::min_element(selected.begin(), selected.end(),
                                        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    const TFolderRecord* record = ListModel->Record(first->row());
    if (record == nullptr) return;
    ShowShellContextMenu(this, ToQt(record->Path), mapFromGlobal(QCursor::pos()));
}

}  // namespace fq
