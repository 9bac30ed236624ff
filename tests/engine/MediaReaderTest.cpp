// The in-process readers (the tracks, the encoder's verdict) on names that are not what they
// were: a pipe, a device, a folder. Each must answer at once instead of waiting for a writer.
#include "engine/KeyFrames.h"
#include "engine/LibraryProbe.h"
#include "engine/MediaTracks.h"

#include "common/CaseName.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <functional>
#include <future>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

enum class Entry { Fifo, Device, Folder };

struct NotAFileCase {
    const char* name;
    Entry entry;
    const char* problem;
};

class ReadingWhatIsNoFile : public testing::TestWithParam<NotAFileCase> {
  protected:
    void SetUp() override {
        switch (GetParam().entry) {
            case Entry::Fifo:
                path = dir.filePath("clip.mp4");
                ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                break;
            case Entry::Device:
                path = QStringLiteral("/dev/zero");
                break;
            case Entry::Folder:
                path = dir.filePath("clip.mkv");
                ASSERT_TRUE(QDir().mkpath(path));
                break;
        }
    }
    void TearDown() override { Release(); }

    // Runs `read` on a thread of its own and waits, with a generous bound, for its answer. A
    // reader that waits on the pipe is let go afterwards (a writer comes and goes), so a
    // failing test ends instead of hanging the suite.
    template <typename T>
    std::optional<T> Answer(std::function<T()> read) {
        std::future<T> answer = std::async(std::launch::async, std::move(read));
        const bool answered =
            answer.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
        if (!answered) {
            Release();
        }
        T value = answer.get();
        return answered ? std::optional<T>(std::move(value)) : std::nullopt;
    }

    void Release() const {
        if (GetParam().entry == Entry::Fifo) {
            const int writer = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
        }
    }

    QTemporaryDir dir;
    QString path;
};

TEST_P(ReadingWhatIsNoFile, TheTracksAreNotReadAndTheReasonSaysWhy) {
    const std::optional<MediaTracks> read =
        Answer<MediaTracks>([this] { return MediaTracks::Read(path); });
    ASSERT_TRUE(read) << "the reader waited on " << path.toStdString();
    EXPECT_FALSE(read->readable);
    EXPECT_TRUE(read->notAFile);
    EXPECT_EQ(read->problem, QString::fromUtf8(GetParam().problem));
}

TEST_P(ReadingWhatIsNoFile, TheEncodersVerdictIsUnreadableWithTheReason) {
    const std::optional<ProbeVerdict> verdict =
        Answer<ProbeVerdict>([this] { return LibraryProbe::Probe(path, 15000); });
    ASSERT_TRUE(verdict) << "the probe waited on " << path.toStdString();
    EXPECT_FALSE(verdict->readable);
    EXPECT_FALSE(verdict->timedOut);
    EXPECT_EQ(verdict->reason, QFileInfo(path).fileName() +
                                   " was not read: " + QString::fromUtf8(GetParam().problem) + ".");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadingWhatIsNoFile,
    testing::Values(NotAFileCase{"Fifo", Entry::Fifo, "it is a named pipe, not a regular file"},
                    NotAFileCase{"Device", Entry::Device, "it is a device, not a regular file"},
                    NotAFileCase{"Folder", Entry::Folder, "it is a folder, not a regular file"}),
    test::CaseName<NotAFileCase>);

// Cases that make their media with the encoder, in a folder of their own.
template <class Case>
class WithTheEncoder : public testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
    }
    QTemporaryDir dir;
};

struct SourceCase {
    const char* name;
    const char* file;
    QStringList options;  // for the encoder that makes it
    bool throughLink;
    double start;  // where its pictures and sounds begin
};

class ReadingThroughTheDescriptor : public WithTheEncoder<SourceCase> {};

