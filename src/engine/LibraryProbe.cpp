#include "engine/LibraryProbe.h"

#include "engine/CheckedInput.h"
#include "engine/EncoderVersions.h"
#include "engine/ReadDeadline.h"
#include "engine/FailureReason.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <chrono>
#include <map>
#include <mutex>
#include <optional>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

namespace reelwright {
namespace {

QString Triple(unsigned version) {
    return QStringLiteral("%1.%2.%3")
        .arg(AV_VERSION_MAJOR(version))
        .arg(AV_VERSION_MINOR(version))
        .arg(AV_VERSION_MICRO(version));
}

// "libavformat    59. 27.100 / 59. 27.100": the version it runs with is the second.
QString RunningVersions(const QString& versionText) {
    QStringList found;
    for (const char* library : {"libavutil", "libavcodec", "libavformat"}) {
        const QRegularExpression line(
            QStringLiteral("^%1\\s+[0-9. ]+/\\s*(\\d+)\\.\\s*(\\d+)\\.\\s*(\\d+)")
                .arg(QString::fromLatin1(library)),
            QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = line.match(versionText);
        found << QString::fromLatin1(library) + u' ' +
                     (match.hasMatch()
                          ? match.captured(1) + u'.' + match.captured(2) + u'.' + match.captured(3)
                          : QStringLiteral("?"));
    }
    static const QRegularExpression kConfiguration(QStringLiteral("^\\s*configuration:(.*)$"),
                                                   QRegularExpression::MultilineOption);
    found << QStringLiteral("configuration:") +
                 kConfiguration.match(versionText).captured(1).trimmed();
    return found.join(u'\n');
}

// The encoder's `-version` text; none when it did not answer in time.
std::optional<QString> AskVersion(const QString& encoder) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(encoder, {QStringLiteral("-version")});
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(-1);
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAll());
}

struct Answer {
    qint64 size = -1;
    QDateTime modified;
    bool matches = false;
};

ProbeVerdict NotAFileVerdict(const QString& path, const QString& why) {
    ProbeVerdict verdict(false);
    verdict.reason = NotAFileReason(path, why);
    verdict.text = path + QStringLiteral(": ") + why + u'\n';
    return verdict;
}

}  // namespace

QString LibraryProbe::LinkedVersions() {
    return QStringLiteral("libavutil %1\nlibavcodec %2\nlibavformat %3\nconfiguration:%4")
        .arg(Triple(avutil_version()), Triple(avcodec_version()), Triple(avformat_version()),
             QString::fromUtf8(avformat_configuration()).trimmed());
}

bool LibraryProbe::MatchesEncoder(const QString& encoder) {
    static QMutex mutex;
    static std::map<QString, Answer> answers;
    const QFileInfo info(encoder);
    const QMutexLocker lock(&mutex);
    Answer& answer = answers[info.canonicalFilePath()];
    if (answer.size == info.size() && answer.modified == info.lastModified()) {
        return answer.matches;
    }
    const std::optional<QString> text = EncoderVersions::Of(encoder, AskVersion);
    if (!text) {
        // A busy machine, or a reader at low priority: the encoder is asked itself this time,
        // and this question is asked again next time.
        return false;
    }
    answer = {info.size(), info.lastModified(), RunningVersions(*text) == LinkedVersions()};
    return answer.matches;
}

ProbeVerdict LibraryProbe::Probe(const QString& path, int timeLimitMs,
                                 const std::atomic<bool>* cancel) {
    // Its complaints go to the verdict, not to our error output.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    CheckedInput input(path);
    if (input.NotRegular()) {
        // The encoder would wait on a pipe for ever: no verdict of its own to copy.
        return NotAFileVerdict(path, input.Problem());
    }
    Deadline deadline{std::chrono::steady_clock::now() + std::chrono::milliseconds(timeLimitMs),
                      cancel};
    AVFormatContext* context = avformat_alloc_context();
    if (!context) {
        return true;  // as the encoder answers when it cannot even try
    }
    context->interrupt_callback = {&PastDeadline, &deadline};
    input.Attach(context);
    // As the encoder opens its inputs.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "scan_all_pmts", "1", AV_DICT_DONT_OVERWRITE);
    const int result = avformat_open_input(&context, input.Name().constData(), nullptr, &options);
    av_dict_free(&options);
    if (result >= 0) {
        avformat_close_input(&context);
        return true;
    }
    // avformat_open_input frees the context when it fails.
    ProbeVerdict verdict(false);
    if (result == AVERROR_EXIT || PastDeadline(&deadline)) {
        // Too slow, as a probe that never ends.
        verdict.timedOut = true;
        verdict.reason = ProbeTooSlowReason(path, timeLimitMs);
        verdict.text = verdict.reason;
        return verdict;
    }
    if (!input.Refused().isEmpty()) {
        return NotAFileVerdict(path, input.Refused());
    }
    if (result != AVERROR_INVALIDDATA) {
        return true;  // the encoder, too, calls only this unreadable
    }
    char error[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(result, error, sizeof error);
    verdict.reason = UnreadableReason(path);
    verdict.text = QStringLiteral(
                       "%1: %2\n(asked of libavformat %3 in this program, as the "
                       "encoder would open it)\n")
                       .arg(path, QString::fromUtf8(error), Triple(avformat_version()));
    return verdict;
}

}  // namespace reelwright
