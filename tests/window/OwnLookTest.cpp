// The window keeps its own light look on any desktop: its grounds are the design's fixed light
// greens and white, so every text on them stays dark, under a light, a dark (as qt6ct's
// "darker" scheme) and a high-contrast palette alike.
#include "window/Look.h"
#include "window/MyFrame.h"

#include "WindowTest.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace reelwright {
namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DesktopPalette(const char* name) {
    if (QByteArray(name) == "dark") {
        QPalette dark(QColor(240, 240, 240), QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::Text, QColor(240, 240, 240));
        dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
        dark.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
        return dark;
    }
    if (QByteArray(name) == "high contrast") {
        QPalette high(Qt::white, Qt::black);
        high.setColor(QPalette::Base, Qt::black);
        high.setColor(QPalette::Text, Qt::white);
        high.setColor(QPalette::Highlight, Qt::yellow);
        return high;
    }
    return QPalette(Qt::black, QColor(239, 239, 239));
}

class OwnLookTest : public test::WindowTest, public testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        QApplication::setPalette(DesktopPalette(GetParam()));
        look::KeepOwnLook();  // as the program does at its start
        Restart();
    }
    void TearDown() override { QApplication::setPalette(look::OwnPalette()); }
};

TEST_P(OwnLookTest, EveryTextReadsOnTheDesignsGrounds) {
    frmMain& w = *window;
    w.show();
    for (MyFrame* panel : {w.frFormats, w.frAbout, w.frPowerOff, w.frResume}) {
        panel->show();
    }
    // The lightest and the darkest of the grounds texts stand on.
    const QColor grounds[] = {look::kBodyBack, look::kBodyCornerA, look::kBodyCornerB,
                              look::kColorLight};
    int checked = 0;
    for (QWidget* control : w.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            text = edit->text();
            const QPalette& palette = edit->palette();
            EXPECT_GE(Contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)), 4.5)
                << edit->objectName().toStdString();
            continue;
        }
        if (text.trimmed().isEmpty() || !control->isVisible() || !control->isEnabled()) {
            continue;
        }
        const QColor ink = control->palette().color(control->foregroundRole());
        for (const QColor& ground : grounds) {
            EXPECT_GE(Contrast(ink, ground), 4.5)
                << GetParam() << ": \"" << text.toStdString() << "\" in "
                << ink.name().toStdString() << " on " << ground.name().toStdString();
        }
        ++checked;
    }
    EXPECT_GT(checked, 20);
    // Tooltips too, and the list's text on its ground.
    const QPalette own = QApplication::palette();
    EXPECT_GE(Contrast(own.color(QPalette::ToolTipText), own.color(QPalette::ToolTipBase)), 4.5);
    EXPECT_GE(Contrast(own.color(QPalette::Text), own.color(QPalette::Base)), 4.5);
    EXPECT_GE(Contrast(own.color(QPalette::HighlightedText), own.color(QPalette::Highlight)), 4.5);
}

INSTANTIATE_TEST_SUITE_P(Desktops, OwnLookTest,
                         testing::Values("light", "dark", "high contrast"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

}  // namespace
}  // namespace reelwright
