#include "TreeNodeData.h"

namespace fq {

TreeNodeData ProjectNodeData(const TSFProject& project) {
    TreeNodeData data;
    data.ID = QString::fromStdString(project.ID);
    data.ParentID = QStringLiteral("0");
    data.Name = QString::fromStdString(project.ProjectName);
    data.IsProject = true;
    data.StartDate = project.StartDate;
    data.EndDate = project.ProjectEndDate();
    return data;
}

TreeNodeData TaskNodeData(const TSFTask& task, const QString& parentId) {
    TreeNodeData data;
    data.ID = QString::fromStdString(task.ID);
    data.ParentID = parentId;
    data.Name = QString::fromStdString(task.TaskName);
    data.IsTask = true;
    data.Progress = task.Progress;
    data.Priority = task.Priority;
    data.Description = QString::fromStdString(task.Description);
    data.StartDate = task.StartDate;
    data.EndDate = task.EndDate;
    return data;
}

}  // namespace fq
