#include "conversion/FileConversion.h"

#include "conversion/OutputNaming.h"
#include "conversion/PassLogs.h"
#include "conversion/ResultMark.h"
#include "conversion/ResultSource.h"
#include "conversion/RunLog.h"
#include "conversion/SizeFitting.h"
#include "engine/CVideoConv.h"
#include "engine/DecodeCheck.h"
#include "engine/LoudnessLook.h"
#include "engine/Sidecars.h"
#include "engine/SourceFacts.h"
#include "engine/UnendedProcesses.h"
#include "plan/EvenSizeNote.h"
#include "plan/LoudnessPlan.h"
#include "plan/PicturePlan.h"
#include "platform/CommandLine.h"
#include "platform/Yield.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {

FileConversion::FileConversion(Request request, std::unique_ptr<ResultClaim> claim, QObject* parent)
    : QObject(parent), request_(std::move(request)), claim_(std::move(claim)) {}

FileConversion::~FileConversion() {
    for (const int fd : {lock_, unlocked_, encoderFd_}) {
        if (fd >= 0) {
            ::close(fd);  // lets go of the hidden result's lock
        }
    }
}

bool FileConversion::Prepare() {
    if (!Plan() || !MakeResultFile()) {
        return false;
    }
    const SourceFacts& facts = facts_;
    length_ = request_.mediaLength > 0 ? request_.mediaLength : request_.playLength;
    PrepareMeasuring();
    PrepareJob();
    // A source that begins late may claim its length from zero, or count a stream that holds
    // nothing; the encoder's clock starts at its first picture, so what its pictures and sounds
    // play is the length to reach (else a whole copy of a cut recording ends as "ended early",
    // and its bar stops short). A tenth of a second is what two readings differ by anyway.
    const double plays = facts.tracks.end - facts.tracks.start;
    if (facts.tracks.start > 0 && plays > 0 && plays + 0.1 < length_) {
        job_->SetFileTimeLength(static_cast<float>(plays));
        job_->SetMediaLength(plays);
        length_ = plays;
    }
    // The whole text goes to a log as it arrives; the row keeps a tail of it.
    log_ = std::make_unique<RunLog>(
        request_.source, look_ ? look_->CommandLines().constFirst() : FirstCommand());
    RunLog* log = log_.get();
    job_->SetTextSink([log](const QString& text) { log->Append(text); });
    if (firstPass_) {
        firstPass_->SetTextSink([log](const QString& text) { log->Append(text); });
    }
    if (look_) {
        ConnectLog(*look_);
    }
    return true;
}

bool FileConversion::Plan() {
    // Facts first, then the plan from them alone: which of the source's tracks go in, and how;
    // the format still decides the codecs.
    SourceFacts facts = request_.facts ? *std::exchange(request_.facts, std::nullopt)
                                       : GatherFacts(Wanted(request_));
    options_ = request_.options;
    facts_ = facts;
    Replan();
    source_ = facts.tracks;
    if (const std::optional<QString>& refusal = plan_.Refusal()) {
        outcome_ = {Ending::Failed, QString(), *refusal, QString(), QString(), {}};
        return false;
    }
    // Refused before anything is written when the file cannot fit.
    return request_.maxSize <= 0 || FitSize();
}

FactsWanted FileConversion::Wanted(const Request& request) {
    return {request.source, QFileInfo(request.output).suffix(), request.options, request.sidecars,
            request.removeBars};
}

void FileConversion::Replan() {
    plan_ = TrackPlan::Make(facts_, QFileInfo(request_.output).suffix(), options_, request_.tracks,
                            request_.loudness);
}

void FileConversion::PrepareMeasuring() {
    if (!request_.loudness || plan_.SoundsToMeasure().empty()) {
        return;
    }
    // Measuring reads and encodes sound alone: a small share beside pictures encoded, a
    // large one beside pictures copied.
    const QStringList arguments = SplitArguments(request_.options).value_or(QStringList());
    const bool picturesEncoded = source_.Count(MediaTracks::Kind::Video) > 0 &&
                                 CodecIn(arguments, 'v') != QStringLiteral("copy") &&
                                 !arguments.contains(QStringLiteral("-vn"));
    measuringShare_ = picturesEncoded ? 5 : 40;
    MeasureNext(plan_.SoundsToMeasure());
}

