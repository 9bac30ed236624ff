#pragma once

#include <QRect>

namespace reelwright {

// The layout is designed in twips: 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace reelwright
