#include "engine/FailureReason.h"
#include "joblist/JobList.h"
#include "plan/TrackReport.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>

#include <functional>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

using test::RecordingNotifier;

// A job list whose probe and length reader are scripted; files live in a temporary folder.
class JobListTest : public testing::Test {
  protected:
    void SetUp() override {
        list.SetProbe([this](const QString& path) {
            probed << path;
            return !path.contains("unreadable");
        });
        list.SetLengthReader([](const QString&) { return QStringLiteral("00:00:05"); });
        list.InitJobList();
    }
    QString File(const QString& name) const {
        return test::WriteFile(dir, name, QByteArray(2048, 'x'));
    }
    bool Add(QString path) { return list.AddFile2Grid(path); }
    QStringList Paths() const {
        QStringList paths;
        for (int i = 0; i < list.Store()->RecordCount(); ++i) {
            paths << list.Store()->Row(i).filePath;
        }
        return paths;
    }

    QTemporaryDir dir;
    JobList list;
    QStringList probed;
    RecordingNotifier notifier;
};

struct NormaliseCase {
    const char* name;
    const char* path;
    const char* normalised;
};

class NormalisingPaths : public testing::TestWithParam<NormaliseCase> {};

TEST_P(NormalisingPaths, RepairsDoubledSeparatorsInOnePass) {
    EXPECT_EQ(JobList::NormalisePath(GetParam().path), QString(GetParam().normalised));
}

INSTANTIATE_TEST_SUITE_P(Paths, NormalisingPaths,
                         testing::Values(NormaliseCase{"doubled", "/v//clip.avi", "/v/clip.avi"},
                                         NormaliseCase{"tripled", "/v///clip.avi", "/v//clip.avi"},
                                         NormaliseCase{"two pairs", "/a//b//c.avi", "/a/b/c.avi"},
                                         NormaliseCase{"network", "//server/v//c.avi",
                                                       "//server/v//c.avi"},
                                         NormaliseCase{"clean", "/v/c.avi", "/v/c.avi"}),
                         test::CaseName<NormaliseCase>);

struct ExtensionCase {
    const char* file;
    bool refused;
};

class RefusingByExtension : public testing::TestWithParam<ExtensionCase> {};

TEST_P(RefusingByExtension, TestsTheExclusionTextAsASubstring) {
    const QString path = QStringLiteral("/v/") + GetParam().file;
    EXPECT_EQ(JobList::IsExcludedExtension(JobList::ExtensionOf(path)), GetParam().refused)
        << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusingByExtension,
    testing::Values(ExtensionCase{"song.MP3", true}, ExtensionCase{"notes.txt", true},
                    ExtensionCase{"movie", true}, ExtensionCase{"clip.mp", true},
                    ExtensionCase{"clip.m", true}, ExtensionCase{"tune.mid", true},
                    ExtensionCase{"clip.mp4", false}, ExtensionCase{"clip.MPG", false},
                    ExtensionCase{"clip.avi", false}, ExtensionCase{"clip.flv", false},
                    ExtensionCase{"clip.xyz", false}, ExtensionCase{"dotted.dir/movie", true}),
    REELWRIGHT_NAMED_BY(file));

TEST_F(JobListTest, AppendsARowWithItsTextsAndReturnsTheNormalisedPath) {
    QString path = File("clip.mp4");
    QString doubled = path;
    doubled.replace("/clip.mp4", "//clip.mp4");
    ASSERT_TRUE(list.AddFile2Grid(doubled));
    EXPECT_EQ(doubled, path);
    const JobRow& row = list.Store()->Row(0);
    EXPECT_EQ(row.id, 0);
    EXPECT_EQ(row.checkBox, 0);
    EXPECT_EQ(row.filePath, path);
    EXPECT_EQ(row.status, "Waiting Conversion");
    EXPECT_EQ(row.duration, "00:00:05");
    EXPECT_EQ(row.fileSize, "2 KB");
    EXPECT_FALSE(row.textColors[JobRow::Status].has_value());
}

