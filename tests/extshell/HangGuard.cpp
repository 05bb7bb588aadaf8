#include "HangGuard.h"

#include <cstdio>
#include <cstdlib>

namespace fq::test {

HangGuard::HangGuard(std::chrono::seconds limit)
    : watcher_([this, limit] {
          std::unique_lock lock(mutex_);
          if (finished_.wait_for(lock, limit, [this] { return done_; })) return;
          std::fprintf(stderr, "a menu was still open after %lld s: giving up\n", static_cast<long long>(limit.count()));
          std::fflush(stderr);
          std::_Exit(3);
      }) {}

HangGuard::~HangGuard() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_one();
    watcher_.join();
}

}  // namespace fq::test
