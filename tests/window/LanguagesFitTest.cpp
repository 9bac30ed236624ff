#include "joblist/JobGrid.h"
#include "joblist/ProgressCellDelegate.h"
#include "platform/Language.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"

#include "WindowTest.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTranslator>

namespace reelwright {
namespace {

// Every translation, loaded as the program loads it, then the window built in it.
class LanguagesFitTest : public test::WindowTest, public testing::WithParamInterface<QString> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(translator.load(QStringLiteral(REELWRIGHT_TRANSLATIONS_DIR "/reelwright_") +
                                    GetParam()))
            << GetParam().toStdString();
        QCoreApplication::installTranslator(&translator);
        Restart();  // built with the translation in place
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    QTranslator translator;

    // What of `panel`'s visible controls does not fit: a text wider than its control, or a
    // control reaching out of its panel.
    static QStringList Cut(QWidget* panel) {
        QStringList cut;
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(panel) || qobject_cast<MyFrame*>(control)) {
                continue;
            }
            QString text;
            int needed = 0;
            int room = control->width();
            if (auto* button = qobject_cast<MyButton*>(control)) {
                text = button->text();
                text.remove(u'&');
                needed = button->fontMetrics().horizontalAdvance(text);
                room = button->width() - 4;  // the face draws inside two pixels each side
            } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
                text = static_cast<QAbstractButton*>(control)->text();
                needed = control->sizeHint().width();
            } else if (auto* label = qobject_cast<QLabel*>(control);
                       label && !label->wordWrap() && label->pixmap().isNull()) {
                text = label->text();
                needed = label->fontMetrics().horizontalAdvance(text);
                room = label->contentsRect().width();
            } else {
                continue;
            }
            if (text.trimmed().isEmpty()) {
                continue;
            }
            if (needed > room) {
                cut << QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room);
            }
            // Where its panel ends, the text is cut however wide the control is.
            const QRect inPanel(control->mapTo(panel, QPoint(0, 0)), control->size());
            if (!panel->rect().contains(inPanel)) {
                cut << QStringLiteral("\"%1\" reaches out of its panel").arg(text);
            }
        }
        return cut;
    }
};

TEST_P(LanguagesFitTest, EveryControlOfTheWindowAndItsPanelsFitsItsText) {
    frmMain& w = *window;
    // Translated indeed: the main button is not the English one.
    EXPECT_NE(w.cmdConvert->text(), "Convert All");
    EXPECT_TRUE(Cut(w.frMain).isEmpty()) << Cut(w.frMain).join("\n").toStdString();
    // Laid out as when they slide up.
    w.show();
    for (MyFrame* panel : {w.frFormats, w.frAbout, w.frPowerOff, w.frResume}) {
        panel->show();
    }
    for (int face = 0; face < 2; ++face) {
        w.frFormatStack->setCurrentIndex(face);
        // The new face's layout is a posted request: carry it out before measuring.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_TRUE(Cut(w.frFormats).isEmpty()) << face << "\n"
                                                << Cut(w.frFormats).join("\n").toStdString();
    }
    for (MyFrame* panel : {w.frAbout, w.frPowerOff, w.frResume}) {
        EXPECT_TRUE(Cut(panel).isEmpty()) << panel->Caption().toStdString() << "\n"
                                          << Cut(panel).join("\n").toStdString();
    }
}

// Every text a user sees or hears: captions, tooltips, the list's header and cells, the
// format panel's lists, with the panels laid out.
QStringList Walk(frmMain& w) {
    QStringList texts;
    w.show();
    for (MyFrame* panel : {w.frFormats, w.frAbout, w.frPowerOff, w.frResume}) {
        panel->show();
    }
    for (int face = 0; face < 2; ++face) {
        w.frFormatStack->setCurrentIndex(face);
        for (QWidget* control : w.findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&w)) {
                continue;
            }
            texts << control->toolTip();
            if (auto* label = qobject_cast<QLabel*>(control)) {
                texts << label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                texts << button->text().remove(u'&');
            } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
                texts << group->title();
            }
        }
        for (QComboBox* list : {w.cmbCVSize, w.cmbCVAspect}) {
            texts << list->itemText(0);
        }
    }
    const QAbstractItemModel* rows = w.Grid->model();
    for (int column = 0; column < rows->columnCount(); ++column) {
        if (w.Grid->isColumnHidden(column)) {
            continue;
        }
        texts << rows->headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < rows->rowCount(); ++row) {
            texts << ProgressCellDelegate::ShownText(rows->index(row, column));
        }
    }
    return texts;
}