TEST_F(JobListTest, RefusesDuplicatesByExactCaseWithoutProbingThem) {
    const QString lower = File("clip.mp4");
    const QString upper = File("CLIP.mp4");
    EXPECT_TRUE(Add(lower));
    EXPECT_FALSE(Add(lower));
    EXPECT_TRUE(Add(upper));
    EXPECT_EQ(probed, (QStringList{lower, upper}));
    EXPECT_EQ(Paths(), (QStringList{lower, upper}));
}

struct SpellingCase {
    const char* name;
    const char* spelling;  // of in/g1.mkv, relative to the test's folder
};

class OneFileTwoSpellings : public JobListTest, public testing::WithParamInterface<SpellingCase> {};

// A file listed once is not listed again under another spelling of its path, nor through a
// link to it: it would be converted twice.
TEST_P(OneFileTwoSpellings, IsListedOnce) {
    QDir(dir.path()).mkpath("in");
    const QString file = File("in/g1.mkv");
    ASSERT_TRUE(QFile::link(file, dir.filePath("g1-link.mkv")));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(),
                     QFile::encodeName(dir.filePath("in/g1-hard.mkv")).constData()),
              0);
    ASSERT_TRUE(Add(file));
    EXPECT_FALSE(Add(dir.filePath(GetParam().spelling)));
    EXPECT_EQ(list.LastRefusal(), "already in the list");
    EXPECT_EQ(Paths(), QStringList{file});
    // And the other way round: the first spelling is listed clean.
    list.InitJobList();
    QString spelled = dir.filePath(GetParam().spelling);
    ASSERT_TRUE(Add(spelled));
    EXPECT_FALSE(Add(file));
    EXPECT_EQ(Paths().size(), 1);
    EXPECT_FALSE(Paths()[0].contains("/./") || Paths()[0].contains("/../"));
}

INSTANTIATE_TEST_SUITE_P(Spellings, OneFileTwoSpellings,
                         testing::Values(SpellingCase{"UpAndDown", "in/../in/g1.mkv"},
                                         SpellingCase{"Here", "in/./g1.mkv"},
                                         SpellingCase{"HereAtTheStart", "./in/g1.mkv"},
                                         SpellingCase{"SymbolicLink", "g1-link.mkv"},
                                         SpellingCase{"HardLink", "in/g1-hard.mkv"}),
                         test::CaseName<SpellingCase>);

// ".." after a linked folder is where the link leads, as the file system reads it, not where
// the link lies: two different files must not be taken for one.
TEST_F(JobListTest, UpFromALinkedFolderIsWhereTheLinkLeads) {
    QDir(dir.path()).mkpath("other/deep");
    const QString there = File("other/g2.mkv");
    const QString here = File("g2.mkv");
    ASSERT_TRUE(QFile::link(dir.filePath("other/deep"), dir.filePath("jump")));
    QString path = dir.filePath("jump/../g2.mkv");
    EXPECT_EQ(JobList::ListedPath(path), QFileInfo(there).canonicalFilePath());
    ASSERT_TRUE(Add(path));
    EXPECT_TRUE(Add(here));
    EXPECT_EQ(Paths().size(), 2);
}

