// The item menu on a freedesktop.org desktop: open, open with each
// application registered for the item's type, show in the file manager, and
// the file manager's properties of the item.
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "DesktopApplications.h"
#include "DesktopSession.h"
#include "ExecLine.h"
#include "ExtShell.h"
#include "FileManagerBus.h"

namespace fq {
namespace {

// The item list holds a task's name where it holds paths of files; a name is
// no absolute path, and so no item, even when the working folder holds
// something of that name.
bool NamesAnItem(const QString& path) { return QDir::isAbsolutePath(path) && QFileInfo::exists(path); }

QString MenuText(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

QIcon ApplicationIcon(const QString& icon) {
    if (icon.isEmpty()) return {};
    return QDir::isAbsolutePath(icon) ? QIcon(icon) : QIcon::fromTheme(icon);
}

// A program that needs a terminal runs in the system's default one.
LaunchCommand InTerminal(LaunchCommand command) {
    command.arguments.prepend(command.program);
    command.arguments.prepend(QStringLiteral("-e"));
    command.program = QStringLiteral("x-terminal-emulator");
    return command;
}

class ItemMenu {
public:
    ItemMenu(QWidget* owner, const QString& path) : path_(QDir::cleanPath(path)), menu_(owner) {
        menu_.setDefaultAction(AddCommand(menu_, QStringLiteral("&Open"), [this] { return Open(); }));
        AddOpenWith();
        menu_.addSeparator();
        AddCommand(menu_, QStringLiteral("Show in &File Manager"), [this] { return AskFileManager(kShowItemsMethod); });
        AddCommand(menu_, QStringLiteral("P&roperties"), [this] { return AskFileManager(kShowItemPropertiesMethod); });
    }

    // True when a command was picked and started.
    bool Run(const QPoint& screenPosition) {
        const auto command = commands_.find(CurrentDesktopSession().ChooseFromMenu(menu_, screenPosition));
        return command != commands_.end() && command->second();
    }

private:
    QAction* AddCommand(QMenu& menu, const QString& text, std::function<bool()> command) {
        QAction* action = menu.addAction(text);
        commands_.emplace(action, std::move(command));
        return action;
    }

    // An application whose Exec line cannot be read is left out.
    void AddOpenWith() {
        QMenu* openWith = menu_.addMenu(QStringLiteral("Open &With"));
        const DesktopFolders folders = DesktopFolders::FromEnvironment();
        for (const DesktopApplication& application : ApplicationsForTypes(MimeTypeWithAncestors(path_), folders)) {
            std::optional<LaunchCommand> command = ExecLineCommand(application.exec, path_);
            if (!command) continue;
            command->workingDirectory = application.workingDirectory;
            if (application.terminal) command = InTerminal(*command);
            QAction* action = AddCommand(*openWith, MenuText(application.name), [command = *command] {
                return CurrentDesktopSession().StartProgram(command);
            });
            action->setIcon(ApplicationIcon(application.icon));
        }
        openWith->setEnabled(!openWith->isEmpty());
    }

    bool Open() const { return CurrentDesktopSession().OpenUrl(QUrl::fromLocalFile(path_)); }

    // With no file manager on the bus, the folder that holds the item opens.
    bool AskFileManager(const QString& method) const {
        DesktopSession& session = CurrentDesktopSession();
        return session.CallFileManager(method, QUrl::fromLocalFile(path_).toString(QUrl::FullyEncoded)) ||
               session.OpenUrl(QUrl::fromLocalFile(QFileInfo(path_).absolutePath()));
    }

    const QString path_;
    QMenu menu_;
    std::map<QAction*, std::function<bool()>> commands_;
};

}  // namespace

bool ShowShellContextMenu(QWidget* owner, const QString& path, const QPoint& clientPoint) {
    if (!NamesAnItem(path)) return false;
    ItemMenu menu(owner, path);
    return menu.Run(owner != nullptr ? owner->mapToGlobal(clientPoint) : clientPoint);
}

}  // namespace fq
