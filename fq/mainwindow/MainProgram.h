#pragma once
// The program from its entry to its exit.

namespace fq {

// Sets up the application, runs the main window's start-up, and the event
// loop unless the start-up ended the program already.
int RunMainProgram(int argc, char** argv);

}  // namespace fq
