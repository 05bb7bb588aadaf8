#include "uMain.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QItemSelectionModel>
#include <QHBoxLayout>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "Dialogs.h"
#include "FolderListModel.h"
#include "ProjectTreeModel.h"
#include "TaskHandoff.h"

namespace fq {
namespace {

const int kColumnWidths[] = {120, 125, 125, 50, 70, 100};
constexpr int kListHeight = 226;
constexpr int kSplitterHeight = 6;

}  // namespace

TfrmMain::TfrmMain(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Fennquill"));
    resize(808, 586);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    BuildViews();
    BuildCommandPlaces();
    // The plan's question before deleting a task with children.
    SetConfirmHandler([this](const std::string& question) {
        return CurrentDialogs().Confirm(this, QStringLiteral("Confirm"), QString::fromStdString(question));
    });
    FormCreate(arguments);
}

// The views and their models read the plan, a member: they go first, before
// the members, and no close event may save on the way out.
TfrmMain::~TfrmMain() {
    destroying_ = true;
    SetConfirmHandler(nullptr);
    delete Panel2;
    delete TreeModel;
    delete ListModel;
}

void TfrmMain::BuildViews() {
    Panel2 = new QWidget(this);
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(0, 0, 0, 0);

    TreeModel = new ProjectTreeModel(manager_, this);
    vtTree = new QTreeView;
    vtTree->setObjectName(QStringLiteral("vtTree"));
    vtTree->setModel(TreeModel);
    vtTree->setSelectionMode(QAbstractItemView::SingleSelection);
    vtTree->setSelectionBehavior(QAbstractItemView::SelectRows);
    vtTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vtTree->setRootIsDecorated(true);
    vtTree->setUniformRowHeights(true);  // rows are laid out lazily however large the plan
    vtTree->setAlternatingRowColors(true);
    vtTree->header()->setSectionsMovable(true);
    vtTree->header()->setStretchLastSection(true);
    for (int column = 0; column < ProjectTreeModel::ColumnCount; ++column)
        vtTree->header()->resizeSection(column, kColumnWidths[column]);
    connect(vtTree, &QTreeView::clicked, this, &TfrmMain::vtTreeClick);
    connect(vtTree, &QTreeView::doubleClicked, this, &TfrmMain::vtTreeDblClick);

    ListModel = new FolderListModel(this);
    lvFolders = new QListView;
    lvFolders->setObjectName(QStringLiteral("lvFolders"));
    lvFolders->setModel(ListModel);
    lvFolders->setViewMode(QListView::IconMode);
    lvFolders->setIconSize(QSize(32, 32));
    lvFolders->setGridSize(QSize(96, 64));
    lvFolders->setMovement(QListView::Static);
    lvFolders->setResizeMode(QListView::Adjust);
    lvFolders->setWordWrap(true);
    lvFolders->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvFolders->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(lvFolders, &QListView::doubleClicked, this, &TfrmMain::lvFoldersDblClick);
    lvFolders->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvFolders, &QListView::customContextMenuRequested, this, &TfrmMain::lvFoldersContextPopup);

    glSplitter1 = new QSplitter(Qt::Vertical);
    glSplitter1->setObjectName(QStringLiteral("glSplitter1"));
    glSplitter1->setHandleWidth(kSplitterHeight);
    glSplitter1->setChildrenCollapsible(false);
    glSplitter1->addWidget(vtTree);
    glSplitter1->addWidget(lvFolders);
    glSplitter1->setStretchFactor(0, 1);
    glSplitter1->setStretchFactor(1, 0);
    glSplitter1->setSizes({height() - kListHeight, kListHeight});
    layout->addWidget(glSplitter1);
}

// The commands and every place that offers them: menus, toolbar, side bar,
// the tree's pop-up menu and its double click.
void TfrmMain::BuildCommandPlaces() {
    Actions = CreateMainActions(this);
    const std::pair<QAction*, void (TfrmMain::*)()> handlers[] = {
        {Actions.actNewProject, &TfrmMain::actNewProjectExecute},
        {Actions.actAddTask, &TfrmMain::actAddTaskExecute},
        {Actions.actAddFolder, &TfrmMain::actAddFolderExecute},
        {Actions.actAddFile, &TfrmMain::actAddFileExecute},
        {Actions.actRemove, &TfrmMain::actRemoveExecute},
        {Actions.actRemoveTask, &TfrmMain::actRemoveTaskExecute},
        {Actions.actRemoveProject, &TfrmMain::actRemoveProjectExecute},
        {Actions.actEdit, &TfrmMain::actEditExecute},
        {Actions.Exit1, &TfrmMain::Exit1Click},
        {Actions.About1, &TfrmMain::About1Click},
    };
    for (const auto& [action, handler] : handlers) connect(action, &QAction::triggered, this, handler);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->addActions({Actions.actAddFile, Actions.actAddFolder, Actions.actRemove});
    file->addSeparator();
    file->addAction(Actions.Exit1);
    menuBar()->addMenu(QStringLiteral("Project"))->addActions({Actions.actNewProject, Actions.actRemoveProject});
    menuBar()->addMenu(QStringLiteral("Task"))->addActions({Actions.actAddTask, Actions.actRemoveTask});
    menuBar()->addMenu(QStringLiteral("Help"))->addAction(Actions.About1);

    ToolBar1 = CreateToolBar(Actions, this);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    PopupMenu1 = CreateTreePopupMenu(Actions, this);
    vtTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vtTree, &QTreeView::customContextMenuRequested, this,
            [this](const QPoint& point) { PopupMenu1->popup(vtTree->viewport()->mapToGlobal(point)); });

    auto* client = new QWidget(this);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    ExplorerBar1 = CreateSideBar(Actions, client);
    row->addWidget(ExplorerBar1);
    row->addWidget(Panel2, 1);
    setCentralWidget(client);

    statusBar()->setFixedHeight(19);
    statusBar()->setSizeGripEnabled(false);
}

void TfrmMain::FillTree() { TreeModel->FillTree(); }

// The ancestors of the node are expanded (not the node itself), and it
// becomes the selection; the keyboard focus and the list stay as they are.
void TfrmMain::SelectInTree(const QString& id) {
    const QModelIndex index = TreeModel->IndexOfId(id);
    if (!index.isValid()) return;
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent()) vtTree->expand(ancestor);
    vtTree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    vtTree->scrollTo(index);
}

void TfrmMain::vtTreeClick() {
    const QModelIndexList selected = vtTree->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    const TreeNodeData* node = TreeModel->NodeData(selected.first());
    if (node == nullptr) return;
    const std::string id = node->ID.toStdString();
    const int project = manager_.Projects.IndexOfProjectOrTask(id);
    if (project < 0 || project >= manager_.Projects.Count()) return;
    const TSFProject& holder = manager_.Projects.Items(project);
    const int task = holder.Tasks.IndexOfTask(id);
    if (task < 0)
        ListModel->FillList(holder);
    else
        ListModel->FillList(holder.Tasks.Items(task));
}

void TfrmMain::lvFoldersDblClick() {
    QModelIndexList selected = lvFolders->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    std::sort(selected.begin(), selected.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    const TFolderRecord* record = ListModel->Record(selected.first().row());
    if (record == nullptr) return;
    if (record->IsFolder || record->IsFile) {
        CurrentDialogs().OpenInShell(QString::fromStdString(record->Path));
    } else if (record->IsTask) {
        SelectInTree(QString::fromStdString(record->ID));
        vtTree->setFocus();
        vtTreeClick();
    }
}

}  // namespace fq
