#pragma once
// The model's road to the folder markers on disk. The model marks and
// unmarks folders only through the two functions at the bottom; the marker
// behind them can be exchanged, so that tests can record the calls.
#include <memory>
#include <string>

namespace fq {

class TSFTask;
class TSFFolder;

class FolderMarker {
public:
    virtual ~FolderMarker() = default;
    // Marks the folder with the status icon of priority and progress and
    // records the task's identifier. May raise an error when the marker
    // cannot be written.
    virtual void SetFolderIcon(const std::string& folder, const std::string& taskId,
                               const std::string& programDirectory, int priority, int progress) = 0;
    // Removes the folder's marker; reports nothing.
    virtual void ClearFolder(const std::string& folder) = 0;
    // Asks the file manager to redraw its icons. True when the whole refresh ran.
    virtual bool RefreshScreenIcons() = 0;
};

// The marker in use. nullptr restores the default one.
void SetFolderMarker(std::shared_ptr<FolderMarker> marker);
FolderMarker& CurrentFolderMarker();

// The marking pass of a task: every folder, from the first, with the task's
// current priority and progress and the program directory taken afresh for
// each. An error stops the pass and reaches the caller.
void MarkTaskFolders(const TSFTask& task);

// Unmarking one folder, always before it leaves the model.
void UnmarkFolder(const TSFFolder& folder);

}  // namespace fq