TEST_F(JobListTest, ProbesBeforeRefusingByExtension) {
    const QString song = File("song.MP3");
    EXPECT_FALSE(Add(song));
    EXPECT_EQ(probed, QStringList{song});
    EXPECT_EQ(list.Store()->RecordCount(), 0);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(JobListTest, QueuesAnUnreadableFileMarkedInRed) {
    ASSERT_TRUE(Add(File("unreadable.xyz")));
    const JobRow& row = list.Store()->Row(0);
    EXPECT_EQ(row.status, "Unkown Format");
    EXPECT_EQ(row.textColors[JobRow::Status], Rgb(220, 10, 10));
    EXPECT_EQ(row.textColors[JobRow::Duration], Rgb(220, 10, 10));
    EXPECT_FALSE(row.textColors[JobRow::FilePath].has_value());
    const QModelIndex status = list.Store()->index(0, JobRow::Status);
    EXPECT_EQ(status.data(JobListStore::kTextColorRole).toUInt(), Rgb(220, 10, 10));
}

TEST_F(JobListTest, AnUnreadableFileKeepsWhatTheProbeSaid) {
    list.SetProbe([](const QString& path) {
        ProbeVerdict verdict(false);
        verdict.reason = UnreadableReason(path);
        verdict.text = path + ": Invalid data found when processing input";
        return verdict;
    });
    const QString file = File("junk.avi");
    ASSERT_TRUE(Add(file));
    const JobRow& row = list.Store()->Row(0);
    EXPECT_EQ(row.status, "Unkown Format");
    EXPECT_EQ(row.reason, UnreadableReason(file));
    EXPECT_TRUE(row.reason.contains("junk.avi"));
    EXPECT_EQ(row.outputTail, file + ": Invalid data found when processing input");
    EXPECT_EQ(list.Store()->index(0, JobRow::Status).data(Qt::ToolTipRole).toString(), row.reason);
}

TEST_F(JobListTest, ConvertAgainPutsBackOnlyFinishedRowsAndNotDuringABatch) {
    const QStringList statuses{"Error",         "Cancelled", "Complete", "Waiting Conversion",
                               "Unkown Format", "57"};
    for (int i = 0; i < statuses.size(); ++i) {
        ASSERT_TRUE(Add(File(QString("%1.avi").arg(i))));
        list.Store()->SetStatus(i, statuses[i]);
        list.Store()->SetOutcome(i, "why", "/out/result.mp4", "/logs/run.log", "tail");
        list.Store()->SetTextColor(i, JobRow::Status, Rgb(220, 10, 10));
    }
    list.SetLocked(true);
    EXPECT_EQ(list.ConvertAgain({0, 1, 2}), 0);  // a batch is converting them
    list.SetLocked(false);
    EXPECT_EQ(list.ConvertAgain({0, 1, 2, 3, 4, 5, 99}), 3);
    QStringList after;
    for (int i = 0; i < statuses.size(); ++i) {
        after << list.Store()->Row(i).status;
    }
    EXPECT_EQ(after, (QStringList{"Waiting Conversion", "Waiting Conversion", "Waiting Conversion",
                                  "Waiting Conversion", "Unkown Format", "57"}));
    const JobRow& again = list.Store()->Row(0);
    EXPECT_TRUE(again.reason.isEmpty());
    EXPECT_TRUE(again.outputPath.isEmpty());
    EXPECT_EQ(again.logPath, "/logs/run.log");  // the last run can still be read
    EXPECT_FALSE(again.textColors[JobRow::Status].has_value());
}

TEST_F(JobListTest, ANameEndingInCdaIsACdTrack) {
    ASSERT_TRUE(Add(File("clip.xCDA")));
    EXPECT_EQ(list.Store()->Row(0).fileSize, "CD Track");
}

TEST_F(JobListTest, AMissingFileIsAnErrorThatNamesItAndNoRow) {
    EXPECT_FALSE(Add(dir.filePath("gone.avi")));
    EXPECT_EQ(list.Store()->RecordCount(), 0);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, "An error occured while Adding File\r53:File not found: " +
                                             dir.filePath("gone.avi") + " (not found)");
    EXPECT_EQ(list.LastRefusal(), "not found");
}

