#pragma once
// The desktop's own context menu for a file or folder, shown at a point of a
// window, running what the user picks there.
#include <QPoint>
#include <QString>

class QWidget;

namespace fq {

// Shows the menu at clientPoint (in owner's coordinates). True when the user
// picked a command and it ran. A path that names nothing gives no menu and
// false. On Windows this is the shell's menu for the item, with the commands
// of installed shell extensions; elsewhere the desktop's equivalent: open,
// open with the applications registered for the item's type, show in the
// file manager, and its properties.
bool ShowShellContextMenu(QWidget* owner, const QString& path, const QPoint& clientPoint);

}  // namespace fq
