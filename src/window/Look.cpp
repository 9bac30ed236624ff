#include "window/Look.h"

#include "window/Twips.h"

#include <QApplication>
#include <QToolTip>

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

QPalette OwnPalette() {
    const QColor face(240, 240, 240);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    QPalette palette(black, face, white, QColor(160, 160, 160), QColor(160, 160, 160), black,
                     white, white, face);
    palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
    palette.setColor(QPalette::Shadow, QColor(105, 105, 105));
    palette.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::Highlight, QColor(0, 100, 200));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, kLinkColor);
    palette.setColor(QPalette::LinkVisited, QColor(85, 26, 139));
    palette.setColor(QPalette::PlaceholderText, QColor(110, 110, 110));
    palette.setColor(QPalette::BrightText, white);
    // Greyed out, yet still to be read.
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    }
    return palette;
}

void KeepOwnLook() {
    QApplication::setPalette(OwnPalette());
    QToolTip::setPalette(OwnPalette());
}

}  // namespace reelwright::look
