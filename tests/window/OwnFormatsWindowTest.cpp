// The format panel's own formats: copying in the custom lists, presets saved, used and removed
// by a user, and a saved codec the list no longer has.
#include "formats/CustomFormat.h"
#include "formats/OwnPresets.h"
#include "settings/CRegister.h"
#include "settings/RememberedSettings.h"
#include "window/MyButton.h"

#include "WindowTest.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace reelwright {
namespace {

class OwnFormatsWindowTest : public test::WindowTest {
  protected:
    void UseCustom() { QTest::mouseClick(window->optFormat[1], Qt::LeftButton); }
    int CopyIndex(const QComboBox* list) const { return list->findText(custom::kCopyDescription); }
};

TEST_F(OwnFormatsWindowTest, CopyTurnsOffTheFieldsItCannotUseAndSaysWhy) {
    UseCustom();
    const std::vector<QWidget*> audio{window->cmbCASmapleRate, window->txtCABirate,
                                      window->txtChannels};
    const std::vector<QWidget*> video{window->txtCVBitrate, window->cmbCVSize, window->cmbCVAspect,
                                      window->txtFrameRate};
    ASSERT_GE(CopyIndex(window->cmbCVCodec), 0);
    window->cmbCVCodec->setCurrentIndex(CopyIndex(window->cmbCVCodec));
    for (QWidget* field : video) {
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
        EXPECT_EQ(field->toolTip(), custom::CopiedFieldReason(true));
    }
    for (QWidget* field : audio) {
        EXPECT_TRUE(field->isEnabled());
    }
    window->cmbCACodec->setCurrentIndex(CopyIndex(window->cmbCACodec));
    for (QWidget* field : audio) {
        EXPECT_FALSE(field->isEnabled());
        EXPECT_EQ(field->toolTip(), custom::CopiedFieldReason(false));
    }
    window->cmbCustContainer->setCurrentIndex(custom::ContainerItems().indexOf("MP4"));
    EXPECT_EQ(window->GetParamaters(), "-acodec copy -vcodec copy");
    // Back to a codec that encodes: the fields are on again, and the lists show their items.
    window->cmbCVCodec->setCurrentIndex(0);
    for (QWidget* field : video) {
        EXPECT_TRUE(field->isEnabled());
    }
    EXPECT_EQ(window->cmbCVSize->toolTip(), window->cmbCVSize->currentText());
    EXPECT_TRUE(window->GetParamaters().contains(" -b "));
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

TEST_F(OwnFormatsWindowTest, APresetOfOnesOwnIsSavedListedKeptAndRemoved) {
    EXPECT_FALSE(window->cmdSavePreset->isEnabled());  // it keeps the custom format
    UseCustom();
    ASSERT_TRUE(window->cmdSavePreset->isEnabled());
    window->cmbCustContainer->setCurrentIndex(custom::ContainerItems().indexOf("MP4"));
    window->cmbCVCodec->setCurrentIndex(CopyIndex(window->cmbCVCodec));
    window->cmbCACodec->setCurrentIndex(CopyIndex(window->cmbCACodec));
    // A name the catalogue cannot hold is said, and asked again.
    dialogs.presetNameAnswers = {{"TV/Home", "Living room"}, {"TV", "Living room"}};
    QTest::mouseClick(window->cmdSavePreset, Qt::LeftButton);
    EXPECT_TRUE(dialogs.offeredCategories.contains("Same Quality, New Container"));
    ASSERT_EQ(notifier.messages.size(), 2u) << notifier.Texts().join("\n").toStdString();
    EXPECT_EQ(notifier.messages[0].text, "The preset's category cannot hold \"/\".");
    EXPECT_EQ(notifier.messages[1].icon, MessageIcon::Information);
    EXPECT_TRUE(QFile::exists(OwnPresets::DefaultPath()));

    // Listed with the shipped ones, and used as they are, after the next start too.
    window->SaveSettings(false);
    Restart();
    const int category = window->cmbCategory->findText("TV");
    ASSERT_GE(category, 0);
    window->cmbCategory->setCurrentIndex(category);
    QTest::mouseClick(window->optFormat[0], Qt::LeftButton);
    EXPECT_EQ(window->cmbOutVCodec->currentText(), "Living room");
    EXPECT_EQ(window->cmbOutFormat->currentText(), "mp4");
    EXPECT_EQ(window->GetParamaters(), "-acodec copy -vcodec copy");
    EXPECT_TRUE(window->cmdRemovePreset->isEnabled());

    // Asked first, naming it: no keeps it.
    dialogs.confirmAnswers = {false};
    QTest::mouseClick(window->cmdRemovePreset, Qt::LeftButton);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains("\"Living room\" from \"TV\""))
        << dialogs.questions[0].toStdString();
    EXPECT_EQ(OwnPresets::Load(OwnPresets::DefaultPath()).entries.size(), 1u);
    EXPECT_EQ(window->cmbOutVCodec->currentText(), "Living room");

    // Removed from the panel; a shipped preset cannot be.
    dialogs.confirmAnswers = {true};
    QTest::mouseClick(window->cmdRemovePreset, Qt::LeftButton);
    EXPECT_EQ(window->cmbCategory->findText("TV"), -1);
    EXPECT_FALSE(window->cmdRemovePreset->isEnabled());
    EXPECT_EQ(OwnPresets::Load(OwnPresets::DefaultPath()).entries.size(), 0u);
}

// A codec saved with the custom format that the catalogue no longer lists is said once, and the
// list is left without a choice instead of another codec being used.
TEST_F(OwnFormatsWindowTest, ASavedCodecNoLongerListedIsSaidOnceAndNotReplaced) {
    RememberedSettings saved = RememberedSettings::Defaults();
    saved.optFormat = 1;
    saved.cmbCVCodec = 0;
    saved.CVCodecName = "libx266";  // from a catalogue edited since
    ASSERT_TRUE(saved.Save(CRegister()));
    notifier.messages.clear();
    Restart();
    ASSERT_EQ(notifier.messages.size(), 1u) << notifier.Texts().join("\n").toStdString();
    EXPECT_TRUE(notifier.messages[0].text.contains("\"libx266\""))
        << notifier.messages[0].text.toStdString();
    EXPECT_EQ(window->cmbCVCodec->currentIndex(), -1);
    EXPECT_EQ(window->GetParamaters(), "");
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_TRUE(notifier.messages[1].text.contains("No video codec is chosen"));
    // Chosen again, it is saved by its name.
    window->cmbCVCodec->setCurrentIndex(1);
    EXPECT_EQ(window->CurrentSettings().CVCodecName, "mpeg4");
}

}  // namespace
}  // namespace reelwright
