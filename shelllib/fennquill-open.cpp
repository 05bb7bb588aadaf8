// fennquill-open FOLDER: what a file manager runs for "Task Properties" on
// the selected items. Starts the main program with the task the folder is
// marked with; the exit code says why nothing started (see OpenTask.h).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "OpenTask.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("Usage: fennquill-open FOLDER\nOpens the task a marked folder belongs to in Fennquill.");
        return 0;
    }
    const std::vector<std::string> items(argv + 1, argv + argc);
    const fennquill::OpenOutcome outcome = fennquill::OpenTaskOf(items, fennquill::StartDetached);
    if (outcome != fennquill::OpenOutcome::Started)
        std::fprintf(stderr, "fennquill-open: %s\n", fennquill::OutcomeText(outcome).c_str());
    return static_cast<int>(outcome);
}
