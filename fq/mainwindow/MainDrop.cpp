// Files and folders dropped on the main window: each attached in turn to the
// selected task. A drop is saved at once, like every other change.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "FolderRecord.h"
#include "uMain.h"

namespace fq {
namespace {

QStringList LocalPaths(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

}  // namespace

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// An error while a path is attached ends the drop and goes to the error log;
// what was attached before it is saved when the window closes.
void TfrmMain::dropEvent(QDropEvent* event) {
    const QStringList paths = LocalPaths(event->mimeData());
    event->acceptProposedAction();
    for (const QString& path : paths) AddDroppedPath(path);
    if (!paths.isEmpty()) SavePlan();
}

// The selection is looked at anew for each path, as for "Add File".
void TfrmMain::AddDroppedPath(const QString& path) {
    TSFTask* task = TaskToAddTo("You should select a task before adding a file.");
    if (task == nullptr) return;
    const std::string taskId = task->ID;
    task->AddItem(path.toStdString(), FileCaption(path.toStdString()));
    vtTreeClick();
    SelectInTree(QString::fromStdString(taskId));
}

}  // namespace fq
