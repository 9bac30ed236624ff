#include "engine/CVideoConv.h"

#include "common/Fakes.h"
#include "platform/ProgramFolder.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace reelwright {
namespace {

using test::FakeEncoderFolder;
using test::RecordingNotifier;

// Records both events of a job in one sequence, progress as "P<n>".
struct EventLog {
    explicit EventLog(CVideoConv& job) {
        QObject::connect(&job, &CVideoConv::CurrentStatus,
                         [this](const QString& s) { events << s; });
        QObject::connect(&job, &CVideoConv::Progress,
                         [this](int p) { events << "P" + QString::number(p); });
    }
    QStringList events;
};

class CVideoConvTest : public testing::Test {
  protected:
    // Runs a job whose encoder plays `script`; the output goes to out.avi in the folder.
    QStringList Convert(const QString& script, float length = 0.0F, CVideoConv* job = nullptr,
                        const QString& options = "-vcodec mpeg4 -y") {
        CVideoConv own;
        CVideoConv& j = job ? *job : own;
        EventLog log(j);
        j.SetInputFile(folder.Scenario("input.txt", script));
        j.SetOutputFile(Output());
        j.SetParametrs(options);
        j.SetFileTimeLength(length);
        j.StartConversion();
        return log.events;
    }
    QString Output() const { return QDir(folder.Path()).filePath("out.avi"); }

