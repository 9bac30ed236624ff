#pragma once

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

// Makes a Matroska file's header claim a play length of `milliseconds`, whatever it holds, as a
// crafted or broken file does. False when the file has no length to change.
bool ClaimLength(const QString& mkvPath, double milliseconds);

// Writes bytes that no decoder can read.
bool MakeRandomFile(const QString& path, int bytes);

// True when the encoder decodes the whole file without an error.
bool IsReadableMedia(const QString& path);

}  // namespace reelwright::test
