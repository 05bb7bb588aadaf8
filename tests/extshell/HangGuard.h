#pragma once
// Ends the test program when the guarded code has not finished in time, so
// that a menu that never closes fails the run instead of stalling it.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace fq::test {

class HangGuard {
public:
    explicit HangGuard(std::chrono::seconds limit);
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watcher_;
};

}  // namespace fq::test
