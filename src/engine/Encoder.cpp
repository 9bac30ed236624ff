#include "engine/Encoder.h"

#include "platform/CommandLine.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::Encoder)
};

}  // namespace

EncoderLocation LocateEncoder() {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ffmpeg.exe");
#else
    const QString name = QStringLiteral("ffmpeg");
#endif
    const QString local = ProgramFolder::File(name);
    if (IsRunnableProgram(local)) {
        return {local, QString()};
    }
    // One placed beside the program was put there on purpose: using another would surprise.
    if (QFileInfo(local).isFile()) {
        //: %1 is the path of the ffmpeg beside the program.
        return {local, Text::tr("The encoder %1 cannot be run: it is not executable. Make it "
                                "executable (chmod +x) or remove it to use the ffmpeg "
                                "installed on the system.")
                           .arg(local)};
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty()) {
        return {QDir::toNativeSeparators(onPath), QString()};
    }
    return {local,
            //: %1 is the program's folder, %2 the folders of PATH.
            Text::tr("The encoder ffmpeg was not found. It was looked for in %1 and in the "
                     "folders of PATH (%2). Install it with: sudo apt install ffmpeg")
                .arg(ProgramFolder::Path(), qEnvironmentVariable("PATH"))};
}

QString EncoderPath() {
    return LocateEncoder().path;
}

}  // namespace reelwright
