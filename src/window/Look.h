#pragma once

#include <QColor>
#include <QFont>

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
inline const QColor kStepNumberColor(128, 128, 128);

constexpr int kCornerRadius = 10;

// The design's fonts first, then free fonts of the same metrics.
QFont WindowFont();   // Tahoma 8.25 pt
QFont ButtonFont();   // MS Sans Serif 9.75 pt bold
QFont CaptionFont();  // MS Sans Serif 12 pt bold
QFont StepNumberFont();

}  // namespace look
}  // namespace reelwright
