#include "OpenTask.h"

#include "TaskLaunch.h"
#include "fileattributes.h"

namespace fennquill {

OpenOutcome OpenTaskOf(const std::vector<std::string>& items, const StartProgram& start) {
    if (items.size() != 1) return OpenOutcome::NotOneItem;
    if (!platform::IsExistingDirectory(items.front())) return OpenOutcome::NotAFolder;
    const std::string taskId = MarkedTaskId(items.front());
    if (taskId.empty()) return OpenOutcome::NotMarked;
    if (!IsHandOverSafe(taskId)) return OpenOutcome::UnsafeTaskId;
    const std::string program = RegisteredProgram();
    if (program.empty()) return OpenOutcome::NoProgram;
    return start(program, taskId) ? OpenOutcome::Started : OpenOutcome::StartFailed;
}

std::string OutcomeText(OpenOutcome outcome) {
    switch (outcome) {
        case OpenOutcome::Started: return {};
        case OpenOutcome::NotOneItem: return "Task Properties needs exactly one folder.";
        case OpenOutcome::NotAFolder: return "Task Properties needs a folder.";
        case OpenOutcome::NotMarked: return "The folder is not marked with a task.";
        case OpenOutcome::UnsafeTaskId: return "The folder's task marker holds a TaskId that is not handed over.";
        case OpenOutcome::NoProgram: return "Fennquill has not been started yet, so the program to open is not known.";
        case OpenOutcome::StartFailed: return "Fennquill could not be started.";
    }
    return {};
}

}  // namespace fennquill
