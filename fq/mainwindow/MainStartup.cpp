// The main window's start-up, its command-line branch and its shutdown.
#include <QCloseEvent>
#include <QDateTime>
#include <QTimer>

#include <filesystem>

#include "Dialogs.h"
#include "ErrorLog.h"
#include "FolderMarker.h"
#include "ProjectTreeModel.h"
#include "TaskHandoff.h"
#include "folders.h"
#include "registry.h"
#include "uMain.h"
#include "uTask.h"

namespace fq {
namespace {

// Raised after a failed load has been logged: it ends the start-up sequence
// without being logged a second time.
class StartUpEnded : public AbortError {};

// A dated copy of a project file that could not be read, beside it; empty
// when none could be made.
std::string KeepAside(const std::string& file) {
    const std::string stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string copy = file + ".unreadable-" + stamp + (attempt > 1 ? "-" + std::to_string(attempt) : "");
        std::error_code error;
        if (std::filesystem::copy_file(file, copy, std::filesystem::copy_options::none, error)) return copy;
        if (error != std::errc::file_exists) return {};
    }
    return {};
}

}  // namespace

std::string ProjectFilePath() { return GetAppDataFolder() + platform::kPathSeparator + "Fennquill.xml"; }

void TfrmMain::FormCreate(const QStringList& arguments) {
    try {
        StartUp(arguments);
    } catch (const std::exception& error) {
        ReportError(error);  // the window still opens, with whatever was done
    }
    if (showsMainWindow_) ListenForTasksFromShell();
}

void TfrmMain::StartUp(const QStringList& arguments) {
    setAcceptDrops(true);
    manager_.FileName = ProjectFilePath();
    LoadPlan();
    TreeModel->Clear();
    FillTree();
    WriteAppPath();
    std::string projectId;
    if (!arguments.isEmpty() && manager_.FindTaskProject(arguments.first().toStdString(), projectId))
        RunCommandLine(arguments.first().toStdString());
}

// A project file that cannot be read is kept aside as a dated copy before
// anything can be saved over it, and the log says where.
void TfrmMain::LoadPlan() {
    try {
        manager_.Load();
    } catch (const ProjectFileError& error) {
        ReportError(error);
        const std::string copy = KeepAside(manager_.FileName);
        if (copy.empty()) {
            savingBlocked_ = true;
            ReportError("The project file could not be kept aside; this run does not save the plan over it.");
        } else {
            ReportError("The project file could not be read; it is kept unchanged as " + copy + ".");
        }
        throw StartUpEnded();
    }
}

void TfrmMain::WriteAppPath() {
    platform::RegistryKey key("Software\\Fennquill\\OS Data", platform::RegistryKey::Opening::CreateIfMissing);
    if (!key.IsOpen()) throw std::runtime_error("Failed to create key Software\\Fennquill\\OS Data");
    if (!key.WriteString("AppPath", platform::ProgramPath()))
        throw std::runtime_error("Failed to set data for 'AppPath'");
}

// Only the task's dialog, then the end of the program, whatever happened.
void TfrmMain::RunCommandLine(const std::string& taskId) {
    showsMainWindow_ = false;
    struct EndAfterwards {
        TfrmMain& window;
        ~EndAfterwards() { window.endRequested_ = true; }
    } end{*this};
    if (HandTaskToRunningCopy(taskId)) return;
    TfrmTask dialog(manager_);
    dialog.SetTaskID(taskId);
    dialog.LoadTask();
    if (CurrentDialogs().RunModal(dialog) != QDialog::Accepted) return;
    dialog.StoreTask();
    CurrentFolderMarker().RefreshScreenIcons();
}

void TfrmMain::ListenForTasksFromShell() {
    handoff_ = std::make_unique<TaskHandoffServer>([this](const std::string& id) { return TakeTaskFromShell(id); });
    if (!handoff_->Listen()) handoff_.reset();  // another window listens already
}

bool TfrmMain::TakeTaskFromShell(const std::string& taskId) {
    std::string projectId;
    if (!manager_.FindTaskProject(taskId, projectId)) return false;
    QTimer::singleShot(0, this, [this, taskId] { EditTaskFromShell(taskId); });
    return true;
}

// A task sent by a copy started from the file manager is edited here, so
// that the change is this window's own: in its tree at once, and kept by its
// next save.
void TfrmMain::EditTaskFromShell(const std::string& taskId) {
    raise();
    activateWindow();
    EditTask(taskId);
}

void TfrmMain::SavePlan() {
    if (!savingBlocked_) manager_.Save();
}

void TfrmMain::FormClose() {
    try {
        manager_.FileName = ProjectFilePath();
        SavePlan();
    } catch (...) {
        // Closing never fails and tells nothing.
    }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!destroying_) FormClose();
    event->accept();
}

}  // namespace fq
