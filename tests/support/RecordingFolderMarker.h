#pragma once
// A folder marker that writes nothing and records every call, in order, as
// "SetFolderIcon(folder, task, dir, priority, progress)" or
// "ClearFolder(folder)". Installed for the life of a MarkerRecorder.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FolderMarker.h"

namespace fq::test {

class RecordingFolderMarker : public FolderMarker {
public:
    void SetFolderIcon(const std::string& folder, const std::string& taskId, const std::string& programDirectory,
                       int priority, int progress) override;
    void ClearFolder(const std::string& folder) override;
    bool RefreshScreenIcons() override;

    std::vector<std::string> calls;
    // Calls of SetFolderIcon for this folder raise an error instead.
    std::string failingFolder;
    // Calls of ClearFolder for this folder raise an error instead.
    std::string failingClear;
};

class MarkerRecorder {
public:
    MarkerRecorder();
    ~MarkerRecorder();
    RecordingFolderMarker& operator*() { return *marker_; }
    RecordingFolderMarker* operator->() { return marker_.get(); }

private:
    std::shared_ptr<RecordingFolderMarker> marker_;
};

std::string SetIconCall(const std::string& folder, const std::string& taskId, int priority, int progress);
std::string ClearCall(const std::string& folder);

}  // namespace fq::test
