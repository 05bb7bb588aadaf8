#pragma once
// The record behind each node of the project tree: a copy of what the node
// shows, made when the tree is filled.
#include <QString>

#include "uProject.h"

namespace fq {

struct TreeNodeData {
    QString ID;
    QString ParentID;  // the node it was added under; "0" for a project
    QString Name;
    bool IsTask = false;
    bool IsProject = false;
    int Progress = 0;
    int Priority = -1;  // -1 for a project
    QString Description;
    TDateTime StartDate = 0;
    TDateTime EndDate = 0;
};

TreeNodeData ProjectNodeData(const TSFProject& project);
TreeNodeData TaskNodeData(const TSFTask& task, const QString& parentId);

}  // namespace fq
