#include "engine/CVideoConv.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "engine/EncoderText.h"
#include "platform/CommandLine.h"
#include "platform/Notifier.h"
#include "platform/Rounding.h"
#include "platform/Yield.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace reelwright {

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

void CVideoConv::StartConversion() {
    try {
        DOSOutputs& runner = Runner();
        runner.SetCommandLine(BuildCommandLine());
        Yield::Run();
        emit CurrentStatus(QStringLiteral("Starting..."));
        const QString text = runner.ExecuteCommand();
        if (!runner.StopConvert() && RunFailed(text)) {
            emit CurrentStatus(QStringLiteral("Error"));
            Notifier::Current().Show(QStringLiteral("Error converting file: ") +
                                         QFileInfo(inputFile_).fileName() + QStringLiteral("\r\n") +
                                         GetErrorDetail(text),
                                     MessageIcon::Error);
        }
    } catch (const std::exception& failure) {
        ReportUnexpectedFailure(failure);
    }
}

bool CVideoConv::RunFailed(const QString& text) const {
    if (!HasEncodingBegun(text) || HasLateFailure(text)) {
        return true;
    }
    if (!objDOS->LastRunExitedNormally() || objDOS->LastExitCode() != 0) {
        return true;
    }
    const QFileInfo output(outputFile_);
    return !output.isFile() || output.size() == 0;
}

void CVideoConv::StopConversion() {
    if (objDOS) {
        objDOS->SetStopConvert(true);
    }
}

bool CVideoConv::IsFileSupported(const QString& sMediaFile) {
    try {
        DOSOutputs& runner = Runner();
        runner.SetCommandLine(EncoderPath() + QStringLiteral(" -i ") + QuoteArgument(sMediaFile));
        Yield::Run();
        return !IsUnreadableInputText(runner.ExecuteCommand());
    } catch (const std::exception& failure) {
        ReportUnexpectedFailure(failure);
        return false;
    }
}

QString CVideoConv::GetErrorDetail(const QString& text) {
    return ErrorDetailOf(text);
}

void CVideoConv::objDOS_ReceiveOutputs(const QString& CommandOutputs) {
    if (IsUnreadableInputText(CommandOutputs)) {
        emit CurrentStatus(QStringLiteral("Unknown format"));
        emit Progress(-1);
        return;
    }
    if (CommandOutputs == QStringLiteral("Cancelled")) {
        emit CurrentStatus(QStringLiteral("Cancelled"));
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
        emit Progress(static_cast<int>(std::clamp(percent, -1.0e9, 1.0e9)));
    } else {
        emit CurrentStatus(time->secondsText + QStringLiteral(" Seconds Converted"));
    }
}

void CVideoConv::ReportUnexpectedFailure(const std::exception& failure) {
    Notifier::Current().Show(QStringLiteral("Error Occured:\r\n") +
                                 QString::fromLocal8Bit(failure.what()) +
                                 QStringLiteral(" - CVideoConv - 0"),
                             MessageIcon::None);
}

}  // namespace reelwright
