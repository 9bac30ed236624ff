#include "engine/CVideoConv.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "engine/EncoderText.h"
#include "engine/FailureReason.h"
#include "engine/MediaTracks.h"
#include "engine/Muxer.h"
#include "engine/UnendedProcesses.h"
#include "platform/CommandLine.h"
#include "platform/Notifier.h"
#include "platform/Rounding.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::CVideoConv)
};

std::atomic<int> g_probeTimeLimitMs = CVideoConv::kDefaultProbeTimeLimitMs;

}  // namespace

void CVideoConv::SetProbeTimeLimit(int milliseconds) {
    g_probeTimeLimitMs = milliseconds;
}

int CVideoConv::ProbeTimeLimit() {
    return g_probeTimeLimitMs;
}

CVideoConv::CVideoConv(QObject* parent) : QObject(parent) {}

CVideoConv::~CVideoConv() = default;

DOSOutputs& CVideoConv::Runner() {
    if (!objDOS) {
        objDOS = std::make_unique<DOSOutputs>();
        connect(objDOS.get(), &DOSOutputs::ReceiveOutputs, this,
                &CVideoConv::objDOS_ReceiveOutputs);
    }
    return *objDOS;
}

QString CVideoConv::BuildCommandLine() const {
    // The program path stays unquoted; the splitter resolves blanks in it.
    return EncoderPath() + QStringLiteral(" -i ") + QuoteArgument(inputFile_) + u' ' + parametrs_ +
           u' ' + QuoteArgument(outputFile_);
}

QString CVideoConv::RunCommandLine() const {
    if (outputFd_ < 0) {
        return BuildCommandLine();
    }
    // The descriptor's path has no extension to choose the writer by: it is named, unless the
    // options choose it themselves.
    const QStringList options = SplitArguments(parametrs_).value_or(QStringList());
    QString muxer;
    if (!options.contains(QStringLiteral("-f")) && !options.contains(QStringLiteral("-target"))) {
        muxer = MuxerFor(outputFile_);
    }
    return EncoderPath() + QStringLiteral(" -i ") + QuoteArgument(inputFile_) + u' ' + parametrs_ +
           (muxer.isEmpty() ? QString() : QStringLiteral(" -f ") + muxer) + u' ' +
           DescriptorPath(outputFd_);
}

