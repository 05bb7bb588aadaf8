#pragma once
// The folder marker of the shell library Fennquill, the one the program uses.
#include "FolderMarker.h"

namespace fq {

// Calls the library's exports; a failure they report becomes a
// std::runtime_error with the library's message.
class ShellLibraryMarker : public FolderMarker {
public:
    void SetFolderIcon(const std::string& folder, const std::string& taskId, const std::string& programDirectory,
                       int priority, int progress) override;
    void ClearFolder(const std::string& folder) override;
    bool RefreshScreenIcons() override;
};

}  // namespace fq
