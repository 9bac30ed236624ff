#pragma once

#include <cmath>

namespace reelwright {

// The longest play length believed from outside (a file's container, a kept list, a duration
// text, the encoder's count): about 115 days. A longer one, or one that is not a number, is no
// video's, and counts as unknown.
inline constexpr double kLongestPlaySeconds = 1e7;

// `seconds` when it is a play length to go by; 0 (unknown) otherwise.
inline double BelievedLength(double seconds) {
    return std::isfinite(seconds) && seconds > 0 && seconds <= kLongestPlaySeconds ? seconds : 0;
}

}  // namespace reelwright
