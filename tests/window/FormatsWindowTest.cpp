#include "window/MyButton.h"
#include "window/MyFrame.h"

#include "WindowTest.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace reelwright {
namespace {

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

using test::CodecLines;
using test::CrLf;
using test::PresetLines;

class FormatsWindowTest : public test::WindowTest {
  protected:
    // Replaces the catalogues and starts the window again over them.
    void StartWith(const QList<QStringList>& presets, const QList<QStringList>& codecs) {
        folder.Write("presets.xml", CrLf(test::PresetCatalogueLines(presets)));
        folder.Write("codecs.xml", test::CodecCatalogueText(codecs));
        Restart();
    }
    void UseCustom() { QTest::mouseClick(window->optFormat[1], Qt::LeftButton); }
};

TEST_F(FormatsWindowTest, TheCataloguesFillTheListsAndTheDefaultsChoose) {
    StartWith(
        {PresetLines("H264", "-b:v 1k", "mp4", "PC"), PresetLines("H264", "-b:v 2k", "mkv", "PC"),
         PresetLines("Xvid", "-b:v 3k", "avi", "PC"), PresetLines("VP9", "-b:v 4k", "webm", "Web")},
        {CodecLines("mpeg4", "MPEG-4", "video codec"), CodecLines("mp3", "MP3", "audio codec"),
         CodecLines("pcm", "PCM", "general")});
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
    EXPECT_EQ(Items(window->cmbCategory), (QStringList{"PC", "Web"}));
    EXPECT_EQ(Items(window->cmbOutVCodec), (QStringList{"H264", "Xvid"}));
    // The remembered defaults: the first category, its second label, that label's first format.
    EXPECT_EQ(window->cmbOutVCodec->currentText(), "Xvid");
    EXPECT_EQ(Items(window->cmbOutFormat), QStringList{"avi"});
    EXPECT_EQ(window->GetParamaters(), "-b:v 3k");
    // A catalogue of before copying: copying is offered after its codecs.
    EXPECT_EQ(Items(window->cmbCVCodec), (QStringList{"MPEG-4", "PCM", "Copy (no re-encoding)"}));
    EXPECT_EQ(Items(window->cmbCACodec), (QStringList{"MP3", "PCM", "Copy (no re-encoding)"}));
    EXPECT_EQ(window->cmbCVCodec->currentText(), "PCM");

    window->SelectListIndex(window->cmbOutVCodec, 0);
    EXPECT_EQ(Items(window->cmbOutFormat), (QStringList{"mp4", "mkv"}));
    EXPECT_EQ(window->GetParamaters(), "-b:v 1k");
}

TEST_F(FormatsWindowTest, PickingACategoryOrACodecCascades) {
    StartWith(
        {PresetLines("H264", "-b:v 1k", "mp4", "PC"), PresetLines("Xvid", "-b:v 3k", "avi", "PC"),
         PresetLines("VP9", "-b:v 4k", "webm", "Web"), PresetLines("AV1", "-b:v 5k", "mkv", "Web"),
         PresetLines("AV1", "-b:v 6k", "webm", "Web")},
        {CodecLines("v", "V", "video codec"), CodecLines("a", "A", "audio codec")});
    window->cmbCategory->setCurrentIndex(1);  // as a user's pick
    EXPECT_EQ(Items(window->cmbOutVCodec), (QStringList{"VP9", "AV1"}));
    EXPECT_EQ(Items(window->cmbOutFormat), QStringList{"webm"});
    window->cmbOutVCodec->setCurrentIndex(1);
    EXPECT_EQ(Items(window->cmbOutFormat), (QStringList{"mkv", "webm"}));
    window->cmbOutFormat->setCurrentIndex(1);
    EXPECT_EQ(window->GetParamaters(), "-b:v 6k");
    EXPECT_EQ(window->OutputType(), "webm");

    // Choosing the same category again from the program still runs its handling.
    EXPECT_TRUE(window->SelectListIndex(window->cmbCategory, 1));
    EXPECT_EQ(window->cmbOutVCodec->currentText(), "VP9");
    EXPECT_FALSE(window->SelectListIndex(window->cmbCategory, 5));
}

TEST_F(FormatsWindowTest, TheCustomModeBuildsItsOptionsFromTheFields) {
    StartWith({PresetLines("H264", "-b:v 1k", "mp4", "PC")},
              {CodecLines("first", "First video", "video codec"),
               CodecLines("mpeg4", "MPEG-4", "video codec"),
               CodecLines("aac", "AAC", "audio codec"), CodecLines("mp3", "MP3", "audio codec")});
    UseCustom();
    EXPECT_EQ(window->FrontFormatFrame(), 1);
    window->cmbCACodec->setCurrentIndex(1);
    window->cmbCVCodec->setCurrentIndex(1);
    window->cmbCASmapleRate->setCurrentIndex(4);
    window->cmbCustContainer->setCurrentIndex(2);
    window->txtCVBitrate->setText("320");
    EXPECT_EQ(window->GetParamaters(),
              "-ar 22050 -ab 64000 -acodec mp3 -ac 2 -vcodec mpeg4 -b 320000 -r 25");
    EXPECT_EQ(window->OutputType(), "AVI");

    window->txtCABirate->clear();
    EXPECT_EQ(window->GetParamaters(), "");
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error occured while getting paramters\r\n"));
    EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Error);
}

