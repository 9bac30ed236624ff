#include "batch/OutputNaming.h"

#include "platform/Notifier.h"
#include "platform/Yield.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

constexpr int kLastNumber = 10000;
const QString kSuffix = QStringLiteral("_Converted");

QString ParentFolder(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QDir::separator());
    if (cut < 0) {
        return QString();
    }
    return cut == 0 ? path.left(1) : path.left(cut);
}

// The last component without its extension. A leading dot marks a hidden file, not an
// extension: ".clip.mkv" gives ".clip", ".clip" stays ".clip".
QString BaseName(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QDir::separator()) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot <= 0 ? name : name.left(dot);
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString OutputPathResult::Reason() const {
    switch (problem) {
        case Problem::None:
            return QString();
        case Problem::FolderUnavailable:
            return QStringLiteral("The output folder %1 does not exist and cannot be made: %2.")
                .arg(QDir::toNativeSeparators(folder), why);
        case Problem::NoFreeName:
            return QStringLiteral("Every name for the converted file is taken in %1.")
                .arg(QDir::toNativeSeparators(folder));
    }
    return QString();
}

QString OutputFolderMessage() {
    return QStringLiteral("Output Folder is not exist and can not be created.");
}

namespace {

// The names of results being written by this program now: one naming authority for all.
QMultiHash<QString, int>& Reserved() {
    static QMultiHash<QString, int> names;
    return names;
}

}  // namespace

NameReservation::NameReservation(QString path) : path_(std::move(path)) {
    if (!path_.isEmpty()) {
        Reserved().insert(path_, 0);
    }
}

NameReservation::~NameReservation() {
    if (!path_.isEmpty()) {
        Reserved().remove(path_, 0);  // one of them, should the same name be held twice
    }
}

bool IsTakenName(const QString& path) {
    if (Reserved().contains(path)) {
        return true;
    }
    struct stat entry {};
    return ::lstat(Native(path).constData(), &entry) == 0 || errno != ENOENT;
}

QString FitName(const QString& stem, const QString& suffix) {
    const qsizetype room = kMaxNameBytes - Native(suffix).size();
    QString cut = stem;
    while (!cut.isEmpty() && Native(cut).size() > room) {
        cut.chop(1);
        if (!cut.isEmpty() && cut.back().isHighSurrogate()) {
            cut.chop(1);  // never half a character
        }
    }
    return cut + suffix;
}

OutputPathResult ChooseOutputPath(const QString& input, const QString& type,
                                  const OutputFolderChoice& choice) {
    const QString folder = choice.sameFolder ? ParentFolder(input) : choice.otherFolder;
    const auto unavailable = [&folder](const QString& why) {
        return OutputPathResult{QString(), OutputPathResult::Problem::FolderUnavailable, folder,
                                why};
    };
    // A relative or empty folder would land wherever the program happens to run.
    if (folder.isEmpty()) {
        return unavailable(QStringLiteral("no folder is given"));
    }
    if (!QDir::isAbsolutePath(folder)) {
        return unavailable(QStringLiteral("it is not a full path"));
    }
    if (!QFileInfo(folder).isDir()) {
        const QFileInfo entry(folder);
        if (entry.exists()) {
            return unavailable(QStringLiteral("a file of that name is in the way"));
        }
        if (::mkdir(Native(folder).constData(), 0777) != 0 && errno != EEXIST) {
            const int error = errno;
            return unavailable(error == ENOENT ? QStringLiteral("its parent folder does not exist "
                                                                "(only one missing level is made)")
                                               : ErrnoText(error).toLower());
        }
        if (!QFileInfo(folder).isDir()) {
            return unavailable(QStringLiteral("it could not be made"));
        }
    }
    const QString stem = BaseName(input);
    const QString prefix = folder.endsWith(QDir::separator()) ? folder : folder + QDir::separator();
    const QString extension = u'.' + type;
    QString candidate = prefix + FitName(stem, extension);
    if (!IsTakenName(candidate)) {
        return {candidate, OutputPathResult::Problem::None, folder, QString()};
    }
    QString suffix;
    if (!stem.endsWith(kSuffix)) {
        suffix = kSuffix;
        candidate = prefix + FitName(stem, suffix + extension);
        if (!IsTakenName(candidate)) {
            return {candidate, OutputPathResult::Problem::None, folder, QString()};
        }
    }
    for (int n = 0; n <= kLastNumber; ++n) {
        candidate = prefix + FitName(stem, suffix + u'_' + QString::number(n) + extension);
        if (!IsTakenName(candidate)) {
            Yield::Run();
            Yield::Run();
            return {candidate, OutputPathResult::Problem::None, folder, QString()};
        }
    }
    return {QString(), OutputPathResult::Problem::NoFreeName, folder, QString()};
}