// The library reads the very file opened, and seeks in it as in any file: an MP4 whose index
// is at its end, and the last packets of a file that begins late, are read as before.
TEST_P(ReadingThroughTheDescriptor, ReadsEveryTrackAndTheLength) {
    const SourceCase& c = GetParam();
    QString path = dir.filePath(c.file);
    ASSERT_TRUE(test::MakeClip(path, 3, "160x120", c.options));
    if (c.throughLink) {
        const QString link = dir.filePath(QStringLiteral("link-") + c.file);
        ASSERT_TRUE(QFile::link(path, link));
        path = link;
    }
    const MediaTracks read = MediaTracks::Read(path);
    ASSERT_TRUE(read.readable) << read.problem.toStdString();
    EXPECT_FALSE(read.notAFile);
    EXPECT_EQ(read.Count(MediaTracks::Kind::Video), 1);
    EXPECT_EQ(read.Count(MediaTracks::Kind::Audio), 1);
    EXPECT_NEAR(read.start, c.start, 0.5);
    if (c.start > 0) {
        EXPECT_NEAR(read.end, c.start + 3, 0.5);  // read from its last packets, after a seek
    } else {
        EXPECT_NEAR(read.seconds, 3, 0.5);
    }
    EXPECT_TRUE(LibraryProbe::Probe(path, 15000).readable);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ReadingThroughTheDescriptor,
    testing::Values(
        SourceCase{"Mp4IndexAtTheEnd", "clip.mp4", {}, false, 0},
        SourceCase{"Mp4IndexAtTheStart", "clip.mp4", {"-movflags", "+faststart"}, false, 0},
        SourceCase{"Matroska", "clip.mkv", {}, false, 0},
        SourceCase{"ThroughALink", "clip.mp4", {}, true, 0},
        SourceCase{"BeginningLate", "clip.mkv", {"-output_ts_offset", "20"}, false, 20}),
    test::CaseName<SourceCase>);

struct HoldingCase {
    const char* name;
    const char* file;
    std::function<bool(const QString&)> make;
    bool picture;
    bool sound;
    int emptyTracks;
};

class ReadingWhatAFileHolds : public WithTheEncoder<HoldingCase> {};

// A track announced and never carried is read as empty: no channels, no size. A cover is no
// picture to convert.
TEST_P(ReadingWhatAFileHolds, PictureSoundAndEmptyTracks) {
    const HoldingCase& c = GetParam();
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    ASSERT_TRUE(c.make(path));
    const MediaTracks read = MediaTracks::Read(path);
    ASSERT_TRUE(read.readable) << read.problem.toStdString();
    EXPECT_EQ(read.HoldsPicture(), c.picture);
    EXPECT_EQ(read.HoldsSound(), c.sound);
    EXPECT_EQ(std::count_if(read.tracks.begin(), read.tracks.end(),
                            [](const MediaTracks::Track& t) { return t.empty; }),
              c.emptyTracks);
    for (const MediaTracks::Track& track : read.tracks) {
        if (track.kind == MediaTracks::Kind::Audio) {
            EXPECT_EQ(track.empty, track.channels == 0) << track.index;
        }
    }
    // An empty track is nobody's main one.
    const MediaTracks::Track* main = read.Main(MediaTracks::Kind::Audio);
    EXPECT_EQ(main != nullptr, c.sound);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingWhatAFileHolds,
    testing::Values(
        HoldingCase{"Clip", "clip.mkv", [](const QString& p) { return test::MakeClip(p, 1); }, true,
                    true, 0},
        HoldingCase{"Flac", "song.flac",
                    [](const QString& p) { return test::MakeSound(p, "flac"); }, false, true, 0},
        HoldingCase{"FlacWithCover", "cover.flac",
                    [](const QString& p) { return test::MakeSongWithCover(p); }, false, true, 0},
        HoldingCase{"SilentClip", "silent.mp4",
                    [](const QString& p) { return test::MakeClip(p, 1, "160x120", {"-an"}); }, true,
                    false, 0},
        HoldingCase{"AnnouncedSoundNeverCarried", "receiver.ts",
                    [](const QString& p) { return test::MakeEmptyDeclaredSound(p); }, true, false,
                    1}),
    test::CaseName<HoldingCase>);

// What a kept attachment, cover or subtitle takes is known before the result is planned to fit a
// size: an attachment's and a cover's bytes as stored; a subtitle's only where its muxer tagged it.
TEST(ReadingSizes, AttachmentsAndCoversTellTheirBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("film.mkv");
    ASSERT_TRUE(test::MakeFilmLikeSource(path, 1));
    const MediaTracks read = MediaTracks::Read(path);
    ASSERT_TRUE(read.readable) << read.problem.toStdString();
    int told = 0;
    for (const MediaTracks::Track& track : read.tracks) {
        if (track.kind == MediaTracks::Kind::Font) {
            EXPECT_EQ(track.bytes, 22) << "the test's font is 22 bytes";
            ++told;
        } else if (track.kind == MediaTracks::Kind::Cover) {
            EXPECT_EQ(track.bytes, track.picture.size());
            EXPECT_GT(track.bytes, 0);
            ++told;
        } else if (track.kind == MediaTracks::Kind::Subtitle) {
            EXPECT_EQ(track.bytes, 0) << "ffmpeg's own muxer tags no sizes";
        }
    }
    EXPECT_EQ(told, 2);
}

