#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace reelwright {

// The window's colour scheme and fonts.
namespace look {

inline const QColor kColorLight(192, 255, 192);
inline const QColor kColorDark(0, 128, 0);

inline const QColor kBodyCornerA(192, 233, 143);  // top left and bottom right
inline const QColor kBodyCornerB(241, 255, 232);  // bottom left
inline const QColor kBodyBack(Qt::white);         // top right
inline const QColor kHeaderTopLeft(179, 247, 206);
inline const QColor kHeaderBottomLeft(0, 128, 0);
inline const QColor kCaptionColor(95, 112, 50);
inline const QColor kBorderColor(96, 128, 88);
inline const QColor kLinkColor(0, 0, 255);
inline const QColor kStepNumberColor(85, 85, 85);  // dark enough to read on every green

constexpr int kCornerRadius = 10;

// The window's own light look, text included: its backgrounds are the design's fixed light
// greens and white, so dark text on light ground everywhere, whatever the desktop's palette
// (a dark or a high-contrast one would put white text on them).
QPalette OwnPalette();
// Makes it the palette of every window and tooltip of the program; before any is made.
void KeepOwnLook();

// The design's fonts first, then free fonts of the same metrics.
QFont WindowFont();   // Tahoma 8.25 pt
QFont ButtonFont();   // MS Sans Serif 9.75 pt bold
QFont CaptionFont();  // MS Sans Serif 12 pt bold
QFont StepNumberFont();

}  // namespace look
}  // namespace reelwright