    FakeEncoderFolder folder;
    RecordingNotifier notifier;
};

const char* kBegun =
    "print Stream mapping:\\n  #0:0 -> #0:0\\nPress [q] to stop, [?] for help\\n\n";

TEST_F(CVideoConvTest, ACommandLineCarriesEveryNameUnchanged) {
    CVideoConv job;
    const QString odd = QDir(folder.Path()).filePath("it's \"odd\" $HOME; -x ü\\.txt");
    QFile::copy(folder.Scenario("args.txt", "args\n"), odd);
    job.SetInputFile(odd);
    job.SetOutputFile(QDir(folder.Path()).filePath("-out put.avi"));
    job.SetParametrs("-ar 22050 -ab 64000 -y");
    EXPECT_EQ(job.BuildCommandLine(), QDir(folder.Path()).filePath("ffmpeg") + " -i \"" +
                                          folder.Path() + "/it's \\\"odd\\\" $HOME; -x ü\\.txt\"" +
                                          " -ar 22050 -ab 64000 -y \"" + folder.Path() +
                                          "/-out put.avi\"");
    // The fake prints what it received, one argument a line.
    job.StartConversion();
    const QString seen = job.Transcript().Tail();
    EXPECT_TRUE(seen.contains("arg[2]=" + odd + "\n")) << seen.toStdString();
    EXPECT_TRUE(seen.contains("arg[7]=-y\n"));
    EXPECT_TRUE(seen.endsWith("arg[8]=" + folder.Path() + "/-out put.avi\n"));
}

TEST_F(CVideoConvTest, AProgramFolderWithBlanksStillFindsTheEncoder) {
    const QString spaced = QDir(folder.Path()).filePath("with blanks");
    QDir().mkpath(spaced);
    QFile::copy(QDir(folder.Path()).filePath("ffmpeg"), spaced + "/ffmpeg");
    ProgramFolder::Override(spaced);
    const QStringList events = Convert(QString(kBegun) + "output 10\n");
    EXPECT_EQ(events, QStringList{"Starting..."});
    EXPECT_TRUE(notifier.messages.empty());
}

struct ProgressCase {
    const char* name;
    float length;
    const char* piece;
    QStringList expected;
};

class ProgressFromTime : public CVideoConvTest, public testing::WithParamInterface<ProgressCase> {};

TEST_P(ProgressFromTime, TurnsEachPieceIntoOneEvent) {
    const ProgressCase& c = GetParam();
    const QString script = QString(kBegun) + "print " + c.piece + "\noutput 10\n";
    QStringList expected{"Starting..."};
    expected += c.expected;
    // "-t" cuts the input on purpose, so a run that ends early is no failure here.
    EXPECT_EQ(Convert(script, c.length, nullptr, "-t 1 -y"), expected) << c.name;
    EXPECT_TRUE(notifier.messages.empty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressFromTime,
    testing::Values(
        ProgressCase{"half to even then share", 200, "size= 1kB time=50.50 bitrate=", {"P25"}},
        ProgressCase{"rounded up", 100, "time=13.5 bitrate=", {"P14"}},
        ProgressCase{"clock form", 100, "time=00:00:42.00 bitrate=", {"P42"}},
        ProgressCase{"past the length", 10, "time=00:00:12.00 bitrate=", {"P120"}},
        ProgressCase{"past nine hours", 40000, "time=10:00:00.00 bitrate=", {"P90"}},
        ProgressCase{"unknown length", 0, "time=12.40 bitrate=", {"12.40 Seconds Converted"}},
        ProgressCase{
            "unknown length, clock", 0, "time=00:01:02.50 bitrate=", {"62.50 Seconds Converted"}},
        ProgressCase{"not a number", 100, "time=N/A bitrate=N/A", {}},
        ProgressCase{"cut at the end", 100, "time=00:00:0", {}}),
    test::CaseName<ProgressCase>);

struct InputCase {
    const char* name;
    const char* script;
    QStringList expected;
};

class ReadingTheInput : public CVideoConvTest, public testing::WithParamInterface<InputCase> {};

TEST_P(ReadingTheInput, OnlyTheEncodersOwnComplaintAboutOpeningItCounts) {
    const InputCase& c = GetParam();
    EXPECT_EQ(Convert(c.script, 0, nullptr, "-t 1 -y"), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingTheInput,
    testing::Values(
        InputCase{"unknown format wins over the time",
                  "print Unknown format time=5.00 x\nexit 1\n",
                  {"Starting...", "Unknown format", "P-1", "Error"}},
        InputCase{"today's wording",
                  "print x.avi: Invalid data found when processing input\\n\nexit 1\n",
                  {"Starting...", "Unknown format", "P-1", "Error"}},
        InputCase{"said twice by ffmpeg 7.1, told once",
                  "print [in#0 @ 0x55af] Error opening input: Invalid data found when "
                  "processing input\\n\n"
                  "print Error opening input file x.avi.\\n\n"
                  "print Error opening input files: Invalid data found when processing "
                  "input\\n\nexit 183\n",
                  {"Starting...", "Unknown format", "P-1", "Error"}},
        InputCase{"a decoder's complaint once encoding runs",
                  "print Press [q] to stop, [?] for help\\n\n"
                  "print Error while decoding stream #0:0: Invalid data found when processing "
                  "input\\n\nprint [h264 @ 0x55] Invalid data found when processing input\\n\n"
                  "print time=00:00:01.00 bitrate=\\r\noutput 10\n",
                  {"Starting...", "1.00 Seconds Converted"}}),
    test::CaseName<InputCase>);

TEST_F(CVideoConvTest, APhraseInTheInputsNameSaysNothingAboutTheInput) {
    for (const QString name : {"Unknown format sample.txt",
                               "Invalid data found when processing input.txt"}) {
        CVideoConv job;
        EventLog log(job);
        const QString input = QDir(folder.Path()).filePath(name);
        QFile::remove(input);
        QFile::copy(folder.Scenario("s.txt", QString(
                        "print Input #0, mov,mp4, from '%1':\\n  Duration: 00:00:01.00\\n\n"
                        "print Output #0, avi, to '%2':\\n  Stream #0:0: Video: mpeg4\\n%3"
                        "output 10\n")
                        .arg(QDir(folder.Path()).filePath(name), Output(), kBegun)),
                    input);
        job.SetInputFile(input);
        job.SetOutputFile(Output());
        job.SetParametrs("-y");
        job.StartConversion();
        EXPECT_EQ(log.events, QStringList{"Starting..."}) << name.toStdString();
        EXPECT_EQ(job.LastResult(), CVideoConv::Result::Converted);
        CVideoConv probe;
        EXPECT_TRUE(probe.IsFileSupported(input)) << name.toStdString();
    }
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(CVideoConvTest, AFloodOfWarningsBeforeAFailureGivesAShortMessageWithTheCause) {
    QString script = QString(kBegun);
    // 20 MB of warnings, then the cause.
    script += "bytes 20000000 w\nprint \\n[mpeg4 @ 0x55] ac-tex damaged at 1 1\\n\n"
              "print Error writing trailer of out.avi: No space left on device\\n\n"
              "print Conversion failed!\\n\noutput 10\nexit 1\n";
    const QStringList events = Convert(script);
    EXPECT_EQ(events.last(), "Error");
    ASSERT_EQ(notifier.messages.size(), 1u);
    const QString text = notifier.messages[0].text;
    EXPECT_LE(text.size(), 4096);
    EXPECT_LE(text.split("\r\n").size(), 6);
    EXPECT_TRUE(text.endsWith("is full: out.avi could not be written.")) << text.left(300).toStdString();
}

TEST_F(CVideoConvTest, AStopBeforeTheEncoderStartsIsKept) {
    CVideoConv job;
    // The stop arrives in the yield that comes before the start, as a second click would.
    test::ScopedYield yield([&job] { job.StopConversion(); });
    const QStringList events = Convert(QString(kBegun) + "output 10\n", 100, &job);
    EXPECT_EQ(events, QStringList{"Cancelled"});
    EXPECT_EQ(job.LastResult(), CVideoConv::Result::Cancelled);
    EXPECT_FALSE(QFile::exists(Output()));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(CVideoConvTest, OptionsWithAnOpenQuoteNeverRun) {
    CVideoConv job;
    const QStringList events =
        Convert(QString(kBegun) + "output 10\n", 0, &job, "-metadata title=\"open -y");
    EXPECT_EQ(events, QStringList{"Error"});
    EXPECT_FALSE(QFile::exists(Output()));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_TRUE(notifier.messages[0].text.contains("quote")) << notifier.messages[0].text.toStdString();
}

struct WholeCase {
    const char* name;
    float length;
    const char* text;  // what the encoder prints once encoding has begun
    const char* options;
    bool whole;
};

class WholeInput : public CVideoConvTest, public testing::WithParamInterface<WholeCase> {};

TEST_P(WholeInput, AConversionThatEndedShortOfTheLengthIsAnError) {
    const WholeCase& c = GetParam();
    CVideoConv job;
    Convert(QString(kBegun) + "print " + c.text + "\noutput 10\n", c.length, &job, c.options);
    EXPECT_EQ(job.LastResult() == CVideoConv::Result::Converted, c.whole) << c.name;
    if (!c.whole) {
        EXPECT_TRUE(job.Reason().contains("ended early")) << job.Reason().toStdString();
        ASSERT_EQ(notifier.messages.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeInput,
    testing::Values(
        WholeCase{"whole", 6, "time=00:00:06.01 bitrate=\\r", "-y", true},
        WholeCase{"a frame short", 6, "time=00:00:05.92 bitrate=\\r", "-y", true},
        WholeCase{"a slide short", 10, "time=00:00:09.00 bitrate=\\r", "-y", true},
        WholeCase{"half of it", 6, "time=00:00:02.92 bitrate=\\r", "-y", false},
        WholeCase{"a short clip left with one frame", 1.02f, "time=00:00:00.10 bitrate=\\r", "-y",
                  false},
        WholeCase{"cut on purpose", 6, "time=00:00:02.00 bitrate=\\r", "-t 2 -y", true},
        WholeCase{"unknown length", 0, "time=00:00:02.00 bitrate=\\r", "-y", true},
        WholeCase{"no position", 6, "video:1kB\\n", "-y", true},
        WholeCase{"the encoder says so", 6,
                  "[matroska,webm @ 0x5] File ended prematurely\\ntime=00:00:05.99 bitrate=\\r",
                  "-y", false},
        WholeCase{"a partial file", 6,
                  "[mov,mp4 @ 0x5] stream 1, offset 0x25796: partial file\\n"
                  "time=00:00:06.00 bitrate=\\r",
                  "-y", false}),
    test::CaseName<WholeCase>);

struct EndCase {
    const char* name;
    const char* script;
    bool error;
};

class EndOfRun : public CVideoConvTest, public testing::WithParamInterface<EndCase> {};

TEST_P(EndOfRun, JudgesTheRunByTextExitCodeAndOutput) {
    const EndCase& c = GetParam();
    const QStringList events = Convert(QString(kBegun) + c.script);
    EXPECT_EQ(events.contains("Error"), c.error) << c.name;
    ASSERT_EQ(notifier.messages.size(), c.error ? 1u : 0u) << c.name;
    if (c.error) {
        EXPECT_TRUE(notifier.messages[0].text.startsWith("Error converting file: input.txt\r\n"));
        EXPECT_EQ(notifier.messages[0].icon, MessageIcon::Error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndOfRun,
    testing::Values(EndCase{"success", "output 100\n", false},
                    EndCase{"non-zero exit", "output 100\nexit 1\n", true},
                    EndCase{"output missing", "exit 0\n", true},
                    EndCase{"output empty", "output 0\n", true},
                    EndCase{"conversion failed", "output 100\nprint Conversion failed!\\n\n", true},
                    EndCase{"trailer", "output 100\nprint Error writing trailer of x: EIO\\n\n",
                            true}),
    test::CaseName<EndCase>);

TEST_F(CVideoConvTest, ARunThatNeverBeganIsAnErrorWithTheEncodersLines) {
    const QStringList events = Convert(
        "print Input #0, avi\\n  Duration\\n  Stream #0:0\\n  Stream #0:1\\nUnknown encoder "
        "'x'\\n\n"
        "exit 1\n");
    EXPECT_EQ(events, (QStringList{"Starting...", "Error"}));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              "Error converting file: input.txt\r\nThis ffmpeg has no encoder \"x\": choose another "
              "codec, or install an ffmpeg that has it.");
}

TEST_F(CVideoConvTest, EmptyOutputGivesErrorWithAnEmptyDetail) {
    EXPECT_EQ(Convert("exit 0\n"), (QStringList{"Starting...", "Error"}));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, "Error converting file: input.txt\r\n");
}

TEST_F(CVideoConvTest, AStopEndsWithCancelledAndNoError) {
    CVideoConv job;
    QObject::connect(&job, &CVideoConv::Progress, [&](int) { job.StopConversion(); });
    const QStringList events =
        Convert(QString(kBegun) + "print time=1.00 x\nsleep 20000\noutput 10\n", 100, &job);
    EXPECT_EQ(events, (QStringList{"Starting...", "P1", "Cancelled"}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(CVideoConvTest, AMissingEncoderIsReportedTwiceAndTheProbeSaysYes) {
    test::ScopedEmptyPath noEncoderOnPath;
    ProgramFolder::Override(QDir(folder.Path()).filePath("nowhere"));
    EXPECT_EQ(Convert("exit 0\n"), (QStringList{"Starting...", "Error"}));
    CVideoConv probe;
    EXPECT_TRUE(probe.IsFileSupported(folder.Scenario("x.txt", "print Unknown format\n")));
    EXPECT_EQ(notifier.Texts(),
              (QStringList{"File or command not found", "Error converting file: input.txt\r\n",
                           "File or command not found"}));
}

TEST_F(CVideoConvTest, AProbeThatTakesTooLongCountsAsUnreadable) {
    CVideoConv::SetProbeTimeLimit(300);
    CVideoConv probe;
    // Without the limit the encoder would say nothing for 20 s and the answer would be yes.
    const bool supported = probe.IsFileSupported(folder.Scenario("slow.txt", "sleep 20000\n"));
    CVideoConv::SetProbeTimeLimit(CVideoConv::kDefaultProbeTimeLimitMs);
    EXPECT_FALSE(supported);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(CVideoConvTest, TheProbeRefusesOnlyWhatTheEncoderCannotRead) {
    const struct {
        const char* script;
        bool supported;
    } cases[] = {
        {"print Input #0, avi\\nAt least one output file must be specified\\n\nexit 1\n", true},
        {"print x: Unknown format\\n\nexit 1\n", false},
        {"print x: unknown format\\n\nexit 1\n", false},
        {"print x: Invalid data found when processing input\\n\nexit 1\n", false},
    };
    for (const auto& c : cases) {
        CVideoConv job;
        EXPECT_EQ(job.IsFileSupported(folder.Scenario("probe.txt", c.script)), c.supported)
            << c.script;
    }
    EXPECT_TRUE(notifier.messages.empty());
}

}  // namespace
}  // namespace reelwright
