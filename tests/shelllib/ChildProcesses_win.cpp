#include "ChildProcesses_win.h"

#include <stdexcept>
#include <thread>

namespace fq::test {
namespace {

JOBOBJECT_BASIC_ACCOUNTING_INFORMATION Accounting(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr))
        throw std::runtime_error("cannot read the job's accounting");
    return accounting;
}

}  // namespace

ChildProcesses& ChildProcesses::Watched() {
    static ChildProcesses processes;
    return processes;
}

ChildProcesses::ChildProcesses() : job_(CreateJobObjectW(nullptr, nullptr)) {
    if (job_ == nullptr || !AssignProcessToJobObject(job_, GetCurrentProcess()))
        throw std::runtime_error("cannot watch the processes this program starts");
    runningAtStart_ = Running();
}

unsigned long ChildProcesses::StartedSoFar() const { return Accounting(job_).TotalProcesses; }

unsigned long ChildProcesses::Running() const { return Accounting(job_).ActiveProcesses; }

bool ChildProcesses::WaitUntilNoneRuns(std::chrono::milliseconds limit) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (Running() > runningAtStart_) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace fq::test
