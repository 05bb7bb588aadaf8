#pragma once
// What the file manager's "Task Properties" decides before it starts the
// main program: which task a folder is marked with, which program to start,
// and how the task reaches it as exactly one argument.
#include <string>

namespace fennquill {

// TaskId of ".ShellCLassInfo" in the folder's desktop.ini; empty when the
// path is no existing folder, or has no desktop.ini, or no TaskId there.
std::string MarkedTaskId(const std::string& folder);

// The main program as it last registered itself: "AppPath" of
// HKEY_CURRENT_USER\Software\Fennquill\OS Data (the key Software\Fennquill
// is created when missing). Empty when there is none.
std::string RegisteredProgram();

// A desktop.ini can come from anywhere, so its TaskId is untrusted: it is
// handed over only when it is not empty and holds no control characters and
// no double quotes.
bool IsHandOverSafe(const std::string& taskId);

// The text as exactly one argument of a Windows command line (the rules of
// CommandLineToArgvW): in double quotes, with backslashes doubled where a
// quote follows them.
std::string QuotedArgument(const std::string& text);

}  // namespace fennquill
