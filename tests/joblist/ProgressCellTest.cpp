#include "joblist/ProgressCellDelegate.h"

#include "joblist/JobRow.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include <cmath>
#include <cstdlib>

namespace reelwright {
namespace {

const QColor kBar = ProgressCellDelegate::kBarColor;
const QColor kBack(Qt::white);
const QColor kSelection(0, 0, 128);
const QColor kSelectedText(Qt::white);
const QColor kCanvas(255, 0, 255);

// Paints one status cell at (10, 2), 201 by 20 pixels, into an image.
QImage PaintCell(const QString& status, bool selected = false, int column = JobRow::Status) {
    QStandardItemModel model(1, JobRow::kColumnCount);
    model.setData(model.index(0, column), status);
    QImage image(230, 24, QImage::Format_RGB32);
    image.fill(kCanvas);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(10, 2, 201, 20);
    option.palette.setColor(QPalette::HighlightedText, kSelectedText);
    option.palette.setColor(QPalette::Highlight, kSelection);
    option.state = QStyle::State_Enabled | (selected ? QStyle::State_Selected : QStyle::State_None);
    ProgressCellDelegate delegate;
    delegate.paint(&painter, option, model.index(0, column));
    return image;
}

// The colours along the cell's top row, away from the text.
QColor At(const QImage& image, int x) {
    return image.pixelColor(x, 3);
}

// Text is smoothed at its edges, so its colour is looked for with a little tolerance.
bool HasPixelOf(const QImage& image, const QColor& color, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green()) +
                    std::abs(pixel.blue() - color.blue()) <
                60) {
                return true;
            }
        }
    }
    return false;
}

struct BarCase {
    const char* name;
    const char* status;
    int barEnd;  // first x after the bar
};

class ProgressBar : public testing::TestWithParam<BarCase> {};

TEST_P(ProgressBar, FillsItsShareOfTheCell) {
    const QImage image = PaintCell(GetParam().status);
    const int end = GetParam().barEnd;
    if (end > 10) {
        EXPECT_EQ(At(image, 10), kBar);
        EXPECT_EQ(At(image, end - 1), kBar);
    }
    if (end < 211) {
        EXPECT_EQ(At(image, end), kBack);
        EXPECT_EQ(At(image, 210), kBack);
    }
    EXPECT_EQ(At(image, 9), kCanvas);
    EXPECT_EQ(At(image, 211), kCanvas);
}

// 50 % of 201 pixels from x = 10 ends at 110.5, rounded half to even to 110.
INSTANTIATE_TEST_SUITE_P(Statuses, ProgressBar,
                         testing::Values(BarCase{"empty", "0", 10}, BarCase{"half", "50", 110},
                                         BarCase{"full", "100", 211},
                                         BarCase{"below zero", "-1", 10},
                                         BarCase{"over full", "150", 211},
                                         BarCase{"fraction", "45.5", 102}),
                         test::CaseName<BarCase>);

TEST(ProgressCell, TheTextTakesTheOtherColourOnEachPart) {
    // Empty: text in the bar colour on the background.
    QImage image = PaintCell("0");
    EXPECT_TRUE(HasPixelOf(image, kBar, QRect(90, 4, 40, 16)));
    // Full: text in the background colour on the bar.
    image = PaintCell("100");
    EXPECT_TRUE(HasPixelOf(image, kBack, QRect(90, 4, 40, 16)));
}

TEST(ProgressCell, RoundsTheValueHalfToEven) {
    EXPECT_EQ(ProgressCellDelegate::ProgressOf(QStandardItemModel(1, 6).index(0, 0)), std::nullopt);
    QStandardItemModel model(1, JobRow::kColumnCount);
    const QModelIndex status = model.index(0, JobRow::Status);
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"45.5", 46},
                 {"44.5", 44},
                 {" 57 ", 57},
                 {"-1", -1},
                 {"Waiting Conversion", std::nullopt},
                 {"Complete", std::nullopt},
                 {"12.40 Seconds Converted", std::nullopt},
                 // A status read from a kept list can hold anything.
                 {"nan", std::nullopt},
                 {"1e300", 1000000000},
                 {"", std::nullopt}};
    for (const auto& c : cases) {
        model.setData(status, c.text);
        EXPECT_EQ(ProgressCellDelegate::ProgressOf(status), c.value) << c.text;
    }
}

TEST(ProgressCell, ASelectedCellKeepsItsBarInsideTheSelection) {
    const QImage image = PaintCell("30", true);
    EXPECT_EQ(At(image, 10), kSelection);
    EXPECT_EQ(At(image, 210), kSelection);
    EXPECT_EQ(image.pixelColor(14, 8), kBar);
    EXPECT_EQ(image.pixelColor(200, 8), kBack);
    EXPECT_TRUE(HasPixelOf(image, kBar, QRect(90, 6, 40, 12)));
}

// WCAG's contrast of two colours: 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& color) {
        const auto channel = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
               0.0722 * channel(color.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

TEST(ProgressCell, StatusTextsReadAgainstTheirBackground) {
    const struct {
        const char* what;
        QColor text;
    } cases[] = {{"Complete", QColor::fromRgb(Rgb(76, 129, 64))},
                 {"Error, Cancelled, Unkown Format", QColor::fromRgb(Rgb(220, 10, 10))},
                 {"a percentage on white, and white on the bar", kBar}};
    for (const auto& c : cases) {
        EXPECT_GE(Contrast(c.text, Qt::white), 4.5) << c.what;
    }
    EXPECT_LT(Contrast(QColor(113, 177, 98), Qt::white), 4.5);  // the design's green did not
}

TEST(ProgressCell, TextsAndOtherColumnsKeepTheDefaultPainting) {
    for (const QImage& image :
         {PaintCell("Waiting Conversion"), PaintCell("45", false, JobRow::Duration)}) {
        EXPECT_FALSE(HasPixelOf(image, kBar, QRect(10, 2, 201, 20)));
    }
}

}  // namespace
}  // namespace reelwright
