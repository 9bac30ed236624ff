#include "conversion/OutputNaming.h"

#include "common/CaseName.h"
#include "common/Fakes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace reelwright {
namespace {

struct NamingCase {
    const char* name;
    const char* input;  // relative to the input folder
    const char* type;
    bool sameFolder;
    const char* outFolder;  // relative to the temporary folder; a trailing "/" is kept
    QStringList existing;   // taken names, relative to the temporary folder ("dir:" for folders)
    const char* expected;   // relative to the temporary folder; empty for none
    int yields;
};

class NamingOutputs : public testing::TestWithParam<NamingCase> {};

TEST_P(NamingOutputs, NeverNameAnExistingFile) {
    const NamingCase& c = GetParam();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("in");
    for (const QString& taken : c.existing) {
        if (taken.startsWith("dir:")) {
            QDir(dir.path()).mkpath(taken.mid(4));
        } else {
            QFile(dir.filePath(taken)).open(QIODevice::WriteOnly);
        }
    }
    const QString input = dir.filePath(QString("in/") + c.input);
    QFile(input).open(QIODevice::WriteOnly);
    test::RecordingNotifier notifier;
    test::ScopedYield yield;
    const OutputFolderChoice choice{c.sameFolder, dir.path() + "/" + c.outFolder};
    // The preview gives the same name and makes nothing, not even the folder.
    const bool folderWasThere = QFileInfo(choice.otherFolder).isDir();
    const OutputPathResult preview = PreviewOutputPath(input, c.type, choice);
    EXPECT_EQ(QFileInfo(choice.otherFolder).isDir(), folderWasThere);
    EXPECT_EQ(yield.count, 0);
    const QString result = GetOutputPath(input, c.type, choice);
    EXPECT_EQ(preview.path, result);
    const QString expected =
        QString(c.expected).isEmpty() ? QString() : dir.path() + "/" + c.expected;
    EXPECT_EQ(result, expected);
    EXPECT_EQ(yield.count, c.yields);
    EXPECT_TRUE(notifier.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NamingOutputs,
    testing::Values(
        NamingCase{"same folder", "clip.mpg", "avi", true, "", {}, "in/clip.avi", 0},
        NamingCase{"other folder", "clip.mpg", "avi", false, "out", {"dir:out"}, "out/clip.avi", 0},
        NamingCase{
            "trailing separator", "clip.mpg", "avi", false, "out/", {"dir:out"}, "out/clip.avi", 0},
        NamingCase{"input is never its own output",
                   "clip.avi",
                   "avi",
                   true,
                   "",
                   {},
                   "in/clip_Converted.avi",
                   0},
        NamingCase{"numbered after converted",
                   "clip.mpg",
                   "avi",
                   true,
                   "",
                   {"in/clip.avi", "in/clip_Converted.avi", "in/clip_Converted_0.avi"},
                   "in/clip_Converted_1.avi",
                   2},
        NamingCase{"already converted base",
                   "clip_Converted.mpg",
                   "avi",
                   true,
                   "",
                   {"in/clip_Converted.avi"},
                   "in/clip_Converted_0.avi",
                   2},
        NamingCase{"upper-case type", "clip.mpg", "AVI", true, "", {}, "in/clip.AVI", 0},
        NamingCase{"dotted name keeps its first dots",
                   "my.holiday.clip.mov",
                   "mp4",
                   true,
                   "",
                   {},
                   "in/my.holiday.clip.mp4",
                   0},
        NamingCase{"a folder of the name counts as taken",
                   "clip.mpg",
                   "avi",
                   true,
                   "",
                   {"dir:in/clip.avi"},
                   "in/clip_Converted.avi",
                   0},
        NamingCase{
            "a hidden input stays hidden", ".clip.mkv", "mp4", true, "", {}, "in/.clip.mp4", 0},
        NamingCase{
            "a hidden input without extension", ".clip", "mp4", true, "", {}, "in/.clip.mp4", 0},
        NamingCase{
            "missing folder is made", "clip.mpg", "mkv", false, "new", {}, "new/clip.mkv", 0}),
    test::CaseName<NamingCase>);

TEST(OutputNaming, AFolderThatCannotBeMadeIsReportedAndGivesNoPath) {
    QTemporaryDir dir;
    const QString input = dir.filePath("clip.mpg");
    QFile(input).open(QIODevice::WriteOnly);
    for (const QString& folder :
         {dir.filePath("missing/parent/out"), QString(), QString("relative/out")}) {
        test::RecordingNotifier notifier;
        const OutputPathResult preview = PreviewOutputPath(input, "avi", {false, folder});
        EXPECT_EQ(preview.problem, OutputPathResult::Problem::FolderUnavailable);
        EXPECT_EQ(GetOutputPath(input, "avi", {false, folder}), "") << folder.toStdString();
        ASSERT_EQ(notifier.messages.size(), 1u);
        EXPECT_EQ(notifier.messages[0].text, "Output Folder is not exist and can not be created.");
        EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Error);
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

TEST(OutputNaming, ADanglingLinkCountsAsTaken) {
    QTemporaryDir dir;
    const QString input = dir.filePath("clip.mpg");
    QFile(input).open(QIODevice::WriteOnly);
    QFile::link(dir.filePath("nowhere/target.avi"), dir.filePath("clip.avi"));
    EXPECT_EQ(GetOutputPath(input, "avi", {true, QString()}), dir.filePath("clip_Converted.avi"));
}

TEST(OutputNaming, AllTenThousandAndOneNumberedNamesTakenGivesNothing) {
    QTemporaryDir dir;
    const QString input = dir.filePath("c.mpg");
    QFile(input).open(QIODevice::WriteOnly);
    QFile(dir.filePath("c.avi")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("c_Converted.avi")).open(QIODevice::WriteOnly);
    for (int n = 0; n <= 10000; ++n) {
        QFile(dir.filePath(QString("c_Converted_%1.avi").arg(n))).open(QIODevice::WriteOnly);
    }
    test::RecordingNotifier notifier;
    EXPECT_EQ(GetOutputPath(input, "avi", {true, QString()}), "");
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(OutputNaming, EveryCandidateFitsTheFileSystemsNameLimit) {
    QTemporaryDir dir;
    // 120 two-byte letters: the plain name fits, the longer ones only when cut.
    const QString stem = QString(120, QChar(0x00E9));
    const QString input = dir.filePath(stem + ".mkv");
    QFile(input).open(QIODevice::WriteOnly);
    QStringList given;
    for (int i = 0; i < 4; ++i) {
        const QString path = GetOutputPath(input, "mp4", {true, QString()});
        ASSERT_FALSE(path.isEmpty());
        const QString name = QFileInfo(path).fileName();
        EXPECT_LE(QFile::encodeName(name).size(), kMaxNameBytes) << name.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();  // it can be made
        given << name;
    }
    EXPECT_EQ(given[0], stem + ".mp4");
    EXPECT_TRUE(given[1].endsWith("_Converted.mp4"));
    EXPECT_TRUE(given[3].endsWith("_Converted_1.mp4"));
    // A name is never cut inside a character.
    const QString fitted = FitName(QString(200, QChar(0x4E2D)), "_Converted_10000.mp4");
    EXPECT_LE(QFile::encodeName(fitted).size(), kMaxNameBytes);
    EXPECT_FALSE(fitted.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(QFile::decodeName(QFile::encodeName(fitted)), fitted);
}

TEST(OutputNaming, AResultTakesItsNameOnlyWithoutReplacingAnything) {
    QTemporaryDir dir;
    const QString wanted = dir.filePath("clip.mp4");
    QString error;
    const QString temporary = CreateTemporaryOutput(wanted, &error);
    ASSERT_FALSE(temporary.isEmpty()) << error.toStdString();
    EXPECT_TRUE(QFileInfo(temporary).fileName().startsWith('.'));
    EXPECT_TRUE(temporary.endsWith(".mp4"));
    EXPECT_EQ(QFileInfo(temporary).path(), dir.path());
    // Another temporary name for the same output is another file.
    const QString second = CreateTemporaryOutput(wanted, &error);
    EXPECT_NE(second, temporary);
    QFile::remove(second);

    QFile(temporary).open(QIODevice::WriteOnly | QIODevice::Append);
    {
        QFile out(temporary);
        out.open(QIODevice::WriteOnly);
        out.write("converted");
    }
    // The wanted name appeared meanwhile: it is kept, and the next name is taken.
    {
        QFile other(wanted);
        other.open(QIODevice::WriteOnly);
        other.write("someone else's");
    }
    int asked = 0;
    const QString given = ClaimOutput(
        temporary, wanted,
        [&] {
            ++asked;
            return GetOutputPath(dir.filePath("clip.mkv"), "mp4", {true, QString()});
        },
        &error);
    EXPECT_EQ(given, dir.filePath("clip_Converted.mp4"));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(temporary));
    QFile kept(wanted);
    kept.open(QIODevice::ReadOnly);
    EXPECT_EQ(kept.readAll(), "someone else's");
    QFile result(given);
    result.open(QIODevice::ReadOnly);
    EXPECT_EQ(result.readAll(), "converted");
}

TEST(OutputNaming, NoTemporaryFileInAFolderThatCannotBeWritten) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes everywhere";
    }
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    EXPECT_EQ(CreateTemporaryOutput(dir.filePath("clip.mp4"), &error), "");
    EXPECT_FALSE(error.isEmpty());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(OutputNaming, TheDefaultFolderIsConvertedFilesInAnExistingFolder) {
    const QString folder = DefaultOutputFolder();
    EXPECT_TRUE(folder.endsWith("/Converted Files"));
    EXPECT_TRUE(QFileInfo(QFileInfo(folder).path()).isDir());
}

}  // namespace
}  // namespace reelwright
