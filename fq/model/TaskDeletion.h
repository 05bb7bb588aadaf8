#pragma once
// The walks behind deleting tasks. They work on the positions of one
// snapshot of the list and remove everything in one pass at the end, so no
// position goes stale and no entry is touched twice.
#include <vector>

#include "uProject.h"

namespace fq {

// The task at rootIndex and its descendants (tasks whose ParentID names a
// task of the subtree), each after all of its own descendants, children
// taken from the end of the list towards its start, the root last. Every
// task appears once, however the parents are tangled.
std::vector<int> SubtreeInDeletionOrder(const TSFTaskCollection& tasks, int rootIndex);

// Unmarks the folders of each listed task in turn and then deletes the
// tasks. Should an unmarking fail, the tasks finished before it are still
// deleted, and the error goes on to the caller.
void UnmarkAndDeleteTasks(TSFTaskCollection& tasks, const std::vector<int>& indexesInOrder);

}  // namespace fq
