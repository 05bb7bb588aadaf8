// The main window's commands, its places (menus, toolbar, side bar, pop-up
// menu, keys) and the drop of files, driven through the real actions.
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

#include <filesystem>
#include <memory>

#include "ErrorLog.h"
#include "FolderListModel.h"
#include "FolderRecord.h"
#include "GuiTestMain.h"
#include "ProjectTreeModel.h"
#include "RecordingDialogs.h"
#include "TempFolder.h"
#include "fileattributes.h"
#include "profile.h"
#include "uMain.h"
#include "uTask.h"

using namespace fq;

namespace {

TSFTask& AddTask(TSFProject& project, const char* id, const char* name, const char* parent) {
    TSFTask& task = project.Tasks.Add();
    task.Initialize();
    task.ID = id;
    task.TaskName = name;
    task.ParentID = parent;
    return task;
}

TSFProject& AddProject(TSFProjectManager& plan, const char* id, const char* name) {
    TSFProject& project = plan.Projects.Add();
    project.Initialize();
    project.ID = id;
    project.ProjectName = name;
    return project;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string Marker(const std::string& folder) {
    return platform::ReadProfileValue(folder + "/desktop.ini", ".ShellCLassInfo", "TaskId", "<none>");
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

    test::DialogsRecorder dialogs;
    std::unique_ptr<test::TempFolder> disk;
    std::unique_ptr<TfrmMain> window;
    std::string notes, drafts, planTxt;

    // Website
    //   Layout     [Notes, Drafts (both marked); plan.txt]
    //   Content
    //     Texts
    //   Photos
    // Garden
    //   Beds
    void WritePlan() {
        notes = disk->MakeFolder("Notes");
        drafts = disk->MakeFolder("Drafts");
        planTxt = disk->WriteFile("plan.txt", "x");
        TSFProjectManager plan;
        plan.FileName = ProjectFilePath();
        TSFProject& website = AddProject(plan, "P1", "Website");
        TSFTask& layout = AddTask(website, "T1", "Layout", "P1");
        layout.AddFolder(notes, "Notes");
        layout.AddFolder(drafts, "Drafts");
        layout.AddItem(planTxt, "plan.txt");
        AddTask(website, "T2", "Content", "P1");
        AddTask(website, "T3", "Texts", "T2");
        AddTask(website, "T4", "Photos", "P1");
        AddTask(AddProject(plan, "P2", "Garden"), "G1", "Beds", "P2");
        plan.Save();
    }

    TSFProjectManager Saved() const {
        TSFProjectManager plan;
        plan.FileName = ProjectFilePath();
        plan.Load();
        return plan;
    }
    bool SavedNow() const { return std::filesystem::exists(ProjectFilePath()); }
    // The file is removed, so that a save shows by its coming back.
    void ForgetFile() const { std::filesystem::remove(ProjectFilePath()); }

    void Click(const char* id) {
        window->SelectInTree(Q(id));
        window->vtTreeClick();
    }
    void SelectListRows(std::initializer_list<int> rows) {
        QItemSelectionModel* selection = window->lvFolders->selectionModel();
        selection->clearSelection();
        for (int row : rows) selection->select(window->ListModel->index(row), QItemSelectionModel::Select);
    }
    QStringList ListCaptions() const {
        QStringList captions;
        for (int row = 0; row < window->ListModel->rowCount(); ++row) captions << window->ListModel->index(row).data().toString();
        return captions;
    }
    QString SelectedName() const {
        const QModelIndexList rows = window->vtTree->selectionModel()->selectedRows();
        return rows.isEmpty() ? QString() : window->TreeModel->NodeData(rows.first())->Name;
    }
    TSFProject& Project(int index) { return window->Manager().Projects.Items(index); }
    TSFTask& Task(const char* id) {
        TSFProject& project = Project(window->Manager().Projects.IndexOfProjectOrTask(id));
        return project.Tasks.Items(project.Tasks.IndexOfTask(id));
    }
    void NoSelection() { window->vtTree->selectionModel()->clearSelection(); }
    QStringList Messages() { return dialogs->calls.filter(QStringLiteral("ShowMessage(")); }

private slots:
    void init() {
        dialogs->calls.clear();
        dialogs->inputAccepted = true;
        dialogs->inputText.clear();
        dialogs->chosenFolder.clear();
        dialogs->chosenFile.clear();
        dialogs->confirmAnswer = true;
        dialogs->onModal = [](QDialog&) { return int(QDialog::Rejected); };
        disk = std::make_unique<test::TempFolder>();
        WritePlan();
        window = std::make_unique<TfrmMain>(QStringList());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        ForgetFile();
    }

    void cleanup() {
        window.reset();
        disk.reset();
    }

    void addNewProject_data() {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("added");
        QTest::newRow("a name kept as typed") << true << "  Spaced name " << true;
        QTest::newRow("blanks only") << true << "   " << false;
        QTest::newRow("empty") << true << "" << false;
        QTest::newRow("cancelled") << false << "Never" << false;
    }

    void addNewProject() {
        QFETCH(bool, accepted);
        QFETCH(QString, typed);
        QFETCH(bool, added);
        Click("T1");
        dialogs->inputAccepted = accepted;
        dialogs->inputText = typed;
        window->Actions.actNewProject->trigger();
        QCOMPARE(dialogs->calls.first(), QStringLiteral("InputQuery(Adding New Project, Enter Project Name)"));
        QCOMPARE(window->Manager().Projects.Count(), added ? 3 : 2);
        QCOMPARE(SavedNow(), added);
        QCOMPARE(ListCaptions(), QStringList({"Notes", "Drafts", "plan.txt"}));
        if (!added) return;
        QCOMPARE(Q(Project(2).ProjectName), typed);
        QCOMPARE(SelectedName(), typed);
        QCOMPARE(Q(Saved().Projects.Items(2).ProjectName), typed);
    }

    void addTaskUnderTheSelectedNode_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("parent");
        QTest::newRow("a project node: a top-level task") << "P1" << "P1";
        QTest::newRow("a task node: a child task") << "T2" << "T2";
    }

    void addTaskUnderTheSelectedNode() {
        QFETCH(QString, selected);
        QFETCH(QString, parent);
        window->SelectInTree(selected);
        dialogs->inputText = QStringLiteral(" Wireframes");
        window->Actions.actAddTask->trigger();
        QCOMPARE(dialogs->calls, QStringList{"InputQuery(Adding Task to Project , Enter Task Name)"});
        const TSFTask& added = Project(0).Tasks.Items(Project(0).Tasks.Count() - 1);
        QCOMPARE(Q(added.TaskName), QStringLiteral(" Wireframes"));
        QCOMPARE(Q(added.ParentID), parent);
        QCOMPARE(SelectedName(), QStringLiteral(" Wireframes"));
        QCOMPARE(Saved().Projects.Items(0).Tasks.Count(), 5);
    }

    void addTaskWithABlankName() {
        window->SelectInTree(QStringLiteral("P1"));
        dialogs->inputText = QStringLiteral(" \t ");
        window->Actions.actAddTask->trigger();
        QCOMPARE(Project(0).Tasks.Count(), 4);
        QVERIFY(!SavedNow());
    }

    void commandsWithoutASelection_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("Add Task") << "actAddTask" << "You should select a project before adding a task.";
        QTest::newRow("Add Folder") << "actAddFolder" << "You should select a task before adding a folder.";
        QTest::newRow("Add File") << "actAddFile" << "You should select a task before adding a file.";
        QTest::newRow("Remove Task") << "actRemoveTask" << "You should select a task before deleting it.";
        QTest::newRow("Remove Project") << "actRemoveProject" << "You should select a project before deleting it.";
        QTest::newRow("Edit Task Properties") << "actEdit" << "You should select a task before editing its properties.";
        QTest::newRow("Remove Item(s)") << "actRemove" << "";
    }

