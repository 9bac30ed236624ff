#include "common/Media.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtEndian>

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
