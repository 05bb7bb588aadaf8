#pragma once
// What the item menu hands over to the desktop: showing the menu, opening a
// file with its default application, starting a program, asking the file
// manager. Tests install a recorder in its place.
#include <QString>
#include <memory>

class QAction;
class QMenu;
class QPoint;
class QUrl;

namespace fq {

struct LaunchCommand;

class DesktopSession {
public:
    virtual ~DesktopSession() = default;

    // Shows menu modally at a screen position; the action picked, or nullptr
    // when it closed without a pick.
    virtual QAction* ChooseFromMenu(QMenu& menu, const QPoint& screenPosition) = 0;
    // Opens url with the desktop's default application; true when it started.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Starts the program detached, with its arguments as they are (no shell
    // reads them); true when it started.
    virtual bool StartProgram(const LaunchCommand& command) = 0;
    // Calls method of the file manager (FileManagerBus.h) on the session bus;
    // true when a file manager answered.
    virtual bool CallFileManager(const QString& method, const QString& itemUri) = 0;
};

// The session in use; nullptr restores the real desktop.
void SetDesktopSession(std::shared_ptr<DesktopSession> session);
DesktopSession& CurrentDesktopSession();

}  // namespace fq