struct MadeCase {
    const char* name;
    const char* file;
    std::function<bool(const QString&)> make;
};

class ReadingAResult : public WithTheEncoder<MadeCase> {};

// A result's check reads its header alone where that names every track whole; what it learns
// must be what a full reading learns, and a file whose header falls short is read in full.
TEST_P(ReadingAResult, TellsWhatAFullReadingTells) {
    const MadeCase& c = GetParam();
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    ASSERT_TRUE(c.make(path));
    const MediaTracks full = MediaTracks::ReadNow(path);
    const MediaTracks made = MediaTracks::ReadMade(path);
    ASSERT_EQ(made.readable, full.readable) << made.problem.toStdString();
    EXPECT_NEAR(made.seconds, full.seconds, 0.05);
    EXPECT_NEAR(made.start, full.start, 0.05);
    ASSERT_EQ(made.tracks.size(), full.tracks.size());
    for (std::size_t i = 0; i < full.tracks.size(); ++i) {
        const MediaTracks::Track& a = made.tracks[i];
        const MediaTracks::Track& b = full.tracks[i];
        EXPECT_EQ(a.kind, b.kind) << i;
        EXPECT_EQ(a.codec, b.codec) << i;
        EXPECT_EQ(a.empty, b.empty) << i;
        EXPECT_EQ(a.look.width, b.look.width) << i;
        EXPECT_EQ(a.look.height, b.look.height) << i;
        EXPECT_EQ(a.look.rotation, b.look.rotation) << i;
        EXPECT_EQ(a.channels, b.channels) << i;
        EXPECT_EQ(a.bytes, b.bytes) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Results, ReadingAResult,
    testing::Values(
        MadeCase{"Mp4IndexAtTheEnd", "clip.mp4",
                 [](const QString& p) { return test::MakeClip(p, 2); }},
        MadeCase{"Mp4IndexAtTheStart", "clip.mp4",
                 [](const QString& p) {
                     return test::MakeClip(p, 2, "160x120", {"-movflags", "+faststart"});
                 }},
        MadeCase{"FilmInMatroska", "film.mkv",
                 [](const QString& p) { return test::MakeFilmLikeSource(p, 1); }},
        MadeCase{"FilmInMp4", "film.mp4",
                 [](const QString& p) { return test::MakeFilmLikeSource(p, 1); }},
        MadeCase{"WebM", "clip.webm",
                 [](const QString& p) {
                     return test::MakeClip(p, 1, "160x120",
                                           {"-c:v", "libvpx", "-deadline", "realtime", "-c:a",
                                            "libopus"});
                 }},
        MadeCase{"TransportStream", "clip.ts",
                 [](const QString& p) { return test::MakeClip(p, 1); }},
        MadeCase{"CutOffMatroska", "cut.mkv",
                 [](const QString& p) { return test::MakeClip(p, 2) && test::Truncate(p, 0.6); }},
        MadeCase{"EmptyMp4", "empty.mp4",
                 [](const QString& p) { return test::MakeEmptyMp4(p, true); }},
        MadeCase{"SongWithCover", "cover.flac",
                 [](const QString& p) { return test::MakeSongWithCover(p); }}),
    test::CaseName<MadeCase>);

struct PictureCase {
    const char* name;
    const char* file;
    QStringList making;  // the encoder's options after its test picture
    const char* pixelFormat;
    int bitDepth;
    const char* fieldOrder;
    const char* range;  // none where releases of the encoder tag it differently
    const char* transfer;
    double cut = 0;  // the share of a transport stream cut from its start, as a recording joins
};

class ReadingPictures : public WithTheEncoder<PictureCase> {};

// What only a decoded frame tells (the pixel format, the field order, the range) is read from
// whole pictures alone, even in a broadcast that marks none of them as a key frame.
TEST_P(ReadingPictures, TellWhatTheirFramesHold) {
    const PictureCase& c = GetParam();
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    ASSERT_EQ(test::RunProgram(test::SystemEncoder(),
                               QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                                           "testsrc2=s=320x240:r=25:d=2"} +
                                   c.making + QStringList{path}),
              0);
    if (c.cut > 0) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray all = file.readAll();
        file.close();
        const qsizetype from = static_cast<qsizetype>(all.size() * c.cut) / 188 * 188;
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(all.mid(from));
    }
    const MediaTracks read = MediaTracks::ReadNow(path);
    ASSERT_TRUE(read.readable) << read.problem.toStdString();
    const MediaTracks::Track* picture = read.Main(MediaTracks::Kind::Video);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->look.pixelFormat, QString::fromLatin1(c.pixelFormat));
    EXPECT_EQ(picture->look.bitDepth, c.bitDepth);
    EXPECT_EQ(picture->look.fieldOrder, QString::fromLatin1(c.fieldOrder));
    if (c.range) {
        EXPECT_EQ(picture->look.range, QString::fromLatin1(c.range));
    }
    EXPECT_EQ(picture->look.transfer, QString::fromLatin1(c.transfer));
}

