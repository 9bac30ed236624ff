#pragma once

#include <QString>
#include <QStringList>

namespace reelwright::test {

// The system's ffmpeg, for generating and checking media; empty when it is not installed.
QString SystemEncoder();

// Runs a program to its end; returns its exit code, or -1 when it could not run.
int RunProgram(const QString& program, const QStringList& arguments, QString* output = nullptr);

// Writes a test-pattern clip with a tone. `extension` picks the container.
bool MakeClip(const QString& path, int seconds, const QString& size = QStringLiteral("160x120"));

// Writes bytes that no decoder can read.
bool MakeRandomFile(const QString& path, int bytes);

// True when the encoder decodes the whole file without an error.
bool IsReadableMedia(const QString& path);

}  // namespace reelwright::test
