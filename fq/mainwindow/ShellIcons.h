#pragma once
// The icon the file manager shows for a path.
#include <QIcon>
#include <QString>

namespace fq {

// The desktop's icon for the file or folder; for a folder marked by this
// program, the status picture of its marker, as the Windows file manager
// shows it. An empty icon when nothing is at the path.
QIcon ShellIcon(const QString& path);

}  // namespace fq
