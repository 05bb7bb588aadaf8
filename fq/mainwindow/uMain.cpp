#include "uMain.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QItemSelectionModel>
#include <QListView>
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
    FormCreate(arguments);
}

// The views and their models read the plan, a member: they go first, before
// the members, and no close event may save on the way out.
TfrmMain::~TfrmMain() {
    destroying_ = true;
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
    setCentralWidget(Panel2);
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
