#include "cli/CliReport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

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
        case Outcome::Stopped:
            return QStringLiteral("stopped");
    }
    return QString();
}

void CliReport::Write(const QString& line) {
    out_ << line << u'\n';
    out_.flush();
}

void CliReport::Started(const QString& counter, const QString& input) {
    if (!json_) {
        Write(counter + input + QStringLiteral(": converting"));
    }
}

void CliReport::Ended(const Entry& entry) {
    ++counts_.files;
    switch (entry.outcome) {
        case Outcome::Converted:
            ++counts_.converted;
            break;
        case Outcome::Failed:
        case Outcome::Unreadable:
            ++counts_.failed;
            break;
        case Outcome::Refused:
            ++counts_.refused;
            break;
        case Outcome::Skipped:
            ++counts_.skipped;
            break;
        case Outcome::Stopped:
            ++counts_.stopped;
            break;
    }
    const bool done = entry.outcome == Outcome::Converted || entry.outcome == Outcome::Skipped;
    counts_.failing = counts_.failing || (!done && entry.counts);

    if (json_) {
        QJsonObject object{
            {QStringLiteral("input"), entry.input},
            {QStringLiteral("status"), Word(entry.outcome)},
            {QStringLiteral("result"),
             entry.result.isEmpty() ? QJsonValue() : QJsonValue(entry.result)},
            {QStringLiteral("reason"),
             entry.reason.isEmpty() ? QJsonValue() : QJsonValue(entry.reason)},
            {QStringLiteral("seconds"), std::round(entry.seconds * 100) / 100},
        };
        Write(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
        return;
    }
    QString line = entry.counter + entry.input + QStringLiteral(": ");
    switch (entry.outcome) {
        case Outcome::Refused:
            line += QStringLiteral("refused: ") + entry.reason;
            break;
        case Outcome::Skipped:
            line += QStringLiteral("already converted -> ") + entry.result;
            break;
        case Outcome::Stopped:
            // The file that was converting says "Cancelled"; those after it were never begun.
            line += entry.status.isEmpty() ? QStringLiteral("not converted: the run was stopped")
                                           : entry.status;
            break;
        default:
            line += entry.status;
            if (!entry.result.isEmpty()) {
                line += QStringLiteral(" -> ") + entry.result;
            } else if (!entry.reason.isEmpty()) {
                line += QStringLiteral(": ") +
                        QString(entry.reason).replace(QStringLiteral("\r\n"), QStringLiteral("; "));
            }
            break;
    }
    Write(line);
}

void CliReport::Summary(int exitStatus) {
    if (json_) {
        const QJsonObject counts{
            {QStringLiteral("files"), counts_.files},
            {QStringLiteral("converted"), counts_.converted},
            {QStringLiteral("failed"), counts_.failed},
            {QStringLiteral("refused"), counts_.refused},
            {QStringLiteral("skipped"), counts_.skipped},
            {QStringLiteral("stopped"), counts_.stopped},
            {QStringLiteral("exit"), exitStatus},
        };
        Write(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("summary"), counts}})
                                    .toJson(QJsonDocument::Compact)));
        return;
    }
    QString line = QStringLiteral("%1 %2: %3 converted, %4 failed")
                       .arg(counts_.files)
                       .arg(counts_.files == 1 ? QStringLiteral("file") : QStringLiteral("files"))
                       .arg(counts_.converted)
                       .arg(counts_.failed);
    if (counts_.refused > 0) {
        line += QStringLiteral(", %1 refused").arg(counts_.refused);
    }
    if (counts_.skipped > 0) {
        line += QStringLiteral(", %1 already converted").arg(counts_.skipped);
    }
    if (counts_.stopped > 0) {
        line += QStringLiteral(", %1 stopped").arg(counts_.stopped);
    }
    Write(line);
}

}  // namespace reelwright
