#include "uProject.h"

#include <algorithm>

#include "FolderMarker.h"
#include "TaskDeletion.h"
#include "fileattributes.h"
#include "folders.h"
#include "guid.h"
#include "textcase.h"

namespace fq {
namespace {

const char kDeleteChildrenQuestion[] = "Are you sure you want to delete selected task and all the children tasks?";

ConfirmHandler& InstalledConfirmHandler() {
    static ConfirmHandler handler;
    return handler;
}

bool UserConfirms(const std::string& question) {
    const ConfirmHandler& handler = InstalledConfirmHandler();
    return handler && handler(question);
}

// Index of the first of count paths whose upper-cased text equals the
// upper-cased argument, else -1.
template <class PathAt>
int IndexOfPath(int count, const std::string& path, PathAt pathAt) {
    const std::string wanted = platform::UpperCaseText(path);
    for (int i = 0; i < count; ++i)
        if (platform::UpperCaseText(pathAt(i)) == wanted) return i;
    return -1;
}

}  // namespace

void SetConfirmHandler(ConfirmHandler handler) { InstalledConfirmHandler() = std::move(handler); }

std::string NewIdentifier() {
    // The registry form of a fresh GUID without its braces and hyphens.
    return platform::GuidDigits(platform::NewGuid());
}

std::string GetAppDataFolder() { return platform::ApplicationDataFolder(); }

// --- TSFFolder ---

void TSFFolder::Initialize() {
    // The file list is created empty with the folder and kept as it is.
    ID = NewIdentifier();
}

void TSFFolder::SetPath(const std::string& value) { Path = value; }
void TSFFolder::SetTaskID(const std::string& value) { TaskID = value; }

// --- TSFTask ---

void TSFTask::Initialize() {
    ID = NewIdentifier();
    Folders.Clear();
    Priority = 3;
    Progress = 0;
    StartDate = Now();
    EndDate = Now() + 1.0;
    Files.clear();
}

void TSFTask::AddItem(const std::string& path, const std::string& name) {
    if (platform::IsExistingDirectory(path))
        AddFolder(path, name);
    else
        Files.push_back(path);
    MarkFolders();
}

void TSFTask::AddFolder(const std::string& path, const std::string& name) {
    if (HasFolder(path)) return;
    TSFFolder& folder = Folders.Add();
    folder.Initialize();
    folder.SetPath(path);
    folder.Name = name;
    folder.SetTaskID(ID);
    MarkFolders();
}

bool TSFTask::HasFolder(const std::string& path) const { return IndexOfFolder(path) >= 0; }

int TSFTask::IndexOfFolder(const std::string& path) const {
    return IndexOfPath(Folders.Count(), path, [this](int i) -> const std::string& { return Folders.Items(i).Path; });
}

int TSFTask::IndexOfFile(const std::string& path) const {
    return IndexOfPath(static_cast<int>(Files.size()), path, [this](int i) -> const std::string& { return Files[i]; });
}

void TSFTask::RemoveFolder(int index) {
    if (index < 0 || index >= Folders.Count()) return;
    UnmarkFolder(Folders.Items(index));
    Folders.Delete(index);
}

void TSFTask::RemoveFile(int index) {
    if (index < 0 || index >= static_cast<int>(Files.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    Files.erase(Files.begin() + index);
}

void TSFTask::SetPriority(int value) {
    if (value < 1 || value > 5) return;
    Priority = value;
    MarkTaskFolders(*this);
}

void TSFTask::SetProgress(int value) {
    if (value < 0 || value > 10) return;
    Progress = value;
    MarkTaskFolders(*this);
}

void TSFTask::MarkFolders() { SetProgress(Progress); }

void TSFTask::SetTaskName(const std::string& value) { TaskName = value; }
void TSFTask::SetDescription(const std::string& value) { Description = value; }
void TSFTask::SetParentID(const std::string& value) { ParentID = value; }
void TSFTask::SetStartDate(TDateTime value) { StartDate = value; }
void TSFTask::SetEndDate(TDateTime value) { EndDate = value; }

// --- TSFTaskCollection ---

int TSFTaskCollection::IndexOfTask(const std::string& id) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i).ID == id) return i;
    return -1;
}

bool TSFTaskCollection::HasChildTasks(const std::string& id) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i).ParentID == id) return true;
    return false;
}

void TSFTaskCollection::DeleteTaskTree(const std::string& id) {
    const int index = IndexOfTask(id);
    if (index < 0) return;
    UnmarkAndDeleteTasks(*this, SubtreeInDeletionOrder(*this, index));
}

// --- TSFProject ---

void TSFProject::Initialize() {
    Tasks.Clear();
    ID = NewIdentifier();
    StartDate = Now();
    Priority = 3;
}

void TSFProject::SetProjectName(const std::string& value) { ProjectName = value; }

std::string TSFProject::AddTask(const std::string& name, const std::string& parentId) {
    TSFTask& task = Tasks.Add();
    task.Initialize();
    task.TaskName = name;
    task.ParentID = parentId.empty() ? ID : parentId;
    return task.ID;
}

void TSFProject::DeleteTask(const std::string& id) {
    try {
        const int index = Tasks.IndexOfTask(id);
        if (index < 0) return;
        if (Tasks.HasChildTasks(id)) {
            if (UserConfirms(kDeleteChildrenQuestion)) Tasks.DeleteTaskTree(id);
            return;
        }
        UnmarkAndDeleteTasks(Tasks, {index});
    } catch (const std::exception&) {
        // Deleting reports nothing; what was done stays done.
    }
}

TDateTime TSFProject::ProjectEndDate() const {
    TDateTime end = StartDate;
    for (int i = 0; i < Tasks.Count(); ++i) end = std::max(end, Tasks.Items(i).EndDate);
    return end;
}

// --- TSFProjectCollection ---

int TSFProjectCollection::IndexOfProjectOrTask(const std::string& id) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i).ID == id) return i;
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i).Tasks.IndexOfTask(id) >= 0) return i;
    return -1;
}

// --- TSFProjectManager ---

std::string TSFProjectManager::AddProject(const std::string& name) {
    TSFProject& project = Projects.Add();
    project.ProjectName = name;
    project.Initialize();
    return project.ID;
}

void TSFProjectManager::DeleteProject(const std::string& id) {
    try {
        const int index = Projects.IndexOfProjectOrTask(id);
        if (index < 0) return;
        TSFProject& project = Projects.Items(index);
        // The user has confirmed the whole project: every task goes without a
        // further question, the last first, each with its folders unmarked.
        for (int i = project.Tasks.Count() - 1; i >= 0; --i) {
            try {
                const TSFTask& task = project.Tasks.Items(i);
                for (int f = 0; f < task.Folders.Count(); ++f) UnmarkFolder(task.Folders.Items(f));
            } catch (const std::exception&) {
                // An unmarking failure stops only that task's unmarking.
            }
        }
        Projects.Delete(index);
    } catch (const std::exception&) {
        // Deleting reports nothing; what was done stays done.
    }
}

bool TSFProjectManager::IsProjectId(const std::string& id) const {
    for (int i = 0; i < Projects.Count(); ++i)
        if (Projects.Items(i).ID == id) return true;
    return false;
}

bool TSFProjectManager::FindTaskProject(const std::string& id, std::string& projectId) const {
    for (int i = 0; i < Projects.Count(); ++i) {
        const TSFProject& project = Projects.Items(i);
        if (project.ID == id) return false;
        if (project.Tasks.IndexOfTask(id) >= 0) {
            projectId = project.ID;
            return true;
        }
    }
    return false;
}

}  // namespace fq
