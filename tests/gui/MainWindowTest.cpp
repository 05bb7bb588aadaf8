// The main window's tree and item list, driven through their real handlers.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QUrl>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <memory>

#include "DateTime.h"
#include "DesktopSession.h"
#include "FolderListModel.h"
#include "GuiTestMain.h"
#include "ProjectTreeModel.h"
#include "RecordingDialogs.h"
#include "RecordingFolderMarker.h"
#include "ShellIcons.h"
#include "StatusIcons.h"
#include "TempFolder.h"
#include "folders.h"
#include "uMain.h"

using namespace fq;

namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
    return EncodeDateTime({year, month, day, hour, minute, 0, 0});
}

TSFTask& AddTask(TSFProject& project, const char* id, const char* name, const char* parent) {
    TSFTask& task = project.Tasks.Add();
    task.Initialize();
    task.ID = id;
    task.TaskName = name;
    task.ParentID = parent;
    task.StartDate = At(2024, 3, 4);
    task.EndDate = At(2024, 3, 6);
    return task;
}

// Website
//   Layout [folder Notes; files plan.txt, sub/budget.ods]
//   Content
//     Texts          (progress -1 and priority 9, as only a hand-made file has them)
//   Orphan           (parent missing: not in the tree)
//   Foreign          (parent in another project: not in the tree)
//   Loop A, Loop B   (each the other's parent: not in the tree)
// Empty
// Other
//   Elsewhere
void WriteSamplePlan(const test::TempFolder& disk) {
    TSFProjectManager plan;
    plan.FileName = ProjectFilePath();
    TSFProject& website = plan.Projects.Add();
    website.Initialize();
    website.ID = "P1";
    website.ProjectName = "Website";
    website.StartDate = At(2024, 3, 1);
    TSFTask& layout = AddTask(website, "T1", "Layout", "P1");
    layout.StartDate = At(2024, 3, 2);
    layout.EndDate = At(2024, 3, 5, 9, 30);
    layout.Priority = 4;
    layout.Progress = 7;
    layout.Description = "Grid and type";
    TSFFolder& notes = layout.Folders.Add();
    notes.Initialize();
    notes.Name = "Notes";
    notes.Path = disk.MakeFolder("Notes");
    layout.Files = {disk.WriteFile("plan.txt", "x"), disk.MakeFolder("sub") + platform::kPathSeparator + "budget.ods"};
    AddTask(website, "T2", "Content", "P1").Priority = 1;
    TSFTask& texts = AddTask(website, "T3", "Texts", "T2");
    texts.Progress = -1;
    texts.Priority = 9;
    AddTask(website, "T4", "Orphan", "missing");
    AddTask(website, "T5", "Foreign", "Q1");
    AddTask(website, "T6", "Loop A", "T7");
    AddTask(website, "T7", "Loop B", "T6");
    TSFProject& empty = plan.Projects.Add();
    empty.Initialize();
    empty.ID = "P2";
    empty.ProjectName = "Empty";
    TSFProject& other = plan.Projects.Add();
    other.Initialize();
    other.ID = "P3";
    other.ProjectName = "Other";
    AddTask(other, "Q1", "Elsewhere", "P3");
    plan.Save();
}

// Each node as its name, indented by two blanks per level, in pre-order.
QStringList TreeLines(const QAbstractItemModel& model, const QModelIndex& parent = {}, int depth = 0) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        lines << QString(depth * 2, QLatin1Char(' ')) + index.data().toString();
        lines += TreeLines(model, index, depth + 1);
    }
    return lines;
}

