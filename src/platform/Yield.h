#pragma once

#include <functional>

namespace reelwright {

// The one way long work lets the window breathe. Tests replace it to count or to act.
class Yield {
  public:
    using Function = std::function<void()>;

    // Runs the installed yield; by default it dispatches the waiting events of the thread.
    static void Run();
    // Installs a yield and returns the previous one; an empty function restores the default.
    static Function Install(Function yield);
};

}  // namespace reelwright
