#include "keptlist/KeptQueue.h"

#include "batch/BatchDriver.h"
#include "keptlist/KeptListScanner.h"
#include "conversion/OutputNaming.h"
#include "conversion/ResultMark.h"
#include "platform/SafeFile.h"
#include "platform/UserFolders.h"
#include "platform/WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <climits>
#include <cmath>

#include <sys/stat.h>

namespace reelwright {
namespace {

// Not "Text": the row reader below has a member of that name.
struct Message {
    Q_DECLARE_TR_FUNCTIONS(reelwright::KeptQueue)
};

const QString kMarker = QStringLiteral("Reelwright job list");
constexpr int kVersion = 1;

// A list of a million rows is no list of ours: it is not read, so it cannot hold the start.
constexpr qint64 kLargestFile = 512LL * 1024 * 1024;

const QString kWaiting = QStringLiteral("Waiting Conversion");
const QString kComplete = QStringLiteral("Complete");

QJsonValue ColorValue(const TextColor& color) {
    return color ? QJsonValue(static_cast<qint64>(*color)) : QJsonValue();
}

// The longest text of each kind the program writes into a kept list; a longer one is no row of
// ours.
constexpr qsizetype kLongestPath = 4096;
constexpr qsizetype kLongestShortText = 256;
constexpr qsizetype kLongestReason = 64 * 1024;
constexpr qsizetype kLongestSaid = 16 * 1024;

QJsonObject ClaimValue(const ClaimRecord& claim) {
    return {{QStringLiteral("temporary"), claim.temporary},
            {QStringLiteral("name"), claim.name},
            // As text: an inode may need all 64 bits, more than a JSON number holds exactly.
            {QStringLiteral("device"), QString::number(claim.identity.device)},
            {QStringLiteral("inode"), QString::number(claim.identity.inode)},
            {QStringLiteral("made"), claim.made},
            {QStringLiteral("mark"), QString::fromLatin1(claim.mark)}};
}

QJsonObject TracksValue(const TrackReport& tracks) {
    QJsonArray leftOut;
    for (const TrackReport::LeftOut& track : tracks.leftOut) {
        leftOut.append(QJsonObject{{QStringLiteral("kind"), track.kind},
                                   {QStringLiteral("language"), track.language},
                                   {QStringLiteral("reason"), track.reason}});
    }
    return {{QStringLiteral("video"), tracks.kept.video},
            {QStringLiteral("audio"), tracks.kept.audio},
            {QStringLiteral("subtitle"), tracks.kept.subtitle},
            {QStringLiteral("cover"), tracks.kept.cover},
            {QStringLiteral("font"), tracks.kept.font},
            {QStringLiteral("leftOut"), leftOut},
            {QStringLiteral("notes"), QJsonArray::fromStringList(tracks.notes)}};
}

// Tracks of a file are a few dozen at most; a report of more is none of ours.
constexpr qsizetype kMostTracks = 1024;

// Reads one kept row; none when a field is of the wrong kind or larger than any we write.
class RowReader {
  public:
    explicit RowReader(const QJsonObject& kept) : kept_(kept) {}

    std::optional<JobRow> Read() {
        JobRow row;
        row.filePath = Text("file", kLongestPath);
        row.status = Text("status", kLongestShortText);
        if (row.filePath.isEmpty() || row.status.isEmpty()) {
            return std::nullopt;
        }
        // Checked is any number but 0, as the grid writes it.
        row.checkBox = static_cast<int>(Number("checked", INT_MIN, INT_MAX));
        row.duration = Text("duration", kLongestShortText);
        row.lengthSeconds = Number("length", 0, KeptQueue::kLongestLength);
        row.fileSize = Text("size", kLongestShortText);
        row.textColors[JobRow::Status] = Color("statusColor");
        if (row.textColors[JobRow::Status] == BatchDriver::kLightSuccessColor) {
            row.textColors[JobRow::Status] = BatchDriver::kSuccessColor;  // readable now
        }
        row.textColors[JobRow::Duration] = Color("durationColor");
        row.reason = Text("reason", kLongestReason);
        row.outputPath = Text("result", kLongestPath);
        row.logPath = Text("log", kLongestPath);
        row.outputTail = Text("said", kLongestSaid);
        if (const QJsonValue inBatch = kept_.value(QStringLiteral("inBatch"));
            !inBatch.isUndefined()) {
            ok_ = ok_ && inBatch.isBool();
            row.inBatch = inBatch.toBool();
        }
        if (const QJsonValue claim = kept_.value(QStringLiteral("claim")); !claim.isUndefined()) {
            row.claim = Claim(claim);
        }
        if (const QJsonValue tracks = kept_.value(QStringLiteral("tracks")); !tracks.isUndefined()) {
            row.tracks = Tracks(tracks);
        }
        if (!ok_) {
            return std::nullopt;
        }
        return row;
    }

