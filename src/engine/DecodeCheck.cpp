#include "engine/DecodeCheck.h"

#include "platform/LocalNumber.h"
#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "engine/EncoderText.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::DecodeCheck)
};

}  // namespace

DecodeCheck::DecodeCheck(QObject* parent) : QObject(parent) {}

DecodeCheck::~DecodeCheck() = default;

QString DecodeCheck::CommandLine(const QString& path) {
    // Errors only: whatever it says, beside its progress, is a fault of the file. A file that
    // ends too soon says nothing, so how far it went is read from the progress. A cover is one
    // picture at the start: ffmpeg 7 would count the file's progress by it (0:V leaves it out).
    return EncoderPath() + QStringLiteral(" -nostdin -v error -progress pipe:1 -i ") +
           QuoteArgument(path) + QStringLiteral(" -map 0:V? -map 0:a? -f null -");
}

DOSOutputs& DecodeCheck::Runner() {
    if (!runner_) {
        runner_ = std::make_unique<DOSOutputs>();
        connect(runner_.get(), &DOSOutputs::ReceiveOutputs, this, [this](const QString& piece) {
            if (!(piece == QStringLiteral("Cancelled") && runner_->StopConvert())) {
                Read(piece);
            }
        });
    }
    return *runner_;
}

void DecodeCheck::Read(const QString& piece) {
    // "speed= 240x": a value may begin with blanks.
    static const QRegularExpression kProgress(QStringLiteral("^[a-z0-9_]+="));
    pending_ += piece;
    // The last piece is empty: what is left is a whole line.
    const bool end = piece.isEmpty();
    qsizetype cut = 0;
    while ((cut = pending_.indexOf(u'\n')) >= 0 || (end && !pending_.isEmpty())) {
        const QString line = (cut >= 0 ? pending_.left(cut) : pending_).trimmed();
        pending_ = cut >= 0 ? pending_.mid(cut + 1) : QString();
        if (line.startsWith(QStringLiteral("out_time_us="))) {
            decoded_ = std::max(decoded_, line.mid(12).toDouble() / 1e6);
        } else if (!line.isEmpty() && !kProgress.match(line).hasMatch()) {
            said_ += line + u'\n';
        }
    }
}

void DecodeCheck::Run(const QString& path) {
    said_.clear();
    pending_.clear();
    decoded_ = 0;
    Runner().SetStopConvert(stopped_);
    if (!stopped_) {
        Runner().ExecuteCommand(CommandLine(path));
    }
}

bool DecodeCheck::Begin(const QString& path) {
    said_.clear();
    pending_.clear();
    decoded_ = 0;
    Runner().SetStopConvert(stopped_);
    return !stopped_ && Runner().Begin(CommandLine(path));
}

bool DecodeCheck::Pump(int waitMs) {
    return runner_ && runner_->Pump(waitMs);
}

int DecodeCheck::OutputFd() const {
    return runner_ ? runner_->ReadFd() : -1;
}

void DecodeCheck::Stop() {
    stopped_ = true;
    if (runner_) {
        runner_->SetStopConvert(true);
    }
}

bool DecodeCheck::Stopped() const {
    return stopped_;
}

std::optional<QString> DecodeCheck::Failure(const QString& resultName, double length,
                                            const QString& options) const {
    const QString name = QDir::toNativeSeparators(resultName);
    if (!runner_ || !runner_->LastRunStarted()) {
        //: %1 is the converted file.
        return Text::tr("The encoder could not be started to check %1 by decoding it.").arg(name);
    }
    const QString said = said_.trimmed();
    if (said.isEmpty() && runner_->LastRunExitedNormally() && runner_->LastExitCode() == 0) {
        if (EndedWellShort(decoded_, length, options)) {
            //: %1 is the converted file; %2 and %3 are numbers of seconds.
            return Text::tr("%1 decodes only %2 of %3 seconds, so it was not kept.")
                .arg(name, LocalNumber(decoded_, 'f', 1), LocalNumber(length, 'f', 1));
        }
        return std::nullopt;
    }
    static const QRegularExpression kLineBreak(QStringLiteral("[\r\n]+"));
    QString first = said.section(kLineBreak, 0, 0).trimmed();
    // "[h264 @ 0x5581...] " says which decoder; the address says nothing.
    static const QRegularExpression kAddress(QStringLiteral(" @ 0x[0-9a-f]+\\]"));
    first.replace(kAddress, QStringLiteral("]"));
    if (first.isEmpty()) {
        //: %1 is the converted file.
        return Text::tr("%1 does not decode without errors, so it was not kept.").arg(name);
    }
    //: %1 is the converted file, %2 the decoder's first complaint.
    return Text::tr("%1 does not decode without errors, so it was not kept: %2").arg(name, first);
}

}  // namespace reelwright