void FileConversion::MeasureNext(const std::vector<SoundToMeasure>& sounds) {
    look_ = std::make_unique<LoudnessLook>(request_.source, sounds, plan_.MeasuringEncoding());
    // The first measuring takes most of its share, each trial of a limiter a part of the rest.
    const double from = trials_ == 0 ? 0.0 : 0.6 + 0.4 * (trials_ - 1) / LoudnessPlan::kTrials;
    const double span = trials_ == 0 ? 0.6 : 0.4 / LoudnessPlan::kTrials;
    const double length = length_;
    connect(look_.get(), &LoudnessLook::Reached, this, [this, length, from, span](double seconds) {
        if (length > 0) {
            const double done = from + span * std::clamp(seconds / length, 0.0, 1.0);
            emit Progress(static_cast<int>(done * measuringShare_));
        }
    });
    if (log_) {
        ConnectLog(*look_);
    }
}

void FileConversion::ConnectLog(LoudnessLook& look) {
    RunLog* log = log_.get();
    if (trials_ > 0) {
        log->Append(u'\n' + RunLog::ForShell(look.CommandLines().constFirst()) + u'\n');
    }
    connect(&look, &LoudnessLook::Text, this, [log](const QString& text) { log->Append(text); });
    connect(&look, &LoudnessLook::NextCommand, this, [log](const QString& command) {
        log->Append(u'\n' + RunLog::ForShell(command) + u'\n');
    });
}

FileConversion::AfterMeasure FileConversion::AfterMeasuring() {
    if (stopped_ || look_->Stopped()) {
        measured_ = true;
        StopEncoding();  // it ends at its start, as stopped
        return AfterMeasure::Encode;
    }
    if (!look_->Failure().isEmpty()) {
        measured_ = true;
        earlyFailure_ = look_->Failure();
        return AfterMeasure::End;
    }
    if (trials_ == 0) {
        facts_.loudness = look_->Found();
    }
    for (const auto& [stream, gave] : trials_ > 0 ? look_->Found() : std::map<int, Loudness>()) {
        facts_.limiterTrials[stream] =
            LoudnessPlan::NextTrial(plan_.LimiterTrials().at(stream), gave, *request_.loudness);
    }
    Replan();
    // A limiter's settings are tried, as encoded, until what they give is right; then the
    // best that was tried is kept.
    if (!plan_.SoundsToTry().empty() && trials_ < LoudnessPlan::kTrials) {
        ++trials_;
        MeasureNext(plan_.SoundsToTry());
        return AfterMeasure::Measure;
    }
    if (!plan_.SoundsToTry().empty()) {
        for (const auto& [stream, trial] : plan_.LimiterTrials()) {
            facts_.limiterTrials[stream] = LoudnessPlan::Kept(trial);
        }
        Replan();
    }
    measured_ = true;
    SetEncodeOptions();
    log_->Append(u'\n' + RunLog::ForShell(FirstCommand()) + u'\n');
    return AfterMeasure::Encode;
}

bool FileConversion::MeasuringEnded() {
    switch (AfterMeasuring()) {
        case AfterMeasure::Measure:
            return look_->Begin() || MeasuringEnded();
        case AfterMeasure::Encode:
            return BeginEncoding();
        case AfterMeasure::End:
            break;
    }
    return false;
}

// The result is written under a name of its own and named only once it is whole, so a stopped
// or failed run leaves nothing that looks like a result.
bool FileConversion::MakeResultFile() {
    QString error;
    temporary_ = CreateTemporaryOutput(request_.output, &error, &lock_, &noLock_, &unlocked_);
    if (temporary_.isEmpty()) {
        outcome_ = {Ending::Failed, QString(), error, QString(), QString(), {}};
        return false;
    }
    // The claim is on the disk before the encoder starts: the result is the row's only if the
    // file made here, with the mark it carries, is found under a name the row may give it.
    ClaimRecord claim{temporary_, request_.output, {}, QDateTime::currentMSecsSinceEpoch(), {}};
    struct stat made {};
    if (::fstat(ResultFd(), &made) == 0) {
        claim.identity = {static_cast<quint64>(made.st_dev), static_cast<quint64>(made.st_ino)};
    }
    const QByteArray mark = ResultMark::Make();
    if (ResultMark::Write(ResultFd(), mark)) {
        claim.mark = mark;
    }
    // Which source it is made from goes with it, so a later run knows its own results.
    sourceProof_ = ResultSource::ProofOf(request_.source);
    proofOnResult_ = ResultSource::Write(ResultFd(), sourceProof_);
    emit ResultMade(claim);
    return true;
}

void FileConversion::PrepareJob() {
    job_ = std::make_shared<CVideoConv>();
    connect(job_.get(), &CVideoConv::CurrentStatus, this, &FileConversion::CurrentStatus);
    connect(job_.get(), &CVideoConv::Progress, this,
            [this](int percent) { emit Progress(Overall(percent, false)); });
    WriteAttachments(attached_);
    WriteSidecars();
    job_->SetInputFile(request_.source);
    job_->SetOutputFile(temporary_);
    if (ResultFd() >= 0) {
        encoderFd_ =
            ::open(QStringLiteral("/proc/self/fd/%1").arg(ResultFd()).toLatin1().constData(),
                   O_WRONLY | O_CLOEXEC | O_NOCTTY);
    }
    job_->SetOutputDescriptor(encoderFd_);
    job_->SetResultName(request_.output);
    job_->SetFileTimeLength(request_.playLength);
    job_->SetQuiet(request_.quiet);
    job_->SetMediaLength(request_.mediaLength);
    PrepareFirstPass();
    SetEncodeOptions();
    if (stopped_) {
        StopEncoding();
    }
}