TEST_F(FormatsWindowTest, AFailedPresetLoadLeavesTheListsEmptyAndThePresetOptionsEmpty) {
    folder.Write("presets.xml", CrLf({"<?xml version=\"1.0\"?>", "<presets>", "<preset>",
                                      "<label>A", "<params>x</params>", "<extension>a</extension>",
                                      "<category>C</category>", "</preset>", "</presets>"}));
    Restart();
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error Occured while Loading Presets.\r\n"));
    EXPECT_EQ(window->cmbCategory->count(), 0);
    EXPECT_EQ(window->cmbOutVCodec->count(), 0);
    EXPECT_EQ(window->GetParamaters(), "");
    EXPECT_EQ(notifier.messages.size(), 1u);
}

// A preset whose params cannot be split is more than options: it is left out when the
// catalogue is read, and said by name.
TEST_F(FormatsWindowTest, APresetWithAnOpenQuoteIsRefusedByName) {
    StartWith(
        {PresetLines("Tagged", "-c copy -metadata title=\"open", "mkv", "Mine")},
        {CodecLines("mpeg4", "MPEG-4", "video codec"), CodecLines("aac", "AAC", "audio codec")});
    ASSERT_EQ(notifier.messages.size(), 1u) << notifier.Texts().join("\n").toStdString();
    EXPECT_TRUE(notifier.messages[0].text.contains("\"Mine / Tagged\" (mkv)"))
        << notifier.messages[0].text.toStdString();
    EXPECT_TRUE(notifier.messages[0].text.contains("a quote is not closed"));
    EXPECT_EQ(window->cmbCategory->count(), 0);
    EXPECT_EQ(window->GetParamaters(), "");
}

TEST_F(FormatsWindowTest, LineFeedCataloguesGiveOneEmptyItemAndNoMessage) {
    folder.Write("presets.xml",
                 "<?xml version=\"1.0\"?>\n<presets>\n<preset>\n</preset>\n</presets>\n");
    folder.Remove("codecs.xml");
    Restart();
    EXPECT_EQ(Items(window->cmbCategory), QStringList{""});
    EXPECT_EQ(Items(window->cmbOutVCodec), QStringList{""});
    EXPECT_EQ(Items(window->cmbOutFormat), QStringList{""});
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error Occured while Loading Codecs.\r\n"));
}

TEST_F(FormatsWindowTest, ACodecCatalogueWithoutAudioFillsVideoThenComplains) {
    StartWith({PresetLines("H264", "-b:v 1k", "mp4", "PC")},
              {CodecLines("v", "Video only", "video codec")});
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Error Occured while Loading Codecs.\r\n"));
    EXPECT_EQ(window->cmbCVCodec->currentText(), "Video only");
    EXPECT_EQ(window->cmbCACodec->count(), 0);
}

TEST_F(FormatsWindowTest, SaveAndCloseChecksTheFieldsInOrderThenWritesTheSummary) {
    QTest::mouseClick(window->cmdChangeFormat, Qt::LeftButton);
    UseCustom();
    const QString before = window->lblFormat->text();
    window->txtChannels->clear();
    window->txtFrameRate->clear();
    QTest::mouseClick(window->cmdHide, Qt::LeftButton);
    EXPECT_EQ(notifier.Texts(),
              QStringList{"Channels Field in the custom Format can not be empty."});
    EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(window->frMain->isEnabled());  // the panel stays up
    EXPECT_EQ(window->lblFormat->text(), before);

    window->txtChannels->setText("2");
    window->txtFrameRate->setText("25");
    QTest::mouseClick(window->cmdHide, Qt::LeftButton);
    EXPECT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(window->lblFormat->text(),
              "Container:" + window->cmbCustContainer->currentText() + ", Video Codec:\"" +
                  window->cmbCVCodec->currentText() + "\", Audio Codec:\"" +
                  window->cmbCACodec->currentText() + "\"");
}

