#include "common/Media.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>

namespace reelwright::test {

QString SystemEncoder() {
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

int RunProgram(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) {
        return -1;
    }
    if (output) {
        *output = QString::fromLocal8Bit(process.readAll());
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool MakeClip(const QString& path, double seconds, const QString& size,
              const QStringList& options) {
    const QString duration = QString::number(seconds);
    return RunProgram(SystemEncoder(),
                      QStringList{
                          QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                          QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("testsrc=duration=%1:size=%2:rate=25").arg(duration, size),
                          QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("sine=frequency=440:duration=%1").arg(duration),
                          QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
                          QStringLiteral("aac"), QStringLiteral("-shortest")} +
                          options + QStringList{path}) == 0;
}

QByteArray PictureSubtitles(int width, int height) {
    const auto segment = [](quint32 pts, quint8 type, const QByteArray& data) {
        QByteArray bytes("PG");
        for (const quint32 word : {pts, 0u}) {
            for (int shift = 24; shift >= 0; shift -= 8) {
                bytes += static_cast<char>((word >> shift) & 0xFF);
            }
        }
        bytes += static_cast<char>(type);
        bytes += static_cast<char>((data.size() >> 8) & 0xFF);
        bytes += static_cast<char>(data.size() & 0xFF);
        return bytes + data;
    };
    const auto u16 = [](int value) {
        QByteArray bytes;
        bytes += static_cast<char>((value >> 8) & 0xFF);
        bytes += static_cast<char>(value & 0xFF);
        return bytes;
    };
    // One display set shows a 16x4 box at (16, 16); the next takes it away.
    const auto displaySet = [&](quint32 pts, bool show) {
        QByteArray composition = u16(width) + u16(height) + '\x10' + u16(show ? 1 : 2) +
                                  (show ? '\x80' : '\x00') + '\x00' + '\x00' +
                                  (show ? '\x01' : '\x00');
        if (show) {
            composition += u16(0) + '\x00' + '\x00' + u16(16) + u16(16);
        }
        QByteArray set = segment(pts, 0x16, composition);
        set += segment(pts, 0x17, QByteArray(1, '\x01') + '\x00' + u16(16) + u16(16) + u16(16) + u16(4));
        if (show) {
            set += segment(pts, 0x14, QByteArray("\x00\x00\x01\xEB\x80\x80\xFF", 7));
            const QByteArray line("\x00\x90\x01\x00\x00", 5);  // 16 pixels of colour 1
            const QByteArray picture = line.repeated(4);
            const int length = static_cast<int>(picture.size()) + 4;
            QByteArray object = u16(0) + '\x00' + '\xC0';
            object += static_cast<char>((length >> 16) & 0xFF);
            object += u16(length & 0xFFFF) + u16(16) + u16(4) + picture;
            set += segment(pts, 0x15, object);
        }
        return set + segment(pts, 0x80, QByteArray());
    };
    return displaySet(45000, true) + displaySet(180000, false);
}

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

bool MakeFilmLikeSource(const QString& path, double seconds) {
    const QString base = path + QStringLiteral(".part");
    const QString duration = QString::number(seconds);
    const QByteArray english =
        "1\n00:00:00,500 --> 00:00:01,500\nHello\n\n2\n00:00:01,600 --> 00:00:02,400\nBye\n";
    const QByteArray german = "1\n00:00:00,500 --> 00:00:01,500\nHallo\n";
    const QByteArray metadata =
        ";FFMETADATA1\ntitle=A Film\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=One\n"
        "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Two\n";
    // Any bytes serve as the font: an attachment is kept as it is.
    // Sized by the literal itself: a count written by hand ran past its end.
    static const char kFont[] = "\x00\x01\x00\x00 not really a font";
    const QByteArray font(kFont, sizeof kFont - 1);
    if (!WriteBytes(base + ".eng.srt", english) || !WriteBytes(base + ".deu.srt", german) ||
        !WriteBytes(base + ".sup", PictureSubtitles(320, 240)) ||
        !WriteBytes(base + ".meta", metadata) || !WriteBytes(base + ".ttf", font)) {
        return false;
    }
    const bool cover =
        RunProgram(SystemEncoder(), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     "testsrc=size=64x64", "-frames:v", "1", base + ".png"}) == 0;
    const bool made =
        cover &&
        RunProgram(
            SystemEncoder(),
            QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=size=320x240:rate=25:duration=" + duration, "-f", "lavfi", "-i",
                        "sine=frequency=440:duration=" + duration, "-f", "lavfi", "-i",
                        "sine=frequency=660:duration=" + duration, "-i", base + ".eng.srt", "-i",
                        base + ".deu.srt", "-i", base + ".sup", "-i", base + ".meta", "-map", "0",
                        "-map", "1", "-map", "2", "-map", "3", "-map", "4", "-map", "5",
                        "-map_metadata", "6", "-map_chapters", "6", "-c:v", "libx264", "-preset",
                        "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-c:s", "copy",
                        "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=fra",
                        "-metadata:s:a:1", "title=Français", "-metadata:s:s:0", "language=eng",
                        "-metadata:s:s:1", "language=deu", "-metadata:s:s:2", "language=eng",
                        "-disposition:a:0", "default", "-disposition:a:1", "comment",
                        "-disposition:s:0", "0", "-disposition:s:1", "forced",
                        "-disposition:s:2", "0", "-attach", base + ".ttf", "-metadata:s:t:0",
                        "mimetype=application/x-truetype-font", "-metadata:s:t:0",
                        "filename=Font.ttf", "-attach", base + ".png", "-metadata:s:t:1",
                        "mimetype=image/png", "-metadata:s:t:1", "filename=cover.png",
                        "-f", "matroska", path}) == 0;
    for (const char* suffix : {".eng.srt", ".deu.srt", ".sup", ".meta", ".ttf", ".png"}) {
        QFile::remove(base + QString::fromLatin1(suffix));
    }
    return made;
}

bool MakeSoundOnly(const QString& path, double seconds) {
    return RunProgram(SystemEncoder(),
                      {"-v", "error", "-y", "-f", "lavfi", "-i",
                       "sine=frequency=440:duration=" + QString::number(seconds), "-c:a", "aac",
                       path}) == 0;
}

bool MakeSound(const QString& path, const QString& codec, double seconds) {
    return RunProgram(SystemEncoder(),
                      {"-v", "error", "-y", "-f", "lavfi", "-i",
                       "sine=frequency=440:duration=" + QString::number(seconds), "-c:a", codec,
                       path}) == 0;
}

bool MakeSongWithCover(const QString& path, double seconds) {
    const QString cover = path + QStringLiteral(".cover.png");
    const bool made =
        RunProgram(SystemEncoder(), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                     "testsrc=size=64x64", "-frames:v", "1", cover}) == 0 &&
        RunProgram(SystemEncoder(),
                   {"-v", "error", "-y", "-f", "lavfi", "-i",
                    "sine=frequency=440:duration=" + QString::number(seconds), "-i", cover, "-map",
                    "0:a", "-map", "1:v", "-c:a", "flac", "-c:v", "copy", "-disposition:v",
                    "attached_pic", path}) == 0;
    QFile::remove(cover);
    return made;
}

