#include "RecordingFolderMarker.h"

#include "folders.h"

namespace fq::test {

void RecordingFolderMarker::SetFolderIcon(const std::string& folder, const std::string& taskId,
                                          const std::string& programDirectory, int priority, int progress) {
    if (!failingFolder.empty() && folder == failingFolder) throw std::runtime_error("Unable to write to " + folder);
    calls.push_back("SetFolderIcon(" + folder + ", " + taskId + ", " + programDirectory + ", " +
                    std::to_string(priority) + ", " + std::to_string(progress) + ")");
}

void RecordingFolderMarker::ClearFolder(const std::string& folder) {
    if (!failingClear.empty() && folder == failingClear) throw std::runtime_error("cannot clear " + folder);
    calls.push_back("ClearFolder(" + folder + ")");
}

bool RecordingFolderMarker::RefreshScreenIcons() {
    calls.push_back("RefreshScreenIcons()");
    return true;
}

MarkerRecorder::MarkerRecorder() : marker_(std::make_shared<RecordingFolderMarker>()) { SetFolderMarker(marker_); }
MarkerRecorder::~MarkerRecorder() { SetFolderMarker(nullptr); }

std::string SetIconCall(const std::string& folder, const std::string& taskId, int priority, int progress) {
    return "SetFolderIcon(" + folder + ", " + taskId + ", " + platform::ProgramDirectory() + ", " +
           std::to_string(priority) + ", " + std::to_string(progress) + ")";
}

std::string ClearCall(const std::string& folder) { return "ClearFolder(" + folder + ")"; }

}  // namespace fq::test
