// Even loudness through the shipped presets with the real encoder: each result's sound measured
// with the encoder's own EBU R 128 meter, against the target, the peak limit, and the source's
// layout, rate, length and timing.
#include "CliFixture.h"

#include "common/CaseName.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include <signal.h>

#include <cmath>

namespace reelwright {
namespace {

const char* const kDefault = "Computer and TV/H.264 / AAC (most players)";
const char* const kCopy =
    "Same Quality, New Container/Copy as it is: no re-encoding, about the same size";
const char* const kWebm = "Web/VP9 / Opus (WebM)";
const char* const kMp3 = "Audio Only/MP3, 192 kbps";

// Sounds that start after a second of silence, so their onset tells their timing.
const char* const kQuietSine = "sine=f=440:r=44100,volume=-40dB";
const char* const kLoudNoise = "anoisesrc=c=white:r=48000:a=0.9,alimiter=limit=0.9:level=false";
const char* const kPink = "anoisesrc=c=pink:r=48000:a=0.3";
// Speech-like: syllables four times a second in phrases with pauses, the peaks near full.
const char* const kSpeech =
    "anoisesrc=c=pink:r=48000:a=0.9,volume='if(lt(mod(t,3),2),0.5*(1+sin(2*PI*4*t)),0)':"
    "eval=frame";
const char* const kNearSilent = "sine=f=1000:r=48000,volume=-100dB";

struct Sound {
    const char* source;  // a lavfi source
    const char* layout;
};

struct LoudCase {
    const char* name;
    std::vector<Sound> sounds;
    const char* preset;
    const char* extension;
    double target;
    const char* expected;  // "layout,rate" of every result track; empty: the source's
    const char* said;      // in the file's line
};

const LoudCase kLoud[] = {
    {"a quiet mono sine raised", {{kQuietSine, "mono"}}, kDefault, "mp4", -16, "",
     "Loudness -"},
    {"loud stereo noise lowered for broadcast", {{kLoudNoise, "stereo"}}, kDefault, "mp4", -23,
     "", "→ -23.0 LUFS"},
    {"5.1 kept as 5.1", {{kPink, "5.1"}}, kDefault, "mkv", -16, "", "→ -16.0 LUFS"},
    {"speech with pauses at the streaming level", {{kSpeech, "stereo"}}, kDefault, "mp4", -14, "",
     "LUFS"},
    {"three tracks, one nearly silent",
     {{kQuietSine, "stereo"}, {kLoudNoise, "stereo"}, {kNearSilent, "stereo"}},
     kDefault, "mkv", -16, "", "Sound track 3: silent or nearly so"},
    {"a copy's sound encoded", {{kPink, "stereo"}}, kCopy, "mkv", -16, "",
     "Picture copied, sound encoded to even its loudness (AAC)."},
    {"5.1 into stereo Opus", {{kPink, "5.1"}}, kWebm, "webm", -16, "stereo,48000",
     "→ -16.0 LUFS"},
    {"sound alone into MP3", {{kSpeech, "mono"}}, kMp3, "mp3", -23, "stereo,48000", "LUFS"},
};

struct Metered {
    double integrated = NAN;
    double truePeak = NAN;
    double seconds = NAN;  // how long it plays
};

// The encoder's own meter over one sound track: the summary's last reading.
Metered Meter(const QString& path, int track) {
    QString text;
    test::RunProgram(test::SystemEncoder(),
                     {"-hide_banner", "-nostdin", "-i", path, "-map", QString("0:a:%1").arg(track),
                      "-af", "ebur128=peak=true", "-f", "null", "-"},
                     &text);
    static const QRegularExpression kI("\\bI:\\s+(-?[0-9.]+|-inf) LUFS");
    static const QRegularExpression kPeak("Peak:\\s+(-?[0-9.]+|-inf) dBFS");
    Metered metered;
    for (auto it = kI.globalMatch(text); it.hasNext();) {
        metered.integrated = it.next().captured(1).toDouble();
    }
    for (auto it = kPeak.globalMatch(text); it.hasNext();) {
        const QString value = it.next().captured(1);
        metered.truePeak = value == "-inf" ? -INFINITY : value.toDouble();
    }
    static const QRegularExpression kTime("time=(\\d+):(\\d+):([0-9.]+)");
    for (auto it = kTime.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch time = it.next();
        metered.seconds = time.captured(1).toDouble() * 3600 + time.captured(2).toDouble() * 60 +
                          time.captured(3).toDouble();
    }
    return metered;
}

QString Probe(const QString& path, const QString& stream, const QString& entries) {
    QString text;
    test::RunProgram(QStandardPaths::findExecutable("ffprobe"),
                     {"-v", "error", "-select_streams", stream, "-show_entries", entries, "-of",
                      "csv=p=0", path},
                     &text);
    return text.trimmed();
}

// When a track's sound first rises out of the silence, seconds.
double Onset(const QString& path, int track) {
    QString text;
    test::RunProgram(test::SystemEncoder(),
                     {"-hide_banner", "-nostdin", "-i", path, "-map", QString("0:a:%1").arg(track),
                      "-af", "silencedetect=n=-80dB:d=0.2", "-f", "null", "-"},
                     &text);
    static const QRegularExpression kEnd("silence_end: (-?[0-9.]+)");
    const QRegularExpressionMatch end = kEnd.match(text);
    return end.hasMatch() ? end.captured(1).toDouble() : NAN;
}

class EvenLoudness : public CliTest, public testing::WithParamInterface<LoudCase> {
  protected:
    // A 4 s source: a small picture, each sound after a second of silence, lossless.
    QString Source(const std::vector<Sound>& sounds) const {
        const QString path = home.filePath("film.mkv");
        QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i",
                              "testsrc2=s=64x48:r=25:d=4"};
        QStringList graph;
        QStringList maps{"-map", "0:v"};
        for (std::size_t i = 0; i < sounds.size(); ++i) {
            arguments << "-f" << "lavfi" << "-t" << "4" << "-i" << sounds[i].source;
            graph << QString("[%1]volume='if(lt(t,1),0,1)':eval=frame,aformat=channel_layouts=%2"
                             "[a%3]")
                         .arg(i + 1)
                         .arg(sounds[i].layout)
                         .arg(i);
            maps << "-map" << QString("[a%1]").arg(i);
        }
        arguments << "-filter_complex" << graph.join(';') << maps << "-c:v" << "libx264"
                  << "-preset" << "ultrafast" << "-c:a" << "flac" << "-t" << "4" << path;
        QString said;
        EXPECT_EQ(test::RunProgram(test::SystemEncoder(), arguments, &said), 0) << said.toStdString();
        return path;
    }
};

TEST_P(EvenLoudness, ReachesTheTargetUnderThePeakLimitInStep) {
    const LoudCase& c = GetParam();
    const QString source = Source(c.sounds);
    const Result result = Run({"--preset", c.preset, "--extension", c.extension, "--loudness",
                               QString::number(c.target), "--output-folder", "out", source});
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QString::fromUtf8(c.said))) << result.out.toStdString();
    ASSERT_EQ(Outputs().size(), 1);
    const QString made = home.filePath("out/" + Outputs()[0]);
    const bool limited = result.out.contains("through a limiter");
    const int tracks = c.extension == QString("mp3") ? 1 : static_cast<int>(c.sounds.size());
    for (int i = 0; i < tracks; ++i) {
        SCOPED_TRACE(QString("track %1: %2").arg(i).arg(result.out).toStdString());
        const Metered metered = Meter(made, i);
        if (c.sounds[i].source == kNearSilent) {
            EXPECT_LT(metered.integrated, -60.0);  // left as it was
            continue;
        }
        EXPECT_NEAR(metered.integrated, c.target, limited ? 1.0 : 0.5);
        EXPECT_LE(metered.truePeak, -1.0);
        const QString stream = QString("a:%1").arg(i);
        const QString expected = *c.expected ? QString::fromLatin1(c.expected)
                                             : Probe(source, stream, "stream=channel_layout") +
                                                   "," + Probe(source, stream, "stream=sample_rate");
        EXPECT_EQ(Probe(made, stream, "stream=channel_layout") + "," +
                      Probe(made, stream, "stream=sample_rate"),
                  expected);
        EXPECT_NEAR(Onset(made, i), Onset(source, i), 0.025);
        EXPECT_NEAR(metered.seconds, Meter(source, i).seconds, 0.05);
    }
    if (c.preset == kCopy) {
        EXPECT_EQ(Probe(made, "v:0", "stream=codec_name"), "h264");
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, EvenLoudness, testing::ValuesIn(kLoud),
                         test::CaseName<LoudCase>);

