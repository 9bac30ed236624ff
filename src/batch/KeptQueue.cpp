#include "batch/KeptQueue.h"

#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace reelwright {
namespace {

const QString kMarker = QStringLiteral("Reelwright job list");
constexpr int kVersion = 1;

// A list of a million rows is no list of ours: it is not read, so it cannot hold the start.
constexpr qint64 kLargestFile = 512LL * 1024 * 1024;

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kComplete = QStringLiteral("Complete");

QJsonValue ColorValue(const TextColor& color) {
    return color ? QJsonValue(static_cast<qint64>(*color)) : QJsonValue();
}

TextColor ColorOf(const QJsonValue& value) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    return static_cast<quint32>(value.toInteger()) & 0xFFFFFFu;
}

// Statuses a row keeps across a restart; any other was written while the row converted.
bool IsSettled(const QString& status) {
    static const QStringList kSettled{kWaiting, QStringLiteral("Cancelled"), kComplete,
                                      QStringLiteral("Error"), QStringLiteral("Unkown Format")};
    return kSettled.contains(status);
}

}  // namespace

QString KeptQueue::Path() {
    return QDir(StateFolder()).filePath(QStringLiteral("list.json"));
}

QByteArray KeptQueue::ToBytes() const {
    QJsonArray list;
    for (const JobRow& row : rows) {
        QJsonObject kept{
            {QStringLiteral("file"), row.filePath},
            {QStringLiteral("status"), row.status},
            {QStringLiteral("checked"), row.checkBox},
            {QStringLiteral("duration"), row.duration},
            {QStringLiteral("length"), row.lengthSeconds},
            {QStringLiteral("size"), row.fileSize},
            {QStringLiteral("statusColor"), ColorValue(row.textColors[JobRow::Status])},
            {QStringLiteral("durationColor"), ColorValue(row.textColors[JobRow::Duration])},
        };
        const std::pair<const char*, const QString&> optional[] = {
            {"reason", row.reason}, {"result", row.outputPath}, {"log", row.logPath}};
        for (const auto& [name, value] : optional) {
            if (!value.isEmpty()) {
                kept.insert(QString::fromLatin1(name), value);
            }
        }
        // What a probe said has no log of its own.
        if (row.logPath.isEmpty() && !row.outputTail.isEmpty()) {
            kept.insert(QStringLiteral("said"), row.outputTail.right(16 * 1024));
        }
        if (row.inBatch) {
            kept.insert(QStringLiteral("inBatch"), true);
        }
        list.append(kept);
    }
    QJsonObject whole{{QStringLiteral("kept"), kMarker},
                      {QStringLiteral("version"), kVersion},
                      {QStringLiteral("rows"), list}};
    if (batch) {
        whole.insert(QStringLiteral("batch"),
                     QJsonObject{{QStringLiteral("options"), batch->options},
                                 {QStringLiteral("type"), batch->type},
                                 {QStringLiteral("sameFolder"), batch->sameFolder},
                                 {QStringLiteral("folder"), batch->folder},
                                 {QStringLiteral("started"), batch->started}});
    }
    return QJsonDocument(whole).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<KeptQueue> KeptQueue::FromBytes(const QByteArray& bytes, QString* error) {
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    const QJsonObject whole = document.object();
    if (parse.error != QJsonParseError::NoError) {
        *error = parse.errorString();
        return std::nullopt;
    }
    if (whole.value(QStringLiteral("kept")).toString() != kMarker ||
        !whole.value(QStringLiteral("rows")).isArray()) {
        *error = QStringLiteral("it is not a kept job list");
        return std::nullopt;
    }
    if (whole.value(QStringLiteral("version")).toInt() > kVersion) {
        *error = QStringLiteral("it was written by a newer Reelwright");
        return std::nullopt;
    }
    KeptQueue queue;
    for (const QJsonValue& value : whole.value(QStringLiteral("rows")).toArray()) {
        const QJsonObject kept = value.toObject();
        JobRow row;
        row.filePath = kept.value(QStringLiteral("file")).toString();
        row.status = kept.value(QStringLiteral("status")).toString();
        if (row.filePath.isEmpty() || row.status.isEmpty()) {
            *error = QStringLiteral("a row has no file or no status");
            return std::nullopt;
        }
        row.checkBox = kept.value(QStringLiteral("checked")).toInt();
        row.duration = kept.value(QStringLiteral("duration")).toString();
        row.lengthSeconds = kept.value(QStringLiteral("length")).toDouble();
        row.fileSize = kept.value(QStringLiteral("size")).toString();
        row.textColors[JobRow::Status] = ColorOf(kept.value(QStringLiteral("statusColor")));
        row.textColors[JobRow::Duration] = ColorOf(kept.value(QStringLiteral("durationColor")));
        row.reason = kept.value(QStringLiteral("reason")).toString();
        row.outputPath = kept.value(QStringLiteral("result")).toString();
        row.logPath = kept.value(QStringLiteral("log")).toString();
        row.outputTail = kept.value(QStringLiteral("said")).toString();
        row.inBatch = kept.value(QStringLiteral("inBatch")).toBool();
        queue.rows.push_back(std::move(row));
    }
    if (const QJsonValue batch = whole.value(QStringLiteral("batch")); batch.isObject()) {
        const QJsonObject kept = batch.toObject();
        queue.batch = Batch{kept.value(QStringLiteral("options")).toString(),
                            kept.value(QStringLiteral("type")).toString(),
                            kept.value(QStringLiteral("sameFolder")).toBool(),
                            kept.value(QStringLiteral("folder")).toString(),
                            kept.value(QStringLiteral("started")).toInteger()};
    }
    return queue;
}

bool KeptQueue::Save(QString* error) const {
    const QString path = Path();
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    const QByteArray bytes = ToBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) {
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        }
        return false;
    }
    return true;
}

KeptQueue::Loaded KeptQueue::Load() {
    Loaded loaded;
    QFile file(Path());
    if (!file.exists()) {
        return loaded;
    }
    QString error;
    std::optional<KeptQueue> queue;
    if (file.size() > kLargestFile) {
        error = QStringLiteral("it is larger than any list of files");
    } else if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
    } else {
        queue = FromBytes(file.readAll(), &error);
        file.close();
    }
    if (queue) {
        loaded.found = Found::List;
        loaded.queue = std::move(*queue);
        return loaded;
    }
    // Kept as it was for whoever wants to look; the program goes on with an empty list.
    const QString aside = Path() + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(Path(), aside);
    loaded.found = Found::Damaged;
    loaded.error = error;
    return loaded;
}

KeptQueue::Revived KeptQueue::Revive(std::vector<JobRow> rows,
                                     const std::function<bool(const QString& path)>& isFile) {
    Revived revived;
    revived.rows.reserve(rows.size());
    for (JobRow& row : rows) {
        if (!isFile(row.filePath)) {
            ++revived.gone;
            continue;
        }
        const bool resultGone =
            row.status == kComplete && (row.outputPath.isEmpty() || !isFile(row.outputPath));
        if (!IsSettled(row.status) || resultGone) {
            row.status = kWaiting;
            row.reason.clear();
            row.outputPath.clear();
            row.textColors[JobRow::Status].reset();
        }
        row.progressNote.clear();
        revived.rows.push_back(std::move(row));
    }
    return revived;
}

}  // namespace reelwright