// Each refusal has its reason, for the list an add shows at its end.
TEST_F(JobListTest, EveryRefusalSaysWhy) {
    list.SetRefusalsCollected(true);
    const QString video = File("clip.avi");
    ASSERT_TRUE(Add(video));
    EXPECT_TRUE(list.LastRefusal().isEmpty());
    const QString unreadable = File("locked.avi");
    QFile(unreadable).setPermissions({});
    // There, reachable folder by folder, but too long to be opened by its name.
    const test::DeepFile deep(dir.path(), 4314);
    ASSERT_TRUE(deep.Created());
    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {video, "already in the list"},
        // Its tracks cannot be read: its name says it is sound, and the format keeps pictures.
        {File("song.FLAC"),
         "a sound file, with no picture: to convert it, choose one of the Audio Only presets"},
        {File("notes.txt"), "not a video file (.txt)"},
        {File("movie"), "it has no extension, so its kind cannot be told"},
        {dir.filePath("gone.avi"), "not found"},
        {dir.path(), "not a regular file"},
        {deep.Path(),
         "its full name is too long for the system (4314 bytes; the most it takes is 4095), so "
         "neither Reelwright nor the encoder can open it"},
        {dir.filePath(QString(300, 'n') + ".avi"),
         "one of the names in its path is too long for the system (the most it takes is 255 "
         "bytes)"},
        {unreadable,
         QFileInfo(unreadable).isReadable() ? QString() : "it cannot be read (permission denied)"},
    };
    for (const auto& c : cases) {
        if (c.reason.isEmpty()) {
            continue;  // root reads everything
        }
        EXPECT_FALSE(Add(c.path)) << c.path.toStdString();
        EXPECT_EQ(list.LastRefusal(), c.reason) << c.path.toStdString();
    }
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

// A stand-in for a language: every text of one context comes back marked.
class MarkingTranslator : public QTranslator {
  public:
    explicit MarkingTranslator(const char* context) : context_(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return qstrcmp(context, context_) == 0 ? u'«' + QString::fromUtf8(source) + u'»'
                                               : QString();
    }

  private:
    const char* context_;
};

// The texts the core writes for the user go through the translation of their own context,
// placeholders filled after it; without it they are the English ones.
TEST_F(JobListTest, TheCoresTextsAreTranslated) {
    list.SetRefusalsCollected(true);
    const QString video = File("clip.avi");
    ASSERT_TRUE(Add(video));
    TrackReport report;
    report.kept.audio = 1;
    const struct {
        const char* context;
        std::function<QString()> text;
        QString translated;
        QString english;
    } cases[] = {
        {"reelwright::FailureReason", [] { return UnreadableReason("/v/clip.avi"); },
         "«The encoder cannot read clip.avi: it is not a kind of media file it knows, or it is "
         "damaged.»",
         "The encoder cannot read clip.avi: it is not a kind of media file it knows, or it is "
         "damaged."},
        {"reelwright::JobList",
         [&] {
             Add(video);
             return list.LastRefusal();
         },
         "«already in the list»", "already in the list"},
        // Each piece of the sentence on its own, as a language joins them its way.
        // (A count's message is the plural's; a language gives its singular as a form of it.)
        {"reelwright::TrackReport", [&] { return report.Sentence(); }, "«Kept «1 audio» tracks.»",
         "Kept 1 audio track."},
    };
    for (const auto& c : cases) {
        MarkingTranslator marking(c.context);
        ASSERT_TRUE(QCoreApplication::installTranslator(&marking));
        EXPECT_EQ(c.text(), c.translated) << c.context;
        QCoreApplication::removeTranslator(&marking);
        EXPECT_EQ(c.text(), c.english) << c.context;
    }
}

TEST_F(JobListTest, AnythingButARegularFileIsRefusedBeforeItIsProbed) {
    const QString fifo = dir.filePath("pipe.avi");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir.path()).mkpath("folder.avi");
    const QString link = dir.filePath("link.avi");
    QFile::link(File("target.avi"), link);
    for (const QString& path : {fifo, dir.filePath("folder.avi"), QString("/dev/null")}) {
        notifier.messages.clear();
        EXPECT_FALSE(Add(path)) << path.toStdString();
        ASSERT_EQ(notifier.messages.size(), 1u) << path.toStdString();
        EXPECT_TRUE(notifier.messages[0].text.startsWith(
            "An error occured while Adding File\r53:File not found: " + path))
            << path.toStdString();
    }
    EXPECT_TRUE(probed.isEmpty());
    // A link to a file is a file.
    EXPECT_TRUE(Add(link));
    EXPECT_EQ(probed, QStringList{link});
}