QStringList ListCaptions(const FolderListModel& list) {
    QStringList captions;
    for (int row = 0; row < list.rowCount(); ++row) captions << list.index(row).data().toString();
    return captions;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    void Open() {
        WriteSamplePlan(*disk);
        window = std::make_unique<TfrmMain>(QStringList());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QModelIndex Node(const char* id) const { return window->TreeModel->IndexOfId(QString::fromLatin1(id)); }
    QString Cell(const char* id, int column) const { return Node(id).siblingAtColumn(column).data().toString(); }
    void Click(const QModelIndex& index) {
        window->vtTree->scrollTo(index);
        QTest::mouseClick(window->vtTree->viewport(), Qt::LeftButton, {}, window->vtTree->visualRect(index).center());
    }

    std::unique_ptr<test::TempFolder> disk;
    test::MarkerRecorder marker;
    test::DialogsRecorder dialogs;
    std::unique_ptr<TfrmMain> window;

private slots:
    void init() {
        disk = std::make_unique<test::TempFolder>();
        marker->calls.clear();
        dialogs->calls.clear();
        dialogs->onModal = [](QDialog&) { return int(QDialog::Rejected); };
        Open();
    }

    void cleanup() {
        window.reset();
        disk.reset();
    }

    void treeNestsTasksUnderTheirParentsAndLeavesOutStrayOnes() {
        QCOMPARE(TreeLines(*window->TreeModel),
                 QStringList({"Website", "  Layout", "  Content", "    Texts", "Empty", "Other", "  Elsewhere"}));
        QVERIFY(!window->TreeModel->IsInTree(QStringLiteral("T4")));
        QVERIFY(window->vtTree->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!window->vtTree->isExpanded(Node("P1")));
    }

    void treeModelKeepsTheItemModelRules() {
        QAbstractItemModelTester tester(window->TreeModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
        window->FillTree();
        window->TreeModel->Clear();
        window->FillTree();
    }

    void headersAndWidths() {
        const QStringList headers = {"Name", "Start Date", "End Date", "Priority", "Progress", "Description"};
        const int widths[] = {120, 125, 125, 50, 70};
        for (int column = 0; column < headers.size(); ++column)
            QCOMPARE(window->TreeModel->headerData(column, Qt::Horizontal).toString(), headers[column]);
        for (int column = 0; column < 5; ++column) QCOMPARE(window->vtTree->header()->sectionSize(column), widths[column]);
    }

    void cellTexts_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("task name") << "T1" << 0 << "Layout";
        QTest::newRow("start at midnight shows the date only") << "T1" << 1 << "03/02/2024";
        QTest::newRow("end with a time of day") << "T1" << 2 << "03/05/2024 09:30:00";
        QTest::newRow("priority name") << "T1" << 3 << "High";
        QTest::newRow("lowest") << "T2" << 3 << "Lowest";
        QTest::newRow("progress in percent") << "T1" << 4 << "70%";
        QTest::newRow("no progress") << "T2" << 4 << "0%";
        QTest::newRow("progress -1 is not -10%") << "T3" << 4 << "";
        QTest::newRow("priority without a name") << "T3" << 3 << "";
        QTest::newRow("description") << "T1" << 5 << "Grid and type";
        QTest::newRow("project name") << "P1" << 0 << "Website";
        QTest::newRow("project start") << "P1" << 1 << "03/01/2024";
        QTest::newRow("project end is its latest task end") << "P1" << 2 << "03/06/2024";
        QTest::newRow("project priority is empty") << "P1" << 3 << "";
        QTest::newRow("project progress is empty") << "P1" << 4 << "";
        QTest::newRow("project description is empty") << "P1" << 5 << "";
    }

    void cellTexts() {
        QFETCH(QString, id);
        QFETCH(int, column);
        QFETCH(QString, text);
        QCOMPARE(Cell(id.toLatin1().constData(), column), text);
    }

    void aProjectsEndDateIsItsStartWhenNoTaskEndsLater() {
        QCOMPARE(Cell("P2", 2), Cell("P2", 1));
        QVERIFY(!Cell("P2", 1).isEmpty());
    }

    // Whether columns 3 to 5 show anything is asked of the plan each time;
    // what they show is the copy made when the tree was filled.
    void taskColumnsFollowThePlanOnEveryRequest() {
        TSFProject& website = window->Manager().Projects.Items(0);
        website.Tasks.Items(0).Priority = 1;
        QCOMPARE(Cell("T1", 3), QStringLiteral("High"));
        website.Tasks.Delete(0);
        QCOMPARE(Cell("T1", 3), QString());
        QCOMPARE(Cell("T1", 4), QString());
        QCOMPARE(Cell("T1", 0), QStringLiteral("Layout"));
        QCOMPARE(Cell("T2", 3), QStringLiteral("Lowest"));
    }

    void nodesCarryTheirRecords() {
        const TreeNodeData* project = window->TreeModel->NodeData(Node("P1"));
        const TreeNodeData* texts = window->TreeModel->NodeData(Node("T3"));
        QVERIFY(project && texts);
        QVERIFY(project->IsProject && !project->IsTask);
        QCOMPARE(project->ParentID, QStringLiteral("0"));
        QCOMPARE(project->Priority, -1);
        QVERIFY(texts->IsTask && !texts->IsProject);
        QCOMPARE(texts->ParentID, QStringLiteral("T2"));
        QCOMPARE(texts->Priority, 9);
        QVERIFY(!Node("P1").data(Qt::DecorationRole).value<QIcon>().isNull());
    }

    void clickingAProjectListsAllItsTasksFlat() {
        Click(Node("P1"));
        QCOMPARE(ListCaptions(*window->ListModel),
                 QStringList({"Layout", "Content", "Texts", "Orphan", "Foreign", "Loop A", "Loop B"}));
        const TFolderRecord* record = window->ListModel->Record(2);
        QVERIFY(record && record->IsTask);
        QCOMPARE(QString::fromStdString(record->ID), QStringLiteral("T3"));
        QCOMPARE(QString::fromStdString(record->Path), QStringLiteral("Texts"));
        QVERIFY(!window->ListModel->index(0).data(Qt::DecorationRole).value<QIcon>().isNull());
    }

    void clickingATaskListsItsFoldersThenItsFiles() {
        SelectAndClick("T1");
        QCOMPARE(ListCaptions(*window->ListModel), QStringList({"Notes", "plan.txt", "budget.ods"}));
        const TFolderRecord* folder = window->ListModel->Record(0);
        const TFolderRecord* file = window->ListModel->Record(2);
        QVERIFY(folder->IsFolder && file->IsFile);
        QCOMPARE(QString::fromStdString(file->ID), QStringLiteral("-1"));
        QVERIFY2(window->ListModel->index(2).data(Qt::DecorationRole).value<QIcon>().isNull(), "a missing file has no icon");
    }

    void clickingAProjectWithoutTasksEmptiesTheList() {
        SelectAndClick("T1");
        Click(Node("P2"));
        QCOMPARE(window->ListModel->rowCount(), 0);
    }

    void theListFollowsClicksNotKeyboardMoves() {
        Click(Node("P1"));
        window->vtTree->setFocus();
        QTest::keyClick(window->vtTree, Qt::Key_Down);
        QCOMPARE(window->TreeModel->NodeData(window->vtTree->currentIndex())->Name, QStringLiteral("Empty"));
        QCOMPARE(window->ListModel->rowCount(), 7);
    }

    void selectInTreeExpandsOnlyTheAncestors() {
        window->SelectInTree(QStringLiteral("T3"));
        QVERIFY(window->vtTree->isExpanded(Node("P1")));
        QVERIFY(window->vtTree->isExpanded(Node("T2")));
        QVERIFY(!window->vtTree->isExpanded(Node("P3")));
        QCOMPARE(window->vtTree->selectionModel()->selectedRows(), QModelIndexList{Node("T3")});
        QCOMPARE(window->ListModel->rowCount(), 0);

        window->SelectInTree(QStringLiteral("no such id"));
        QCOMPARE(window->vtTree->selectionModel()->selectedRows(), QModelIndexList{Node("T3")});
    }

    void doubleClickingATaskItemShowsThatTask() {
        Click(Node("P1"));
        window->lvFolders->selectionModel()->select(window->ListModel->index(0), QItemSelectionModel::ClearAndSelect);
        window->lvFoldersDblClick();
        QCOMPARE(window->vtTree->selectionModel()->selectedRows(), QModelIndexList{Node("T1")});
        QCOMPARE(QApplication::focusWidget(), window->vtTree);
        QCOMPARE(ListCaptions(*window->ListModel), QStringList({"Notes", "plan.txt", "budget.ods"}));
    }

    void doubleClickOpensTheFirstSelectedItem() {
        SelectAndClick("T1");
        QItemSelectionModel* selection = window->lvFolders->selectionModel();
        selection->select(window->ListModel->index(2), QItemSelectionModel::ClearAndSelect);
        selection->select(window->ListModel->index(1), QItemSelectionModel::Select);
        window->lvFoldersDblClick();
        QCOMPARE(dialogs->calls, QStringList({QStringLiteral("OpenInShell(%1)").arg(QString::fromStdString(*disk / "plan.txt"))}));
    }

    void doubleClickingAFolderOpensIt() {
        SelectAndClick("T1");
        const QPoint notes = window->lvFolders->visualRect(window->ListModel->index(0)).center();
        QTest::mouseClick(window->lvFolders->viewport(), Qt::LeftButton, {}, notes);  // a double click follows a press
        QTest::mouseDClick(window->lvFolders->viewport(), Qt::LeftButton, {}, notes);
        QCOMPARE(dialogs->calls, QStringList({QStringLiteral("OpenInShell(%1)").arg(QString::fromStdString(*disk / "Notes"))}));
    }

    void cellsAreNeverEdited() {
        const QModelIndex name = Node("P1");
        window->vtTree->setFocus();
        QTest::mouseDClick(window->vtTree->viewport(), Qt::LeftButton, {}, window->vtTree->visualRect(name).center());
        QCOMPARE(QApplication::focusWidget(), window->vtTree);  // no editor took the focus
        QVERIFY(!window->vtTreeEditing());
        QVERIFY(!(window->TreeModel->flags(name) & Qt::ItemIsEditable));
    }

    void aMarkedFolderShowsItsStatusPicture() {
        const std::string folder = disk->MakeFolder("Marked");
        disk->WriteFile("Marked/desktop.ini", "[.ShellCLassInfo]\r\nIconFile=/opt/fq/res.icl\r\nIconIndex=27\r\nTaskId=T1\r\n");
        const QImage shown = ShellIcon(QString::fromStdString(folder)).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown, StatusIconImage(27, 32).convertToFormat(QImage::Format_ARGB32));
        const QImage plain = ShellIcon(QString::fromStdString(*disk / "Notes")).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(plain != shown);
    }

    // The menu is the one of the first selected item, whichever was clicked.
    void theListsContextMenuIsTheFirstSelectedItems() {
        struct MenuWatcher : DesktopSession {
            QString firstEntry;
            QStringList opened;
            QAction* ChooseFromMenu(QMenu& menu, const QPoint&) override {
                firstEntry = menu.actions().value(0) ? menu.actions()[0]->text() : QString();
                return menu.actions().value(0);
            }
            bool OpenUrl(const QUrl& url) override {
                opened << url.toLocalFile();
                return true;
            }
            bool StartProgram(const LaunchCommand&) override { return true; }
            bool CallFileManager(const QString&, const QString&) override { return true; }
        };
        auto watcher = std::make_shared<MenuWatcher>();
        SetDesktopSession(watcher);
        SelectAndClick("T1");
        QItemSelectionModel* selection = window->lvFolders->selectionModel();
        selection->select(window->ListModel->index(1), QItemSelectionModel::ClearAndSelect);
        selection->select(window->ListModel->index(0), QItemSelectionModel::Select);
        emit window->lvFolders->customContextMenuRequested(window->lvFolders->visualRect(window->ListModel->index(1)).center());
        SetDesktopSession(nullptr);
        QCOMPARE(watcher->firstEntry, QStringLiteral("&Open"));
        QCOMPARE(watcher->opened, QStringList{QString::fromStdString(*disk / "Notes")});
    }

private:
    void SelectAndClick(const char* id) {
        window->SelectInTree(QString::fromLatin1(id));
        Click(Node(id));
    }
};

FQ_GUI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