// The same texts in English and in the translation are words left in English, save names and
// what has no words.
TEST_P(LanguagesFitTest, NoWordIsLeftInEnglish) {
    QTemporaryDir media;
    const auto fill = [&](frmMain& w) {
        w.Jobs().SetProbe([](const QString&) { return true; });
        w.Jobs().SetLengthReader([](const QString& path) {
            return path.endsWith("broken.avi") ? QString() : QStringLiteral("00:00:03");
        });
        w.AddVideoFiles({test::WriteFile(media, "a.avi", QByteArray(3000, 'x')),
                         test::WriteFile(media, "broken.avi")});
    };
    fill(*window);
    const QStringList translated = Walk(*window);
    QCoreApplication::removeTranslator(&translator);
    Restart();
    // The kept rows' texts were made in the other language.
    for (int row = 0; row < window->Jobs().Store()->RecordCount(); ++row) {
        window->Jobs().Store()->SetCheckBox(row, -1);
    }
    window->Jobs().RemoveChecked();
    fill(*window);
    const QStringList english = Walk(*window);
    QCoreApplication::installTranslator(&translator);
    // Without words: numbers, sizes and times, in any language's units.
    static const QRegularExpression kNoWords(
        QStringLiteral("^[^A-Za-z]*( ?(Bytes|KB|MB|GB|KHz))?$"));
    // Names (the program's, the catalogue's, codecs and containers, units) and the words that
    // are the same in some of the languages.
    static const QStringList kNames{
        "Reelwright Video Converter", "FFmpeg", "Fennick Reelwright", "kbps", "fps", "X",
        "H.264 / AAC (most players)", "Computer and TV", "mp4", "AVI", "MP3 (LAME)",
        "MPEG-4 Part 2 (DivX and Xvid compatible)", "Auto", "Version", "Bitrate:"};
    QStringList left;
    for (const QString& text : translated) {
        if (english.contains(text) && !text.contains(kNoWords) && !kNames.contains(text) &&
            !text.contains(media.path()) && !left.contains(text)) {
            left << text;
        }
    }
    EXPECT_TRUE(left.isEmpty()) << left.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Translations, LanguagesFitTest,
                         testing::ValuesIn(kTranslatedLanguages.begin(),
                                           kTranslatedLanguages.end()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

// Whatever the desktop asks for, a language we have, or English.
TEST(ChooseLanguage, TakesTheFirstWishThatFits) {
    const struct {
        const char* language;
        const char* lcAll;
        const char* lang;
        const char* chosen;
    } cases[] = {
        {"", "", "de_DE.UTF-8", "de"},
        {"", "", "de_AT.UTF-8@euro", "de"},
        {"", "", "fr_CA.UTF-8", "fr"},
        {"", "", "es_MX.UTF-8", "es"},
        {"", "", "pt_BR.UTF-8", "pt_BR"},
        {"", "", "pt_PT.UTF-8", "pt_BR"},  // the only Portuguese there is
        {"", "", "zh_CN.UTF-8", "zh_CN"},
        {"", "", "zh_TW.UTF-8", ""},  // traditional script: English rather than the other
        {"", "", "ja_JP.UTF-8", ""},
        {"", "", "C.UTF-8", ""},
        {"", "", "", ""},
        {"nl:fr:de", "", "nl_NL.UTF-8", "fr"},     // the first wish that fits
        {"en_GB:de", "", "de_DE.UTF-8", ""},       // English asked for first
        {"de", "", "C", ""},                       // LANGUAGE is not heard under the C locale
        {"", "es_ES.UTF-8", "de_DE.UTF-8", "es"},  // LC_ALL before LANG
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLanguage(c.language, c.lcAll, QString(), c.lang), c.chosen)
            << c.language << " / " << c.lcAll << " / " << c.lang;
    }
}

}  // namespace
}  // namespace reelwright