QString PlainOutputPath(const QString& input, const QString& type,
                        const OutputFolderChoice& choice) {
    const QString folder = choice.sameFolder ? ParentFolder(input) : choice.otherFolder;
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        return QString();
    }
    const QString prefix = folder.endsWith(QDir::separator()) ? folder : folder + QDir::separator();
    const QString stem = BaseName(input);
    const QString extension = u'.' + type;
    const QString plain = prefix + FitName(stem, extension);
    const QFileInfo result(plain);
    const QFileInfo source(input);
    const bool isInput = result.exists() && source.exists() &&
                         result.canonicalFilePath() == source.canonicalFilePath();
    if (!isInput) {
        return plain;
    }
    return prefix +
           FitName(stem, (stem.endsWith(kSuffix) ? QStringLiteral("_0") : kSuffix) + extension);
}

QString GetOutputPath(const QString& input, const QString& type, const OutputFolderChoice& choice) {
    const OutputPathResult result = ChooseOutputPath(input, type, choice);
    if (result.problem == OutputPathResult::Problem::FolderUnavailable) {
        Notifier::Current().Show(OutputFolderMessage(), MessageIcon::Error);
    }
    return result.path;
}

QString CreateTemporaryOutput(const QString& finalPath, QString* error, int* lock) {
    const QString folder = ParentFolder(finalPath);
    const QString name = finalPath.mid(finalPath.lastIndexOf(QDir::separator()) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot <= 0 ? QString() : name.mid(dot);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    int lastError = EEXIST;
    for (int attempt = 0; attempt < 100 && lastError == EEXIST; ++attempt) {
        QString tag;
        for (int i = 0; i < 8; ++i) {
            tag += QChar::fromLatin1(kLetters[QRandomGenerator::global()->bounded(36)]);
        }
        const QString path =
            folder + QDir::separator() + FitName(QStringLiteral(".reelwright-") + tag, extension);
        // Made here, exclusively, so no other program can be given the same name.
        const int fd =
            ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (lock && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                *lock = fd;
            } else {
                ::close(fd);
            }
            return path;
        }
        lastError = errno;
    }
    if (error) {
        *error =
            QStringLiteral("No file can be written in %1: %2").arg(folder, ErrnoText(lastError));
    }
    return QString();
}

int RemoveAbandonedTemporaries(const QString& folder) {
    static const QRegularExpression kTemporary(
        QStringLiteral("^\\.reelwright-[a-z0-9]{8}(\\..*)?$"));
    int removed = 0;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral(".reelwright-*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (!kTemporary.match(name).hasMatch()) {
            continue;
        }
        const QByteArray path = Native(QDir(folder).filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            continue;
        }
        // Held by a running copy: its conversion goes on.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.constData()) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    return removed;
}

QString ClaimOutput(const QString& temporary, const QString& wanted,
                    const std::function<QString()>& nextName, QString* error) {
    const QByteArray from = Native(temporary);
    QString candidate = wanted;
    int lastError = 0;
    for (int attempt = 0; attempt < 100 && !candidate.isEmpty(); ++attempt) {
        const QByteArray to = Native(candidate);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) ==
            0) {
            return candidate;
        }
        lastError = errno;
        if (lastError == EINVAL || lastError == ENOSYS) {
            // A file system without the no-replace rename: a hard link never replaces either.
            if (::link(from.constData(), to.constData()) == 0) {
                ::unlink(from.constData());
                return candidate;
            }
            lastError = errno;
            if (lastError == EPERM || lastError == ENOTSUP || lastError == EOPNOTSUPP) {
                // Nor links (FAT, say): the best left is to look just before the rename.
                if (!IsTakenName(candidate)) {
                    if (::rename(from.constData(), to.constData()) == 0) {
                        return candidate;
                    }
                    lastError = errno;
                    break;
                }
                lastError = EEXIST;
            }
        }
        if (lastError != EEXIST) {
            break;
        }
        candidate = nextName ? nextName() : QString();
    }
    if (error) {
        *error = QStringLiteral("The converted file could not be named %1: %2.")
                     .arg(QDir::toNativeSeparators(candidate.isEmpty() ? wanted : candidate),
                          ErrnoText(lastError));
    }
    return QString();
}

}  // namespace reelwright