// Files the encoder attaches to the result (a cover, for a container that keeps it so), written
// beside the conversion; one that cannot be written is left out, and the check says so.
void FileConversion::WriteAttachments(QStringList& paths) {
    for (const TrackPlan::Attachment& attachment : plan_.Attachments()) {
        const QString path = WriteAside(QString::number(paths.size()) + u'-' + attachment.fileName,
                                        attachment.bytes);
        if (!path.isEmpty()) {
            paths << path;
        }
    }
}

// The subtitle files beside the source, as they were read when it was planned: the encoder
// reads our copies, never a name in a folder others may change meanwhile.
void FileConversion::WriteSidecars() {
    for (const TrackPlan::Sidecar& sidecar : plan_.Sidecars()) {
        const QString path = WriteAside(
            QStringLiteral("sidecar-%1-%2").arg(sidecarCopies_.size()).arg(sidecar.name),
            sidecar.text);
        if (!path.isEmpty()) {
            sidecarCopies_ << path;
        }
    }
    if (sidecarCopies_.size() != static_cast<qsizetype>(plan_.Sidecars().size())) {
        sidecarCopies_.clear();  // all or none: the inputs are counted
    }
}

// A file the encoder reads, in a private folder that goes with the conversion; empty when it
// could not be written.
QString FileConversion::WriteAside(const QString& name, const QByteArray& bytes) {
    if (!attachments_) {
        attachments_ = std::make_unique<QTemporaryDir>();
    }
    QFile file(attachments_->filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()) {
        return file.fileName();
    }
    return QString();
}

void FileConversion::Run() {
    if (look_) {
        emit Measuring();
        AfterMeasure next = AfterMeasure::Measure;
        while (next == AfterMeasure::Measure) {
            look_->Run();
            next = AfterMeasuring();
        }
        if (next == AfterMeasure::End) {
            return;
        }
    }
    if (InFirstPass()) {
        firstPass_->StartConversion();
        if (!AfterFirstPass()) {
            return;
        }
    }
    job_->StartConversion();
    BeginCheck(true);
}

bool FileConversion::Begin() {
    if (!look_) {
        return BeginEncoding();
    }
    emit Measuring();
    return look_->Begin() || MeasuringEnded();
}

bool FileConversion::Pump() {
    if (MeasuringSound()) {
        return look_->Pump(0) || MeasuringEnded();
    }
    if (InFirstPass()) {
        return firstPass_->Pump(0) || FirstPassEnded();
    }
    return check_ ? check_->Pump(0) : job_->Pump(0) || BeginCheck(false);
}

int FileConversion::OutputFd() const {
    if (MeasuringSound()) {
        return look_->OutputFd();
    }
    if (InFirstPass()) {
        return firstPass_->OutputFd();
    }
    return check_ ? check_->OutputFd() : job_ ? job_->OutputFd() : -1;
}

void FileConversion::Stop() {
    stopped_ = true;
    if (look_) {
        look_->Stop();
    }
    if (job_) {
        StopEncoding();
    }
    if (check_) {
        check_->Stop();
    }
}

bool FileConversion::BeginCheck(bool wait) {
    if (job_->LastResult() != CVideoConv::Result::Converted || check_) {
        return false;
    }
    // Nothing is read through a name that another user has made point elsewhere.
    if (ResultFd() >= 0 && !NamesFile(temporary_, ResultFd())) {
        failure_ = TakenAway(temporary_);
        return false;
    }
    if (EncodeSmaller(wait)) {
        return wait ? BeginCheck(true) : true;
    }
    if (!failure_.isEmpty()) {
        return false;
    }
    // Before it takes its name: the tracks promised are there, of the right kinds. Read once:
    // the encoder's end may have had it read already.
    const MediaTracks* read = job_->ResultReading();
    const QString made = temporary_;
    const MediaTracks result = read && read->readable && read->problem.isEmpty()
                                   ? *read
                                   : Yield::Aside([made] { return MediaTracks::ReadMade(made); });
    if (const std::optional<QString> problem = plan_.Check(result, request_.output)) {
        failure_ = *problem;
        return false;
    }
    report_ = plan_.ReportFor(result);
    if (const QString fit = fitting_ ? fitting_->Note(size_) : QString(); !fit.isEmpty()) {
        report_.notes << fit;
    }
    if (const std::optional<QString> even = EvenSizeNote(source_, result);
        even && !report_.notes.contains(*even)) {
        report_.notes << *even;
    }
    if (!request_.checkByDecoding || stopped_) {
        return false;
    }
    check_ = std::make_unique<DecodeCheck>();
    emit Checking();
    if (wait) {
        check_->Run(temporary_);
        return false;
    }
    return check_->Begin(temporary_);
}

