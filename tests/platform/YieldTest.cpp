#include "platform/Yield.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace reelwright {
namespace {

// Work that cannot end until the window has had a turn proves the window is served while it
// runs: done on the calling thread, it would wait out its bound and say so.
TEST(YieldAside, TheWindowIsServedWhileTheWorkRuns) {
    std::atomic<int> turns = 0;
    const Yield::Function previous = Yield::Install([&turns] { ++turns; });
    const std::thread::id caller = std::this_thread::get_id();
    struct Seen {
        bool turnTaken = false;
        bool elsewhere = false;
    };
    const Seen seen = Yield::Aside([&turns, caller] {
        const auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (turns.load() < 2 && std::chrono::steady_clock::now() < bound) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return Seen{turns.load() >= 2, std::this_thread::get_id() != caller};
    });
    Yield::Install(previous);
    EXPECT_TRUE(seen.turnTaken);
    EXPECT_TRUE(seen.elsewhere);
}

}  // namespace
}  // namespace reelwright
