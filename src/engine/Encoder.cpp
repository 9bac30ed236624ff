#include "engine/Encoder.h"

#include "platform/CommandLine.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace reelwright {

QString EncoderPath() {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ffmpeg.exe");
#else
    const QString name = QStringLiteral("ffmpeg");
#endif
    const QString local = ProgramFolder::File(name);
    if (IsRunnableProgram(local)) {
        return local;
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? local : QDir::toNativeSeparators(onPath);
}

}  // namespace reelwright