    void commandsWithoutASelection() {
        QFETCH(QString, command);
        QFETCH(QString, message);
        NoSelection();
        CommandAction(command)->trigger();
        QCOMPARE(dialogs->calls, message.isEmpty() ? QStringList() : QStringList{"ShowMessage(" + message + ")"});
        QVERIFY(!SavedNow());
    }

    void commandsOnTheWrongKindOfNode_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("Add Folder on a project") << "P1" << "actAddFolder" << "";
        QTest::newRow("Add File on a project") << "P1" << "actAddFile" << "";
        QTest::newRow("Edit on a project") << "P1" << "actEdit" << "";
        QTest::newRow("Remove Task on a project") << "P1" << "actRemoveTask" << "You should select a task (not project) before deleting it.";
        QTest::newRow("Remove Project on a task") << "T1" << "actRemoveProject" << "You should select a project (not task) before deleting it.";
    }

    void commandsOnTheWrongKindOfNode() {
        QFETCH(QString, selected);
        QFETCH(QString, command);
        QFETCH(QString, message);
        window->SelectInTree(selected);
        CommandAction(command)->trigger();
        QCOMPARE(dialogs->calls, message.isEmpty() ? QStringList() : QStringList{"ShowMessage(" + message + ")"});
        QVERIFY(!SavedNow());
        QCOMPARE(Project(0).Tasks.Count(), 4);
    }

    void addFolderAttachesAndMarksTheChosenFolder() {
        const std::string reports = disk->MakeFolder("Reports 2024");
        Click("T1");
        dialogs->chosenFolder = Q(reports);
        window->Actions.actAddFolder->trigger();
        QCOMPARE(dialogs->calls, QStringList{"BrowseForFolder(Select Folder)"});
        QCOMPARE(Task("T1").Folders.Count(), 3);
        QCOMPARE(Q(Task("T1").Folders.Items(2).Name), QStringLiteral("Reports 2024"));
        QCOMPARE(Marker(reports), std::string("T1"));
        QCOMPARE(ListCaptions(), QStringList({"Notes", "Drafts", "Reports 2024", "plan.txt"}));
        QCOMPARE(SelectedName(), QStringLiteral("Layout"));
        QCOMPARE(Saved().Projects.Items(0).Tasks.Items(0).Folders.Count(), 3);
    }

    void aCancelledChoiceStillSaves_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("Add Folder") << "actAddFolder";
        QTest::newRow("Add File") << "actAddFile";
    }

    void aCancelledChoiceStillSaves() {
        QFETCH(QString, command);
        Click("T1");
        CommandAction(command)->trigger();
        QCOMPARE(Task("T1").Folders.Count(), 2);
        QCOMPARE(Task("T1").Files.size(), std::size_t(1));
        QVERIFY(SavedNow());
    }

    void folderDisplayNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder") << "/home/ann/Notes" << "Notes";
        QTest::newRow("a trailing separator") << "/home/ann/Notes/" << "Notes";
        QTest::newRow("the root") << "/" << "/";
    }

    void folderDisplayNames() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(Q(FolderDisplayName(path.toStdString())), name);
    }

    void addFileAttachesTheChosenPath() {
        const std::string budget = disk->WriteFile("budget.ods", "x");
        Click("T1");
        dialogs->chosenFile = Q(budget);
        window->Actions.actAddFile->trigger();
        QCOMPARE(dialogs->calls, QStringList{"OpenFileName()"});
        QCOMPARE(ListCaptions(), QStringList({"Notes", "Drafts", "plan.txt", "budget.ods"}));
        QCOMPARE(Saved().Projects.Items(0).Tasks.Items(0).Files.back(), budget);
    }

    // Only the first selected task entry goes in one run.
    void removeItemsDeletesOnlyTheFirstSelectedTask() {
        Click("P1");
        QCOMPARE(ListCaptions(), QStringList({"Layout", "Content", "Texts", "Photos"}));
        SelectListRows({3, 1, 2});
        dialogs->confirmAnswer = true;
        window->Actions.actRemove->trigger();
        QCOMPARE(Project(0).Tasks.Count(), 2);
        QCOMPARE(ListCaptions(), QStringList({"Layout", "Photos"}));
        QCOMPARE(SelectedName(), QStringLiteral("Website"));
        QCOMPARE(Saved().Projects.Items(0).Tasks.Count(), 2);
    }

    void removeItemsDetachesEveryFolderAndFileInOneRun() {
        Click("T1");
        QCOMPARE(Marker(notes), std::string("T1"));
        SelectListRows({0, 1, 2});
        window->Actions.actRemove->trigger();
        QCOMPARE(Task("T1").Folders.Count(), 0);
        QVERIFY(Task("T1").Files.empty());
        QCOMPARE(Marker(notes), std::string("<none>"));
        QCOMPARE(Marker(drafts), std::string("<none>"));
        QCOMPARE(ListCaptions(), QStringList());
        QVERIFY(Saved().Projects.Items(0).Tasks.Items(0).Files.empty());
    }

    void removeItemsWithNothingSelectedInTheListDoesNothing() {
        Click("T1");
        window->Actions.actRemove->trigger();
        QCOMPARE(Task("T1").Folders.Count(), 2);
        QVERIFY(!SavedNow());
    }

    // The list still shows the task clicked last while the keyboard moved the
    // tree's selection to the project.
    void removeItemsAfterTheKeyboardMovedToTheProjectDoesNothing() {
        Click("T1");
        SelectListRows({0});
        window->vtTree->setFocus();
        QTest::keyClick(window->vtTree, Qt::Key_Up);
        QCOMPARE(SelectedName(), QStringLiteral("Website"));
        window->Actions.actRemove->trigger();
        QCOMPARE(Task("T1").Folders.Count(), 2);
        QCOMPARE(Marker(notes), std::string("T1"));
        QVERIFY(!SavedNow());
    }

    void theDeleteKeyRemovesItemsWhileTheTreeHasTheFocus() {
        Click("T1");
        SelectListRows({2});
        window->vtTree->setFocus();
        QTest::keyClick(window->vtTree, Qt::Key_Delete);
        QVERIFY(Task("T1").Files.empty());
    }

    void removeTaskWithChildrenAsksAndNoKeepsIt() {
        Click("T2");
        dialogs->confirmAnswer = false;
        window->Actions.actRemoveTask->trigger();
        QCOMPARE(dialogs->calls,
                 QStringList{"Confirm(Confirm, Are you sure you want to delete selected task and all the children tasks?)"});
        QCOMPARE(Project(0).Tasks.Count(), 4);
        QCOMPARE(SelectedName(), QStringLiteral("Website"));
        QVERIFY(SavedNow());
    }

    void removeTaskWithoutChildrenUnmarksItsFolders() {
        Click("T1");
        window->Actions.actRemoveTask->trigger();
        QVERIFY(dialogs->calls.isEmpty());
        QCOMPARE(Project(0).Tasks.IndexOfTask("T1"), -1);
        QCOMPARE(Marker(notes), std::string("<none>"));
        QCOMPARE(ListCaptions(), QStringList({"Content", "Texts", "Photos"}));
        QCOMPARE(Saved().Projects.Items(0).Tasks.Count(), 3);
    }

    void removeProjectAnsweredNoChangesNothing() {
        Click("P1");
        dialogs->confirmAnswer = false;
        window->Actions.actRemoveProject->trigger();
        QCOMPARE(dialogs->calls, QStringList{"Confirm(Confirm, Are you sure you want to delete selected project?)"});
        QCOMPARE(window->Manager().Projects.Count(), 2);
        QVERIFY(!SavedNow());
    }

    void removeProjectDeletesItWithAllItsTasks() {
        Click("P1");
        window->Actions.actRemoveProject->trigger();
        QCOMPARE(window->Manager().Projects.Count(), 1);
        QCOMPARE(Marker(notes), std::string("<none>"));
        QCOMPARE(window->ListModel->rowCount(), 0);
        QVERIFY(window->vtTree->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(Saved().Projects.Count(), 1);
    }

    void editTaskCancelledRebuildsAndSavesNothing() {
        Click("T1");
        const QModelIndex before = window->TreeModel->IndexOfId(QStringLiteral("T1"));
        dialogs->onModal = [](QDialog& dialog) {
            dynamic_cast<TfrmTask&>(dialog).TrackBar1->setValue(9);
            return int(QDialog::Rejected);
        };
        window->Actions.actEdit->trigger();
        QCOMPARE(dialogs->calls, QStringList{"RunModal(Task Properties)"});
        QCOMPARE(Task("T1").Progress, 0);
        QCOMPARE(window->vtTree->selectionModel()->selectedRows(), QModelIndexList{before});
        QVERIFY(!SavedNow());
    }

    void editTaskStoresRefillsAndSelectsTheTask() {
        Click("T1");
        dialogs->onModal = [](QDialog& dialog) {
            dynamic_cast<TfrmTask&>(dialog).TrackBar1->setValue(9);
            return int(QDialog::Accepted);
        };
        window->Actions.actEdit->trigger();
        QCOMPARE(Task("T1").Progress, 9);
        QCOMPARE(platform::ReadProfileValue(notes + "/desktop.ini", ".ShellCLassInfo", "IconIndex", ""), std::string("31"));
        QCOMPARE(window->TreeModel->IndexOfId(QStringLiteral("T1")).siblingAtColumn(4).data().toString(), QStringLiteral("90%"));
        QCOMPARE(SelectedName(), QStringLiteral("Layout"));
        QCOMPARE(Saved().Projects.Items(0).Tasks.Items(0).Progress, 9);
    }

    void propertiesInThePopUpMenuEditsTheTask() {
        window->SelectInTree(QStringLiteral("T1"));
        window->PopupMenu1->actions().last()->trigger();
        QCOMPARE(dialogs->calls, QStringList{"RunModal(Task Properties)"});
    }

    void doubleClickingANodeEditsIt() {
        const QModelIndex layout = window->TreeModel->IndexOfId(QStringLiteral("T1"));
        window->SelectInTree(QStringLiteral("T1"));
        const QPoint point = window->vtTree->visualRect(layout).center();
        QTest::mouseClick(window->vtTree->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(window->vtTree->viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(dialogs->calls, QStringList{"RunModal(Task Properties)"});
    }

    void keysRunTheirCommandsWithoutModifiers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("call");
        QTest::newRow("F7") << int(Qt::Key_F7) << "InputQuery(Adding New Project, Enter Project Name)";
        QTest::newRow("F8") << int(Qt::Key_F8) << "ShowMessage(You should select a project before adding a task.)";
        QTest::newRow("F9") << int(Qt::Key_F9) << "ShowMessage(You should select a task before adding a folder.)";
        QTest::newRow("F10") << int(Qt::Key_F10) << "ShowMessage(You should select a task before adding a file.)";
        QTest::newRow("F2") << int(Qt::Key_F2) << "ShowMessage(You should select a task before deleting it.)";
        QTest::newRow("F4") << int(Qt::Key_F4) << "ShowMessage(You should select a project before deleting it.)";
        QTest::newRow("F6") << int(Qt::Key_F6) << "ShowMessage(You should select a task before editing its properties.)";
    }

    void keysRunTheirCommandsWithoutModifiers() {
        QFETCH(int, key);
        QFETCH(QString, call);
        NoSelection();
        dialogs->inputAccepted = false;
        window->lvFolders->setFocus();
        QTest::keyClick(window->lvFolders, Qt::Key(key));
        QCOMPARE(dialogs->calls, QStringList{call});
    }

    void everyPlaceOffersTheSameActions() {
        const MainActions& a = window->Actions;
        QList<QMenu*> menus;
        for (QAction* entry : window->menuBar()->actions()) menus << entry->menu();
        QStringList titles;
        for (QMenu* menu : menus) titles << menu->title();
        QCOMPARE(titles, QStringList({"File", "Project", "Task", "Help"}));
        const QList<QAction*> file = menus[0]->actions();
        QCOMPARE(file.size(), 5);
        QCOMPARE(QList<QAction*>({file[0], file[1], file[2], file[4]}), QList<QAction*>({a.actAddFile, a.actAddFolder, a.actRemove, a.Exit1}));
        QVERIFY(file[3]->isSeparator());
        QCOMPARE(menus[1]->actions(), QList<QAction*>({a.actNewProject, a.actRemoveProject}));
        QCOMPARE(menus[2]->actions(), QList<QAction*>({a.actAddTask, a.actRemoveTask}));
        QCOMPARE(menus[3]->actions(), QList<QAction*>({a.About1}));

        QStringList tips;
        for (QAction* action : window->ToolBar1->actions()) tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
        QCOMPARE(tips, QStringList({"Add Project", "Add Task", "Edit Task Properties", "|", "Add Folder", "Add File", "|",
                                    "Remove Project", "Remove Task", "Remove Item"}));

        QStringList side;
        for (QToolButton* button : window->ExplorerBar1->findChildren<QToolButton*>()) side << button->defaultAction()->text();
        QCOMPARE(side, QStringList({"Add New Project", "Add Task to Project", "Edit Task Properties", "Remove Task", "Remove Project",
                                    "Add Folder", "Add File", "Remove Item(s)"}));
        QCOMPARE(window->ExplorerBar1->width(), 201);

        QStringList popup;
        for (QAction* action : window->PopupMenu1->actions()) popup << (action->isSeparator() ? QStringLiteral("|") : action->text());
        QCOMPARE(popup, QStringList({"Add New Project", "Add Task to Project", "|", "Add File", "Add Folder", "|", "Remove Task", "|",
                                     "Properties"}));
        QCOMPARE(window->PopupMenu1->actions()[0], a.actNewProject);
        QCOMPARE(a.actEdit->text(), QStringLiteral("Edit Task Properties"));
        QCOMPARE(a.actRemove->shortcut(), QKeySequence(Qt::Key_Delete));
    }

    void exitClosesAndSaves() {
        window->Actions.Exit1->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(Saved().Projects.Count(), 2);
    }

    void aboutShowsTheAboutBox() {
        window->Actions.About1->trigger();
        QCOMPARE(dialogs->calls, QStringList{"RunModal(About)"});
    }

    void anErrorInACommandIsContainedSilently() {
        std::filesystem::create_directories(ProjectFilePath());  // nothing can be saved there
        dialogs->inputText = QStringLiteral("Unsaved");
        window->Actions.actNewProject->trigger();
        QCOMPARE(window->Manager().Projects.Count(), 3);
        QVERIFY(!std::filesystem::exists(ErrorLogPath()));
        std::filesystem::remove(ProjectFilePath());
    }

    void droppedPathsAreAttachedInTheirOrderAndSaved() {
        const std::string budget = disk->WriteFile("budget.ods", "x");
        const std::string reports = disk->MakeFolder("Reports");
        Click("T1");
        Drop({budget, reports, notes});
        QCOMPARE(ListCaptions(), QStringList({"Notes", "Drafts", "Reports", "plan.txt", "budget.ods"}));
        QCOMPARE(Marker(reports), std::string("T1"));
        QCOMPARE(SelectedName(), QStringLiteral("Layout"));
        QVERIFY(Messages().isEmpty());
        QCOMPARE(Saved().Projects.Items(0).Tasks.Items(0).Folders.Count(), 3);
    }

    void droppingWithoutASelectionSaysSoForEveryPath() {
        NoSelection();
        Drop({planTxt, notes});
        QCOMPARE(Messages(), QStringList(2, QStringLiteral("ShowMessage(You should select a task before adding a file.)")));
        QCOMPARE(Task("T4").Files.size(), std::size_t(0));
    }

    void droppingOnAProjectAttachesNothingAndSaysNothing() {
        Click("P2");
        Drop({planTxt});
        QVERIFY(dialogs->calls.isEmpty());
        QVERIFY(Task("G1").Files.empty());
    }

private:
    QAction* CommandAction(const QString& name) const {
        const MainActions& a = window->Actions;
        const std::pair<const char*, QAction*> all[] = {
            {"actNewProject", a.actNewProject}, {"actAddTask", a.actAddTask}, {"actAddFolder", a.actAddFolder},
            {"actAddFile", a.actAddFile},       {"actRemove", a.actRemove},   {"actRemoveTask", a.actRemoveTask},
            {"actRemoveProject", a.actRemoveProject}, {"actEdit", a.actEdit}};
        for (const auto& [actionName, action] : all)
            if (name == QLatin1String(actionName)) return action;
        return nullptr;
    }

    void Drop(const std::vector<std::string>& paths) {
        QList<QUrl> urls;
        for (const std::string& path : paths) urls << QUrl::fromLocalFile(Q(path));
        QMimeData data;
        data.setUrls(urls);
        const QPoint middle(window->width() / 2, window->height() / 2);
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }
};

FQ_GUI_TEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
