#include "conversion/OutputNaming.h"
#include "settings/CRegister.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"

#include "WindowTest.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <unistd.h>

namespace reelwright {
namespace {

const QString kKey = "Software\\Fennick Reelwright\\Settings";

class SettingsWindowTest : public test::WindowTest {
  protected:
    void Store(const QString& name, const QString& value) {
        CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, value);
    }
    QString Stored(const QString& name) {
        return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, "<none>");
    }
    void ExpectDefaults() {
        EXPECT_TRUE(window->optOtherFolder->isChecked());
        EXPECT_FALSE(window->optSameFolder->isChecked());
        EXPECT_EQ(window->txtOutPath->text(), DefaultOutputFolder());
        EXPECT_TRUE(window->txtOutPath->isEnabled());
        EXPECT_TRUE(window->optFormat[0]->isChecked());
        EXPECT_EQ(window->FrontFormatFrame(), 0);
        EXPECT_EQ(window->cmbCategory->currentIndex(), 0);
        EXPECT_EQ(window->cmbOutVCodec->currentIndex(), 1);
        EXPECT_EQ(window->cmbOutFormat->currentIndex(), 0);
        EXPECT_EQ(window->cmbCustContainer->currentText(), "AVI");
        EXPECT_EQ(window->cmbCACodec->currentIndex(), 1);
        EXPECT_EQ(window->cmbCASmapleRate->currentText(), "22.05 KHz");
        EXPECT_EQ(window->cmbCVCodec->currentIndex(), 1);
        EXPECT_EQ(window->cmbCVSize->currentText(), "[As Input]");
        EXPECT_EQ(window->cmbCVAspect->currentText(), "[As Input]");
        EXPECT_EQ(window->txtCABirate->text(), "64");
        EXPECT_EQ(window->txtChannels->text(), "2");
        EXPECT_EQ(window->txtCVBitrate->text(), "320");
        EXPECT_EQ(window->txtFrameRate->text(), "25");
        EXPECT_TRUE(
            window->lblFormat->text().startsWith("Category:" + window->cmbCategory->currentText()));
    }
};