TEST_F(JobListTest, ANameThatIsNotUtf8IsRefusedWithTheReason) {
    const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9.avi";
    const test::NativeNamedFile file(native);
    ASSERT_TRUE(file.Created());
    QString decoded = QFile::decodeName(native);
    EXPECT_FALSE(Add(decoded));
    EXPECT_EQ(list.LastRefusalKind(), JobList::Refusal::NotUtf8);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.contains("not valid UTF-8"));
    EXPECT_TRUE(notifier.messages[0].text.contains("rename the file"));
    EXPECT_TRUE(probed.isEmpty());
}

TEST_F(JobListTest, AnAddUnchecksSelectAll) {
    QSignalSpy cleared(&list, &JobList::SelectAllCleared);
    Add(File("a.avi"));
    EXPECT_EQ(cleared.count(), 1);
    Add(File("a.mp3"));
    EXPECT_EQ(cleared.count(), 1);  // a refusal changes nothing
}

TEST_F(JobListTest, SelectAllAndRemoveKeepTheOrderOfTheRest) {
    for (const char* name : {"1.avi", "2.avi", "3.avi", "4.avi"}) {
        Add(File(name));
    }
    list.SelectAll(true);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(list.Store()->Row(i).IsChecked());
    }
    list.SelectAll(false);
    list.Store()->SetCheckBox(0, 1);
    list.Store()->SetCheckBox(2, -1);  // a tick may be stored as -1
    JobListStore* before = list.Store();
    QSignalSpy replaced(&list, &JobList::StoreReplaced);
    list.RemoveChecked();
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("2.avi"), dir.filePath("4.avi")}));
    EXPECT_EQ(replaced.count(), 1);
    EXPECT_NE(list.Store(), before);

    list.RemoveChecked();  // nothing checked: the same rows, rebuilt
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("2.avi"), dir.filePath("4.avi")}));
}

TEST_F(JobListTest, ARemovalKeepsTheRedMarkOfRefusedRows) {
    Add(File("a.avi"));
    Add(File("unreadable.avi"));
    list.Store()->SetCheckBox(0, 1);
    list.RemoveChecked();
    ASSERT_EQ(list.Store()->RecordCount(), 1);
    EXPECT_EQ(list.Store()->Row(0).textColors[JobRow::Status], Rgb(220, 10, 10));
}

TEST_F(JobListTest, ClicksThatArriveDuringAProbeCannotChangeTheList) {
    Add(File("a.avi"));
    list.Store()->SetCheckBox(0, 1);
    const QString second = File("b.avi");
    list.SetProbe([&](const QString&) {
        // What a click handled inside the probe's yields would do.
        QString other = File("c.avi");
        EXPECT_FALSE(list.AddFile2Grid(other));
        list.RemoveChecked();
        list.SelectAll(false);
        return true;
    });
    EXPECT_TRUE(Add(second));
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("a.avi"), second}));
    EXPECT_TRUE(list.Store()->Row(0).IsChecked());
}