// Stopped while its sound is measured, a file ends as stopped during encoding does: nothing is
// left in the output folder, and the measuring's own files are gone.
TEST_F(CliTest, StoppedWhileMeasuringLeavesNothing) {
    const QString clip = Clip("clip.mkv");
    QDir().mkpath(home.filePath("wrap"));
    QFile wrapper(home.filePath("wrap/ffmpeg"));
    ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
    // The measuring runs wait, and say they began; every other run is the real encoder's.
    wrapper.write(QString("#!/bin/sh\n"
                          "case \"$*\" in *loudnorm*|*matroska*) touch '%1'; exec sleep 600 ;; "
                          "esac\n"
                          "exec '%2' \"$@\"\n")
                      .arg(home.filePath("measuring"), test::SystemEncoder())
                      .toUtf8());
    wrapper.close();
    wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(home.filePath("tmp"));
    auto program = Program({"-c",
                            "PATH=\"$HOME/wrap:$PATH\" TMPDIR=\"$HOME/tmp\" exec \"$0\" "
                            "--loudness -16 --preset \"$1\" --output-folder out clip.mkv",
                            REELWRIGHT_CLI_PATH, kPreset});
    program->setProgram("bash");
    program->start();
    ASSERT_TRUE(program->waitForStarted(30000));
    ASSERT_TRUE(WaitFor([&] { return QFileInfo::exists(home.filePath("measuring")); }));
    ::kill(static_cast<pid_t>(program->processId()), SIGTERM);
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitCode(), 143) << program->readAllStandardOutput().toStdString();
    const QStringList left = Outputs().filter(QRegularExpression("^(?!\\.reelwright-claim-)"));
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
    EXPECT_TRUE(QDir(home.filePath("tmp")).isEmpty());
}

TEST_F(CliTest, ALoudnessOutOfRangeIsAUsageError) {
    const QString clip = Clip("clip.mkv");
    for (const char* bad : {"-40", "loud", "-3", ""}) {
        const Result result = Run({"--loudness", bad, clip});
        EXPECT_EQ(result.status, 2) << bad;
        EXPECT_TRUE(result.err.contains("--loudness")) << result.err.toStdString();
        EXPECT_TRUE(Outputs().isEmpty());
    }
}

}  // namespace
}  // namespace reelwright