bool MakeEmptyDeclaredSound(const QString& path, double seconds) {
    // The sound is cut to nothing: the writer still lists it in the stream's table.
    return RunProgram(SystemEncoder(),
                      {"-v", "error", "-y", "-f", "lavfi", "-i",
                       "testsrc=size=160x120:rate=25:duration=" + QString::number(seconds), "-f",
                       "lavfi", "-i", "sine=duration=" + QString::number(seconds),
                       "-filter_complex", "[1:a]atrim=end_sample=0[a]", "-map", "0:v", "-map",
                       "[a]", "-c:v", "mpeg2video", "-c:a", "aac", "-f", "mpegts", path}) == 0;
}

bool MakePictureOnly(const QString& path, double seconds) {
    return RunProgram(SystemEncoder(),
                      {"-v", "error", "-y", "-f", "lavfi", "-i",
                       "testsrc=size=320x240:rate=25:duration=" + QString::number(seconds),
                       "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", path}) ==
           0;
}

bool MakeBrokenCoverSource(const QString& path, double seconds) {
    // Attached to Matroska with a JPEG's type, a picture becomes the file's cover; these bytes
    // are no picture at all.
    const QString cover = path + QStringLiteral(".cover.jpg");
    const bool made =
        WriteBytes(cover, QByteArray(2048, 'x')) &&
        RunProgram(SystemEncoder(),
                   {"-v", "error", "-y", "-f", "lavfi", "-i",
                    "testsrc=size=160x120:rate=25:duration=" + QString::number(seconds), "-f",
                    "lavfi", "-i", "sine=frequency=440:duration=" + QString::number(seconds),
                    "-c:v", "mpeg4", "-c:a", "aac", "-shortest", "-attach", cover,
                    "-metadata:s:t", "mimetype=image/jpeg", "-metadata:s:t", "filename=cover.jpg",
                    path}) == 0;
    QFile::remove(cover);
    return made;
}