TEST_F(JobListTest, OnlyTheCheckMarkIsEditable) {
    Add(File("a.avi"));
    JobListStore& store = *list.Store();
    EXPECT_TRUE(store.flags(store.index(0, JobRow::CheckBox)) & Qt::ItemIsUserCheckable);
    for (int column : {JobRow::FilePath, JobRow::Status, JobRow::Duration, JobRow::FileSize}) {
        EXPECT_FALSE(store.flags(store.index(0, column)) & Qt::ItemIsEditable);
        EXPECT_FALSE(store.setData(store.index(0, column), "changed", Qt::EditRole));
    }
    EXPECT_TRUE(store.setData(store.index(0, JobRow::CheckBox), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(store.Row(0).checkBox, 1);
    EXPECT_EQ(store.headerData(JobRow::Status, Qt::Horizontal).toString(), "Conversion Status");
}

struct ContentCase {
    const char* name;
    FileContent content;
    const char* extension;
    bool soundOnly;
    const char* reason;  // empty: taken
};

class JudgingByContent : public testing::TestWithParam<ContentCase> {};

// What a file holds decides, not its name; only a file whose tracks cannot be read is judged by
// its name, and then only a sound file's name refuses it.
TEST_P(JudgingByContent, TakesWhatTheChosenFormatCanMakeSomethingOf) {
    const ContentCase& c = GetParam();
    EXPECT_EQ(JobList::ContentRefusal(c.content, QString::fromLatin1(c.extension), c.soundOnly),
              QString::fromLatin1(c.reason));
}

const char* const kSoundFile =
    "a sound file, with no picture: to convert it, choose one of the Audio Only presets";
const char* const kNoSound = "it has no sound, and the chosen format keeps sound only";
const char* const kNothing = "it holds neither picture nor sound to convert";

INSTANTIATE_TEST_SUITE_P(
    Files, JudgingByContent,
    testing::Values(
        ContentCase{"FilmForAVideoFormat", {true, true, true}, "mkv", false, ""},
        ContentCase{"FilmForASoundFormat", {true, true, true}, "mkv", true, ""},
        ContentCase{"SilentFilmForAVideoFormat", {true, true, false}, "mp4", false, ""},
        ContentCase{"SilentFilmForASoundFormat", {true, true, false}, "mp4", true, kNoSound},
        ContentCase{"FlacForASoundFormat", {true, false, true}, "flac", true, ""},
        ContentCase{"FlacForAVideoFormat", {true, false, true}, "flac", false, kSoundFile},
        // Named as sound, holding a film: taken as the film it is.
        ContentCase{"TheoraInOgg", {true, true, true}, "ogg", false, ""},
        // Named as video, holding sound alone.
        ContentCase{"SongInMkaForAVideoFormat", {true, false, true}, "mka", false, kSoundFile},
        ContentCase{"OpusForASoundFormat", {true, false, true}, "opus", true, ""},
        ContentCase{"SubtitlesAlone", {true, false, false}, "srt", false, kNothing},
        ContentCase{"SubtitlesAloneForASoundFormat", {true, false, false}, "srt", true, kNoSound},
        // Unread: the probe decides, unless the name says it is sound for a picture format.
        ContentCase{"UnreadVideoName", {}, "avi", false, ""},
        ContentCase{"UnreadVideoNameForASoundFormat", {}, "avi", true, ""},
        ContentCase{"UnreadSoundName", {}, "WAV", false, kSoundFile},
        ContentCase{"UnreadSoundNameForASoundFormat", {}, "wav", true, ""}),
    test::CaseName<ContentCase>);

// The format is asked as each file is added: what one add refuses, the next takes once an Audio
// Only preset is chosen, and the other way round.
TEST_F(JobListTest, TheChosenFormatDecidesWhatIsTaken) {
    std::map<QString, FileContent> held{{"song.flac", {true, false, true}},
                                        {"film.ogg", {true, true, true}},
                                        {"silent.mp4", {true, true, false}},
                                        {"song2.wav", {true, false, true}}};
    list.SetContentReader(
        [&held](const QString& path) { return held[QFileInfo(path).fileName()]; });
    bool soundOnly = false;
    list.SetSoundOnly([&soundOnly] { return soundOnly; });
    list.SetRefusalsCollected(true);
    const auto add = [this](const char* name) {
        return Add(File(name)) ? QStringLiteral("taken") : list.LastRefusal();
    };
    EXPECT_EQ(add("song.flac"), kSoundFile);
    EXPECT_EQ(list.LastRefusalKind(), JobList::Refusal::WrongContent);
    EXPECT_EQ(add("film.ogg"), "taken");
    EXPECT_EQ(add("silent.mp4"), "taken");
    soundOnly = true;
    EXPECT_EQ(add("song.flac"), "taken");
    EXPECT_EQ(add("song2.wav"), "taken");
    EXPECT_EQ(Paths(), (QStringList{dir.filePath("film.ogg"), dir.filePath("silent.mp4"),
                                    dir.filePath("song.flac"), dir.filePath("song2.wav")}));
    // A row once taken stays; the next add is judged anew.
    list.InitJobList();
    EXPECT_EQ(add("silent.mp4"), kNoSound);
    EXPECT_EQ(list.LastRefusalKind(), JobList::Refusal::WrongContent);
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

}  // namespace
}  // namespace reelwright
