#include "FolderMarker.h"

#include "folders.h"
#include "uProject.h"

namespace fq {
namespace {

// Marks nothing: the folder markers are written by the shell library, which
// is installed by whoever links it in.
class SilentFolderMarker : public FolderMarker {
public:
    void SetFolderIcon(const std::string&, const std::string&, const std::string&, int, int) override {}
    void ClearFolder(const std::string&) override {}
    bool RefreshScreenIcons() override { return false; }
};

std::shared_ptr<FolderMarker>& InstalledMarker() {
    static std::shared_ptr<FolderMarker> marker = std::make_shared<SilentFolderMarker>();
    return marker;
}

}  // namespace

void SetFolderMarker(std::shared_ptr<FolderMarker> marker) {
    InstalledMarker() = marker ? std::move(marker) : std::make_shared<SilentFolderMarker>();
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
