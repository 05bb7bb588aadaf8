// The shell's own context menu, on the main window's native window.
#include <windows.h>

#include <QDir>
#include <QWidget>

#include "ExtShell.h"
#include "ShellNamespace_win.h"

namespace fq {

bool ShowShellContextMenu(QWidget* owner, const QString& path, const QPoint& clientPoint) {
    const HWND window = reinterpret_cast<HWND>(owner->winId());
    // The shell parses backslashes; a path from a Qt dialog may hold slashes.
    const std::string nativePath = QDir::toNativeSeparators(path).toStdString();
    return extshell::ShowShellContextMenu(window, nativePath, POINT{clientPoint.x(), clientPoint.y()});
}

}  // namespace fq
