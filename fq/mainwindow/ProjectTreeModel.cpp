#include "ProjectTreeModel.h"

#include <string_view>
#include <unordered_map>

#include "DateTime.h"
#include "ImageList2.h"

namespace fq {

struct ProjectTreeModel::Node {
    TreeNodeData data;
    Node* parent = nullptr;
    int row = 0;
    // Where the plan held the project or task when the node was made, so that
    // a cell can tell at once whether the plan still holds it there.
    int projectIndex = -1;
    int taskIndex = -1;
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

const char* const kHeaders[] = {"Name", "Start Date", "End Date", "Priority", "Progress", "Description"};
const char* const kPriorityNames[] = {"Lowest", "Low", "Normal", "High", "Critical"};

QString DateText(TDateTime value) { return QString::fromStdString(DateTimeToText(value)); }

}  // namespace

QString PriorityName(int priority) {
    return priority >= 1 && priority <= 5 ? QString::fromLatin1(kPriorityNames[priority - 1]) : QString();
}

ProjectTreeModel::ProjectTreeModel(const TSFProjectManager& manager, QObject* parent)
    : QAbstractItemModel(parent), manager_(manager), root_(std::make_unique<Node>()) {}

ProjectTreeModel::~ProjectTreeModel() = default;

void ProjectTreeModel::Clear() {
    beginResetModel();
    root_ = std::make_unique<Node>();
    nodesById_.clear();
    endResetModel();
}

void ProjectTreeModel::FillTree() {
    beginResetModel();
    root_ = std::make_unique<Node>();
    nodesById_.clear();
    for (int p = 0; p < manager_.Projects.Count(); ++p) AddToTree(p);
    endResetModel();
}

// The project's node, then its tasks depth first: each node's children are
// the tasks naming it as parent, in list order, and a task whose identifier
// is in the tree already is passed over. One pass over the tasks builds the
// children lists, so no task is looked at more than a few times.
void ProjectTreeModel::AddToTree(int projectIndex) {
    const TSFProject& project = manager_.Projects.Items(projectIndex);
    std::unordered_map<std::string_view, std::vector<int>> childrenOf;
    for (int t = 0; t < project.Tasks.Count(); ++t) childrenOf[project.Tasks.Items(t).ParentID].push_back(t);
    auto childrenNaming = [&](const std::string& id) -> const std::vector<int>* {
        const auto found = childrenOf.find(id);
        return found == childrenOf.end() ? nullptr : &found->second;
    };

    struct Visit {
        Node* node;
        const std::vector<int>* children;
        std::size_t next;
    };
    Node& projectNode = AddNode(*root_, ProjectNodeData(project), projectIndex, -1);
    std::vector<Visit> path{{&projectNode, childrenNaming(project.ID), 0}};
    while (!path.empty()) {
        Visit& visit = path.back();
        if (visit.children == nullptr || visit.next >= visit.children->size()) {
            path.pop_back();
            continue;
        }
        const int taskIndex = (*visit.children)[visit.next++];
        const TSFTask& task = project.Tasks.Items(taskIndex);
        TreeNodeData data = TaskNodeData(task, visit.node->data.ID);
        if (nodesById_.contains(data.ID)) continue;
        Node& child = AddNode(*visit.node, std::move(data), projectIndex, taskIndex);
        path.push_back({&child, childrenNaming(task.ID), 0});
    }
}

ProjectTreeModel::Node& ProjectTreeModel::AddNode(Node& parent, TreeNodeData data, int projectIndex, int taskIndex) {
    auto node = std::make_unique<Node>();
    node->data = std::move(data);
    node->parent = &parent;
    node->row = static_cast<int>(parent.children.size());
    node->projectIndex = projectIndex;
    node->taskIndex = taskIndex;
    Node& added = *parent.children.emplace_back(std::move(node));
    if (!nodesById_.contains(added.data.ID)) nodesById_.insert(added.data.ID, &added);
    return added;
}

QModelIndex ProjectTreeModel::IndexOfId(const QString& id) const {
    const Node* node = nodesById_.value(id, nullptr);
    return node == nullptr ? QModelIndex() : createIndex(node->row, 0, node);
}

bool ProjectTreeModel::IsInTree(const QString& id) const { return nodesById_.contains(id); }

const TreeNodeData* ProjectTreeModel::NodeData(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    return node == root_.get() ? nullptr : &node->data;
}

ProjectTreeModel::Node* ProjectTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex ProjectTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (row < 0 || column < 0 || column >= ColumnCount || row >= static_cast<int>(node->children.size())) return {};
    return createIndex(row, column, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex ProjectTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    const Node* parentNode = NodeOf(child)->parent;
    if (parentNode == nullptr || parentNode == root_.get()) return {};
    return createIndex(parentNode->row, 0, parentNode);
}

int ProjectTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int ProjectTreeModel::columnCount(const QModelIndex&) const { return ColumnCount; }

// Whether the plan holds a task with the node's identifier, asked anew each
// time. The place recorded at fill time answers at once while it still holds
// that identifier; otherwise the plan is searched.
bool ProjectTreeModel::HoldsTask(const Node& node) const {
    const std::string id = node.data.ID.toStdString();
    const TSFProjectCollection& projects = manager_.Projects;
    if (node.projectIndex >= 0 && node.projectIndex < projects.Count()) {
        const TSFProject& project = projects.Items(node.projectIndex);
        if (node.taskIndex < 0 && project.ID == id) return false;
        if (node.taskIndex >= 0 && node.taskIndex < project.Tasks.Count() && project.Tasks.Items(node.taskIndex).ID == id) {
            for (int p = 0; p < node.projectIndex; ++p)
                if (projects.Items(p).ID == id) return false;  // a project of that identifier comes first
            return true;
        }
    }
    std::string projectId;
    return manager_.FindTaskProject(id, projectId);
}

QString ProjectTreeModel::CellText(const Node& node, int column) const {
    const TreeNodeData& data = node.data;
    switch (column) {
        case NameColumn: return data.Name;
        case StartColumn: return DateText(data.StartDate);
        case EndColumn: return DateText(data.EndDate);
        case PriorityColumn: return HoldsTask(node) ? PriorityName(data.Priority) : QString();
        case ProgressColumn: {
            if (!HoldsTask(node)) return {};
            const QString text = QString::number(data.Progress * 10) + QLatin1Char('%');
            return text == QLatin1String("-10%") ? QString() : text;
        }
        case DescriptionColumn: return HoldsTask(node) ? data.Description : QString();
        default: return {};
    }
}

QVariant ProjectTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Node& node = *NodeOf(index);
    if (role == Qt::DisplayRole) return CellText(node, index.column());
    if (role == Qt::DecorationRole && index.column() == NameColumn)
        return ImageList2(node.data.IsProject ? kProjectImage : kTaskImage);
    return {};
}

QVariant ProjectTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
    return QString::fromLatin1(kHeaders[section]);
}

// Cells are never edited in place.
Qt::ItemFlags ProjectTreeModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace fq