const QStringList kWoven{"-vf", "tinterlace=interleave_top,setfield=tff", "-flags",
                         "+ildct+ilme"};

INSTANTIATE_TEST_SUITE_P(
    Sources, ReadingPictures,
    testing::Values(
        PictureCase{"InterlacedH264", "tv.mkv",
                    kWoven + QStringList{"-c:v", "libx264", "-x264-params", "tff=1", "-bf", "3"},
                    "yuv420p", 8, "tb", nullptr, ""},
        PictureCase{"InterlacedMpeg2Stream", "tv.ts",
                    kWoven + QStringList{"-c:v", "mpeg2video", "-top", "1", "-g", "12"},
                    "yuv420p", 8, "tt", "tv", ""},
        PictureCase{"TenBitHdrHevc", "hdr.mkv",
                    {"-c:v", "libx265", "-pix_fmt", "yuv420p10le", "-x265-params",
                     "colorprim=bt2020:transfer=smpte2084:colormatrix=bt2020nc:log-level=none"},
                    "yuv420p10le", 10, "progressive", "tv", "smpte2084"},
        PictureCase{"BroadcastWithoutKeyFrames", "dvb.ts",
                    {"-c:v", "libx264", "-x264-params", "open-gop=1:repeat-headers=1:keyint=10",
                     "-bsf:v", "filter_units=remove_types=6"},
                    "yuv420p", 8, "progressive", nullptr, "", 0.3},
        PictureCase{"FullRangeMotionJpeg", "cam.avi", {"-c:v", "mjpeg", "-pix_fmt", "yuvj420p"},
                    "yuvj420p", 8, "", "pc", ""},
        PictureCase{"TenBitVp9", "web.webm",
                    {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-pix_fmt", "yuv420p10le",
                     "-frames:v", "10"},
                    "yuv420p10le", 10, "progressive", "tv", ""}),
    test::CaseName<PictureCase>);

// A piece encoded to estimate a file starts at a key frame, so that it decodes nothing it
// throws away; moments whose key frame cannot be found are given back as they were.
TEST(KeyFrames, AreFoundBeforeEachMomentOrTheMomentKept) {
    QTemporaryDir dir;
    const QString clip = dir.filePath("clip.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 4, "160x120", {"-g", "25"}));  // a key frame a second
    const QList<double> found = KeyFramesBefore(clip, {0, 2.5, 3.99});
    ASSERT_EQ(found.size(), 3);
    EXPECT_NEAR(found[0], 0, 0.05);
    EXPECT_NEAR(found[1], 2, 0.05);
    EXPECT_NEAR(found[2], 3, 0.05);
    const QString song = dir.filePath("song.flac");
    ASSERT_TRUE(test::MakeSound(song, "flac", 2));
    EXPECT_EQ(KeyFramesBefore(song, {1.5}), QList<double>{1.5}) << "no picture";
    EXPECT_EQ(KeyFramesBefore(dir.filePath("gone.mkv"), {1.5}), QList<double>{1.5});

    // Counted, with what they take, in the containers an estimate's pieces are written to.
    for (const char* name : {"keys.mkv", "keys.mp4", "keys.ts"}) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(test::MakeClip(file, 4, "160x120", {"-g", "25"}));
        const KeyFrameBytes keys = KeyFramesIn(file);
        EXPECT_EQ(keys.count, 4) << name;
        EXPECT_GT(keys.bytes, 4 * 100) << name;
        EXPECT_LT(keys.bytes, QFileInfo(file).size()) << name;
    }
    EXPECT_EQ(KeyFramesIn(song).count, 0) << "no picture";
    EXPECT_EQ(KeyFramesIn(dir.filePath("gone.mkv")).count, 0);
}

