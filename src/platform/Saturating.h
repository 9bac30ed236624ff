#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace reelwright {

// Sums of times a file states: a crafted or broken file may state a start near the limit of
// 64 bits, and a signed sum that overflows is undefined, not merely wrong.

// a + b, when it fits.
inline std::optional<std::int64_t> CheckedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

// a + b, held at the nearer limit when it does not fit.
inline std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    if (const std::optional<std::int64_t> sum = CheckedAdd(a, b)) {
        return *sum;
    }
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

}  // namespace reelwright
