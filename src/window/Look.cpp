#include "window/Look.h"

#include "window/Twips.h"

namespace reelwright::look {
namespace {

QFont Make(const QStringList& families, double points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points * DesignZoom());
    font.setBold(bold);
    return font;
}

}  // namespace

QFont WindowFont() {
    // Letters of every script, file names in Chinese, Japanese or Korean too.
    return Make({"Tahoma", "Liberation Sans", "Arial", "DejaVu Sans", "WenQuanYi Micro Hei",
                 "Noto Sans CJK SC"},
                8.25, false);
}

QFont ButtonFont() {
    // A narrow face, as the design's was: the captions fit their buttons at the design's size.
    return Make({"MS Sans Serif", "Liberation Sans Narrow", "Arial Narrow", "Liberation Sans",
                 "DejaVu Sans"},
                9.75, true);
}

QFont CaptionFont() {
    return Make({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, 12.0, true);
}

QFont StepNumberFont() {
    return Make({"Liberation Sans", "Arial", "DejaVu Sans"}, 18.0, true);
}

}  // namespace reelwright::look
