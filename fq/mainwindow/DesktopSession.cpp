#include "DesktopSession.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QMenu>
#include <QProcess>
#include <QUrl>

#include "ExecLine.h"
#include "FileManagerBus.h"

namespace fq {
namespace {

class SystemDesktopSession : public DesktopSession {
public:
    QAction* ChooseFromMenu(QMenu& menu, const QPoint& screenPosition) override { return menu.exec(screenPosition); }

    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

    bool StartProgram(const LaunchCommand& command) override {
        return QProcess::startDetached(command.program, command.arguments, command.workingDirectory);
    }

    bool CallFileManager(const QString& method, const QString& itemUri) override {
        return fq::CallFileManager(QDBusConnection::sessionBus(), method, itemUri);
    }
};

std::shared_ptr<DesktopSession>& Installed() {
    static std::shared_ptr<DesktopSession> session = std::make_shared<SystemDesktopSession>();
    return session;
}

}  // namespace

void SetDesktopSession(std::shared_ptr<DesktopSession> session) {
    Installed() = session ? std::move(session) : std::make_shared<SystemDesktopSession>();
}

DesktopSession& CurrentDesktopSession() { return *Installed(); }

}  // namespace fq
