// Subtitle files beside a video join its result, through the real encoder: languages and
// forced marks from their names, a container that cannot hold them said, --no-sidecars, a
// folder's scan that lists them with their video, and a link among them left unread.
#include "CliFixture.h"

#include <QFile>

namespace reelwright {
namespace {

const char* const kDefault = "Computer and TV/H.264 / AAC (most players)";

class Sidecars : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        QDir(home.path()).mkpath("in");
        Clip("in/film.mkv");
        Clip("in/other.mkv");
        Subtitle("in/film.en.srt", "Hello");
        Subtitle("in/film.de.forced.srt", "Hallo");
    }
    void Subtitle(const QString& name, const QString& text) const {
        QFile file(home.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("1\n00:00:00,000 --> 00:00:01,000\n" + text + "\n\n").toUtf8());
    }
    // Each subtitle stream of a result: "codec language forced".
    QStringList SubtitlesOf(const QString& result) const {
        QString said;
        test::RunProgram("ffprobe", {"-v", "error", "-select_streams", "s", "-show_entries",
                                     "stream=codec_name:stream_tags=language:stream_disposition="
                                     "forced",
                                     "-of", "csv=p=0", home.filePath(result)},
                         &said);
        return said.split('\n', Qt::SkipEmptyParts);
    }
};

TEST_F(Sidecars, JoinTheirVideoWithTheirLanguagesAndMarks) {
    const struct {
        const char* preset;
        const char* extension;
        QStringList streams;  // of out/film.<extension>
        const char* said;
    } cases[] = {
        {kDefault, "mp4", {"mov_text,1,ger", "mov_text,0,eng"}, "Subtitles beside the video joined it"},
        {kDefault, "mkv", {"subrip,1,ger", "subrip,0,eng"}, "Subtitles beside the video joined it"},
        {kPreset, "avi", {}, "AVI cannot hold subtitles"},
    };
    for (const auto& c : cases) {
        QDir(home.filePath("out")).removeRecursively();
        const Result result = Run({"--preset", c.preset, "--extension", c.extension,
                                   "--output-folder", "out", home.filePath("in")});
        ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
        // The folder's scan took the videos alone.
        EXPECT_EQ(Outputs(), (QStringList{QString("film.") + c.extension,
                                          QString("other.") + c.extension}));
        EXPECT_EQ(SubtitlesOf(QString("out/film.") + c.extension), c.streams) << c.extension;
        EXPECT_TRUE(SubtitlesOf(QString("out/other.") + c.extension).isEmpty());
        EXPECT_TRUE(result.out.contains(c.said)) << result.out.toStdString();
    }
}

TEST_F(Sidecars, StayOutWhenAskedAndALinkIsNeverRead) {
    Subtitle("secret.txt", "not for the result");
    ASSERT_TRUE(QFile::link(home.filePath("secret.txt"), home.filePath("in/film.fr.srt")));
    Result result = Run({"--preset", kDefault, "--output-folder", "out",
                         home.filePath("in/film.mkv")});
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(SubtitlesOf("out/film.mp4"), (QStringList{"mov_text,1,ger", "mov_text,0,eng"}));
    QDir(home.filePath("out")).removeRecursively();
    result = Run({"--preset", kDefault, "--no-sidecars", "--output-folder", "out",
                  home.filePath("in/film.mkv")});
    ASSERT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_TRUE(SubtitlesOf("out/film.mp4").isEmpty());
    EXPECT_FALSE(result.out.contains("Subtitles beside")) << result.out.toStdString();
}

}  // namespace
}  // namespace reelwright
