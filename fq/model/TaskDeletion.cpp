#include "TaskDeletion.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "FolderMarker.h"

namespace fq {

std::vector<int> SubtreeInDeletionOrder(const TSFTaskCollection& tasks, int rootIndex) {
    std::unordered_map<std::string_view, std::vector<int>> childrenOf;
    for (int i = 0; i < tasks.Count(); ++i) childrenOf[tasks.Items(i).ParentID].push_back(i);

    struct Visit {
        int index;
        std::size_t childrenTaken;
    };
    std::vector<bool> seen(static_cast<std::size_t>(tasks.Count()), false);
    std::vector<int> order;
    std::vector<Visit> path{{rootIndex, 0}};  // an explicit stack: chains can be deep
    seen[static_cast<std::size_t>(rootIndex)] = true;
    while (!path.empty()) {
        Visit& visit = path.back();
        const auto found = childrenOf.find(tasks.Items(visit.index).ID);
        const std::vector<int>* children = found == childrenOf.end() ? nullptr : &found->second;
        if (children != nullptr && visit.childrenTaken < children->size()) {
            const int child = (*children)[children->size() - 1 - visit.childrenTaken++];
            if (!seen[static_cast<std::size_t>(child)]) {
                seen[static_cast<std::size_t>(child)] = true;
                path.push_back({child, 0});
            }
            continue;
        }
        order.push_back(visit.index);
        path.pop_back();
    }
    return order;
}

void UnmarkAndDeleteTasks(TSFTaskCollection& tasks, const std::vector<int>& indexesInOrder) {
    std::unordered_set<const TSFTask*> finished;
    auto deleteFinished = [&] {
        tasks.DeleteUnless([&](const TSFTask& task) { return !finished.contains(&task); });
    };
    try {
        for (int index : indexesInOrder) {
            TSFTask& task = tasks.Items(index);
            for (int f = 0; f < task.Folders.Count(); ++f) UnmarkFolder(task.Folders.Items(f));
            task.Folders.Clear();
            finished.insert(&task);
        }
    } catch (...) {
        deleteFinished();
        throw;
    }
    deleteFinished();
}

}  // namespace fq
