#include "cli/CliReport.h"

#include "joblist/StatusText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <optional>

namespace reelwright {

QString CliReport::Word(Outcome outcome) {
    switch (outcome) {
        case Outcome::Converted:
            return QStringLiteral("converted");
        case Outcome::Failed:
            return QStringLiteral("failed");
        case Outcome::Unreadable:
            return QStringLiteral("unreadable");
        case Outcome::Refused:
            return QStringLiteral("refused");
        case Outcome::Skipped:
            return QStringLiteral("skipped");
        case Outcome::Elsewhere:
            return QStringLiteral("elsewhere");
        case Outcome::Stopped:
            return QStringLiteral("stopped");
        case Outcome::WouldConvert:
            return QStringLiteral("would-convert");
    }
    return QString();
}

namespace {

double Rounded(double value, int places) {
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
}

QJsonValue Rounded(const std::optional<double>& value, int places) {
    return value ? QJsonValue(Rounded(*value, places)) : QJsonValue();
}

QJsonValue TextOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QString Json(const QJsonObject& object) {
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

int* CountOf(CliReport::Counts& counts, CliReport::Outcome outcome) {
    using Outcome = CliReport::Outcome;
    switch (outcome) {
        case Outcome::Converted:
            return &counts.converted;
        case Outcome::Failed:
            return &counts.failed;
        case Outcome::Unreadable:
            return &counts.unreadable;
        case Outcome::Refused:
            return &counts.refused;
        case Outcome::Skipped:
            return &counts.skipped;
        case Outcome::Elsewhere:
            return &counts.elsewhere;
        case Outcome::Stopped:
            return &counts.stopped;
        case Outcome::WouldConvert:
            return &counts.wouldConvert;
    }
    return &counts.failed;
}

// Whether the bytes read back unchanged from the text they decode to.
bool IsUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// A name that is not UTF-8 cannot be told in JSON text: its bytes go beside it.
void AddBytes(QJsonObject* object, const QString& member, const QByteArray& name) {
    if (!name.isEmpty() && !IsUtf8(name)) {
        object->insert(member, QString::fromLatin1(name.toBase64()));
    }
}

}  // namespace

void CliReport::Write(const QString& line) {
    out_ << line << u'\n';
    out_.flush();
}

void CliReport::Started(const QString& counter, const QString& input) {
    if (!json_) {
        Write(counter + input + QStringLiteral(": ") + tr("converting"));
    }
}

// A file's object for programs.
QJsonObject CliReport::JsonOf(const Entry& entry) {
    QJsonObject object{
        {QStringLiteral("input"), entry.input},
        {QStringLiteral("status"), Word(entry.outcome)},
        {QStringLiteral("result"), TextOrNull(entry.result)},
        {QStringLiteral("reason"), TextOrNull(entry.reason)},
        {QStringLiteral("seconds"), Rounded(entry.seconds, 2)},
    };
    if (entry.outcome == Outcome::Converted && !entry.tracks.IsEmpty()) {
        const TrackReport::Counts& kept = entry.tracks.kept;
        object.insert(QStringLiteral("tracks"),
                      QJsonObject{{QStringLiteral("video"), kept.video},
                                  {QStringLiteral("audio"), kept.audio},
                                  {QStringLiteral("subtitle"), kept.subtitle},
                                  {QStringLiteral("cover"), kept.cover},
                                  {QStringLiteral("font"), kept.font}});
        QJsonArray leftOut;
        for (const TrackReport::LeftOut& track : entry.tracks.leftOut) {
            leftOut.append(QJsonObject{
                {QStringLiteral("kind"), track.kind},
                {QStringLiteral("language"),
                 track.language.isEmpty() ? QJsonValue() : QJsonValue(track.language)},
                {QStringLiteral("reason"), track.reason}});
        }
        object.insert(QStringLiteral("left_out"), leftOut);
        // What the plain line and the log say besides: HDR brought to standard range, a
        // sound encoded as AAC, a size made even.
        object.insert(QStringLiteral("notes"), QJsonArray::fromStringList(entry.tracks.notes));
    }
    if (entry.estimate) {
        object.insert(QStringLiteral("estimate"),
                      QJsonObject{{QStringLiteral("bytes"), entry.estimate->bytes},
                                  {QStringLiteral("seconds"),
                                   Rounded(entry.estimate->seconds, 1)}});
    }
    AddBytes(&object, QStringLiteral("input_base64"), entry.native);
    AddBytes(&object, QStringLiteral("result_base64"), entry.nativeResult);
    return object;
}

void CliReport::Ended(const Entry& entry) {
    ++counts_.files;
    ++*CountOf(counts_, entry.outcome);
    const bool done = entry.outcome == Outcome::Converted || entry.outcome == Outcome::Skipped ||
                      entry.outcome == Outcome::Elsewhere || entry.outcome == Outcome::WouldConvert;
    counts_.failing = counts_.failing || (!done && entry.counts);
    if (entry.estimate) {
        total_ = FileEstimate{(total_ ? total_->bytes : 0) + entry.estimate->bytes,
                              (total_ ? total_->seconds : 0) + entry.estimate->seconds, {}};
    }

    if (json_) {
        Write(Json(JsonOf(entry)));
        return;
    }
    QString line = entry.counter + entry.input + QStringLiteral(": ");
    switch (entry.outcome) {
        case Outcome::Refused:
            line += tr("refused: %1").arg(entry.reason);
            break;
        case Outcome::Skipped:
            line += tr("already converted -> %1").arg(entry.result);
            break;
        case Outcome::Elsewhere:
            line += tr("being converted elsewhere -> %1").arg(entry.result);
            break;
        case Outcome::WouldConvert:
            line += tr("would convert -> %1").arg(entry.result);
            if (entry.estimate) {
                line += QStringLiteral(" (") + entry.estimate->Sentence() + u')';
            }
            break;
        case Outcome::Stopped:
            // The file that was converting says "Cancelled"; those after it were never begun.
            line += entry.status.isEmpty() ? tr("not converted: the run was stopped")
                                           : StatusText(entry.status);
            break;
        default:
            line += StatusText(entry.status);
            if (!entry.result.isEmpty()) {
                line += QStringLiteral(" -> ") + entry.result;
                // What it could not keep of the source is worth a line's end.
                if (!entry.tracks.leftOut.empty() || !entry.tracks.notes.isEmpty()) {
                    line += QStringLiteral(" (") + entry.tracks.Sentence() + u')';
                }
            } else if (!entry.reason.isEmpty()) {
                line += QStringLiteral(": ") +
                        QString(entry.reason).replace(QStringLiteral("\r\n"), QStringLiteral("; "));
            }
            break;
    }
    Write(line);
}

void CliReport::Tell(const Progress& progress) {
    if (!json_) {
        return;
    }
    const QJsonObject object{
        {QStringLiteral("input"), progress.input},
        {QStringLiteral("percent"), Rounded(progress.percent, 1)},
        {QStringLiteral("done"), Rounded(progress.converted, 2)},
        {QStringLiteral("left"), Rounded(progress.left, 1)},
        {QStringLiteral("speed"), Rounded(progress.speed, 2)},
        {QStringLiteral("seconds"), Rounded(progress.seconds, 2)},
    };
    Write(Json(QJsonObject{{QStringLiteral("progress"), object}}));
}

void CliReport::Summary(int exitStatus) {
    if (json_) {
        const QJsonObject counts{
            {QStringLiteral("files"), counts_.files},
            {QStringLiteral("converted"), counts_.converted},
            {QStringLiteral("failed"), counts_.failed},
            {QStringLiteral("unreadable"), counts_.unreadable},
            {QStringLiteral("refused"), counts_.refused},
            {QStringLiteral("skipped"), counts_.skipped},
            {QStringLiteral("elsewhere"), counts_.elsewhere},
            {QStringLiteral("stopped"), counts_.stopped},
            {QStringLiteral("would_convert"), counts_.wouldConvert},
            {QStringLiteral("exit"), exitStatus},
        };
        QJsonObject summary{{QStringLiteral("summary"), counts}};
        if (total_) {
            summary.insert(QStringLiteral("estimate"),
                           QJsonObject{{QStringLiteral("bytes"), total_->bytes},
                                       {QStringLiteral("seconds"), Rounded(total_->seconds, 1)}});
        }
        Write(Json(summary));
        return;
    }
    if (total_) {
        Write(FileEstimate::Total(total_->bytes, total_->seconds));
    }
    QString counts = dryRun_
                         ? tr("%1 would convert").arg(counts_.wouldConvert)
                         : tr("%1 converted, %2 failed").arg(counts_.converted).arg(counts_.failed);
    const std::pair<int, const char*> parts[] = {
        {dryRun_ ? counts_.failed : 0, QT_TRANSLATE_NOOP("reelwright::CliReport", "%1 failed")},
        {counts_.unreadable, QT_TRANSLATE_NOOP("reelwright::CliReport", "%1 unreadable")},
        {counts_.refused, QT_TRANSLATE_NOOP("reelwright::CliReport", "%1 refused")},
        {counts_.skipped, QT_TRANSLATE_NOOP("reelwright::CliReport", "%1 already converted")},
        {counts_.elsewhere,
         QT_TRANSLATE_NOOP("reelwright::CliReport", "%1 being converted elsewhere")},
        {counts_.stopped, QT_TRANSLATE_NOOP("reelwright::CliReport", "%1 stopped")},
    };
    for (const auto& [count, what] : parts) {
        if (count > 0) {
            //: Joins the counts of the run's summary: "1 converted, 0 failed" and "2 refused".
            counts = tr("%1, %2").arg(counts, tr(what).arg(count));
        }
    }
    const QString files = counts_.files == 1 ? tr("1 file") : tr("%1 files").arg(counts_.files);
    //: The run's summary: %1 is how many files, %2 what became of them.
    Write(tr("%1: %2").arg(files, counts));
}

}  // namespace reelwright
