#pragma once

#include <QRect>
#include <QSize>

namespace reelwright {

// The layout is designed in twips: 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// On a screen too small for the design (a laptop at 150% or 200%), the whole design is drawn
// smaller, fonts included. 1 is the design's own size.
double DesignZoom();
void SetDesignZoom(double zoom);
// The zoom at which a design of `design` pixels fits an area of `available` pixels: 1 when it
// fits as it is, else a little smaller than the tighter of the two directions.
double FitZoom(const QSize& design, const QSize& available);
// Where a window of `size` goes to sit centred over `owner`: moved as little as needed to stay
// inside `screen`, and to its top left when it is larger.
QPoint CentredOver(const QRect& owner, const QSize& size, const QRect& screen);

inline int TwipsToPixels(int twips) {
    return static_cast<int>(twips * DesignZoom() / kTwipsPerPixel);
}

// Pixels of the design, at the zoom.
inline int Zoomed(int pixels) {
    return static_cast<int>(pixels * DesignZoom() + 0.5);
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
