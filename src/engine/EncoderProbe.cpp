#include "engine/EncoderProbe.h"

#include "engine/EncoderTranscript.h"
#include "engine/LibraryProbe.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringDecoder>

namespace reelwright {

bool EncoderProbe::InProcess() const {
    return LibraryProbe::MatchesEncoder(encoder_);
}

bool EncoderProbe::IsReadable(const QString& path, const std::atomic<bool>* cancel) const {
    if (InProcess()) {
        return LibraryProbe::IsReadable(path, timeLimitMs_, cancel);
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(encoder_, {QStringLiteral("-i"), path});
    if (!process.waitForStarted(-1)) {
        return true;  // no encoder: the probe has always answered yes then
    }
    EncoderTranscript transcript;
    transcript.SetEchoedPaths({path});
    QStringDecoder decoder(QStringDecoder::Utf8);
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        if ((cancel && cancel->load()) || clock.elapsed() > timeLimitMs_) {
            process.kill();
            process.waitForFinished(-1);
            return false;  // too slow: as unreadable
        }
        process.waitForReadyRead(50);
        transcript.Feed(QString(decoder(process.readAll())));
    }
    transcript.Feed(QString(decoder(process.readAll())));
    transcript.Finish();
    return !transcript.Unreadable();
}

}  // namespace reelwright
