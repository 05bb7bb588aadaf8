#pragma once
// The user's plan in memory: projects, their tasks, and the folders and files
// attached to tasks; and its one file on disk.
//
// Everything is looked up by identifier text: callers keep identifiers, never
// references to these objects across operations. Failures are raised as
// std::runtime_error (or a subclass) carrying the text the user may see.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fq {

// Days since 1899-12-30 in local time; the fraction is the time of day.
using TDateTime = double;

// The current local date and time, to the millisecond.
TDateTime Now();

// 32 upper-case hex characters from a fresh random GUID.
std::string NewIdentifier();

// An ordered owning collection. Items keep their place (and their address)
// until deleted; nothing reorders them.
template <class T>
class TCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }

    // std::out_of_range outside 0..Count()-1.
    T& Items(int index) { return *items_.at(Checked(index)); }
    const T& Items(int index) const { return *items_.at(Checked(index)); }

    // Appends an item with empty and zero fields and returns it.
    T& Add() { return *items_.emplace_back(std::make_unique<T>()); }

    // std::out_of_range outside the list.
    void Delete(int index) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Checked(index))); }

    void Clear() { items_.clear(); }

    // Deletes, in one pass, every item for which keep(item) is false.
    template <class Predicate>
    void DeleteUnless(Predicate keep) {
        std::erase_if(items_, [&](const std::unique_ptr<T>& item) { return !keep(*item); });
    }

private:
    std::size_t Checked(int index) const {
        if (index < 0 || index >= Count())
            throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
        return static_cast<std::size_t>(index);
    }

    std::vector<std::unique_ptr<T>> items_;
};

class TSFFolder {
public:
    std::string Name;
    std::string Path;
    std::vector<std::string> Files;  // carried through the project file only
    std::string ParentID;
    std::string ID;
    std::string TaskID;

    void Initialize();
    void SetPath(const std::string& value);
    void SetTaskID(const std::string& value);
};

class TSFFolderCollection : public TCollection<TSFFolder> {};

class TSFTask {
public:
    std::string TaskName;
    int Progress = 0;  // tenths of completion, 0..10
    std::string ProjectID;
    std::string ID;
    int Priority = 0;  // 1 Lowest .. 5 Critical
    TSFFolderCollection Folders;
    TDateTime StartDate = 0;
    TDateTime EndDate = 0;
    std::string Description;
    std::string ParentID;
    std::vector<std::string> Files;

    void Initialize();

    // A directory is attached as a folder, anything else as a file; either
    // way every folder of the task is marked again.
    void AddItem(const std::string& path, const std::string& name);
    // Attaches and marks a folder unless one with the same path is attached.
    void AddFolder(const std::string& path, const std::string& name);

    // Paths compare without regard to case; the first match wins.
    bool HasFolder(const std::string& path) const;
    int IndexOfFolder(const std::string& path) const;
    int IndexOfFile(const std::string& path) const;

    // Unmarks and detaches the folder; an index outside the list does nothing.
    void RemoveFolder(int index);
    // Detaches the file; an index outside the list raises std::out_of_range.
    void RemoveFile(int index);

    // Values outside 1..5 and 0..10 are ignored; otherwise stored, then every
    // folder is marked, also when the value did not change.
    void SetPriority(int value);
    void SetProgress(int value);
    void MarkFolders();

    void SetTaskName(const std::string& value);
    void SetDescription(const std::string& value);
    void SetParentID(const std::string& value);
    void SetStartDate(TDateTime value);
    void SetEndDate(TDateTime value);
};

class TSFTaskCollection : public TCollection<TSFTask> {
public:
    int IndexOfTask(const std::string& id) const;
    bool HasChildTasks(const std::string& id) const;
    // Deletes the task and all its descendants, each after its own
    // descendants, unmarking the folders of each before it goes. Safe on
    // hand-edited lists: children before parents, repeated identifiers and
    // parent cycles still remove every task of the subtree exactly once.
    void DeleteTaskTree(const std::string& id);
};

class TSFProject {
public:
    std::string ProjectName;
    TDateTime StartDate = 0;
    TSFTaskCollection Tasks;
    int Priority = 0;
    std::string Description;
    std::string ID;

    void Initialize();
    void SetProjectName(const std::string& value);
    // Appends a task under parentId (the project itself when empty) and
    // returns its identifier.
    std::string AddTask(const std::string& name, const std::string& parentId);
    // Deletes the task; one with child tasks only after the user confirmed
    // (see SetConfirmHandler). Contains every error.
    void DeleteTask(const std::string& id);
    // The later of StartDate and the latest EndDate of the tasks.
    TDateTime ProjectEndDate() const;
};

class TSFProjectCollection : public TCollection<TSFProject> {
public:
    // The project with this ID, else the project holding a task with this ID
    // (the last such one), else -1.
    int IndexOfProjectOrTask(const std::string& id) const;
};

class TSFProjectManager {
public:
    std::string FileName;
    TSFProjectCollection Projects;

    std::string AddProject(const std::string& name);
    // Deletes the project and all its tasks, unmarking their folders,
    // without asking. Contains every error.
    void DeleteProject(const std::string& id);
    bool IsProjectId(const std::string& id) const;
    // True, with the holding project's ID, when id is a task's ID.
    bool FindTaskProject(const std::string& id, std::string& projectId) const;

    // Replaces the plan with the file at FileName; a missing file changes
    // nothing. Raises ProjectFileError for a file that cannot be read or
    // understood: the plan then holds what was read before the fault.
    void Load();
    // Writes the whole plan to FileName, replacing the file in one step: a
    // failed save raises an error and leaves the old file as it was.
    void Save();
};

// An error in reading the project file; the message says what and where.
class ProjectFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user's application-data folder, without a trailing separator; the
// project file and the error log lie directly in it.
std::string GetAppDataFolder();

// The question the model asks before deleting a task with children. The GUI
// installs a message box; until something is installed the answer is "no
// answer" (nothing is deleted).
using ConfirmHandler = std::function<bool(const std::string& question)>;
void SetConfirmHandler(ConfirmHandler handler);

}  // namespace fq
