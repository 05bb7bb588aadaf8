#pragma once
// The record behind each item of the item list.
#include <string>

namespace fq {

struct TFolderRecord {
    std::string ID;    // the folder's or task's identifier; "-1" for a file
    std::string Path;  // the folder's or file's full path; a task's name for a task
    std::string Name;  // the caption
    bool IsFile = false;
    bool IsFolder = false;
    bool IsTask = false;
};

// The file-name part of a path: what follows its last separator.
std::string FileCaption(const std::string& path);

// The name a chosen folder is shown with: its last path component; a root
// ("/", or a drive such as "C:\") is shown whole.
std::string FolderDisplayName(const std::string& path);

}  // namespace fq
