#include "conversion/ResultSource.h"

#include "platform/SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace reelwright {
namespace {

constexpr char kAttribute[] = "user.reelwright.source";
constexpr int kProofChars = 32;
constexpr char kRecordPrefix[] = ".reelwright-source-";
constexpr char kRecordHeader[] = "reelwright-source 1";
constexpr qint64 kLongestRecord = 4096;

qint64 ModifiedNs(const struct stat& info) {
    return static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

QByteArray Digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(kProofChars);
}

QByteArray FileNameOf(const QByteArray& native) {
    return native.mid(native.lastIndexOf('/') + 1);
}

// A record's lines; none when it is not a regular file that can be read.
QList<QByteArray> RecordLines(const QByteArray& record) {
    const SafeFile file = SafeFile::OpenForReading(record);
    if (!file.IsOpen()) {
        return {};
    }
    QByteArray text(kLongestRecord, '\0');
    const ssize_t length = ::read(file.Descriptor(), text.data(), text.size());
    return text.left(std::max<ssize_t>(length, 0)).split('\n');
}

// What a record says of the result it names, when the result is still as it was written.
std::optional<QByteArray> ProofFromRecord(const QByteArray& result) {
    const QList<QByteArray> lines = RecordLines(
        QFile::encodeName(ResultSource::RecordPathFor(QFile::decodeName(result))));
    struct stat info {};
    if (lines.size() < 5 || lines[0] != kRecordHeader || lines[1].size() != kProofChars ||
        QByteArray::fromHex(lines[4]) != FileNameOf(result) || ::lstat(result.constData(), &info) != 0 ||
        !S_ISREG(info.st_mode) || lines[2].toLongLong() != info.st_size ||
        lines[3].toLongLong() != ModifiedNs(info)) {
        return std::nullopt;
    }
    return lines[1];
}

}  // namespace

QByteArray ResultSource::ProofOf(const QString& source) {
    const QByteArray native = QFile::encodeName(source);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return QByteArray();
    }
    return Digest(FileNameOf(native) + '\0' + QByteArray::number(qint64{info.st_size}) + '\0' +
                  QByteArray::number(ModifiedNs(info)));
}

bool ResultSource::Write(int fd, const QByteArray& proof) {
    return fd >= 0 && !proof.isEmpty() &&
           ::fsetxattr(fd, kAttribute, proof.constData(), proof.size(), 0) == 0;
}

bool ResultSource::WriteRecord(const QString& result, const QByteArray& proof) {
    const QByteArray native = QFile::encodeName(result);
    struct stat info {};
    if (proof.isEmpty() || ::lstat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const QByteArray record = QFile::encodeName(RecordPathFor(result));
    // Made anew, never written through whatever another user left at the name.
    ::unlink(record.constData());
    SafeFile file = SafeFile::CreateExclusive(record, 0644);
    const QByteArray text = QByteArray(kRecordHeader) + '\n' + proof + '\n' +
                            QByteArray::number(qint64{info.st_size}) + '\n' +
                            QByteArray::number(ModifiedNs(info)) + '\n' + FileNameOf(native).toHex() + '\n';
    return file.IsOpen() && ::write(file.Descriptor(), text.constData(), text.size()) == text.size();
}

std::optional<QByteArray> ResultSource::Read(const QString& path) {
    return Read(QFile::encodeName(path));
}

std::optional<QByteArray> ResultSource::Read(const QByteArray& native) {
    SafeFile file = SafeFile::OpenForReading(native);
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    char value[kProofChars + 1] = {};
    const ssize_t length = ::fgetxattr(file.Descriptor(), kAttribute, value, sizeof value);
    if (length == kProofChars) {
        return QByteArray(value, kProofChars);
    }
    return ProofFromRecord(native);
}

bool ResultSource::MadeFrom(const QString& result, const QString& source) {
    const QByteArray proof = ProofOf(source);
    const std::optional<QByteArray> carried = Read(result);
    return !proof.isEmpty() && carried == proof;
}

QString ResultSource::FindMadeFrom(const QString& source, const QStringList& candidates) {
    const QByteArray proof = ProofOf(source);
    for (const QString& candidate : candidates) {
        struct stat info {};
        if (proof.isEmpty() || ::lstat(QFile::encodeName(candidate).constData(), &info) != 0) {
            break;
        }
        if (Read(candidate) == proof) {
            return candidate;
        }
    }
    return QString();
}

QString ResultSource::RecordPathFor(const QString& result) {
    const qsizetype cut = result.lastIndexOf(u'/');
    return result.left(cut + 1) + QLatin1String(kRecordPrefix) +
           QString::fromLatin1(Digest(QFile::encodeName(result.mid(cut + 1))));
}

int ResultSource::RemoveStaleRecords(const QString& folder) {
    static const QRegularExpression kRecord(QStringLiteral("^\\.reelwright-source-[0-9a-f]{32}$"));
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QLatin1String(kRecordPrefix) + u'*'},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(name);
        if (!kRecord.match(name).hasMatch() || !SafeFile::IsRegularFile(path)) {
            continue;
        }
        const QList<QByteArray> lines = RecordLines(QFile::encodeName(path));
        if (lines.isEmpty()) {
            continue;  // not one this run may read
        }
        const QString result =
            lines.size() >= 5 ? dir.filePath(QFile::decodeName(QByteArray::fromHex(lines[4]))) : QString();
        // A record whose result is gone, or is another file now, says nothing true.
        if ((result.isEmpty() || RecordPathFor(result) != path ||
             !ProofFromRecord(QFile::encodeName(result))) &&
            QFile::remove(path)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace reelwright