  private:
    QString Text(const char* name, qsizetype longest) {
        const QJsonValue value = kept_.value(QLatin1String(name));
        if (value.isUndefined()) {
            return QString();
        }
        ok_ = ok_ && value.isString() && value.toString().size() <= longest;
        return ok_ ? value.toString() : QString();
    }
    double Number(const char* name, double least, double most) {
        const QJsonValue value = kept_.value(QLatin1String(name));
        if (value.isUndefined()) {
            return 0;
        }
        const double number = value.toDouble();
        ok_ = ok_ && value.isDouble() && std::isfinite(number) && number >= least && number <= most;
        return ok_ ? number : 0;
    }
    TextColor Color(const char* name) {
        const QJsonValue value = kept_.value(QLatin1String(name));
        if (value.isUndefined() || value.isNull()) {
            return std::nullopt;
        }
        return static_cast<quint32>(Number(name, 0, 0xFFFFFF));
    }
    std::optional<ClaimRecord> Claim(const QJsonValue& value) {
        const QJsonObject claim = value.toObject();
        RowReader fields(claim);
        ClaimRecord read;
        read.temporary = fields.Text("temporary", kLongestPath);
        read.name = fields.Text("name", kLongestPath);
        bool device = false;
        bool inode = false;
        read.identity.device = fields.Text("device", kLongestShortText).toULongLong(&device);
        read.identity.inode = fields.Text("inode", kLongestShortText).toULongLong(&inode);
        read.made = static_cast<qint64>(fields.Number("made", 0, 1e15));
        // Lists kept before marks have none: their claims are settled by identity alone.
        if (claim.contains(QStringLiteral("mark"))) {
            read.mark = fields.Text("mark", kLongestShortText).toLatin1();
        }
        ok_ = ok_ && value.isObject() && fields.ok_ && device && inode &&
              !read.temporary.isEmpty() && !read.name.isEmpty();
        return read;
    }

    TrackReport Tracks(const QJsonValue& value) {
        const QJsonObject tracks = value.toObject();
        RowReader fields(tracks);
        TrackReport read;
        read.kept = {static_cast<int>(fields.Number("video", 0, kMostTracks)),
                     static_cast<int>(fields.Number("audio", 0, kMostTracks)),
                     static_cast<int>(fields.Number("subtitle", 0, kMostTracks)),
                     static_cast<int>(fields.Number("cover", 0, kMostTracks)),
                     static_cast<int>(fields.Number("font", 0, kMostTracks))};
        const QJsonArray leftOut = tracks.value(QStringLiteral("leftOut")).toArray();
        const QJsonArray notes = tracks.value(QStringLiteral("notes")).toArray();
        ok_ = ok_ && value.isObject() && fields.ok_ && leftOut.size() <= kMostTracks &&
              notes.size() <= kMostTracks;
        for (const QJsonValue& item : leftOut) {
            RowReader track(item.toObject());
            read.leftOut.push_back({track.Text("kind", kLongestShortText),
                                    track.Text("language", kLongestShortText),
                                    track.Text("reason", kLongestShortText)});
            ok_ = ok_ && item.isObject() && track.ok_;
        }
        for (const QJsonValue& note : notes) {
            ok_ = ok_ && note.isString() && note.toString().size() <= kLongestReason;
            read.notes << note.toString();
        }
        return read;
    }

