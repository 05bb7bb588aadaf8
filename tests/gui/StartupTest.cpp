// The program's start-up and shutdown, its command line, a second copy
// started from the file manager, the error log and the about box.
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "ErrorLog.h"
#include "FennquillApplication.h"
#include "GuiTestMain.h"
#include "ProjectTreeModel.h"
#include "RecordingDialogs.h"
#include "RecordingFolderMarker.h"
#include "TempFolder.h"
#include "folders.h"
#include "registry.h"
#include "uAbout.h"
#include "uMain.h"
#include "uTask.h"

using namespace fq;

namespace {

const char kTask[] = "0123456789ABCDEF0123456789ABCDEF";
const char kProject[] = "FEDCBA9876543210FEDCBA9876543210";

void WritePlan() {
    TSFProjectManager plan;
    plan.FileName = ProjectFilePath();
    TSFProject& project = plan.Projects.Add();
    project.Initialize();
    project.ID = kProject;
    project.ProjectName = "Website";
    TSFTask& task = project.Tasks.Add();
    task.Initialize();
    task.ID = kTask;
    task.TaskName = "Layout";
    task.ParentID = kProject;
    task.Progress = 2;
    plan.Save();
}

std::string ReadFile(const std::string& path) {
    return std::filesystem::exists(path) ? test::ReadBytes(path) : std::string("<missing>");
}

int SavedProgress() {
    TSFProjectManager plan;
    plan.FileName = ProjectFilePath();
    plan.Load();
    return plan.Projects.Items(0).Tasks.Items(0).Progress;
}

std::string AppPath() {
    return platform::RegistryKey("Software\\Fennquill\\OS Data", platform::RegistryKey::Opening::ExistingOnly).ReadString("AppPath");
}

QStringList LogLines() {
    const QString text = QString::fromStdString(ReadFile(ErrorLogPath()));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// Answers the task dialog by moving its progress bar to 7 and pressing OK.
int SetProgressSevenAndAccept(QDialog& dialog) {
    auto* task = dynamic_cast<TfrmTask*>(&dialog);
    if (task == nullptr) return QDialog::Rejected;
    task->TrackBar1->setValue(7);
    return QDialog::Accepted;
}

// The program started again, as the file manager starts it; ended at the
// latest when the test ends, whatever the test found.
struct SecondCopy {
    explicit SecondCopy(const QStringList& arguments) { process.start(QStringLiteral(FQ_PROGRAM), arguments); }
    ~SecondCopy() {
        if (process.state() == QProcess::NotRunning) return;
        process.kill();
        process.waitForFinished(2000);
    }
    QProcess process;
};

// Throws from its event handler, as a faulty command would.
class FaultyObject : public QObject {
public:
    std::string message;
    bool abort = false;
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        if (abort) throw AbortError();
        throw std::runtime_error(message);
    }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

    test::MarkerRecorder marker;
    test::DialogsRecorder dialogs;

private slots:
    void init() {
        std::filesystem::remove(ProjectFilePath());
        std::filesystem::remove_all(ErrorLogPath());
        marker->calls.clear();
        dialogs->calls.clear();
        dialogs->onModal = [](QDialog&) { return int(QDialog::Rejected); };
    }

    void cleanup() {
    }

    void aFirstStartShowsAnEmptyTreeWritesAppPathAndSavesAnEmptyPlanOnClose() {
        TfrmMain window{QStringList()};
        QVERIFY(window.ShowsMainWindow());
        QVERIFY(!window.EndRequested());
        QCOMPARE(window.windowTitle(), QStringLiteral("Fennquill"));
        QCOMPARE(window.TreeModel->rowCount(), 0);
        QCOMPARE(AppPath(), platform::ProgramPath());
        QCOMPARE(ReadFile(ProjectFilePath()), std::string("<missing>"));
        window.close();
        QCOMPARE(ReadFile(ProjectFilePath()), std::string("<Projects />\r\n"));
        QVERIFY(!std::filesystem::exists(ErrorLogPath()));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("onlyTheDialog");
        QTest::newRow("a task's identifier") << QStringList{kTask} << true;
        QTest::newRow("a task's identifier and more") << QStringList{kTask, "ignored"} << true;
        QTest::newRow("a project's identifier") << QStringList{kProject} << false;
        QTest::newRow("a task's identifier in lower case") << QStringList{QString::fromLatin1(kTask).toLower()} << false;
        QTest::newRow("something else") << QStringList{"--help"} << false;
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, onlyTheDialog);
        WritePlan();
        TfrmMain window(arguments);
        QCOMPARE(window.ShowsMainWindow(), !onlyTheDialog);
        QCOMPARE(window.EndRequested(), onlyTheDialog);
        QCOMPARE(dialogs->calls, onlyTheDialog ? QStringList{"RunModal(Task Properties)"} : QStringList{});
        QCOMPARE(AppPath(), platform::ProgramPath());
    }

    void theCommandLineDialogStoresSavesAndRefreshesOnOk() {
        WritePlan();
        dialogs->onModal = SetProgressSevenAndAccept;
        TfrmMain window(QStringList{kTask});
        QVERIFY(window.EndRequested());
        QCOMPARE(SavedProgress(), 7);
        QCOMPARE(marker->calls.back(), std::string("RefreshScreenIcons()"));
    }

