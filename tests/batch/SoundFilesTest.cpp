// Sound files and what sources bring beside their pictures, through the window's list and batch
// with the real encoder: the Audio Only presets take FLAC, WAV, Ogg and Opus files, a picture
// format refuses them by name of those presets, a video without sound is refused for sound, a
// stream announced but never carried is left out, MP3 keeps a song's cover, and a picture made
// even by a pixel is said.
#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "joblist/JobList.h"
#include "plan/ContainerTable.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>

namespace reelwright {
namespace {

// As presets.xml has them.
const QString kMp3 = QStringLiteral("-vn -c:a libmp3lame -b:a 192k -ac 2");
const QString kH264 = QStringLiteral(
    "-c:v libx264 -preset ultrafast -pix_fmt yuv420p -vf scale=trunc(iw/2)*2:trunc(ih/2)*2 -c:a "
    "aac -b:a 128k");

const char* const kSoundFile =
    "a sound file, with no picture: to convert it, choose one of the Audio Only presets";
const char* const kNoSound = "it has no sound, and the chosen format keeps sound only";

class SoundFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        list.InitJobList();
        // As the window wires it.
        list.SetSoundOnly([this] { return KeepsSoundOnly(type, options); });
        list.SetRefusalsCollected(true);
        batch.SetQuietFailures(true);
    }
    // Adds a file and converts the list; answers why it was refused, or its row's status.
    QString AddAndConvert(const QString& file) {
        QString added = file;
        if (!list.AddFile2Grid(added)) {
            return list.LastRefusal();
        }
        batch.RunBatch(false);
        return Row().status;
    }
    const JobRow& Row() const { return list.Store()->Row(list.Store()->RecordCount() - 1); }
    // Why the last row failed; empty when there is none.
    QString Reason() const { return list.Store()->RecordCount() > 0 ? Row().reason : QString(); }
    QStringList Outputs() const {
        return QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir;
    QTemporaryDir out;
    test::RecordingNotifier notifier;
    JobList list;
    QString options;
    QString type;
    BatchDriver batch{list,
                      {[this] { return type; },
                       [this](const QString& input, const QString& type) {
                           return ChooseOutputPath(input, type, {false, out.path()});
                       },
                       [this] {
                           return FormatParameters{options, QString()};
                       }}};
};

struct SourceCase {
    const char* name;
    const char* file;
    std::function<bool(const QString&)> make;
    const char* toMp3;   // "Complete", or why the list refuses it
    const char* toH264;  // the same for a picture format
};

std::function<bool(const QString&)> Sound(const char* codec) {
    return [codec](const QString& path) { return test::MakeSound(path, codec); };
}

class ConvertingSources : public SoundFilesTest, public testing::WithParamInterface<SourceCase> {};

TEST_P(ConvertingSources, TakesWhatTheFormatCanMakeSomethingOf) {
    const SourceCase& c = GetParam();
    const QString file = dir.filePath(QString::fromUtf8(c.file));
    ASSERT_TRUE(c.make(file)) << c.file;
    const QString base = QFileInfo(file).completeBaseName();
    for (const auto& [format, extension, expected] :
         {std::tuple{kMp3, QStringLiteral("mp3"), c.toMp3},
          std::tuple{kH264, QStringLiteral("mp4"), c.toH264}}) {
        SCOPED_TRACE(extension.toStdString());
        options = format;
        type = extension;
        list.InitJobList();
        EXPECT_EQ(AddAndConvert(file), QString::fromUtf8(expected)) << Reason().toStdString();
        const bool converted = QString::fromUtf8(expected) == "Complete";
        EXPECT_EQ(Outputs().contains(base + u'.' + extension), converted)
            << Outputs().join(", ").toStdString();
        if (converted) {
            EXPECT_TRUE(test::IsReadableMedia(out.filePath(base + u'.' + extension)));
        }
    }
    // A refusal is told on the add's list, never as a failure in a box.
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ConvertingSources,
    testing::Values(SourceCase{"Flac", "song.flac", Sound("flac"), "Complete", kSoundFile},
                    SourceCase{"Wav", "song.wav", Sound("pcm_s16le"), "Complete", kSoundFile},
                    SourceCase{"OggVorbis", "song.ogg", Sound("libvorbis"), "Complete", kSoundFile},
                    SourceCase{"Opus", "song.opus", Sound("libopus"), "Complete", kSoundFile},
                    SourceCase{"TheoraInOgg", "film.ogg",
                               [](const QString& path) {
                                   return test::MakeClip(
                                       path, 1, "160x120",
                                       {"-c:v", "libtheora", "-c:a", "libvorbis"});
                               },
                               "Complete", "Complete"},
                    SourceCase{"SilentFilm", "silent.mkv",
                               [](const QString& path) {
                                   return test::MakeClip(path, 1, "160x120", {"-an"});
                               },
                               kNoSound, "Complete"}),
    test::CaseName<SourceCase>);

// A receiver's recording that announces a sound it never carries: ffmpeg given that stream
// stops, and the whole file was lost; left out, the picture converts, and the row says why.
TEST_F(SoundFilesTest, AStreamAnnouncedButNeverCarriedIsLeftOutAndSaid) {
    const QString recording = dir.filePath("recording.ts");
    ASSERT_TRUE(test::MakeEmptyDeclaredSound(recording));
    options = kH264;
    type = "mp4";
    ASSERT_EQ(AddAndConvert(recording), "Complete") << Reason().toStdString();
    EXPECT_EQ(Row().tracks.Sentence(),
              "Kept 1 video track. Left out: 1 audio track: the file declares it but holds no "
              "sound in it.");
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(Row().outputPath);
    EXPECT_EQ(test::CountTracks(tracks, "video"), 1);
    EXPECT_EQ(test::CountTracks(tracks, "audio"), 0);
}

// ID3 holds a picture: a FLAC song's cover stays with it in MP3.
TEST_F(SoundFilesTest, AnMp3KeepsTheSongsCover) {
    const QString song = dir.filePath("song.flac");
    ASSERT_TRUE(test::MakeSongWithCover(song));
    options = kMp3;
    type = "mp3";
    ASSERT_EQ(AddAndConvert(song), "Complete") << Reason().toStdString();
    EXPECT_EQ(Row().tracks.kept, (TrackReport::Counts{0, 1, 0, 1, 0}));
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(Row().outputPath);
    EXPECT_EQ(test::CountTracks(tracks, "audio"), 1);
    EXPECT_EQ(test::CountTracks(tracks, "cover"), 1);
}

// The presets make a picture's size even; what was 161x121 is 160x120, and the row says so.
TEST_F(SoundFilesTest, APictureMadeEvenIsSaid) {
    const QString odd = dir.filePath("odd.mkv");
    ASSERT_TRUE(test::MakeClip(odd, 1, "161x121", {"-c:v", "ffv1", "-pix_fmt", "yuv420p"}));
    options = kH264;
    type = "mp4";
    ASSERT_EQ(AddAndConvert(odd), "Complete") << Reason().toStdString();
    EXPECT_TRUE(Row().tracks.notes.contains(
        "The picture was made 160x120 from 161x121: the encoder takes even sizes only."))
        << Row().tracks.Sentence().toStdString();
    // One already even is not.
    const QString even = dir.filePath("even.mkv");
    ASSERT_TRUE(test::MakeClip(even, 1, "160x120"));
    ASSERT_EQ(AddAndConvert(even), "Complete") << Reason().toStdString();
    EXPECT_TRUE(Row().tracks.notes.isEmpty()) << Row().tracks.Sentence().toStdString();
}

}  // namespace
}  // namespace reelwright