bool FileConversion::ReachedEncoder() const {
    return (job_ && job_->EncoderStarted()) || (firstPass_ && firstPass_->EncoderStarted());
}

QString FileConversion::LogProblem() const {
    return log_ ? log_->Problem() : QString();
}

const FileConversion::Outcome& FileConversion::Finish() {
    passLogs_.reset();  // whatever the ending
    outcome_.logPath = log_->Path();
    outcome_.tail = earlyTail_.isEmpty() ? job_->Transcript().Tail() : earlyTail_;
    // A sound that could not be measured, or a first pass that failed, ends the file before its
    // encoder starts.
    const CVideoConv::Result ended =
        earlyFailure_.isEmpty() ? job_->LastResult() : CVideoConv::Result::NotRun;
    switch (ended) {
        case CVideoConv::Result::Converted:
            FinishConverted();
            break;
        case CVideoConv::Result::Cancelled:
            FinishCancelled();
            break;
        case CVideoConv::Result::Failed:
        case CVideoConv::Result::NotRun: {
            RemoveResult();
            const QString said = earlyFailure_.isEmpty() ? job_->Reason() : earlyFailure_;
            Fail((fitting_ ? fitting_->RateGivenUp(said) : std::nullopt).value_or(said));
            break;
        }
    }
    if (claim_) {
        claim_->Release();
    }
    return outcome_;
}

void FileConversion::FinishConverted() {
    if (check_ && (check_->Stopped() || stopped_)) {
        // Stopped while it was being checked: nothing unchecked takes a name.
        RemoveResult();
        log_->Finish(QStringLiteral("Cancelled"), QString(), QString());
        outcome_.ending = Ending::Cancelled;
        return;
    }
    if (failure_.isEmpty() && check_) {
        failure_ = check_->Failure(request_.output, length_, options_).value_or(QString());
    }
    // A source written to while it converted (a copy still arriving, a file saved anew) may
    // have given the encoder half of itself: the result would be of no file there is.
    if (failure_.isEmpty() && !sourceProof_.isEmpty() &&
        ResultSource::ProofOf(request_.source) != sourceProof_) {
        failure_ = tr("The file changed while it was converted; its result is not kept.");
    }
    if (!failure_.isEmpty()) {
        RemoveResult();
        Fail(failure_);
        return;
    }
    QString error;
    const QString given =
        ClaimOutput(temporary_, request_.output, request_.nextName, &error, ResultFd());
    if (given.isEmpty()) {
        // A file under a hidden name is no result anybody would find.
        RemoveResult();
        Fail(error);
        return;
    }
    if (request_.keepDates) {
        KeepDate();
    }
    if (!proofOnResult_) {
        ResultSource::WriteRecord(given, sourceProof_);
    }
    log_->Finish(QStringLiteral("Complete"), given, QString(), report_.Sentence());
    outcome_.ending = Ending::Complete;
    outcome_.result = given;
    outcome_.report = report_;
}

void FileConversion::FinishCancelled() {
    // An encoder that has not ended may still write, on a share that may not answer.
    if (const qint64 pid = job_->UnendedPid()) {
        UnendedProcesses::RemoveWhenEnded(pid, temporary_);
    } else {
        RemoveResult();
    }
    log_->Finish(QStringLiteral("Cancelled"), QString(), job_->Reason());
    outcome_.ending = Ending::Cancelled;
    outcome_.reason = job_->Reason();
}

void FileConversion::Fail(const QString& reason) {
    log_->Finish(QStringLiteral("Error"), QString(), reason);
    outcome_.ending = Ending::Failed;
    outcome_.reason = reason;
}

// The result takes its source's modification time, through the descriptor it was written by.
void FileConversion::KeepDate() const {
    struct stat original {};
    if (::stat(QFile::encodeName(request_.source).constData(), &original) != 0) {
        return;
    }
    const timespec times[2] = {original.st_atim, original.st_mtim};
    if (ResultFd() >= 0) {
        ::futimens(ResultFd(), times);
    }
}

void FileConversion::RemoveResult() const {
    if (ResultFd() < 0 || NamesFile(temporary_, ResultFd())) {
        QFile::remove(temporary_);
    }
}

}  // namespace reelwright
