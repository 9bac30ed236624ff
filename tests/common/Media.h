#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace reelwright::test {

// The system's ffmpeg, for generating and checking media; empty when it is not installed.
QString SystemEncoder();

// Runs a program to its end; returns its exit code, or -1 when it could not run.
int RunProgram(const QString& program, const QStringList& arguments, QString* output = nullptr);

// Writes a test-pattern clip with a tone; the path's extension picks the container. `options`
// go before the output (for example "-movflags +faststart").
bool MakeClip(const QString& path, double seconds, const QString& size = QStringLiteral("160x120"),
              const QStringList& options = {});

// Keeps only the first `share` of a file's bytes, as an interrupted download does.
bool Truncate(const QString& path, double share);

// Overwrites a few kilobytes in the middle of a file with noise, as a bad sector does.
bool Damage(const QString& path);

// An MP4 whose tracks hold no samples and whose header gives no length, as a recording that
// was cut off before its first frame leaves it: sound only, or picture and sound.
bool MakeEmptyMp4(const QString& path, bool withPicture);

// A source as films come: H.264 picture; two AAC sound tracks (eng, default, and fra, titled
// "Français"); two SRT subtitle tracks (eng, and deu marked forced); a picture subtitle track
// (PGS, eng); a font and a cover picture attached; two chapters and a title. In Matroska, or
// in whatever container `path`'s extension names, as far as it holds them.
bool MakeFilmLikeSource(const QString& path, double seconds = 3);
// A source with sound alone, and one with picture alone.
bool MakeSoundOnly(const QString& path, double seconds = 2);
bool MakePictureOnly(const QString& path, double seconds = 2);
// A tone alone, in the codec named (the encoder's name: "flac", "libvorbis", "pcm_s16le"...);
// the path's extension picks the container.
bool MakeSound(const QString& path, const QString& codec, double seconds = 1);
// A song with its cover picture (a PNG, attached as the cover), as FLAC carries it.
bool MakeSongWithCover(const QString& path, double seconds = 1);
// A transport stream that announces an AAC sound track it never carries, beside its picture, as
// some receivers and cameras write them.
bool MakeEmptyDeclaredSound(const QString& path, double seconds = 2);
// A clip (picture and sound) whose cover art is tagged as a JPEG but is no picture at all.
bool MakeBrokenCoverSource(const QString& path, double seconds = 2);
// A tiny picture subtitle stream (PGS, as Blu-ray discs carry them): one caption shown from
// half a second to two seconds.
QByteArray PictureSubtitles(int width, int height);

// One track of a file as ffprobe tells it.
struct ProbedTrack {
    QString type;  // "video", "audio", "subtitle", "attachment", "data"
    QString codec;
    QString language;
    QString title;
    QString mimeType;
    bool isDefault = false;
    bool forced = false;
    bool commentary = false;
    bool attachedPicture = false;
    QString handlerName;  // an MP4 or MOV track's handler, when it is not the writer's own
};
// The tracks of a file, read by ffprobe (not by the program's own reader).
QList<ProbedTrack> ProbeTracks(const QString& path);
// How many of a type (a cover picture is not a "video" here, but "cover").
int CountTracks(const QList<ProbedTrack>& tracks, const QString& type);
// Makes a Matroska file's header claim a play length of `milliseconds`, whatever it holds, as a
// crafted or broken file does. False when the file has no length to change.
bool ClaimLength(const QString& mkvPath, double milliseconds);

// Writes bytes that no decoder can read.
bool MakeRandomFile(const QString& path, int bytes);

// True when the encoder decodes the whole file without an error.
bool IsReadableMedia(const QString& path);

}  // namespace reelwright::test
