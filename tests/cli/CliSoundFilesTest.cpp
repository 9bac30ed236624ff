// reelwright-cli and sound files: the Audio Only presets take them, judged by what they hold;
// a picture format refuses them naming those presets; a video without sound is refused for
// sound, not failed. The notes of a result reach --json as they reach the line.
#include "CliFixture.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <map>

namespace reelwright {
namespace {

const char* const kMp3Preset = "Audio Only/MP3, 192 kbps";
const char* const kH264Preset = "Computer and TV/H.264 / AAC (most players)";
const char* const kSoundFile =
    "a sound file, with no picture: to convert it, choose one of the Audio Only presets";
const char* const kNoSound = "it has no sound, and the chosen format keeps sound only";

class CliSoundFilesTest : public CliTest {
  protected:
    // Each input's object, by its file name.
    static std::map<QString, QJsonObject> ByName(const QString& out) {
        std::map<QString, QJsonObject> objects;
        for (const QJsonObject& object : JsonLines(out)) {
            if (object.contains("input")) {
                objects[QFileInfo(object.value("input").toString()).fileName()] = object;
            }
        }
        return objects;
    }
};

TEST_F(CliSoundFilesTest, AudioOnlyPresetsTakeSoundFilesAndRefuseAVideoWithoutSound) {
    QStringList inputs;
    for (const auto& [name, codec] :
         {std::pair{"song.flac", "flac"}, std::pair{"song.wav", "pcm_s16le"},
          std::pair{"vorbis.ogg", "libvorbis"}, std::pair{"tune.opus", "libopus"}}) {
        inputs << home.filePath(name);
        ASSERT_TRUE(test::MakeSound(inputs.last(), codec));
    }
    inputs << Clip("film.mkv", 1);
    inputs << home.filePath("silent.mkv");
    ASSERT_TRUE(test::MakeClip(inputs.last(), 1, "160x120", {"-an"}));
    const Result result =
        Run(QStringList{"--json", "--preset", kMp3Preset, "--output-folder", "out"} + inputs);
    EXPECT_EQ(result.status, 1) << result.err.toStdString();  // a file named was refused
    std::map<QString, QJsonObject> objects = ByName(result.out);
    for (const QString name : {"song.flac", "song.wav", "vorbis.ogg", "tune.opus", "film.mkv"}) {
        EXPECT_EQ(objects[name].value("status"), "converted") << name.toStdString();
    }
    EXPECT_EQ(objects["silent.mkv"].value("status"), "refused");
    EXPECT_EQ(objects["silent.mkv"].value("reason"), kNoSound);
    // Two songs named alike make two results; every one of them is an MP3.
    EXPECT_EQ(Outputs(), (QStringList{"film.mp3", "song.mp3", "song_Converted.mp3", "tune.mp3",
                                      "vorbis.mp3"}));
    for (const QString& output : Outputs()) {
        EXPECT_TRUE(test::IsReadableMedia(home.filePath("out/" + output))) << output.toStdString();
    }
}

TEST_F(CliSoundFilesTest, APictureFormatRefusesSoundFilesNamingTheAudioOnlyPresets) {
    const QString song = home.filePath("song.flac");
    ASSERT_TRUE(test::MakeSound(song, "flac"));
    const Result named = Run({"--preset", kH264Preset, "--output-folder", "out", song});
    EXPECT_EQ(named.status, 2);  // nothing to convert
    EXPECT_TRUE(named.out.startsWith(song + ": refused: " + kSoundFile + "\n"))
        << named.out.toStdString();
    // In a folder beside a video, it is told and is no failure.
    QDir().mkpath(home.filePath("album"));
    ASSERT_TRUE(test::MakeSound(home.filePath("album/track.ogg"), "libvorbis"));
    const QString video = Clip("album/video.mkv", 1);
    const Result folder = Run({"--preset", kH264Preset, "--output-folder", "out", "album"});
    EXPECT_EQ(folder.status, 0) << folder.out.toStdString();
    EXPECT_TRUE(folder.out.contains(home.filePath("album/track.ogg") + ": refused: " + kSoundFile))
        << folder.out.toStdString();
    EXPECT_EQ(Outputs(), QStringList{"video.mp4"});
}

// What the line says in its parentheses, --json says in its notes and left_out: a picture made
// even, a stream announced and never carried.
TEST_F(CliSoundFilesTest, JsonCarriesTheNotesOfTheLine) {
    const QString odd = home.filePath("odd.mkv");
    ASSERT_TRUE(test::MakeClip(odd, 1, "161x121", {"-c:v", "ffv1", "-pix_fmt", "yuv420p"}));
    const QString recording = home.filePath("recording.ts");
    ASSERT_TRUE(test::MakeEmptyDeclaredSound(recording, 1));
    const QString even =
        "The picture was made 160x120 from 161x121: the encoder takes even sizes only.";
    const Result json =
        Run({"--json", "--preset", kH264Preset, "--output-folder", "out", odd, recording});
    ASSERT_EQ(json.status, 0) << json.err.toStdString() << json.out.toStdString();
    std::map<QString, QJsonObject> objects = ByName(json.out);
    EXPECT_EQ(objects["odd.mkv"].value("notes").toArray(), QJsonArray{even});
    EXPECT_EQ(
        objects["recording.ts"].value("left_out").toArray(),
        (QJsonArray{QJsonObject{{"kind", "audio"},
                                {"language", QJsonValue()},
                                {"reason", "the file declares it but holds no sound in it"}}}));
    EXPECT_EQ(objects["recording.ts"].value("tracks").toObject().value("video"), 1);

    const Result line = Run({"--preset", kH264Preset, "--output-folder", "again", odd});
    ASSERT_EQ(line.status, 0) << line.err.toStdString();
    EXPECT_TRUE(line.out.contains(" -> " + home.filePath("again/odd.mp4") +
                                  " (Kept 1 video and 1 "
                                  "audio tracks. " +
                                  even + ")"))
        << line.out.toStdString();
}

}  // namespace
}  // namespace reelwright
