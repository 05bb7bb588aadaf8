#pragma once
// "Task Properties" from a file manager on Linux: the decisions the
// Windows handler makes before it starts the main program, for the items
// the file manager hands over.
#include <functional>
#include <string>
#include <vector>

namespace fennquill {

// Also the exit codes of fennquill-open.
enum class OpenOutcome : int {
    Started = 0,
    NotOneItem = 2,    // none, or more than one item
    NotAFolder = 3,    // the item is no existing folder
    NotMarked = 4,     // no desktop.ini, or no TaskId in it
    UnsafeTaskId = 5,  // the TaskId is not fit to be handed over
    NoProgram = 6,     // the main program never registered itself (AppPath)
    StartFailed = 7,   // the program could not be started
};

// Starts program with argument as its only argument; true when it started.
using StartProgram = std::function<bool(const std::string& program, const std::string& argument)>;

// Exactly one existing folder marked with a TaskId that is safe to hand
// over, and a registered main program: then the program is started with the
// TaskId as its only argument.
OpenOutcome OpenTaskOf(const std::vector<std::string>& items, const StartProgram& start);

// One line saying why nothing was started ("" when it was).
std::string OutcomeText(OpenOutcome outcome);

// Starts the program detached in a session of its own, without a shell:
// the argument reaches it as exactly one argument whatever it holds.
bool StartDetached(const std::string& program, const std::string& argument);

}  // namespace fennquill
