#pragma once

#include <atomic>
#include <chrono>

namespace reelwright {

// How long the libraries may take over a file, and a flag that ends their reading sooner;
// given to a format context as its interrupt callback, with PastDeadline.
struct Deadline {
    std::chrono::steady_clock::time_point end;
    const std::atomic<bool>* cancel = nullptr;
};

inline int PastDeadline(void* opaque) {
    const auto* deadline = static_cast<const Deadline*>(opaque);
    return (deadline->cancel && deadline->cancel->load()) ||
           std::chrono::steady_clock::now() > deadline->end;
}

}  // namespace reelwright
