// The item menu of a freedesktop.org desktop. Fake desktop entries and
// mimeapps.list files lie in the test's own XDG folders (the machine's own
// applications stay out); a recorder stands in for the desktop, so that no
// menu is shown and nothing is started, except where the real hand-over is
// the point: a real program started with an awkward path, and the file
// manager's D-Bus interface served on a private bus.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeDatabase>
#include <QMutex>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "DesktopApplications.h"
#include "DesktopSession.h"
#include "ExecLine.h"
#include "ExtShell.h"
#include "FileManagerBus.h"
#include "GuiTestMain.h"
#include "TempFolder.h"
#include "TestEnvironment.h"

namespace fq {
namespace {

QString TestRootPath() { return QString::fromStdString(test::TestRoot().string()); }
QString UserDataFolder() { return qEnvironmentVariable("XDG_DATA_HOME"); }
QString UserConfigFolder() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }
QString SystemDataFolder() { return TestRootPath() + QStringLiteral("/system-data"); }
QString SystemConfigFolder() { return TestRootPath() + QStringLiteral("/system-config"); }

void WriteText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString Application(const QString& name, const QString& exec, const QString& mimeTypes, const QString& more = {}) {
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nMimeType=%3\n%4")
        .arg(name, exec, mimeTypes, more);
}

// The applications of the fake desktop, their associations and defaults.
// Lower precedence: the system's data folder; higher: the user's.
void WriteDesktop() {
    const QString system = SystemDataFolder() + QStringLiteral("/applications/");
    WriteText(system + "editor.desktop", Application("Editor", "/usr/bin/editor --new %F", "text/plain;"));
    WriteText(system + "viewer.desktop", Application("Viewer", "viewer %u", "text/plain;image/png;",
                                                     "Name[de]=Betrachter\nName[de_CH]=Anzeiger\n"));
    WriteText(system + "addon.desktop", Application("Add-on", "addon %f", ""));
    WriteText(system + "cached.desktop", Application("Cached", "cached", ""));
    WriteText(system + "mimeinfo.cache", "[MIME Cache]\ntext/plain=cached.desktop;\n");
    WriteText(system + "dropped.desktop", Application("Dropped", "dropped %f", "text/plain;"));
    WriteText(system + "hidden.desktop", Application("Hidden", "hidden %f", "text/plain;", "Hidden=true\n"));
    WriteText(system + "secret.desktop", Application("Secret", "secret %f", "text/plain;", "NoDisplay=true\n"));
    WriteText(system + "gone.desktop", Application("Gone", "gone %f", "text/plain;", "TryExec=/nonexistent/gone\n"));
    WriteText(system + "link.desktop",
              "[Desktop Entry]\nType=Link\nName=Link\nURL=https://example.org\nMimeType=text/plain;\n");
    WriteText(system + "shadowed.desktop", Application("Shadowed", "shadowed %f", "text/plain;"));
    WriteText(system + "hexer.desktop", Application("Hex & Bytes", "hexer %f", "application/octet-stream;"));
    WriteText(system + "files.desktop", Application("Files", "files %U", "inode/directory;"));
    WriteText(system + "tools/lister.desktop", Application("Lister", "lister %f", "inode/directory;"));
    // An alias of text/csv; the Exec line as the key file writes it, with a
    // backslash escaped for the key file and then for the quotes.
    WriteText(system + "sheet.desktop",
              Application("Sheet Tool", R"("/opt/My Tools/sheet" --title "A \\\\ B" %f)", "text/x-csv;"));
    WriteText(system + "termed.desktop",
              Application("Terminal Viewer", "less %f", "text/csv;", "Terminal=true\nPath=/srv/work\n"));
    // The system's list neither adds to nor removes from the user's own entries.
    WriteText(system + "mimeapps.list",
              "[Default Applications]\ntext/plain=viewer.desktop;\n"
              "[Added Associations]\ntext/x-c++src=notes.desktop;\n"
              "[Removed Associations]\ntext/x-c++src=coder.desktop;\n");

    const QString user = UserDataFolder() + QStringLiteral("/applications/");
    WriteText(user + "shadowed.desktop", "[Desktop Entry]\nType=Application\nName=Shadowed\nHidden=true\n");
    WriteText(user + "coder.desktop", Application("Coder", "coder %f", "text/x-c++src;"));
    WriteText(user + "notes.desktop", Application("Notes", "notes %f", "text/markdown;"));

    // The first three defaults are not installed, not for text, not to be
    // shown: each is passed over for the next.
    WriteText(UserConfigFolder() + "/mimeapps.list",
              "[Default Applications]\ntext/plain=missing.desktop;files.desktop;secret.desktop;editor.desktop;\n"
              "[Added Associations]\ntext/plain=addon.desktop;\n"
              "[Removed Associations]\ntext/plain=dropped.desktop;\n");
    WriteText(UserConfigFolder() + "/testdesk-mimeapps.list",
              "[Default Applications]\ninode/directory=tools-lister.desktop;\n");
}

// Texts of menu entries as the user reads them.
QString WithoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Every entry of a menu as "Open With/Editor"; "-" for a separator.
QStringList Entries(const QMenu& menu, const QString& prefix = {}) {
    QStringList entries;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            entries.append(QStringLiteral("-"));
            continue;
        }
        QString text = prefix + WithoutMnemonic(action->text());
        if (!action->isEnabled()) text += QStringLiteral(" (disabled)");
        if (action == menu.defaultAction()) text += QStringLiteral(" (default)");
        if (action->menu() != nullptr && action->isEnabled())
            entries += Entries(*action->menu(), text + QLatin1Char('/'));
        else
            entries.append(text);
    }
    return entries;
}

