#include <pthread.h>
#include <sys/random.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <random>

#include "guid.h"

namespace platform {
namespace {

// Version 4 GUIDs may come from a pseudo-random generator. Each thread runs
// xoshiro256** seeded from the kernel, so that loading a plan, which makes
// a fresh identifier for every task and folder it reads, does not wait on the
// kernel for each one. A forked child seeds afresh, so parent and child never
// make the same GUIDs.
std::atomic<unsigned> g_forkGeneration{0};

void CountFork() { g_forkGeneration.fetch_add(1, std::memory_order_relaxed); }

class GuidGenerator {
public:
    std::uint64_t Next() {
        if (seededGeneration_ != CurrentGeneration()) Seed();
        const std::uint64_t result = Rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = Rotate(state_[3], 45);
        return result;
    }

private:
    static unsigned CurrentGeneration() {
        static const bool registered = pthread_atfork(nullptr, nullptr, CountFork) == 0;
        (void)registered;
        return g_forkGeneration.load(std::memory_order_relaxed) + 1;  // never 0, the unseeded mark
    }

    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    void Seed() {
        std::size_t filled = 0;
        auto* bytes = reinterpret_cast<unsigned char*>(state_.data());
        while (filled < sizeof state_) {
            const ssize_t got = getrandom(bytes + filled, sizeof state_ - filled, 0);
            if (got <= 0) break;
            filled += static_cast<std::size_t>(got);
        }
        if (filled < sizeof state_) {  // no getrandom: the C++ random device instead
            std::random_device device;
            for (auto& word : state_) word = (std::uint64_t{device()} << 32) ^ device();
        }
        if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) state_[0] = 1;  // the one state that stays 0
        seededGeneration_ = CurrentGeneration();
    }

    std::array<std::uint64_t, 4> state_{};
    unsigned seededGeneration_ = 0;
};

}  // namespace

Guid NewGuid() {
    thread_local GuidGenerator generator;
    Guid b{};
    for (std::size_t half = 0; half < 2; ++half) {
        const std::uint64_t word = generator.Next();
        for (std::size_t i = 0; i < 8; ++i) b[half * 8 + i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
    b[6] = static_cast<std::uint8_t>((b[6] & 0x0F) | 0x40);  // version 4
    b[8] = static_cast<std::uint8_t>((b[8] & 0x3F) | 0x80);  // RFC 4122 variant
    return b;
}

}  // namespace platform
