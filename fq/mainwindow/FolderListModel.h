#pragma once
// The item list: what belongs to the tree node clicked last. A task's
// folders, then its files; or all tasks of a project, flat.
#include <QAbstractListModel>
#include <QIcon>

#include <vector>

#include "FolderRecord.h"
#include "uProject.h"

namespace fq {

class FolderListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void FillList(const TSFTask& task);
    void FillList(const TSFProject& project);
    void Clear();

    const TFolderRecord* Record(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Item {
        TFolderRecord record;
        QIcon icon;
    };
    void Replace(std::vector<Item> items);

    std::vector<Item> items_;
};

}  // namespace fq
