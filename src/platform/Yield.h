#pragma once

#include <chrono>
#include <functional>
#include <future>

namespace reelwright {

// The one way long work lets the window breathe. Tests replace it to count or to act.
class Yield {
  public:
    using Function = std::function<void()>;

    // Runs the installed yield; by default it dispatches the waiting events of the thread.
    static void Run();
    // Installs a yield and returns the previous one; an empty function restores the default.
    static Function Install(Function yield);

    // Runs `work` on a thread of its own and yields here until it is done, so that a read which
    // may block (a slow disk, a network folder) never holds the window still.
    template <typename Work>
    static auto Aside(Work work) -> decltype(work()) {
        std::future<decltype(work())> done = std::async(std::launch::async, std::move(work));
        return Await(done);
    }

    // Yields here until `done` has its value, and gives it.
    template <typename T>
    static T Await(std::future<T>& done) {
        while (done.wait_for(std::chrono::milliseconds(kAsideSliceMs)) !=
               std::future_status::ready) {
            Run();
        }
        return done.get();
    }

  private:
    static constexpr int kAsideSliceMs = 15;
};

}  // namespace reelwright
