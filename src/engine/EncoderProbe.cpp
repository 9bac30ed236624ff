#include "engine/EncoderProbe.h"

#include "engine/EncoderTranscript.h"
#include "engine/FailureReason.h"
#include "engine/LibraryProbe.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStringDecoder>

namespace reelwright {

bool EncoderProbe::InProcess() const {
    return LibraryProbe::MatchesEncoder(encoder_);
}

ProbeVerdict EncoderProbe::Probe(const QString& path, const std::atomic<bool>* cancel) const {
    if (InProcess()) {
        return LibraryProbe::Probe(path, timeLimitMs_, cancel);
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
            ProbeVerdict verdict(false);  // too slow: as unreadable
            verdict.timedOut = true;
            verdict.reason = ProbeTooSlowReason(path, timeLimitMs_);
            verdict.text = transcript.Tail() + u'\n' + verdict.reason;
            return verdict;
        }
        process.waitForReadyRead(50);
        transcript.Feed(QString(decoder(process.readAll())));
    }
    transcript.Feed(QString(decoder(process.readAll())));
    transcript.Finish();
    ProbeVerdict verdict(!transcript.Unreadable());
    if (!verdict.readable) {
        verdict.reason = UnreadableReason(path);
        verdict.text = transcript.Tail();
    }
    return verdict;
}

}  // namespace reelwright
