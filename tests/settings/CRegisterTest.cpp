#include "settings/CRegister.h"

#include "platform/SettingsFolder.h"

#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace reelwright {
namespace {

constexpr auto HKLM = CRegister::HKEY_LOCAL_MACHINE;
const QString kKey = "Software\\Fennick Reelwright\\Settings";

// A register over a settings folder of its own.
class CRegisterTest : public testing::Test {
  protected:
    CRegisterTest() { SettingsFolder::Override(dir.path()); }
    QString Get(const QString& section, const QString& name, const QString& fallback = "dflt") {
        return reg.REGGetSetting(HKLM, section, name, fallback);
    }
    bool Save(const QString& section, const QString& name, const QString& value) {
        return reg.REGSaveSetting(HKLM, section, name, value);
    }
    QString File() const { return CRegister::RootFile(HKLM); }

    QTemporaryDir dir;
    CRegister reg;
};

TEST_F(CRegisterTest, AReadOfAMissingKeyGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(Get(kKey, "optFormat", "0"), "0");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(reg.REGGetSetting(0x12345678, kKey, "x", "d"), "d");
    EXPECT_FALSE(reg.REGSaveSetting(0x12345678, kKey, "x", "v"));
}

TEST_F(CRegisterTest, ASavedTextReadsBackExactly) {
    const QStringList texts{"0",
                            "C:\\Converted Files",
                            "/home/ü ser/Vidéos/Converted Files",
                            "a, b; c = d # e",
                            "\"quoted\"",
                            "@ByteArray(x)",
                            " padded ",
                            "two\nlines",
                            "映画",
                            "%2F%"};
    for (const QString& text : texts) {
        EXPECT_TRUE(Save(kKey, "txtOutPath", text));
        EXPECT_EQ(Get(kKey, "txtOutPath"), text);
    }
    EXPECT_TRUE(QFileInfo(File()).isFile());
    EXPECT_EQ(QFileInfo(File()).fileName(), "HKEY_LOCAL_MACHINE.ini");
    // Other roots are other files.
    EXPECT_EQ(reg.REGGetSetting(CRegister::HKEY_CURRENT_USER, kKey, "txtOutPath", "none"), "none");
}

TEST_F(CRegisterTest, AnEmptyValueReadsBackAsTheDefault) {
    EXPECT_TRUE(Save(kKey, "txtOutPath", ""));
    EXPECT_EQ(Get(kKey, "txtOutPath", "C:\\Converted Files"), "C:\\Converted Files");
}

TEST_F(CRegisterTest, AStarAloneNamesTheDefaultValue) {
    EXPECT_TRUE(Save(kKey, "*", "unnamed"));
    EXPECT_TRUE(Save(kKey, "a*b", "star inside"));
    EXPECT_TRUE(Save(kKey, "**", "two stars"));
    EXPECT_TRUE(Save(kKey, "a/b\\c", "separators in a name"));
    EXPECT_EQ(Get(kKey, "*"), "unnamed");
    EXPECT_EQ(Get(kKey, "a*b"), "star inside");
    EXPECT_EQ(Get(kKey, "**"), "two stars");
    EXPECT_EQ(Get(kKey, "a/b\\c"), "separators in a name");
    EXPECT_EQ(Get(kKey, "a"), "dflt");
    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, kKey, "*"));
    EXPECT_EQ(Get(kKey, "*"), "dflt");
    EXPECT_EQ(Get(kKey, "**"), "two stars");
}

TEST_F(CRegisterTest, OneSeparatorAtEachEndIsToleratedForValues) {
    EXPECT_TRUE(Save("\\" + kKey + "\\", "v", "1"));
    EXPECT_EQ(Get(kKey, "v"), "1");
    EXPECT_EQ(Get("\\" + kKey, "v"), "1");
    EXPECT_EQ(Get("\\\\" + kKey, "v"), "dflt");
    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, kKey + "\\", "v"));
    EXPECT_EQ(Get(kKey, "v"), "dflt");
    // A value that is not there cannot be deleted.
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, "v"));
}

TEST_F(CRegisterTest, AKeyIsDeletedOnlyWithoutSubKeysAndOnlyOnce) {
    Save(kKey, "a", "1");
    Save(kKey + "\\Sub", "b", "2");
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, ""));
    EXPECT_EQ(Get(kKey, "a"), "1");
    // The key itself is addressed by its path as given.
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, "\\" + kKey + "\\Sub", ""));
    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, kKey + "\\Sub", ""));
    EXPECT_TRUE(reg.REGDeleteSetting(HKLM, kKey, ""));
    EXPECT_EQ(Get(kKey, "a"), "dflt");
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, ""));
}

// Makes a file unwritable for its lifetime, also for root (which ignores permission bits).
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const QString& path) : path_(path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (::geteuid() == 0) {
            immutable_ = QProcess::execute("chattr", {"+i", path}) == 0;
        }
    }
    ~ReadOnlyFile() {
        if (immutable_) {
            QProcess::execute("chattr", {"-i", path_});
        }
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    }
    bool Effective() const { return ::geteuid() != 0 || immutable_; }

  private:
    QString path_;
    bool immutable_ = false;
};

TEST_F(CRegisterTest, AStoreThatCannotBeWrittenStillAnswersReads) {
    Save(kKey, "a", "kept");
    const ReadOnlyFile readOnly(File());
    if (!readOnly.Effective()) {
        GTEST_SKIP() << "this file system cannot make a file read-only for root";
    }
    EXPECT_EQ(Get(kKey, "a"), "kept");
    EXPECT_FALSE(Save(kKey, "a", "changed"));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, "a"));
    EXPECT_FALSE(reg.REGDeleteSetting(HKLM, kKey, ""));
    EXPECT_EQ(Get(kKey, "a"), "kept");
}

TEST_F(CRegisterTest, ADamagedFileGivesDefaultsAndIsReplacedByAGoodOneKeptAside) {
    const QByteArray damaged[] = {
        QByteArray("[Software\nFennick%20Reelwright\\Settings\\a=stale\n"),
        QByteArray("\x01\x02\xff\xfe\x00\x7f[[[==\n", 12),
        QByteArray("[Software]\nFennick%20Reelwright\\Settings\\a="),
    };
    for (const QByteArray& bytes : damaged) {
        QDir().mkpath(dir.path());
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(Get(kKey, "a"), "dflt");
        EXPECT_TRUE(Save(kKey, "b", "fresh"));
        EXPECT_EQ(Get(kKey, "b"), "fresh");
        EXPECT_EQ(Get(kKey, "a"), "dflt");
        QFile::remove(File());
    }
    EXPECT_TRUE(QFileInfo::exists(File() + ".damaged"));
}

}  // namespace
}  // namespace reelwright
