#pragma once

#include <cmath>
#include <cstdint>

namespace reelwright {

// Banker's rounding: halves go to the even neighbour, as the program's texts expect.
inline double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5) {
        return floor + 1.0;
    }
    if (diff < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

inline std::int64_t RoundHalfEvenToInt(double value) {
    return static_cast<std::int64_t>(RoundHalfEven(value));
}

}  // namespace reelwright
