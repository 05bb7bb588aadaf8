#pragma once
// The project tree as a virtual item model: projects at the top, each with
// its tasks nested by their parents, six columns. The nodes are copies made
// by FillTree; cells are made when the view asks for them.
#include <QAbstractItemModel>
#include <QHash>

#include <memory>
#include <vector>

#include "TreeNodeData.h"

namespace fq {

class ProjectTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { NameColumn, StartColumn, EndColumn, PriorityColumn, ProgressColumn, DescriptionColumn, ColumnCount };

    explicit ProjectTreeModel(const TSFProjectManager& manager, QObject* parent = nullptr);
    ~ProjectTreeModel() override;

    // Rebuilds every node from the plan: projects in order; under a project
    // its tasks whose parent is the project, under each task the tasks whose
    // parent is that task, siblings in list order, each followed by its
    // subtree. A task whose parent is missing, in another project or in a
    // cycle is left out. Time grows with the number of tasks.
    void FillTree();
    void Clear();

    // The node carrying id, or an invalid index.
    QModelIndex IndexOfId(const QString& id) const;
    bool IsInTree(const QString& id) const;
    const TreeNodeData* NodeData(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Node;

    Node* NodeOf(const QModelIndex& index) const;
    Node& AddNode(Node& parent, TreeNodeData data, int projectIndex, int taskIndex);
    void AddToTree(int projectIndex);
    QString CellText(const Node& node, int column) const;
    bool HoldsTask(const Node& node) const;

    const TSFProjectManager& manager_;
    std::unique_ptr<Node> root_;
    QHash<QString, Node*> nodesById_;
};

// The name of a priority 1..5, else empty.
QString PriorityName(int priority);

}  // namespace fq