QAction* FindEntry(const QMenu& menu, const QString& entry) {
    const QString first = entry.section(QLatin1Char('/'), 0, 0);
    const QString rest = entry.section(QLatin1Char('/'), 1);
    for (QAction* action : menu.actions()) {
        if (WithoutMnemonic(action->text()) != first) continue;
        return rest.isEmpty() || action->menu() == nullptr ? action : FindEntry(*action->menu(), rest);
    }
    return nullptr;
}

class RecordingDesktopSession : public DesktopSession {
public:
    QAction* ChooseFromMenu(QMenu& menu, const QPoint& screenPosition) override {
        ++menusShown;
        shownAt = screenPosition;
        shownEntries = Entries(menu);
        return pick.isEmpty() ? nullptr : FindEntry(menu, pick);
    }

    bool OpenUrl(const QUrl& url) override {
        calls.append(QStringLiteral("open ") + url.toString(QUrl::FullyEncoded));
        return openSucceeds;
    }

    bool StartProgram(const LaunchCommand& command) override {
        QString call =
            QStringLiteral("start ") + (QStringList{command.program} + command.arguments).join(QStringLiteral(" | "));
        if (!command.workingDirectory.isEmpty())
            call += QStringLiteral(" (in ") + command.workingDirectory + QLatin1Char(')');
        calls.append(call);
        return startSucceeds;
    }

    bool CallFileManager(const QString& method, const QString& itemUri) override {
        calls.append(QStringLiteral("file manager ") + method + QLatin1Char(' ') + itemUri);
        return fileManagerAnswers;
    }

    // The entry to pick, such as "Open With/Editor"; empty closes the menu
    // without a pick, as Escape does.
    QString pick;
    bool openSucceeds = true;
    bool startSucceeds = true;
    bool fileManagerAnswers = true;

    int menusShown = 0;
    QPoint shownAt;
    QStringList shownEntries;
    QStringList calls;
};

class RecordingDesktop {
public:
    RecordingDesktop() { SetDesktopSession(session_); }
    ~RecordingDesktop() { SetDesktopSession(nullptr); }
    RecordingDesktopSession* operator->() { return session_.get(); }

private:
    std::shared_ptr<RecordingDesktopSession> session_ = std::make_shared<RecordingDesktopSession>();
};