TEST_F(SettingsWindowTest, TheFirstStartShowsEveryDefault) {
    ExpectDefaults();
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(SettingsWindowTest, SaveThenLoadRestoresEveryRememberedControl) {
    window->optSameFolder->setChecked(true);
    window->txtOutPath->setText("/srv/out put");
    window->optFormat[1]->setChecked(true);
    window->ShowFormatFrame(1);
    window->SelectListIndex(window->cmbCategory, 2);
    window->SelectListIndex(window->cmbOutVCodec, 1);
    window->SelectListIndex(window->cmbOutFormat, 0);
    window->cmbCustContainer->setCurrentIndex(7);
    window->cmbCACodec->setCurrentIndex(3);
    window->cmbCASmapleRate->setCurrentIndex(8);
    window->cmbCVCodec->setCurrentIndex(4);
    window->cmbCVSize->setCurrentIndex(27);
    window->cmbCVAspect->setCurrentIndex(2);
    window->txtCABirate->setText("128");
    window->txtChannels->setText("6");
    window->txtCVBitrate->setText("2500");
    window->txtFrameRate->setText("29.97");
    // What a conversion keeps and checks: the first start keeps every track, and no more.
    EXPECT_TRUE(window->chkKeepEveryTrack->isChecked());
    EXPECT_FALSE(window->chkCheckByDecoding->isChecked());
    EXPECT_FALSE(window->chkKeepDates->isChecked());
    window->chkKeepEveryTrack->setChecked(false);
    window->chkCheckByDecoding->setChecked(true);
    window->chkKeepDates->setChecked(true);
    // Loudness and size are off at first, and kept once chosen.
    EXPECT_EQ(window->cmbEvenLoudness->currentIndex(), 0);
    EXPECT_FALSE(window->chkLimitSize->isChecked());
    EXPECT_FALSE(window->spnMaxSize->isEnabled());
    window->cmbEvenLoudness->setCurrentIndex(2);
    window->chkLimitSize->setChecked(true);
    EXPECT_TRUE(window->spnMaxSize->isEnabled());
    window->spnMaxSize->setValue(1.5);
    window->cmbSizeUnit->setCurrentIndex(1);
    EXPECT_EQ(window->MaxSizeToFit(), 1'500'000'000);
    EXPECT_FALSE(window->chkSmallerToFit->isChecked());
    EXPECT_FALSE(window->chkRemoveBars->isChecked());
    window->chkSmallerToFit->setChecked(true);
    window->chkRemoveBars->setChecked(true);
    ASSERT_TRUE(window->close());
    EXPECT_EQ(Stored("EvenLoudness"), "-16");
    EXPECT_EQ(Stored("MaxSize"), "1.5GB");
    EXPECT_EQ(Stored("optFormat"), "1");
    EXPECT_EQ(Stored("KeepEveryTrack"), "False");
    EXPECT_EQ(Stored("cmbCVSize"), "27");

    Restart();
    EXPECT_TRUE(window->optSameFolder->isChecked());
    EXPECT_FALSE(window->optOtherFolder->isChecked());
    EXPECT_FALSE(window->txtOutPath->isEnabled());
    EXPECT_FALSE(window->cmdBrowse->isEnabled());
    EXPECT_EQ(window->txtOutPath->text(), "/srv/out put");
    EXPECT_TRUE(window->optFormat[1]->isChecked());
    EXPECT_EQ(window->FrontFormatFrame(), 1);
    EXPECT_EQ(window->cmbCategory->currentIndex(), 2);
    EXPECT_EQ(window->cmbOutVCodec->currentIndex(), 1);
    EXPECT_EQ(window->cmbOutFormat->currentIndex(), 0);
    EXPECT_EQ(window->cmbCustContainer->currentIndex(), 7);
    EXPECT_EQ(window->cmbCACodec->currentIndex(), 3);
    EXPECT_EQ(window->cmbCASmapleRate->currentIndex(), 8);
    EXPECT_EQ(window->cmbCVCodec->currentIndex(), 4);
    EXPECT_EQ(window->cmbCVSize->currentIndex(), 27);
    EXPECT_EQ(window->cmbCVAspect->currentIndex(), 2);
    EXPECT_EQ(window->txtCABirate->text(), "128");
    EXPECT_EQ(window->txtChannels->text(), "6");
    EXPECT_EQ(window->txtCVBitrate->text(), "2500");
    EXPECT_EQ(window->txtFrameRate->text(), "29.97");
    EXPECT_FALSE(window->chkKeepEveryTrack->isChecked());
    EXPECT_TRUE(window->chkCheckByDecoding->isChecked());
    EXPECT_TRUE(window->chkKeepDates->isChecked());
    EXPECT_EQ(window->cmbEvenLoudness->currentText(), "Web and podcasts (-16 LUFS)");
    EXPECT_TRUE(window->chkLimitSize->isChecked());
    EXPECT_EQ(window->ChosenMaxSize(), "1.5GB");
    EXPECT_TRUE(window->chkSmallerToFit->isChecked());
    EXPECT_TRUE(window->chkRemoveBars->isChecked());
    EXPECT_TRUE(window->lblFormat->text().startsWith("Container:MP4, Video Codec:"));
}

// What each format can do with its pictures: a copy can neither fit a size nor lose its bars; a
// lossless picture can lose its bars, not fit a size; making the picture smaller follows the
// size. Each box that cannot be had says why.
struct PictureChoiceCase {
    const char* category;
    const char* preset;
    bool fits;
    bool crops;
};

const PictureChoiceCase kPictureChoices[] = {
    {"Computer and TV", "H.264 / AAC (most players)", true, true},
    {"Same Quality, New Container", "Copy as it is: no re-encoding, about the same size", false,
     false},
    {"Editing and Archiving", "FFV1 lossless (MKV)", false, true},
};

TEST_F(SettingsWindowTest, EachFormatOffersWhatItCanDoWithItsPictures) {
    window->chkLimitSize->setChecked(true);
    window->chkSmallerToFit->setChecked(true);
    window->chkRemoveBars->setChecked(true);
    for (const PictureChoiceCase& c : kPictureChoices) {
        window->cmbCategory->setCurrentIndex(window->cmbCategory->findText(c.category));
        window->cmbOutVCodec->setCurrentIndex(window->cmbOutVCodec->findText(c.preset));
        ASSERT_EQ(window->cmbOutVCodec->currentText(), c.preset);
        EXPECT_EQ(window->chkLimitSize->isEnabled(), c.fits) << c.preset;
        EXPECT_EQ(window->spnMaxSize->isEnabled(), c.fits) << c.preset;
        EXPECT_EQ(window->chkSmallerToFit->isEnabled(), c.fits) << c.preset;
        EXPECT_EQ(window->MaxSizeToFit() > 0, c.fits) << c.preset;
        EXPECT_EQ(window->chkLimitSize->toolTip().contains("cannot be made to fit a size"), !c.fits)
            << c.preset;
        EXPECT_EQ(window->chkRemoveBars->isEnabled(), c.crops) << c.preset;
    }
    window->cmbCategory->setCurrentIndex(0);
    window->chkLimitSize->setChecked(false);
    EXPECT_FALSE(window->chkSmallerToFit->isEnabled());
}

TEST_F(SettingsWindowTest, AStrangeModeChangesNeitherModeNorFrameAndTheRestLoads) {
    Store("optFormat", "7");
    Store("txtChannels", "4");
    Restart();
    EXPECT_TRUE(window->optFormat[0]->isChecked());
    EXPECT_EQ(window->FrontFormatFrame(), 0);
    EXPECT_EQ(window->txtChannels->text(), "4");
}

TEST_F(SettingsWindowTest, ACategoryPastTheEndLeavesTheListsAndTheOtherIndexesApply) {
    Store("cmbCategory", "99");
    Store("cmbOutVCodec", "2");
    Restart();
    EXPECT_EQ(window->cmbCategory->currentIndex(), 0);
    EXPECT_EQ(window->cmbOutVCodec->currentIndex(), 2);
}

TEST_F(SettingsWindowTest, StoredTextsThatBreakTheFieldRulesGiveWayToTheDefaults) {
    Store("txtFrameRate", "25 -i /etc/passwd");
    Store("txtChannels", "0");
    Store("txtCVBitrate", "fast");
    Store("cmbCASmapleRate", "banana");
    Restart();
    EXPECT_EQ(window->txtFrameRate->text(), "25");
    EXPECT_EQ(window->txtChannels->text(), "2");
    EXPECT_EQ(window->txtCVBitrate->text(), "320");
    // A list position that is not a number leaves the list as it was.
    EXPECT_EQ(window->cmbCASmapleRate->currentIndex(), 0);
}

TEST_F(SettingsWindowTest, AnEmptyOutputFolderComesBackAsTheDefault) {
    window->txtOutPath->clear();
    window->close();
    EXPECT_EQ(Stored("txtOutPath"), "<none>");
    Restart();
    EXPECT_EQ(window->txtOutPath->text(), DefaultOutputFolder());
}

TEST_F(SettingsWindowTest, RestoreDefaultsThenCloseStoresTheDefaults) {
    window->txtChannels->setText("6");
    window->cmbCustContainer->setCurrentIndex(0);
    window->close();
    Restart();
    QTest::mouseClick(window->cmdDefaults, Qt::LeftButton);
    ExpectDefaults();
    window->close();
    EXPECT_EQ(Stored("txtChannels"), "2");
    EXPECT_EQ(Stored("cmbCustContainer"), "2");
    EXPECT_EQ(Stored("cmbOutVCodec"), "1");
}

TEST_F(SettingsWindowTest, ADamagedSettingsFileGivesTheDefaults) {
    Store("txtChannels", "6");
    QFile file(CRegister::RootFile(CRegister::HKEY_LOCAL_MACHINE));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Software\nFennick%20Reelwright\\Settings\\txtChannels=6\n\xff\xfe\x01");
    file.close();
    Restart();
    ExpectDefaults();
    window->close();
    EXPECT_EQ(Stored("txtChannels"), "2");
}

TEST_F(SettingsWindowTest, ChoicesThatCannotBeSavedAreToldOnce) {
    const bool root = ::geteuid() == 0;
    if (root && QProcess::execute("chattr", {"+i", settingsFolder.path()}) != 0) {
        GTEST_SKIP() << "this file system cannot make a folder read-only for root";
    }
    QFile::setPermissions(settingsFolder.path(), QFile::ReadOwner | QFile::ExeOwner);
    window->txtOutPath->setText("/srv/elsewhere");
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->SaveSettings());
    if (root) {
        QProcess::execute("chattr", {"-i", settingsFolder.path()});
    }
    QFile::setPermissions(settingsFolder.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.startsWith("Your choices"));
    EXPECT_TRUE(notifier.messages[0].text.contains(settingsFolder.path()));
}

// The real program, ended by a signal as a logout or `kill` would end it.
class EndingTheProgram : public testing::TestWithParam<int> {};

TEST_P(EndingTheProgram, KeepsTheChoicesAsACloseWould) {
    QTemporaryDir home;
    QTemporaryDir runtime;  // private (0700), as a session's own runtime folder is
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("XDG_CONFIG_HOME");
    program.setProcessEnvironment(environment);
    program.start(REELWRIGHT_APP_PATH, {});
    ASSERT_TRUE(program.waitForStarted());
    // Ready once the window is made and has read the choices: it then listens for later starts.
    // A signal before that ends the start with nothing of ours changed, so nothing to keep.
    const auto listening = [&] {
        return !QDir(runtime.path()).entryList({"reelwright-*"}, QDir::System).isEmpty();
    };
    ASSERT_TRUE(QTest::qWaitFor(listening, 30000)) << program.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(program.processId()), GetParam());
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 128 + GetParam());
    QFile saved(home.filePath(".config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    for (const char* name : {"optOtherFolder", "txtOutPath", "cmbCategory", "txtFrameRate"}) {
        EXPECT_TRUE(text.contains(QByteArray("\\") + name + "=")) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, EndingTheProgram, testing::Values(SIGTERM, SIGHUP),
                         [](const auto& info) {
                             return std::string(info.param == SIGTERM ? "Terminated" : "HungUp");
                         });

}  // namespace
}  // namespace reelwright
