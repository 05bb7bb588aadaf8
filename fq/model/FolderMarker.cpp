#include "FolderMarker.h"

#include "ShellLibraryMarker.h"
#include "folders.h"
#include "uProject.h"

namespace fq {
namespace {

std::shared_ptr<FolderMarker>& InstalledMarker() {
    static std::shared_ptr<FolderMarker> marker = std::make_shared<ShellLibraryMarker>();
    return marker;
}

}  // namespace

void SetFolderMarker(std::shared_ptr<FolderMarker> marker) {
    InstalledMarker() = marker ? std::move(marker) : std::make_shared<ShellLibraryMarker>();
}

FolderMarker& CurrentFolderMarker() { return *InstalledMarker(); }

void MarkTaskFolders(const TSFTask& task) {
    FolderMarker& marker = CurrentFolderMarker();
    for (int i = 0; i < task.Folders.Count(); ++i) {
        const TSFFolder& folder = task.Folders.Items(i);
        marker.SetFolderIcon(folder.Path, task.ID, platform::ProgramDirectory(), task.Priority, task.Progress);
    }
}

void UnmarkFolder(const TSFFolder& folder) { CurrentFolderMarker().ClearFolder(folder.Path); }

}  // namespace fq