TEST_F(FormatsWindowTest, SaveAndCloseRefusesValuesAndPairsThatCannotWork) {
    QTest::mouseClick(window->cmdChangeFormat, Qt::LeftButton);
    UseCustom();
    window->txtFrameRate->setText(".");
    QTest::mouseClick(window->cmdHide, Qt::LeftButton);
    window->txtFrameRate->setText("25");
    window->txtCVBitrate->setText("0");
    QTest::mouseClick(window->cmdHide, Qt::LeftButton);
    window->txtCVBitrate->setText("320");
    window->cmbCustContainer->setCurrentText("RM");
    window->cmbCVCodec->setCurrentText("MPEG-4 Part 2 (DivX and Xvid compatible)");
    QTest::mouseClick(window->cmdHide, Qt::LeftButton);
    ASSERT_EQ(notifier.messages.size(), 3u);
    EXPECT_EQ(notifier.messages[0].text,
              "Frame Rate Field in the custom Format must be a number greater than 0.");
    EXPECT_EQ(notifier.messages[1].text,
              "Video Bitrate Field in the custom Format must be a number greater than 0.");
    EXPECT_EQ(notifier.messages[2].text,
              "The RM container cannot hold MPEG-4 Part 2 (DivX and Xvid compatible) video. "
              "Choose one of: RealVideo 1.0 (RM), RealVideo 2.0 (RM).");
    EXPECT_FALSE(window->frMain->isEnabled());  // the panel stays up
    // The same pair reaches no file either.
    EXPECT_EQ(window->GetParamaters(), "");
    EXPECT_TRUE(notifier.messages.back().text.startsWith("Error occured while getting paramters"));
}

TEST_F(FormatsWindowTest, TheSummaryWaitsForSaveAndClose) {
    const QString presetSummary = window->lblFormat->text();
    EXPECT_TRUE(
        presetSummary.startsWith("Category:" + window->cmbCategory->currentText() + ", Codec:\""));
    UseCustom();
    EXPECT_EQ(window->lblFormat->text(), presetSummary);
    QTest::mouseClick(window->optFormat[0], Qt::LeftButton);
    EXPECT_EQ(window->FrontFormatFrame(), 0);
}

TEST_F(FormatsWindowTest, TypedAndPastedTextKeepsToTheFieldRules) {
    window->show();
    QLineEdit* channels = window->txtChannels;
    channels->clear();
    QTest::keyClicks(channels, "0");
    EXPECT_EQ(channels->text(), "");
    QTest::keyClicks(channels, "23");
    EXPECT_EQ(channels->text(), "2");

    QLineEdit* rate = window->txtFrameRate;
    rate->clear();
    QTest::keyClicks(rate, "25.0x.");
    EXPECT_EQ(rate->text(), "25.0");
    rate->clear();
    QTest::keyClicks(rate, "29.07");
    EXPECT_EQ(rate->text(), "29.07");

    QLineEdit* bitrate = window->txtCVBitrate;
    bitrate->setText("320");
    QApplication::clipboard()->setText("1 -y");
    bitrate->selectAll();
    bitrate->paste();
    EXPECT_EQ(bitrate->text(), "320");
    QApplication::clipboard()->setText("640");
    bitrate->selectAll();
    bitrate->paste();
    EXPECT_EQ(bitrate->text(), "640");
}

TEST_F(FormatsWindowTest, AKeyReplacesTheSelectionOfAFullField) {
    window->show();
    struct Typing {
        QLineEdit* field;
        const char* before;
        int selectFrom;  // the selection, to the end of the text
        const char* keys;
        const char* after;
    };
    const Typing typings[] = {{window->txtCVBitrate, "1500", 0, "800", "800"},
                              {window->txtCABirate, "1500", 2, "99", "1599"},
                              {window->txtChannels, "2", 0, "9", "9"},
                              {window->txtChannels, "2", 0, "0", "2"},
                              {window->txtFrameRate, "23.976023", 3, "0.", "23.0"},
                              // the cursor alone in a full field: no room
                              {window->txtCVBitrate, "1500", 4, "8", "1500"}};
    for (const Typing& t : typings) {
        t.field->setText(t.before);
        t.field->setSelection(t.selectFrom, t.field->text().size() - t.selectFrom);
        QTest::keyClicks(t.field, t.keys);
        EXPECT_EQ(t.field->text(), QString(t.after)) << t.before << " + " << t.keys;
    }
}

}  // namespace
}  // namespace reelwright