// The items the menu is shown for, with names a shell would stumble over.
struct Items {
    test::TempFolder folder;
    QString text = QString::fromStdString(folder.WriteFile("it's \"a\" b; c.txt", "some notes\n"));
    QString table = QString::fromStdString(folder.WriteFile("costs $(x) `y`.csv", "a,b\n1,2\n"));
    QString blob = QString::fromStdString(folder.WriteFile("blob.zzq", std::string("\x00\x01\x02\xfe\xff", 5)));
    QString code = QString::fromStdString(folder.WriteFile("main.cpp", "int main() {}\n"));
    QString plans = QString::fromStdString(folder.MakeFolder("Plans and; ideas"));

    QString Path(const QString& kind) const {
        if (kind == QLatin1String("text")) return text;
        if (kind == QLatin1String("table")) return table;
        if (kind == QLatin1String("blob")) return blob;
        if (kind == QLatin1String("code")) return code;
        return plans;
    }
};

QString Uri(const QString& path) { return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded); }

// {path}, {uri} and {folder uri} of an item put into expected texts.
QStringList Filled(QStringList texts, const QString& path) {
    for (QString& text : texts)
        text.replace(QStringLiteral("{path}"), path)
            .replace(QStringLiteral("{uri}"), Uri(path))
            .replace(QStringLiteral("{folder uri}"), Uri(QFileInfo(path).absolutePath()));
    return texts;
}

// A message bus of the test's own, so that no real file manager is asked,
// with nothing on it that the bus could start.
class PrivateBus {
public:
    ~PrivateBus() {
        if (daemon_.state() == QProcess::NotRunning) return;
        daemon_.terminate();
        if (!daemon_.waitForFinished(3000)) daemon_.kill();
        daemon_.waitForFinished(3000);
    }

    // The bus's address, or empty when it did not start.
    QString Start(const QString& folder) {
        const QString config = folder + QStringLiteral("/bus.conf");
        WriteText(config, QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                         "<auth>EXTERNAL</auth><policy context=\"default\">"
                                         "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                         "<allow own=\"*\"/></policy></busconfig>")
                              .arg(folder));
        daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config,
                                                      QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!daemon_.waitForStarted(5000)) return {};
        while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
        }
        return QString::fromUtf8(daemon_.readLine()).trimmed();
    }

private:
    QProcess daemon_;
};

// A file manager's D-Bus interface that notes each call. It lives in a
// thread of its own, so that it answers while the caller waits.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList Calls() const {
        const QMutexLocker lock(&mutex_);
        return calls_;
    }

public slots:
    void ShowItems(const QStringList& uris, const QString& startupId) { Note("ShowItems", uris, startupId); }
    void ShowItemProperties(const QStringList& uris, const QString& startupId) {
        Note("ShowItemProperties", uris, startupId);
    }

private:
    void Note(const char* method, const QStringList& uris, const QString& startupId) {
        const QMutexLocker lock(&mutex_);
        calls_.append(QString::fromLatin1(method) + QLatin1Char(' ') + uris.join(QLatin1Char(',')) +
                      QStringLiteral(" startup id '") + startupId + QLatin1Char('\''));
    }

    mutable QMutex mutex_;
    QStringList calls_;
};

}  // namespace

class DesktopMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString mimeDatabase = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("mime"),
                                                            QStandardPaths::LocateDirectory);
        QVERIFY2(!mimeDatabase.isEmpty(), "the shared MIME database (shared-mime-info) is needed");
        // Only the MIME database comes from the machine, none of its applications.
        QVERIFY(QDir().mkpath(SystemDataFolder()));
        QVERIFY(QFile::link(mimeDatabase, SystemDataFolder() + QStringLiteral("/mime")));
        qputenv("XDG_DATA_DIRS", SystemDataFolder().toUtf8());
        qputenv("XDG_CONFIG_DIRS", SystemConfigFolder().toUtf8());
        qputenv("XDG_CURRENT_DESKTOP", "TestDesk:Generic");
        WriteDesktop();
    }

    void offersTheRegisteredApplicationsInOrder_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("expected");
        const QStringList forText{"editor.desktop", "addon.desktop", "cached.desktop", "viewer.desktop",
                                  "hexer.desktop"};
        // The user's default before the system's; the type's own applications before those of the types it is a kind
        // of.
        QTest::newRow("text file") << "text" << forText;
        QTest::newRow("folder, the desktop's own default first")
            << "folder" << QStringList{"tools-lister.desktop", "files.desktop"};
        QTest::newRow("unknown type") << "blob" << QStringList{"hexer.desktop"};
        QTest::newRow("the system's associations leave the user's own entries alone")
            << "code" << QStringList{"coder.desktop"} + forText;
        QTest::newRow("type named by an alias") << "table" << QStringList{"sheet.desktop", "termed.desktop"} + forText;
    }

    void offersTheRegisteredApplicationsInOrder() {
        QFETCH(QString, item);
        QFETCH(QStringList, expected);
        const Items items;
        QStringList offered;
        for (const DesktopApplication& application :
             ApplicationsForTypes(MimeTypeWithAncestors(items.Path(item)), DesktopFolders::FromEnvironment()))
            offered.append(application.id);
        QCOMPARE(offered, expected);
    }

    void namesTheApplicationInTheUsersLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("language and country") << "de_CH"
                                              << "Anzeiger";
        QTest::newRow("language only") << "de_AT"
                                       << "Betrachter";
        QTest::newRow("no translation") << "fr_FR"
                                        << "Viewer";
        QTest::newRow("C locale") << "C"
                                  << "Viewer";
    }

    void namesTheApplicationInTheUsersLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        DesktopFolders folders = DesktopFolders::FromEnvironment();
        folders.localeName = locale;
        const QMimeType png = QMimeDatabase().mimeTypeForName(QStringLiteral("image/png"));
        const QList<DesktopApplication> applications = ApplicationsForTypes({png}, folders);
        QCOMPARE(applications.size(), 1);
        QCOMPARE(applications.constFirst().name, expected);
    }

    void turnsAnExecLineIntoProgramAndArguments_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QString plain = QStringLiteral("/home/u/notes.txt");
        const QString awkward =
            QStringLiteral("/home/u/it's \"a\" b; touch injected $(touch injected) `touch injected` *.txt");
        QTest::newRow("%f") << "editor %f" << plain << "editor" << QStringList{plain};
        QTest::newRow("%F") << "editor --new %F" << plain << "editor" << QStringList{"--new", plain};
        QTest::newRow("%u") << "viewer %u" << plain << "viewer" << QStringList{"file:///home/u/notes.txt"};
        QTest::newRow("%U") << "viewer --tab %U"
                            << "/home/u/a b.txt"
                            << "viewer" << QStringList{"--tab", "file:///home/u/a%20b.txt"};
        QTest::newRow("file code inside an argument")
            << "tool --file=%f" << plain << "tool" << QStringList{"--file=" + plain};
        QTest::newRow("no file code: the path comes last")
            << "tool --flag" << plain << "tool" << QStringList{"--flag", plain};
        QTest::newRow("quoted arguments with blanks")
            << "\"/opt/My App/app\" --title \"Two words\" %f" << plain << "/opt/My App/app"
            << QStringList{"--title", "Two words", plain};
        QTest::newRow("escapes inside quotes")
            << "app \"say \\\"hi\\\"\" \"a\\\\b\" \"\\$HOME\" \"\\`x\\`\" \"c\\d\"" << plain << "app"
            << QStringList{"say \"hi\"", "a\\b", "$HOME", "`x`", "c\\d", plain};
        QTest::newRow("escapes outside quotes")
            << "app two\\ words \\\"q\\\"" << plain << "app" << QStringList{"two words", "\"q\"", plain};
        QTest::newRow("empty quoted argument kept") << "app \"\" %f" << plain << "app" << QStringList{"", plain};
        QTest::newRow("field codes dropped")
            << "app %i %c %k --x %f %d %D %n %N %v %m" << plain << "app" << QStringList{"--x", plain};
        QTest::newRow("dropped code inside an argument")
            << "app --icon=%i %f" << plain << "app" << QStringList{"--icon=", plain};
        QTest::newRow("percent sign") << "app --zoom=100%% %f" << plain << "app" << QStringList{"--zoom=100%", plain};
        QTest::newRow("field code inside quotes is text")
            << "sh -c \"echo %f\"" << plain << "sh" << QStringList{"-c", "echo %f", plain};
        QTest::newRow("extra blanks") << "  app \t  %f  " << plain << "app" << QStringList{plain};
        QTest::newRow("awkward path as one argument") << "app %f" << awkward << "app" << QStringList{awkward};
        QTest::newRow("awkward path as one URL")
            << "app %U" << awkward << "app" << QStringList{QUrl::fromLocalFile(awkward).toString(QUrl::FullyEncoded)};
    }

    void turnsAnExecLineIntoProgramAndArguments() {
        QFETCH(QString, exec);
        QFETCH(QString, path);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const std::optional<LaunchCommand> command = ExecLineCommand(exec, path);
        QVERIFY(command.has_value());
        QCOMPARE(command->program, program);
        QCOMPARE(command->arguments, arguments);
    }

    void refusesMalformedExecLines_data() {
        QTest::addColumn<QString>("exec");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("open quote") << "app \"unterminated %f";
        QTest::newRow("lone backslash at the end") << "app %f \\";
        QTest::newRow("program from the path") << "%f --flag";
        QTest::newRow("only dropped codes") << "%i %c";
        QTest::newRow("empty program") << "\"\" %f";
    }

    void refusesMalformedExecLines() {
        QFETCH(QString, exec);
        QVERIFY(!ExecLineCommand(exec, QStringLiteral("/home/u/notes.txt")).has_value());
    }

    void menuHoldsTheItemsCommands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("openWith");
        QTest::newRow("text file") << "text" << QStringList{"Editor", "Add-on", "Cached", "Viewer", "Hex & Bytes"};
        QTest::newRow("folder") << "folder" << QStringList{"Lister", "Files"};
        QTest::newRow("unknown type") << "blob" << QStringList{"Hex & Bytes"};
    }

    // Closed without a pick, as with Escape: nothing runs.
    void menuHoldsTheItemsCommands() {
        QFETCH(QString, item);
        QFETCH(QStringList, openWith);
        const Items items;
        RecordingDesktop desktop;
        QWidget owner;
        owner.setGeometry(120, 80, 300, 200);
        const QPoint clientPoint(17, 23);

        QVERIFY(!ShowShellContextMenu(&owner, items.Path(item), clientPoint));

        QStringList expected{"Open (default)"};
        for (const QString& name : openWith) expected.append("Open With/" + name);
        expected += QStringList{"-", "Show in File Manager", "Properties"};
        QCOMPARE(desktop->menusShown, 1);
        QCOMPARE(desktop->shownEntries, expected);
        QCOMPARE(desktop->shownAt, owner.mapToGlobal(clientPoint));
        QCOMPARE(desktop->calls, QStringList());
    }

    void openWithIsDisabledWithoutApplications() {
        const Items items;
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
        const test::TempFolder empty;
        qputenv("XDG_DATA_HOME", empty.Path().c_str());
        qputenv("XDG_DATA_DIRS", empty.Path().c_str());
        RecordingDesktop desktop;
        ShowShellContextMenu(nullptr, items.plans, {});
        qputenv("XDG_DATA_HOME", dataHome);
        qputenv("XDG_DATA_DIRS", dataDirs);
        QCOMPARE(desktop->shownEntries,
                 (QStringList{"Open (default)", "Open With (disabled)", "-", "Show in File Manager", "Properties"}));
    }

    void noMenuForWhatNamesNoItem_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << TestRootPath() + "/no such file.txt";
        QTest::newRow("empty") << "";
        QTest::newRow("a task's name, even one the working folder holds") << "Layout";
    }

    void noMenuForWhatNamesNoItem() {
        QFETCH(QString, path);
        const test::TempFolder workingFolder;
        workingFolder.WriteFile("Layout", "x");
        const QString previousFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QString::fromStdString(workingFolder.Path().string())));
        RecordingDesktop desktop;
        desktop->pick = QStringLiteral("Open");
        const bool ran = ShowShellContextMenu(nullptr, path, {});
        QDir::setCurrent(previousFolder);
        QVERIFY(!ran);
        QCOMPARE(desktop->menusShown, 0);
        QCOMPARE(desktop->calls, QStringList());
    }

    void pickingAnEntryRunsItsCommand_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("open") << "text"
                              << "Open" << QStringList{"open {uri}"};
        QTest::newRow("open with the default")
            << "text"
            << "Open With/Editor" << QStringList{"start /usr/bin/editor | --new | {path}"};
        QTest::newRow("open with a URL taker") << "text"
                                               << "Open With/Viewer" << QStringList{"start viewer | {uri}"};
        QTest::newRow("open with a name holding &") << "blob"
                                                    << "Open With/Hex & Bytes" << QStringList{"start hexer | {path}"};
        QTest::newRow("open with, escapes of the key file")
            << "table"
            << "Open With/Sheet Tool" << QStringList{"start /opt/My Tools/sheet | --title | A \\ B | {path}"};
        QTest::newRow("open with, in a terminal")
            << "table"
            << "Open With/Terminal Viewer"
            << QStringList{"start x-terminal-emulator | -e | less | {path} (in /srv/work)"};
        QTest::newRow("open a folder with") << "folder"
                                            << "Open With/Files" << QStringList{"start files | {uri}"};
        QTest::newRow("show a file in the file manager")
            << "text"
            << "Show in File Manager" << QStringList{"file manager ShowItems {uri}"};
        QTest::newRow("show a folder in the file manager")
            << "folder"
            << "Show in File Manager" << QStringList{"file manager ShowItems {uri}"};
        QTest::newRow("properties") << "table"
                                    << "Properties" << QStringList{"file manager ShowItemProperties {uri}"};
    }

    void pickingAnEntryRunsItsCommand() {
        QFETCH(QString, item);
        QFETCH(QString, pick);
        QFETCH(QStringList, expected);
        const Items items;
        RecordingDesktop desktop;
        desktop->pick = pick;
        QVERIFY(ShowShellContextMenu(nullptr, items.Path(item), {}));
        QCOMPARE(desktop->calls, Filled(expected, items.Path(item)));
    }

    void withoutAFileManagerTheContainingFolderOpens_data() {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("method");
        QTest::newRow("show in file manager") << "Show in File Manager"
                                              << "ShowItems";
        QTest::newRow("properties") << "Properties"
                                    << "ShowItemProperties";
    }

    void withoutAFileManagerTheContainingFolderOpens() {
        QFETCH(QString, pick);
        QFETCH(QString, method);
        const Items items;
        RecordingDesktop desktop;
        desktop->pick = pick;
        desktop->fileManagerAnswers = false;
        QVERIFY(ShowShellContextMenu(nullptr, items.text, {}));
        QCOMPARE(desktop->calls, Filled({"file manager " + method + " {uri}", "open {folder uri}"}, items.text));
    }

    void aCommandThatDoesNotStartGivesFalse_data() {
        QTest::addColumn<QString>("pick");
        QTest::newRow("open") << "Open";
        QTest::newRow("open with") << "Open With/Editor";
        QTest::newRow("show in file manager") << "Show in File Manager";
    }

    void aCommandThatDoesNotStartGivesFalse() {
        QFETCH(QString, pick);
        const Items items;
        RecordingDesktop desktop;
        desktop->pick = pick;
        desktop->openSucceeds = false;
        desktop->startSucceeds = false;
        desktop->fileManagerAnswers = false;
        QVERIFY(!ShowShellContextMenu(nullptr, items.text, {}));
        QVERIFY(!desktop->calls.isEmpty());
    }

    // The real start: a script writes down its working folder and each
    // argument it got, one per line.
    void startsARealProgramWithThePathAsOneArgument() {
        const test::TempFolder folder;
        const QString here = QDir(QString::fromStdString(folder.Path().string())).canonicalPath();
        const QString script = here + "/record-arguments";
        WriteText(script, QStringLiteral("#!/bin/sh\n"
                                         "{ pwd -P; echo \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } "
                                         "> '%1/out.tmp'\n"
                                         "mv '%1/out.tmp' '%1/arguments.txt'\n")
                              .arg(here));
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString workingFolder = QDir(QString::fromStdString(folder.MakeFolder("work"))).canonicalPath();
        const QString awkward = here + "/it's \"a\" b; touch injected $(touch injected) `touch injected` *.txt";
        const std::optional<LaunchCommand> command = ExecLineCommand(script + " --first %f", awkward);
        QVERIFY(command.has_value());
        LaunchCommand inFolder = *command;
        inFolder.workingDirectory = workingFolder;

        QVERIFY(CurrentDesktopSession().StartProgram(inFolder));

        const QString arguments = here + "/arguments.txt";
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(arguments), 10000);
        QFile file(arguments);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{workingFolder, "2", "[--first]", "[" + awkward + "]"}));
    }

    void asksTheFileManagerOverDBus() {
        const test::TempFolder folder;
        PrivateBus bus;
        const QString address = bus.Start(QString::fromStdString(folder.Path().string()));
        QVERIFY2(!address.isEmpty(), "dbus-daemon did not start");
        QDBusConnection service = QDBusConnection::connectToBus(address, QStringLiteral("fq-file-manager"));
        QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("fq-client"));
        QVERIFY(service.isConnected() && client.isConnected());
        QThread thread;
        FakeFileManager fileManager;
        fileManager.moveToThread(&thread);
        thread.start();
        const auto stopThread = qScopeGuard([&thread] {
            thread.quit();
            thread.wait();
        });
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        const QString uri = Uri(QStringLiteral("/home/u/it's \"a\" b; c.txt"));

        const bool shown = CallFileManager(client, kShowItemsMethod, uri);
        const bool propertiesShown = CallFileManager(client, kShowItemPropertiesMethod, uri);
        service.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        QElapsedTimer clock;
        clock.start();
        const bool answeredWhenGone = CallFileManager(client, kShowItemsMethod, uri);
        const qint64 millisecondsWhenGone = clock.elapsed();

        service.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fq-file-manager"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fq-client"));
        QVERIFY(shown);
        QVERIFY(propertiesShown);
        QCOMPARE(fileManager.Calls(),
                 (QStringList{"ShowItems " + uri + " startup id ''", "ShowItemProperties " + uri + " startup id ''"}));
        QVERIFY(!answeredWhenGone);
        QVERIFY2(millisecondsWhenGone < 5000, "a bus without a file manager answers at once");
    }

    void noFileManagerWithoutABus() {
        const QDBusConnection none =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("fq-none"));
        QVERIFY(!CallFileManager(none, kShowItemsMethod, Uri(QStringLiteral("/home/u/a.txt"))));
        QDBusConnection::disconnectFromBus(QStringLiteral("fq-none"));
    }
};

}  // namespace fq

FQ_GUI_TEST_MAIN(fq::DesktopMenuTest)

#include "DesktopMenuTest.moc"
