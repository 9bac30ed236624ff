#include "settings/RememberedSettings.h"

#include "platform/SettingsFolder.h"
#include "platform/UserFolders.h"
#include "settings/CRegister.h"

#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/inotify.h>
#include <unistd.h>

namespace reelwright {
namespace {

RememberedSettings Changed() {
    RememberedSettings values = RememberedSettings::Defaults();
    values.optOtherFolder = false;
    values.optSameFolder = true;
    values.txtOutPath = "/srv/videos, done";
    values.optFormat = 1;
    values.cmbCategory = 3;
    values.cmbOutVCodec = 0;
    values.cmbOutFormat = 1;
    values.cmbCustContainer = 7;
    values.cmbCACodec = 2;
    values.cmbCASmapleRate = 8;
    values.cmbCVCodec = 0;
    values.cmbCVSize = 27;
    values.cmbCVAspect = 2;
    values.txtCABirate = "128";
    values.txtChannels = "6";
    values.txtCVBitrate = "2500";
    values.txtFrameRate = "29.97";
    values.FilesAtOnce = 0;  // Auto
    values.KeepEveryTrack = false;
    values.CheckByDecoding = true;
    values.KeepDates = true;
    values.EvenLoudness = -16.0;
    values.LimitSize = true;
    values.MaxSize = "1.5GB";
    values.SmallerToFit = true;
    values.RemoveBlackBars = true;
    values.CVCodecName = "libx264";
    values.CACodecName = "aac";
    return values;
}

class RememberedSettingsTest : public testing::Test {
  protected:
    RememberedSettingsTest() { SettingsFolder::Override(dir.path()); }
    ~RememberedSettingsTest() override { SettingsFolder::Override(previous); }
    QString File() const { return CRegister::RootFile(CRegister::HKEY_LOCAL_MACHINE); }
    void Write(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    const QString previous = SettingsFolder::Path();
    QTemporaryDir dir;
    CRegister reg;
};

TEST_F(RememberedSettingsTest, AllTwentyOneComeBackAsSaved) {
    EXPECT_EQ(RememberedSettings::Load(reg), RememberedSettings::Defaults());
    ASSERT_TRUE(Changed().Save(reg));
    EXPECT_EQ(RememberedSettings::Load(reg), Changed());
    EXPECT_TRUE(RememberedSettings::Forget(reg));
    EXPECT_EQ(RememberedSettings::Load(reg), RememberedSettings::Defaults());
}

TEST_F(RememberedSettingsTest, ASaveReplacesTheFileOnceAndLeavesNothingElse) {
    ASSERT_TRUE(RememberedSettings::Defaults().Save(reg));
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ::inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(),
                        IN_MOVED_TO | IN_CLOSE_WRITE);
    ASSERT_TRUE(Changed().Save(reg));
    int replacements = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n = ::read(watch, buffer, sizeof buffer); n > 0;
         n = ::read(watch, buffer, sizeof buffer)) {
        for (char* at = buffer; at < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            replacements += (event->mask & IN_MOVED_TO) ? 1 : 0;
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"HKEY_LOCAL_MACHINE.ini"});
}

TEST_F(RememberedSettingsTest, WhatReadsIsKeptAndWhatDoesNotIsSetAside) {
    ASSERT_TRUE(Changed().Save(reg));
    const QByteArray good = Read(File());
    // A stray bracket and random bytes: every good value still loads, and reading changes
    // nothing.
    const QByteArray damaged = good + "[\n" + QByteArray("\xff\xfe\x01 junk \x80", 9) + "\n";
    Write(File(), damaged);
    EXPECT_EQ(RememberedSettings::Load(reg), Changed());
    EXPECT_EQ(Read(File()), damaged);
    // The next save keeps the damaged file aside and does not carry the damage on.
    ASSERT_TRUE(RememberedSettings::Defaults().Save(reg));
    EXPECT_EQ(Read(File() + ".damaged"), damaged);
    EXPECT_FALSE(Read(File()).contains("junk"));
    EXPECT_EQ(RememberedSettings::Load(reg), RememberedSettings::Defaults());
}

// A file written before "files at once" existed loads whole, one at a time.
TEST_F(RememberedSettingsTest, AnOlderFileWithSeventeenValuesStillLoads) {
    RememberedSettings older = Changed();
    older.FilesAtOnce = 3;
    ASSERT_TRUE(older.Save(reg));
    QByteArray text = Read(File());
    ASSERT_TRUE(text.contains("FilesAtOnce=3\n"));
    text.replace("Fennick%20Reelwright\\Settings\\FilesAtOnce=3\n", "");
    ASSERT_FALSE(text.contains("FilesAtOnce"));
    Write(File(), text);
    RememberedSettings expected = Changed();
    expected.FilesAtOnce = 0;  // Auto, as on a first start
    EXPECT_EQ(RememberedSettings::Load(reg), expected);
    for (const char* broken : {"9", "-1", "two"}) {
        Write(File(), text + "Fennick%20Reelwright\\Settings\\FilesAtOnce=" + broken + "\n");
        EXPECT_EQ(RememberedSettings::Load(reg).FilesAtOnce, std::nullopt) << broken;
    }
}

// Files written before the track, check and date choices give those their first-start values.
TEST_F(RememberedSettingsTest, AFileWithoutTheLatestChoicesStillLoads) {
    ASSERT_TRUE(Changed().Save(reg));
    QByteArray text = Read(File());
    for (const char* name : {"KeepEveryTrack=False", "CheckByDecoding=True", "KeepDates=True",
                             "EvenLoudness=-16", "LimitSize=True", "MaxSize=1.5GB",
                             "SmallerToFit=True", "RemoveBlackBars=True",
                             "CVCodecName=libx264", "CACodecName=aac"}) {
        ASSERT_TRUE(text.contains(name)) << name;
        text.replace(QByteArray("Fennick%20Reelwright\\Settings\\") + name + "\n", "");
    }
    Write(File(), text);
    RememberedSettings expected = Changed();
    expected.KeepEveryTrack = true;
    expected.CheckByDecoding = false;
    expected.KeepDates = false;
    expected.EvenLoudness.reset();
    expected.LimitSize = false;
    expected.MaxSize = "25MB";
    expected.SmallerToFit = false;
    expected.RemoveBlackBars = false;
    expected.CVCodecName.clear();
    expected.CACodecName.clear();
    EXPECT_EQ(RememberedSettings::Load(reg), expected);
    Write(File(), text + "Fennick%20Reelwright\\Settings\\KeepEveryTrack=maybe\n");
    EXPECT_EQ(RememberedSettings::Load(reg).KeepEveryTrack, std::nullopt);
    // A loudness outside what can be evened, or no loudness at all, leaves the sound alone.
    for (const char* loudness : {"-40", "0", "loud", "-16 -f null"}) {
        Write(File(), text + "Fennick%20Reelwright\\Settings\\EvenLoudness=" + loudness + "\n");
        EXPECT_EQ(RememberedSettings::Load(reg).EvenLoudness, std::nullopt) << loudness;
    }
    // A size without its unit, or one that is an option, is the first start's.
    for (const char* size : {"25", "25MB -f null", ""}) {
        Write(File(), text + "Fennick%20Reelwright\\Settings\\MaxSize=" + size + "\n");
        EXPECT_EQ(RememberedSettings::Load(reg).MaxSize, "25MB") << size;
    }
    Write(File(), text + "Fennick%20Reelwright\\Settings\\EvenLoudness=-18.5\n");
    EXPECT_EQ(RememberedSettings::Load(reg).EvenLoudness, -18.5);
    // A codec's name is only ever a name: anything else is read by the list's position.
    Write(File(), text + "Fennick%20Reelwright\\Settings\\CVCodecName=\"x -f null\"\n");
    EXPECT_EQ(RememberedSettings::Load(reg).CVCodecName, "");
}

TEST_F(RememberedSettingsTest, StoredValuesThatBreakTheirRulesAreNotUsed) {
    Write(File(),
          "[Software]\n"
          "Fennick%20Reelwright\\Settings\\optOtherFolder=maybe\n"
          "Fennick%20Reelwright\\Settings\\optFormat=2\n"
          "Fennick%20Reelwright\\Settings\\cmbCategory=x\n"
          "Fennick%20Reelwright\\Settings\\txtFrameRate=.\n"
          "Fennick%20Reelwright\\Settings\\txtCVBitrate=0\n"
          "Fennick%20Reelwright\\Settings\\txtChannels=\"2 -f null\"\n");
    const RememberedSettings loaded = RememberedSettings::Load(reg);
    EXPECT_EQ(loaded.optOtherFolder, std::nullopt);
    EXPECT_EQ(loaded.optFormat, std::nullopt);
    EXPECT_EQ(loaded.cmbCategory, std::nullopt);
    EXPECT_EQ(loaded.txtFrameRate, "25");
    EXPECT_EQ(loaded.txtCVBitrate, "320");
    EXPECT_EQ(loaded.txtChannels, "2");
}

TEST_F(RememberedSettingsTest, ALinkIsFollowedOnlyToSettings) {
    QTemporaryDir elsewhere;
    // A link to a file that is not settings: that file is never written.
    const QString passwd = elsewhere.filePath("passwd");
    const QByteArray users =
        "root:x:0:0:root:/root:/bin/bash\nann:x:1000:1000::/home/ann:/bin/sh\n";
    Write(passwd, users);
    ASSERT_TRUE(QFile::link(passwd, File()));
    EXPECT_EQ(RememberedSettings::Load(reg), RememberedSettings::Defaults());
    ASSERT_TRUE(Changed().Save(reg));
    EXPECT_EQ(Read(passwd), users);
    EXPECT_EQ(QFileInfo(File() + ".damaged").symLinkTarget(), passwd);
    EXPECT_FALSE(QFileInfo(File()).isSymLink());
    EXPECT_EQ(RememberedSettings::Load(reg), Changed());

    // A link to settings (kept in a dotfiles folder, say) is followed and stays a link.
    QFile::remove(File());
    const QString kept = elsewhere.filePath("reelwright.ini");
    Write(kept, "");
    ASSERT_TRUE(QFile::link(kept, File()));
    ASSERT_TRUE(Changed().Save(reg));
    EXPECT_TRUE(QFileInfo(File()).isSymLink());
    EXPECT_TRUE(Read(kept).contains("txtOutPath"));
    EXPECT_EQ(RememberedSettings::Load(reg), Changed());
}

TEST_F(RememberedSettingsTest, AHugeFileCostsLittleAndIsNotCarriedOn) {
    ASSERT_TRUE(Changed().Save(reg));
    QByteArray huge = Read(File());
    const QByteArray filler = "Fennick%20Reelwright\\Settings\\filler=" + QByteArray(100000, 'f');
    for (int i = 0; i < 100; ++i) {
        huge += filler + "\n";  // 10 MB of values no field can use
    }
    Write(File(), huge);
    EXPECT_EQ(RememberedSettings::Load(reg), Changed());
    ASSERT_TRUE(Changed().Save(reg));
    EXPECT_LT(QFileInfo(File()).size(), 4096);
    // Bigger than any settings file can be: set aside unread.
    Write(File(), QByteArray(20 * 1024 * 1024, '#'));
    EXPECT_EQ(RememberedSettings::Load(reg), RememberedSettings::Defaults());
    ASSERT_TRUE(Changed().Save(reg));
    EXPECT_EQ(QFileInfo(File() + ".damaged").size(), 20 * 1024 * 1024);
}

TEST_F(RememberedSettingsTest, AFolderThatCannotBeWrittenSaysWhy) {
    ASSERT_TRUE(Changed().Save(reg));
    const bool root = ::geteuid() == 0;
    if (root && QProcess::execute("chattr", {"+i", dir.path()}) != 0) {
        GTEST_SKIP() << "this file system cannot make a folder read-only for root";
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    EXPECT_FALSE(RememberedSettings::Defaults().Save(reg, &error));
    EXPECT_TRUE(error.contains(dir.path())) << error.toStdString();
    EXPECT_EQ(RememberedSettings::Load(reg), Changed());  // still read
    if (root) {
        QProcess::execute("chattr", {"-i", dir.path()});
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(UserFolders, WithoutHomeTheAccountsHomeIsUsed) {
    const QByteArray saved = qgetenv("HOME");
    const QString previous = SettingsFolder::Path();
    qunsetenv("HOME");
    SettingsFolder::Override(QString());
    const QString settings = SettingsFolder::Path();
    const QString output = DefaultOutputFolder();
    const QString home = HomeFolder();
    qputenv("HOME", saved);
    SettingsFolder::Override(previous);
    EXPECT_NE(home, "/");
    EXPECT_TRUE(QFileInfo(home).isDir());
    EXPECT_TRUE(settings.startsWith(home + "/.config/")) << settings.toStdString();
    EXPECT_TRUE(output.startsWith(home + "/")) << output.toStdString();
    EXPECT_TRUE(output.endsWith("/Converted Files"));
}

}  // namespace
}  // namespace reelwright
