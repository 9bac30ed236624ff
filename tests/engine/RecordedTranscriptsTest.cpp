// The judgement of a run and its reason, on the text real encoders printed: Debian 12's ffmpeg
// 5.1 and Debian 13's 7.1, each in the same scenarios (tests/data/transcripts). A move from one
// release to the other must not change a status, and no reason may name the hidden file.
#include "engine/EncoderTranscript.h"
#include "engine/FailureReason.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <string>

namespace reelwright {
namespace {

enum class Verdict { Converted, Failed, Unreadable };

struct Scenario {
    const char* name;
    const char* input;
    const char* options;
    const char* output;
    double length;      // the input's length as the media library gives it
    qint64 outputSize;  // what the run left under the hidden name
    Verdict verdict;
    const char* reason;  // a part of the reason, the same on both releases
};

const char* const kClip = "/tmp/rw/in/clip.mkv";
const char* const kOut = "/tmp/rw/out/.reelwright-abcd1234.mp4";
const char* const kH264 = "-vcodec libx264 -acodec aac";

const Scenario kScenarios[] = {
    {"normal", kClip, kH264, kOut, 3.0, 47305, Verdict::Converted, ""},
    {"normal-10s", "/tmp/rw/in/clip10.mkv", kH264, kOut, 10.0, 145870, Verdict::Converted, ""},
    {"ambiguous-b", kClip, "-vcodec libx264 -acodec aac -b 800k", kOut, 3.0, 179426,
     Verdict::Converted, ""},
    {"unknown-encoder", kClip, "-vcodec libnothing -acodec aac", kOut, 3.0, -1, Verdict::Failed,
     "This ffmpeg has no encoder \"libnothing\""},
    {"unknown-option", kClip, "-vcodec libx264 -acodec aac -nosuchoption 1", kOut, 3.0, -1,
     Verdict::Failed, "does not know the option -nosuchoption"},
    {"refused-option", kClip, "-vcodec libx264 -acodec aac -b:v abc", kOut, 3.0, 0, Verdict::Failed,
     "refused the value \"abc\" of the option -b"},
    {"refused-option-ar", kClip, "-vn -acodec libmp3lame -ar 12345",
     "/tmp/rw/out/.reelwright-abcd1234.mp3", 3.0, 0, Verdict::Failed,
     "refused the chosen format's settings for clip.mkv: Specified sample rate 12345 is not "
     "supported"},
    {"missing-input", "/tmp/rw/in/missing.mkv", kH264, kOut, 3.0, -1, Verdict::Failed,
     "missing.mkv is not there any more"},
    {"unreadable-input", "/tmp/rw/in/random.avi", kH264, kOut, 0, -1, Verdict::Unreadable,
     "The encoder cannot read random.avi"},
    {"truncated-input", "/tmp/rw/in/truncated.mkv", kH264, kOut, 10.0, 71406, Verdict::Failed,
     "The input file ended early: only 4.8 of 10.0 seconds were converted"},
    {"missing-output-folder", kClip, kH264, "/tmp/rw/nofolder/.reelwright-abcd1234.mp4", 3.0, -1,
     Verdict::Failed, "The output folder /tmp/rw/nofolder is not there any more."},
    {"permission-denied", kClip, kH264, "/tmp/rw/ro/.reelwright-abcd1234.mp4", 3.0, -1,
     Verdict::Failed, "/tmp/rw/ro cannot be written: permission denied."},
    {"disk-full", "/tmp/rw/in/clip10.mkv", kH264, "/tmp/rw/full/.reelwright-abcd1234.mp4", 10.0,
     65536, Verdict::Failed, "The disk of /tmp/rw/full is full: clip10.mp4 could not be written."},
    {"disk-full-long", "/tmp/rw/in/clip60.mkv", kH264, "/tmp/rw/full/.reelwright-abcd1234.mp4",
     60.0, 65536, Verdict::Failed,
     "The disk of /tmp/rw/full is full: clip60.mp4 could not be written."},
    {"sigint", "/tmp/rw/in/clip60.mkv", kH264, kOut, 60.0, 115638, Verdict::Failed,
     "interrupted (signal 2)"},
    {"sigterm", "/tmp/rw/in/clip60.mkv", kH264, kOut, 60.0, 144587, Verdict::Failed,
     "interrupted (signal 15)"},
    {"sigint-twice", "/tmp/rw/in/clip60.mkv", kH264, kOut, 60.0, 48, Verdict::Failed,
     "interrupted (signal 2)"},
    {"audio-only-format-no-sound", "/tmp/rw/in/noaudio.mkv", "-vn -acodec libmp3lame",
     "/tmp/rw/out/.reelwright-abcd1234.mp3", 3.0, -1, Verdict::Failed,
     "noaudio.mkv has no sound to convert."},
    {"empty-output", "/tmp/rw/in/empty.mp4", "-vn -acodec libmp3lame -ab 192k",
     "/tmp/rw/out/.reelwright-abcd1234.mp3", 0, 774, Verdict::Failed,
     "Nothing was converted: empty.mp4 holds no picture frames or sound samples"},
    {"no-frames", "/tmp/rw/in/noframes.mp4", kH264, kOut, 0, 0, Verdict::Failed,
     "Nothing was converted: noframes.mp4 holds no picture frames or sound samples"},
    // SVT-AV1's wrapper says "bad parameter (0x80001005)"; the library says why on its own.
    {"svt-av1-too-small", "/tmp/rw/in/small.mkv", "-c:v libsvtav1 -c:a libopus",
     "/tmp/rw/out/.reelwright-abcd1234.mkv", 1.0, 0, Verdict::Failed,
     "The encoder refused the chosen format's settings for small.mkv: Source Width must be at "
     "least 64."},
    // The plan leaves out a sound the file announces and never carries; the encoder still
    // warns of it while reading, which is not why this run failed.
    {"empty-stream-left-out-svt-too-small", "/tmp/rw/in/receiver.ts",
     "-map 0:0 -c:v libsvtav1 -c:a libopus", "/tmp/rw/out/.reelwright-abcd1234.mkv", 1.0, 0,
     Verdict::Failed,
     "The encoder refused the chosen format's settings for receiver.ts: Source Width must be at "
     "least 64."},
};

struct Recorded {
    const char* release;
    Scenario scenario;
};

std::vector<Recorded> AllRecorded() {
    std::vector<Recorded> all;
    for (const char* release : {"ffmpeg-5.1", "ffmpeg-7.1"}) {
        for (const Scenario& scenario : kScenarios) {
            all.push_back({release, scenario});
        }
    }
    return all;
}

std::string RecordedName(const testing::TestParamInfo<Recorded>& info) {
    std::string name = std::string(info.param.release) + "_" + info.param.scenario.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

QByteArray ReadRecorded(const Recorded& recorded, const char* extension) {
    QFile file(QStringLiteral(TRANSCRIPTS_DIR "/%1/%2.%3")
                   .arg(QString::fromLatin1(recorded.release),
                        QString::fromLatin1(recorded.scenario.name),
                        QString::fromLatin1(extension)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecordedEncoderText : public testing::TestWithParam<Recorded> {};

TEST_P(RecordedEncoderText, IsJudgedAndExplainedAlikeOnEveryRelease) {
    const Recorded& recorded = GetParam();
    const Scenario& s = recorded.scenario;
    const QByteArray text = ReadRecorded(recorded, "txt");
    ASSERT_FALSE(text.isEmpty()) << "no transcript for " << s.name;
    const int exitCode = ReadRecorded(recorded, "exit").trimmed().toInt();

    const ConversionNames names{
        QString::fromUtf8(s.input),
        QString::fromUtf8(s.output).replace(".reelwright-abcd1234", QFileInfo(s.input).baseName()),
        QString::fromUtf8(s.output), QString::fromUtf8(s.options)};
    EncoderTranscript transcript;
    transcript.SetEchoedPaths({names.input, names.temporary});
    // As the runner hands it over: in pieces of up to 512 bytes.
    for (qsizetype at = 0; at < text.size(); at += 512) {
        transcript.Feed(QString::fromUtf8(text.mid(at, 512)));
    }
    transcript.Finish();
    RunEnd end;
    end.exitedNormally = true;  // the encoder ends itself, even on a signal
    end.exitCode = exitCode;
    end.outputSize = s.outputSize;
    end.length = s.length;
    const std::optional<QString> failure = JudgeRun(transcript, end, names);

    EXPECT_EQ(transcript.Unreadable(), s.verdict == Verdict::Unreadable);
    if (s.verdict == Verdict::Converted) {
        EXPECT_FALSE(failure) << failure->toStdString();
        EXPECT_FALSE(transcript.ErrorDetail().contains("ambiguous"))
            << "advice about our own options is no cause: "
            << transcript.ErrorDetail().toStdString();
        return;
    }
    ASSERT_TRUE(failure) << "a failed run was judged whole";
    EXPECT_TRUE(failure->contains(QString::fromUtf8(s.reason))) << failure->toStdString();
    EXPECT_FALSE(failure->contains(".reelwright-")) << failure->toStdString();
    // One plain sentence, not the encoder's stream listing or statistics.
    EXPECT_FALSE(failure->contains("KiB") || failure->contains("kB")) << failure->toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothReleases, RecordedEncoderText, testing::ValuesIn(AllRecorded()),
                         RecordedName);

// A cover written beside the picture: ffmpeg 5.1 tells the time as it goes, 7.1 tells none at
// all. The result's own length decides whether the whole input was converted.
class RecordedCoverRun : public testing::TestWithParam<const char*> {};

TEST_P(RecordedCoverRun, IsJudgedByTheResultsOwnLength) {
    const Recorded recorded{GetParam(),
                            {"cover-into-mp4", "/tmp/rw/in/cover10.mkv", kH264, kOut, 10.0, 192826,
                             Verdict::Converted, ""}};
    const QByteArray text = ReadRecorded(recorded, "txt");
    ASSERT_FALSE(text.isEmpty());
    const ConversionNames names{"/tmp/rw/in/cover10.mkv", "/tmp/rw/out/cover10.mp4", kOut, kH264};
    EncoderTranscript transcript;
    transcript.SetEchoedPaths({names.input, names.temporary});
    transcript.Feed(QString::fromUtf8(text));
    transcript.Finish();
    RunEnd end;
    end.exitCode = ReadRecorded(recorded, "exit").trimmed().toInt();
    end.outputSize = 192826;
    end.length = 10.0;
    end.resultLength = 10.04;
    const std::optional<QString> whole = JudgeRun(transcript, end, names);
    EXPECT_FALSE(whole) << whole->toStdString();
    // Where the encoder told no time, a short result is the only sign of a short run.
    end.resultLength = 4.0;
    const std::optional<QString> cut = JudgeRun(transcript, end, names);
    if (transcript.LastTime()) {
        EXPECT_FALSE(cut) << "5.1 told the whole time: " << cut->toStdString();
        return;
    }
    ASSERT_TRUE(cut);
    EXPECT_TRUE(cut->contains("only 4.0 of 10.0 seconds")) << cut->toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothReleases, RecordedCoverRun,
                         testing::Values("ffmpeg-5.1", "ffmpeg-7.1"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param) == "ffmpeg-5.1" ? "ffmpeg_5_1"
                                                                            : "ffmpeg_7_1";
                         });

struct ProbeCase {
    const char* name;
    bool readable;
};

class RecordedProbeText : public testing::TestWithParam<ProbeCase> {};

TEST_P(RecordedProbeText, GivesTheSameVerdictOnEveryRelease) {
    for (const char* release : {"ffmpeg-5.1", "ffmpeg-7.1"}) {
        Scenario probe{};
        probe.name = GetParam().name;
        const QByteArray text = ReadRecorded({release, probe}, "txt");
        ASSERT_FALSE(text.isEmpty()) << release;
        EncoderTranscript transcript;
        transcript.Feed(QString::fromUtf8(text));
        transcript.Finish();
        EXPECT_EQ(!transcript.Unreadable(), GetParam().readable) << release;
    }
}

INSTANTIATE_TEST_SUITE_P(BothReleases, RecordedProbeText,
                         testing::Values(ProbeCase{"probe-ok", true},
                                         ProbeCase{"probe-unreadable", false}),
                         test::CaseName<ProbeCase>);

}  // namespace
}  // namespace reelwright