QString CVideoConv::DescriptorPath(int fd) {
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

void CVideoConv::StartConversion() {
    try {
        if (Prepare()) {
            Runner().ExecuteCommand();
            Judge();
        }
    } catch (const std::exception& failure) {
        ReportUnexpectedFailure(failure);
    }
}

bool CVideoConv::Begin() {
    try {
        if (!Prepare()) {
            return false;
        }
        if (Runner().Begin()) {
            return true;
        }
        Judge();  // the encoder could not be started: the runner has said why
    } catch (const std::exception& failure) {
        ReportUnexpectedFailure(failure);
    }
    return false;
}

bool CVideoConv::Pump(int waitMs) {
    try {
        if (objDOS && objDOS->Pump(waitMs)) {
            return true;
        }
        Judge();
    } catch (const std::exception& failure) {
        ReportUnexpectedFailure(failure);
    }
    return false;
}

qint64 CVideoConv::UnendedPid() const {
    return objDOS ? objDOS->UnendedPid() : 0;
}

int CVideoConv::OutputFd() const {
    return objDOS ? objDOS->ReadFd() : -1;
}

bool CVideoConv::Prepare() {
    result_ = Result::NotRun;
    reason_.clear();
    resultReading_.reset();
    transcript_ = EncoderTranscript();
    transcript_.SetEchoedPaths({inputFile_, outputFile_, DescriptorPath(outputFd_)});
    // An open quote would swallow the output's name and send the result elsewhere.
    if (!SplitArguments(parametrs_)) {
        emit CurrentStatus(QStringLiteral("Error"));
        //: %1 is the encoder options as given.
        Fail(Text::tr("The encoder options have a quote that is not closed: %1").arg(parametrs_));
        return false;
    }
    DOSOutputs& runner = Runner();
    runner.SetTimeLimit(0);
    runner.SetCommandLine(RunCommandLine());
    runner.SetInheritedDescriptors({outputFd_, folderFd_});
    Yield::Run();
    // A stop that came before the encoder started is kept: the runner would forget it.
    if (stopRequested_) {
        result_ = Result::Cancelled;
        emit CurrentStatus(QStringLiteral("Cancelled"));
        return false;
    }
    emit CurrentStatus(QStringLiteral("Starting..."));
    return true;
}

void CVideoConv::Judge() {
    DOSOutputs& runner = Runner();
    transcript_.Finish();
    if (runner.StopConvert() || stopRequested_) {
        result_ = Result::Cancelled;
        if (const qint64 pid = runner.UnendedPid()) {
            reason_ = UnendedProcesses::Reason(pid);
        }
        return;
    }
    const std::optional<QString> failure = FailureOf(runner);
    if (!failure) {
        result_ = Result::Converted;
        return;
    }
    emit CurrentStatus(QStringLiteral("Error"));
    Fail(*failure);
}

std::optional<QString> CVideoConv::FailureOf(const DOSOutputs& runner) {
    const QFileInfo output(outputFile_);
    RunEnd end;
    end.started = runner.LastRunStarted();
    end.exitedNormally = runner.LastRunExitedNormally();
    end.exitCode = runner.LastExitCode();
    end.outputSize = output.isFile() ? output.size() : -1;
    end.length = mediaLength_ > 0 ? mediaLength_ : fileTimeLength_;
    end.discarded = discardsOutput_;
    // The result is read only when the encoder's own time leaves the run short or untold.
    const std::optional<double> told = transcript_.LastTime();
    if (!end.discarded && end.started && end.exitedNormally && end.exitCode == 0 &&
        end.outputSize > 0 &&
        (!told || *told < end.length)) {
        // Through our own descriptor: the name is in a folder others may write into.
        const QString made = outputFd_ >= 0 ? DescriptorPath(outputFd_) : outputFile_;
        resultReading_ = std::make_shared<const MediaTracks>(
            Yield::Aside([made] { return MediaTracks::ReadMade(made, g_probeTimeLimitMs); }));
        end.resultLength = resultReading_->seconds;
    }
    return JudgeRun(
        transcript_, end,
        {inputFile_, resultName_.isEmpty() ? outputFile_ : resultName_, outputFile_, parametrs_});
}

void CVideoConv::Fail(const QString& reason) {
    result_ = Result::Failed;
    reason_ = reason;
    if (!quiet_) {
        //: %1 is the file's name; %2, on the next line, why it failed.
        Notifier::Current().Show(Text::tr("Error converting file: %1\r\n%2")
                                     .arg(QFileInfo(inputFile_).fileName(), reason),
                                 MessageIcon::Error);
    }
}

bool CVideoConv::EncoderStarted() const {
    return objDOS && objDOS->LastRunStarted();
}

void CVideoConv::StopConversion() {
    stopRequested_ = true;
    if (objDOS) {
        objDOS->SetStopConvert(true);
    }
}

bool CVideoConv::IsFileSupported(const QString& sMediaFile) {
    return ProbeFile(sMediaFile).readable;
}

ProbeVerdict CVideoConv::ProbeFile(const QString& sMediaFile) {
    try {
        transcript_ = EncoderTranscript();
        transcript_.SetEchoedPaths({sMediaFile});
        DOSOutputs& runner = Runner();
        runner.SetTimeLimit(g_probeTimeLimitMs);
        runner.SetCommandLine(EncoderPath() + QStringLiteral(" -i ") + QuoteArgument(sMediaFile));
        Yield::Run();
        runner.ExecuteCommand();
        transcript_.Finish();
        ProbeVerdict verdict(!runner.TimedOut() && !transcript_.Unreadable());
        if (runner.TimedOut()) {
            verdict.timedOut = true;
            verdict.reason = ProbeTooSlowReason(sMediaFile, g_probeTimeLimitMs);
        } else if (!verdict.readable) {
            verdict.reason = UnreadableReason(sMediaFile);
        }
        if (!verdict.readable) {
            verdict.text = transcript_.Tail();
        }
        return verdict;
    } catch (const std::exception& failure) {
        ReportUnexpectedFailure(failure);
        return false;
    }
}

QString CVideoConv::GetErrorDetail(const QString& text) {
    return ErrorDetailOf(text);
}

void CVideoConv::objDOS_ReceiveOutputs(const QString& CommandOutputs) {
    if (CommandOutputs == QStringLiteral("Cancelled") && objDOS && objDOS->StopConvert()) {
        emit CurrentStatus(QStringLiteral("Cancelled"));
        return;  // the runner's word, not the encoder's text
    }
    if (textSink_) {
        textSink_(CommandOutputs);
    }
    // The last piece of a run is empty: a last line without a line break ends with it.
    const bool unreadable =
        CommandOutputs.isEmpty() ? transcript_.Finish() : transcript_.Feed(CommandOutputs);
    if (unreadable) {
        emit CurrentStatus(QStringLiteral("Unknown format"));
        emit Progress(-1);
        return;
    }
    const std::optional<TimeValue> time = FindTimeValue(CommandOutputs);
    if (!time) {
        return;
    }
    if (fileTimeLength_ > 0.0F) {
        // Whole seconds first, then the share of the length; wide types, so nine hours and more
        // of video still give a percentage.
        const double seconds = RoundHalfEven(time->seconds);
        const double percent = RoundHalfEven(seconds / fileTimeLength_ * 100.0);
        if (std::isnan(percent)) {
            return;
        }
        emit Progress(static_cast<int>(std::clamp(percent, -1.0e9, 1.0e9)));
    } else {
        emit CurrentStatus(time->secondsText + QStringLiteral(" Seconds Converted"));
    }
}

void CVideoConv::ReportUnexpectedFailure(const std::exception& failure) {
    //: %1 is a technical description of the fault, for a bug report.
    Notifier::Current().Show(
        Text::tr("Error Occured:\r\n%1")
            .arg(QString::fromLocal8Bit(failure.what()) + QStringLiteral(" - CVideoConv - 0")),
        MessageIcon::None);
}

}  // namespace reelwright
