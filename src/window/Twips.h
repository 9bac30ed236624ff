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

// Puts a control at its design position and size.
template <typename W>
W* Place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

// Labels, check boxes and options size themselves to their text.
template <typename W>
W* PlaceAuto(W* widget, int left, int top) {
    widget->move(TwipsToPixels(left), TwipsToPixels(top));
    widget->adjustSize();
    return widget;
}

}  // namespace reelwright
