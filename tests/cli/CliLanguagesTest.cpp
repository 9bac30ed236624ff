// reelwright-cli in the desktop's language: its help, its refusals and its lines for people are
// translated; what scripts read (--json) is the same in every language.
#include "CliFixture.h"

#include <QRegularExpression>

namespace reelwright {
namespace {

struct Language {
    const char* lang;
    const char* usage;  // how the help's first line begins
};

const Language kLanguages[] = {
    {"de_DE.UTF-8", "Aufruf:"}, {"fr_FR.UTF-8", "Utilisation :"}, {"es_ES.UTF-8", "Uso:"},
    {"pt_BR.UTF-8", "Uso:"},    {"zh_CN.UTF-8", "用法："},
};

// Columns a terminal gives a line: the wide scripts take two.
int Columns(const QString& line) {
    int columns = 0;
    for (const QChar c : line) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

// Qt's notice, on newer releases, that LANG names a locale this machine has not generated (a
// minimal system): it is about the machine, not about what the program says.
QString WithoutLocaleNotice(const QString& err) {
    if (!err.startsWith(QStringLiteral("Detected locale "))) {
        return err;
    }
    static const QString end = QStringLiteral("for more information.\n");
    const qsizetype at = err.indexOf(end);
    return at < 0 ? err : err.mid(at + end.size());
}

class CliLanguages : public CliTest, public testing::WithParamInterface<Language> {
  protected:
    Result RunIn(const char* lang, const QStringList& arguments) const {
        const auto program = Program(arguments);
        QProcessEnvironment environment = program->processEnvironment();
        environment.insert("LANG", lang);
        program->setProcessEnvironment(environment);
        program->start();
        program->waitForStarted(30000);
        program->closeWriteChannel();
        program->waitForFinished(120000);
        return {program->exitStatus() == QProcess::NormalExit ? program->exitCode() : -1,
                QString::fromUtf8(program->readAllStandardOutput()),
                WithoutLocaleNotice(QString::fromUtf8(program->readAllStandardError()))};
    }
    Result English(const QStringList& arguments) const { return Run(arguments); }
    Result Translated(const QStringList& arguments) const {
        return RunIn(GetParam().lang, arguments);
    }
};

TEST_P(CliLanguages, TheHelpIsTranslatedAndKeepsEveryOptionAndItsLayout) {
    const Result english = English({"--help"});
    const Result help = Translated({"--help"});
    ASSERT_EQ(help.status, 0);
    EXPECT_NE(help.out, english.out);
    EXPECT_TRUE(help.out.startsWith(QString::fromUtf8(GetParam().usage))) << help.out.toStdString();
    // The options and the names a user types stay as they are.
    static const QRegularExpression token(
        QStringLiteral("(--[a-z-]+|HKEY_LOCAL_MACHINE\\.ini|"
                       "\\$XDG_[A-Z_]+|SIGTERM|129|141|143)"));
    for (auto it = token.globalMatch(english.out); it.hasNext();) {
        const QString word = it.next().captured(1);
        EXPECT_TRUE(help.out.contains(word)) << word.toStdString();
    }
    // The default folder fills its place.
    EXPECT_FALSE(help.out.contains(QStringLiteral("%1")));
    for (const QString& line : help.out.split(u'\n')) {
        if (!line.contains(home.path())) {
            EXPECT_LE(Columns(line), 80) << line.toStdString();
        }
    }
}

TEST_P(CliLanguages, RefusalsAndEachFilesLineAreTranslated) {
    const QString clip = Clip("clip.mkv");
    const QList<QStringList> refused{
        {"--jobs", "99", clip},
        {"--frobnicate", clip},
        {"--progress", clip},
        {"--preset", "No/Such preset", clip},
        {"--watch", "no-such-folder", "--output-folder", "elsewhere"},
    };
    for (const QStringList& arguments : refused) {
        const Result english = English(arguments);
        const Result said = Translated(arguments);
        EXPECT_EQ(said.status, 2);
        EXPECT_TRUE(said.err.startsWith(QStringLiteral("reelwright-cli: ")))
            << said.err.toStdString();
        EXPECT_NE(said.err, english.err) << said.err.toStdString();
        // What the user typed is still named where the English names it.
        for (const QString& typed : arguments) {
            if (english.err.contains(typed)) {
                EXPECT_TRUE(said.err.contains(typed)) << said.err.toStdString();
            }
        }
    }
    // A file that is not there: its line and the summary, in the language.
    const QStringList missing{"--preset", kPreset, "--output-folder", "out", "missing.mkv"};
    const Result english = English(missing);
    const Result said = Translated(missing);
    EXPECT_EQ(said.status, 2);
    ASSERT_EQ(said.out.count(u'\n'), 2) << said.out.toStdString();
    EXPECT_TRUE(said.out.startsWith(home.filePath("missing.mkv") + QStringLiteral(": ")));
    const QStringList lines = said.out.split(u'\n');
    const QStringList englishLines = english.out.split(u'\n');
    EXPECT_NE(lines[0], englishLines[0]);
    EXPECT_NE(lines[1], englishLines[1]);
    EXPECT_NE(said.err, english.err);
}

TEST_P(CliLanguages, AConvertedFileIsToldInTheLanguageAndJsonStaysAsScriptsReadIt) {
    const QString clip = Clip("clip.mkv");
    const Result said =
        Translated({"--preset", kPreset, "--output-folder", "out", clip, "missing.mkv"});
    EXPECT_EQ(said.status, 1) << said.err.toStdString();
    const QString english = QStringLiteral(": Complete -> ");
    EXPECT_FALSE(said.out.contains(english)) << said.out.toStdString();
    EXPECT_TRUE(said.out.contains(home.filePath("out/clip.avi"))) << said.out.toStdString();

    const QStringList json{"--json",    "--preset",  kPreset, "--output-folder",
                           "elsewhere", "--dry-run", clip,    "missing.mkv"};
    EXPECT_EQ(Translated(json).out, English(json).out);
    EXPECT_EQ(Translated(json).err, English(json).err);
}

INSTANTIATE_TEST_SUITE_P(
    EachLanguage, CliLanguages, testing::ValuesIn(kLanguages),
    [](const testing::TestParamInfo<Language>& info) {
        return QString::fromLatin1(info.param.lang).section(u'.', 0, 0).toStdString();
    });

}  // namespace
}  // namespace reelwright