// What a file becomes after it was read once, settled (its times set long back).
enum class Afterwards {
    Unchanged,
    ReplacedByRename,
    RewrittenInPlace,
    SameSizeTimesPutBack,
    Grown,
    Removed
};

struct RereadCase {
    const char* name;
    Afterwards change;
};

class ReadingAgain : public testing::TestWithParam<RereadCase> {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
    }
    // Sets the file's modification time to one moment long back, the same each time; its
    // change time becomes now.
    static void Settle(const QString& path) {
        const timespec longAgo{1700000000, 0};
        const timespec times[2] = {longAgo, longAgo};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
    QTemporaryDir dir;
};

// A reading given again must be of the file as it is now: any change, even one that keeps the
// size and puts the times back, is read anew.
TEST_P(ReadingAgain, TellsTheFileAsItIsNow) {
    const QString path = dir.filePath(QStringLiteral("film.mkv"));
    const QString other = dir.filePath(QStringLiteral("other.mkv"));
    ASSERT_TRUE(test::MakeClip(path, 3));
    ASSERT_TRUE(test::MakeClip(other, 1, QStringLiteral("96x64")));
    Settle(path);
    const MediaTracks first = MediaTracks::Read(path);
    ASSERT_TRUE(first.problem.isEmpty()) << first.problem.toStdString();
    ASSERT_NEAR(first.seconds, 3, 0.2);
    QFile file(path);
    switch (GetParam().change) {
        case Afterwards::Unchanged:
            break;
        case Afterwards::ReplacedByRename:
            Settle(other);
            ASSERT_TRUE(::rename(QFile::encodeName(other).constData(),
                                 QFile::encodeName(path).constData()) == 0);
            break;
        case Afterwards::RewrittenInPlace: {
            QFile source(other);
            ASSERT_TRUE(source.open(QIODevice::ReadOnly));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(source.readAll());
            file.close();
            Settle(path);
            break;
        }
        case Afterwards::SameSizeTimesPutBack: {
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            const QByteArray bytes = file.readAll();
            file.seek(0);
            file.write(QByteArray(bytes.size(), '\x5a'));  // no media at all, the same size
            file.close();
            Settle(path);
            break;
        }
        case Afterwards::Grown:
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(QByteArray(4096, '\0'));
            file.close();
            Settle(path);
            break;
        case Afterwards::Removed:
            ASSERT_TRUE(file.remove());
            break;
    }
    const MediaTracks again = MediaTracks::Read(path);
    const MediaTracks fresh = MediaTracks::ReadNow(path);
    EXPECT_EQ(again.problem, fresh.problem);
    EXPECT_DOUBLE_EQ(again.seconds, fresh.seconds);
    ASSERT_EQ(again.tracks.size(), fresh.tracks.size());
    if (!fresh.tracks.empty() && fresh.tracks[0].kind == MediaTracks::Kind::Video) {
        EXPECT_EQ(again.tracks[0].look.width, fresh.tracks[0].look.width);
    }
    if (GetParam().change == Afterwards::Unchanged) {
        EXPECT_DOUBLE_EQ(again.seconds, first.seconds);
    } else {
        EXPECT_TRUE(again.seconds != first.seconds || !again.problem.isEmpty() ||
                    GetParam().change == Afterwards::Grown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ReadingAgain,
    testing::Values(RereadCase{"unchanged", Afterwards::Unchanged},
                    RereadCase{"replaced_by_rename", Afterwards::ReplacedByRename},
                    RereadCase{"rewritten_in_place", Afterwards::RewrittenInPlace},
                    RereadCase{"same_size_times_put_back", Afterwards::SameSizeTimesPutBack},
                    RereadCase{"grown", Afterwards::Grown},
                    RereadCase{"removed", Afterwards::Removed}),
    test::CaseName<RereadCase>);

}  // namespace
}  // namespace reelwright
