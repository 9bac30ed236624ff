#include "window/Twips.h"

#include <algorithm>

namespace reelwright {
namespace {

double g_zoom = 1.0;

}  // namespace

double DesignZoom() {
    return g_zoom;
}

void SetDesignZoom(double zoom) {
    g_zoom = zoom;
}

double FitZoom(const QSize& design, const QSize& available) {
    if (design.width() <= available.width() && design.height() <= available.height()) {
        return 1.0;
    }
    // A small margin, so the window's edges stay clear of the screen's.
    const double zoom = 0.97 * std::min(static_cast<double>(available.width()) / design.width(),
                                        static_cast<double>(available.height()) / design.height());
    return std::clamp(zoom, 0.3, 1.0);
}

QPoint CentredOver(const QRect& owner, const QSize& size, const QRect& screen) {
    const int left = owner.x() + (owner.width() - size.width()) / 2;
    const int top = owner.y() + (owner.height() - size.height()) / 2;
    return {std::max(screen.left(), std::min(left, screen.x() + screen.width() - size.width())),
            std::max(screen.top(), std::min(top, screen.y() + screen.height() - size.height()))};
}

}  // namespace reelwright
