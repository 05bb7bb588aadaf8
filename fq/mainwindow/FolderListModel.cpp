#include "FolderListModel.h"

#include "ShellIcons.h"
#include "folders.h"

namespace fq {

void FolderListModel::FillList(const TSFTask& task) {
    std::vector<Item> items;
    for (int i = 0; i < task.Folders.Count(); ++i) {
        const TSFFolder& folder = task.Folders.Items(i);
        items.push_back({{folder.ID, folder.Path, folder.Name, false, true, false}, ShellIcon(QString::fromStdString(folder.Path))});
    }
    for (const std::string& file : task.Files)
        items.push_back({{"-1", file, FileCaption(file), true, false, false}, ShellIcon(QString::fromStdString(file))});
    Replace(std::move(items));
}

// Every task of the project at every depth, each with the icon of the
// program's own folder.
void FolderListModel::FillList(const TSFProject& project) {
    const QIcon taskIcon = ShellIcon(QString::fromStdString(platform::ProgramDirectory()));
    std::vector<Item> items;
    items.reserve(static_cast<std::size_t>(project.Tasks.Count()));
    for (int i = 0; i < project.Tasks.Count(); ++i) {
        const TSFTask& task = project.Tasks.Items(i);
        items.push_back({{task.ID, task.TaskName, task.TaskName, false, false, true}, taskIcon});
    }
    Replace(std::move(items));
}

void FolderListModel::Clear() { Replace({}); }

void FolderListModel::Replace(std::vector<Item> items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

const TFolderRecord* FolderListModel::Record(int row) const {
    return row >= 0 && row < static_cast<int>(items_.size()) ? &items_[static_cast<std::size_t>(row)].record : nullptr;
}

int FolderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
    const TFolderRecord* record = Record(index.row());
    if (!index.isValid() || record == nullptr) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(record->Name);
    if (role == Qt::DecorationRole) return items_[static_cast<std::size_t>(index.row())].icon;
    if (role == Qt::ToolTipRole) return QString::fromStdString(record->Path);
    return {};
}

// Captions are never edited.
Qt::ItemFlags FolderListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace fq
