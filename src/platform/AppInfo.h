#pragma once

namespace reelwright {

inline constexpr char kProductName[] = "Reelwright Video Converter";
inline constexpr char kMakerName[] = "Fennick Reelwright";
inline constexpr char kExecutableName[] = "reelwright";

}  // namespace reelwright
