#include "window/Look.h"

namespace reelwright::look {
namespace {

QFont Make(const QStringList& families, double points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

QFont WindowFont() {
    return Make({"Tahoma", "Liberation Sans", "Arial", "DejaVu Sans"}, 8.25, false);
}

QFont ButtonFont() {
    return Make({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, 9.75, true);
}

QFont CaptionFont() {
    return Make({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"}, 12.0, true);
}

QFont StepNumberFont() {
    return Make({"Liberation Sans", "Arial", "DejaVu Sans"}, 18.0, true);
}

}  // namespace reelwright::look