    const QJsonObject kept_;
    bool ok_ = true;
};

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

QString KeptQueue::LockPath() {
    return QDir(StateFolder()).filePath(QStringLiteral("list.lock"));
}

QString KeptQueue::AsidePath() {
    return Path() + QStringLiteral(".damaged");
}

namespace {

QJsonObject RowValue(const JobRow& row) {
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
    if (row.claim) {
        kept.insert(QStringLiteral("claim"), ClaimValue(*row.claim));
    }
    if (!row.tracks.IsEmpty()) {
        kept.insert(QStringLiteral("tracks"), TracksValue(row.tracks));
    }
    return kept;
}

}  // namespace

QByteArray KeptQueue::ToBytes() const {
    QJsonArray list;
    for (const JobRow& row : rows) {
        list.append(RowValue(row));
    }
    for (const std::shared_ptr<const JobRow>& row : windowRows) {
        list.append(RowValue(*row));
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
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Read(buffer, error, nullptr);
}

std::optional<KeptQueue> KeptQueue::Read(QIODevice& source, QString* error,
                                         const std::atomic<bool>* cancel) {
    // Row by row, so that a crafted list holds the memory of one row at a time.
    KeptQueue queue;
    QJsonObject whole;
    const bool scanned =
        KeptListScanner(source, cancel)
            .Scan([&whole](const QString& name,
                           const QJsonValue& value) { whole.insert(name, value); },
                  [&queue](const std::optional<QJsonObject>& kept) {
                      std::optional<JobRow> row = kept ? RowReader(*kept).Read() : std::nullopt;
                      if (!row) {
                          ++queue.setAside;  // the others are good rows all the same
                          return;
                      }
                      queue.rows.push_back(std::move(*row));
                  },
                  error);
    if (!scanned) {
        return std::nullopt;
    }
    if (whole.value(QStringLiteral("kept")).toString() != kMarker ||
        !whole.value(QStringLiteral("rows")).isArray()) {
        //: Why the kept job list cannot be read.
        *error = Message::tr("it is not a kept job list");
        return std::nullopt;
    }
    if (whole.value(QStringLiteral("version")).toInt() > kVersion) {
        //: Why the kept job list cannot be read.
        *error = Message::tr("it was written by a newer Reelwright");
        return std::nullopt;
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
    QString why;
    if (!WriteWholeFile(path, ToBytes(), &why)) {
        if (error) {
            //: Why the job list cannot be kept: %1 is its file, %2 the reason.
            *error = Message::tr("%1: %2").arg(QDir::toNativeSeparators(path), why);
        }
        return false;
    }
    return true;
}

KeptQueue::Loaded KeptQueue::Load(const std::atomic<bool>* cancel) {
    Loaded loaded;
    // Opened once, without waiting: a pipe at its name would hold the window's start for ever.
    SafeFile opened = SafeFile::OpenForReading(Path(), SafeFile::Links::Follow);
    if (!opened.IsOpen() && opened.Error() == ENOENT) {
        return loaded;
    }
    QFile file;
    QString error;
    std::optional<KeptQueue> queue;
    if (!opened.IsOpen()) {
        error = opened.Problem();
    } else if (!file.open(opened.Release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
    } else if (file.size() > kLargestFile) {
        //: Why the kept job list cannot be read.
        error = Message::tr("it is larger than any list of files");
    } else {
        queue = Read(file, &error, cancel);
    }
    file.close();
    if (cancel && cancel->load()) {
        loaded.found = Found::Abandoned;  // nothing is set aside for a read never finished
        return loaded;
    }
    if (queue) {
        if (queue->setAside > 0) {
            // The rows left out stay readable in a copy; the list itself goes on without them.
            QFile::remove(AsidePath());
            QFile::copy(Path(), AsidePath());
        }
        loaded.found = Found::List;
        loaded.queue = std::move(*queue);
        return loaded;
    }
    // Kept as it was for whoever wants to look; the program goes on with an empty list.
    const QString aside = AsidePath();
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
            if (++revived.gone <= kMostGoneNamed) {
                revived.goneFiles << row.filePath;
            }
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

int KeptQueue::SettleClaims(std::vector<JobRow>& rows) {
    int complete = 0;
    for (JobRow& row : rows) {
        if (!row.claim) {
            continue;
        }
        const ClaimRecord claim = *std::exchange(row.claim, std::nullopt);
        if (QFileInfo::exists(claim.temporary) || !claim.identity.IsKnown()) {
            continue;  // never renamed: the conversion did not end
        }
        // The rename keeps the file's identity; the name may be a later one, when the one
        // claimed was taken meanwhile.
        const QFileInfo named(claim.name);
        const qsizetype dot = named.fileName().lastIndexOf(u'.');
        const QString type = dot > 0 ? named.fileName().mid(dot + 1) : QString();
        QStringList names{claim.name};
        names << OutputCandidates(row.filePath, type, {false, named.path()}, kCandidatesLookedAt);
        for (const QString& name : names) {
            struct stat info {};
            if (::lstat(QFile::encodeName(name).constData(), &info) != 0 ||
                !S_ISREG(info.st_mode) ||
                FileIdentity{static_cast<quint64>(info.st_dev),
                             static_cast<quint64>(info.st_ino)} != claim.identity ||
                static_cast<qint64>(info.st_mtime) * 1000 + 2000 < claim.made) {
                continue;
            }
            // A freed inode is handed out again at once: the file must carry the mark its
            // hidden file was given.
            if (!claim.mark.isEmpty() && ResultMark::Read(name) != claim.mark) {
                continue;
            }
            row.status = kComplete;
            row.outputPath = name;
            row.reason.clear();
            row.textColors[JobRow::Status] = BatchDriver::kSuccessColor;
            ++complete;
            break;
        }
    }
    return complete;
}

}  // namespace reelwright