    void theCommandLineDialogChangesNothingOnCancel() {
        WritePlan();
        const std::string before = ReadFile(ProjectFilePath());
        dialogs->onModal = [](QDialog& dialog) {
            SetProgressSevenAndAccept(dialog);
            return int(QDialog::Rejected);
        };
        TfrmMain window(QStringList{kTask});
        QVERIFY(window.EndRequested());
        QCOMPARE(ReadFile(ProjectFilePath()), before);
        QVERIFY(marker->calls.empty());
    }

    // The plan that could not be read stays on disk, as a dated copy beside
    // the project file, before the closing window saves over it.
    void aPlanThatCannotBeReadIsKeptAsideBeforeAnythingIsSaved() {
        const std::string unreadable = "<Projects><Project ID=\"A\"><Tasks><Task Priority=\"high\"/></Tasks></Project></Projects>";
        std::ofstream(ProjectFilePath(), std::ios::binary) << unreadable;
        {
            TfrmMain window(QStringList{kTask});
            QVERIFY2(window.ShowsMainWindow(), "the window opens with what was read");
            QCOMPARE(dialogs->calls, QStringList());
            window.close();
        }
        const QStringList log = LogLines();
        QCOMPARE(log.size(), 2);
        QVERIFY(log[0].contains(QStringLiteral("'high' is not a valid integer value")));
        QVERIFY(log[1].startsWith(QStringLiteral("The project file could not be read; it is kept unchanged as ")));
        const std::string copy = log[1].mid(log[1].indexOf(QLatin1Char('/'))).chopped(1).toStdString();
        QCOMPARE(ReadFile(copy), unreadable);
        QVERIFY(ReadFile(ProjectFilePath()) != unreadable);
    }

    // A second copy started from the file manager hands its task to the open
    // window, which edits it: the change is in its tree and in its next save.
    void aSecondCopyHandsItsTaskToTheOpenWindow() {
        WritePlan();
        TfrmMain window{QStringList()};
        QVERIFY(window.ShowsMainWindow());
        dialogs->onModal = SetProgressSevenAndAccept;

        SecondCopy secondCopy({kTask});
        QVERIFY(secondCopy.process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(secondCopy.process.state() == QProcess::NotRunning, 10000);
        QCOMPARE(secondCopy.process.exitCode(), 0);
        QTRY_COMPARE(dialogs->calls, QStringList{"RunModal(Task Properties)"});

        QCOMPARE(window.Manager().Projects.Items(0).Tasks.Items(0).Progress, 7);
        QCOMPARE(SavedProgress(), 7);
        QCOMPARE(window.TreeModel->IndexOfId(kTask).siblingAtColumn(ProjectTreeModel::ProgressColumn).data().toString(),
                 QStringLiteral("70%"));
        window.close();
        QCOMPARE(SavedProgress(), 7);
    }

    // A task identifier that looks like a switch of Qt's reaches the program
    // as its argument: the second copy hands it to the open window.
    void aTaskIdentifierLikeAQtSwitchIsTheProgramsArgument() {
        TSFProjectManager plan;
        plan.FileName = ProjectFilePath();
        TSFProject& project = plan.Projects.Add();
        project.Initialize();
        TSFTask& task = project.Tasks.Add();
        task.Initialize();
        task.ID = "-reverse";
        task.ParentID = project.ID;
        plan.Save();
        TfrmMain window{QStringList()};

        SecondCopy secondCopy({QStringLiteral("-reverse")});
        QVERIFY(secondCopy.process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(secondCopy.process.state() == QProcess::NotRunning, 10000);
        QTRY_COMPARE(dialogs->calls, QStringList{"RunModal(Task Properties)"});
    }

    void errorsThatEscapeToTheEventLoopAreLoggedOneLineEach() {
        FaultyObject faulty;
        for (const char* message : {"first error", "second error", "third error"}) {
            faulty.message = message;
            QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
            QCoreApplication::processEvents();
        }
        faulty.abort = true;
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        faulty.abort = false;
        faulty.message = "two\nlines";
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(LogLines(), QStringList({"first error", "second error", "third error", "two", "lines"}));
    }

    void aLogThatCannotBeWrittenIsPassedOver() {
        std::filesystem::create_directories(ErrorLogPath());
        FaultyObject faulty;
        faulty.message = "lost";
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QVERIFY(std::filesystem::is_directory(ErrorLogPath()));
    }

    void theAboutBoxShowsTheProductAndItsLinks() {
        TfrmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(332, 138));
        QCOMPARE(about.Label1->text(), QStringLiteral("Fennquill 1.1"));
        QCOMPARE(about.Label4->text(), QStringLiteral("Mail to: "));
        QCOMPARE(about.Button1->text(), QStringLiteral("Close"));
        about.show();
        about.Label5Click();
        about.Label3Click();
        QCOMPARE(dialogs->calls, QStringList({QStringLiteral("OpenInShell(mailto:%1)").arg(kSupportAddress),
                                              QStringLiteral("OpenInShell(%1)").arg(kWebAddress)}));
        QVERIFY2(about.isVisible(), "the box stays open");
        QTest::mouseClick(about.Button1, Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Rejected));
        QVERIFY(!about.isVisible());
    }
};

FQ_GUI_TEST_MAIN_WITH(StartupTest, fq::FennquillApplication)
#include "StartupTest.moc"