QList<ProbedTrack> ProbeTracks(const QString& path) {
    QProcess probe;
    probe.start(QStandardPaths::findExecutable(QStringLiteral("ffprobe")),
                {"-v", "error", "-show_entries",
                 "stream=codec_type,codec_name:stream_tags=language,title,mimetype,handler_name:"
                 "stream_disposition=default,forced,comment,attached_pic",
                 "-of", "json", path});
    QList<ProbedTrack> tracks;
    if (!probe.waitForFinished(60000)) {
        return tracks;
    }
    const QJsonArray streams =
        QJsonDocument::fromJson(probe.readAllStandardOutput()).object().value("streams").toArray();
    for (const QJsonValue& value : streams) {
        const QJsonObject stream = value.toObject();
        const QJsonObject tags = stream.value("tags").toObject();
        const QJsonObject disposition = stream.value("disposition").toObject();
        ProbedTrack track;
        track.type = stream.value("codec_type").toString();
        track.codec = stream.value("codec_name").toString();
        // Tags may come in either case, as each container keeps them.
        for (auto it = tags.begin(); it != tags.end(); ++it) {
            const QString key = it.key().toLower();
            if (key == "language") {
                track.language = it.value().toString() == "und" ? QString() : it.value().toString();
            } else if (key == "title") {
                track.title = it.value().toString();
            } else if (key == "mimetype") {
                track.mimeType = it.value().toString();
            } else if (key == "handler_name" && !it.value().toString().endsWith("Handler")) {
                track.handlerName = it.value().toString();  // what MP4 readers show as a title
            }
        }
        track.isDefault = disposition.value("default").toInt() != 0;
        track.forced = disposition.value("forced").toInt() != 0;
        track.commentary = disposition.value("comment").toInt() != 0;
        track.attachedPicture = disposition.value("attached_pic").toInt() != 0;
        if (track.type == "video" && track.attachedPicture) {
            track.type = "cover";
        }
        tracks << track;
    }
    return tracks;
}

int CountTracks(const QList<ProbedTrack>& tracks, const QString& type) {
    return static_cast<int>(std::count_if(tracks.begin(), tracks.end(),
                                          [&type](const ProbedTrack& t) { return t.type == type; }));
}

bool MakeEmptyMp4(const QString& path, bool withPicture) {
    // A fragmented file keeps its tracks however empty; a plain one would drop them.
    const QStringList fragmented{"-movflags", "frag_keyframe+empty_moov", path};
    if (withPicture) {
        // ffmpeg 7 does not open a video encoder that never gets a frame, so the tracks of a
        // short clip are copied, without one frame of theirs.
        const QString clip = path + QStringLiteral(".clip.mkv");
        const bool made =
            RunProgram(SystemEncoder(),
                       {"-v", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
                        "sine=duration=1", "-c:v", "libx264", "-c:a", "aac", clip}) == 0 &&
            RunProgram(SystemEncoder(), QStringList{"-v", "error", "-y", "-i", clip, "-map", "0",
                                                    "-c", "copy", "-frames:v", "0", "-t", "0"} +
                                            fragmented) == 0;
        QFile::remove(clip);
        return made;
    }
    return RunProgram(SystemEncoder(), QStringList{"-v", "error", "-y", "-f", "lavfi", "-i", "sine",
                                                   "-t", "0", "-c:a", "aac"} +
                                           fragmented) == 0;
}

bool Truncate(const QString& path, double share) {
    QFile file(path);
    return file.resize(static_cast<qint64>(static_cast<double>(file.size()) * share));
}

bool Damage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    QRandomGenerator generator(777);
    for (const qint64 at : {file.size() / 3, file.size() / 2}) {
        QByteArray noise(3000, '\0');
        for (char& c : noise) {
            c = static_cast<char>(generator.bounded(256));
        }
        file.seek(at);
        file.write(noise);
    }
    return true;
}

bool ClaimLength(const QString& mkvPath, double milliseconds) {
    QFile file(mkvPath);
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    // The segment's Duration element: its ID, an 8-byte size, a big-endian double.
    const qsizetype at = file.readAll().indexOf(QByteArrayLiteral("\x44\x89\x88"));
    if (at < 0) {
        return false;
    }
    QByteArray value(8, '\0');
    qToBigEndian(milliseconds, value.data());
    file.seek(at + 3);
    return file.write(value) == 8;
}

bool MakeRandomFile(const QString& path, int bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray data(bytes, '\0');
    QRandomGenerator generator(12345);
    for (char& c : data) {
        c = static_cast<char>(generator.bounded(256));
    }
    return file.write(data) == bytes;
}

bool IsReadableMedia(const QString& path) {
    QString output;
    const int code =
        RunProgram(SystemEncoder(),
                   {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                    QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")},
                   &output);
    return code == 0 && output.trimmed().isEmpty();
}

}  // namespace reelwright::test
