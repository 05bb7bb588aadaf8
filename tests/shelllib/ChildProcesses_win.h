#pragma once
// The processes this test program starts, and those they start in turn,
// watched through a job object that the program joins on first use: a
// test can tell whether a call started anything, and wait, for a bounded
// time, until what it started has ended.
#include <windows.h>

#include <chrono>

namespace fq::test {

class ChildProcesses {
public:
    static ChildProcesses& Watched();

    // The number of processes started since the program joined the job.
    unsigned long StartedSoFar() const;
    // False when some are still running after the limit.
    bool WaitUntilNoneRuns(std::chrono::milliseconds limit) const;

private:
    ChildProcesses();
    unsigned long Running() const;

    HANDLE job_ = nullptr;
    unsigned long runningAtStart_ = 0;  // this program itself, where the system counts it
};

}  // namespace fq::test
