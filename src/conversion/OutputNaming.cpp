#include "conversion/OutputNaming.h"

#include "conversion/PassLogs.h"
#include "platform/FileLock.h"
#include "platform/Notifier.h"
#include "platform/SafeFile.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::OutputNaming)
};

constexpr int kLastNumber = 10000;
const QString kSuffix = QStringLiteral("_Converted");

QString ParentFolder(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QDir::separator());
    if (cut < 0) {
        return QString();
    }
    return cut == 0 ? path.left(1) : path.left(cut);
}

// The folder as the start of a path in it.
QString WithSeparator(const QString& folder) {
    return folder.endsWith(QDir::separator()) ? folder : folder + QDir::separator();
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

// The k-th name a result may take: the plain one, then "_Converted", then "_Converted_0" up to
// "_Converted_10000" (a name already ending in "_Converted" goes straight to the numbers).
std::optional<QString> CandidateName(const QString& stem, const QString& type, int k) {
    const QString extension = u'.' + type;
    if (k == 0) {
        return FitName(stem, extension);
    }
    const bool converted = stem.endsWith(kSuffix);
    if (!converted && k == 1) {
        return FitName(stem, kSuffix + extension);
    }
    const int n = k - (converted ? 1 : 2);
    if (n > kLastNumber) {
        return std::nullopt;
    }
    return FitName(stem, (converted ? QString() : kSuffix) + u'_' + QString::number(n) + extension);
}

// Renames without replacing anything; false when it could not be done.
bool RenameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = Native(from);
    const QByteArray target = Native(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0) {
        return true;
    }
    // A file system without the no-replace rename: a hard link never replaces either.
    if ((errno == EINVAL || errno == ENOSYS) &&
        ::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return true;
    }
    return false;
}

}  // namespace

QString OutputPathResult::Reason() const {
    switch (problem) {
        case Problem::None:
            return QString();
        case Problem::FolderUnavailable:
            //: %1 is a folder, %2 why it cannot be made.
            return Text::tr("The output folder %1 does not exist and cannot be made: %2.")
                .arg(QDir::toNativeSeparators(folder), why);
        case Problem::NoFreeName:
            //: %1 is a folder.
            return Text::tr("Every name for the converted file is taken in %1.")
                .arg(QDir::toNativeSeparators(folder));
    }
    return QString();
}

QString OutputFolderMessage() {
    return Text::tr("Output Folder is not exist and can not be created.");
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

namespace {

QString ParentMissing() {
    //: Why the output folder cannot be had.
    return Text::tr("its parent folder does not exist (only one missing level is made)");
}

// With `make`, a missing folder is made (one level) and a numbered name gives the window its
// turns; without, nothing is made and the name is the one a run would be given now.
OutputPathResult Choose(const QString& input, const QString& type, const OutputFolderChoice& choice,
                        bool make) {
    const QString folder = choice.sameFolder ? ParentFolder(input) : choice.otherFolder;
    const auto unavailable = [&folder](const QString& why) {
        return OutputPathResult{QString(), OutputPathResult::Problem::FolderUnavailable, folder,
                                why};
    };
    // A relative or empty folder would land wherever the program happens to run.
    if (folder.isEmpty()) {
        //: Why the output folder cannot be had.
        return unavailable(Text::tr("no folder is given"));
    }
    if (!QDir::isAbsolutePath(folder)) {
        //: Why the output folder cannot be had.
        return unavailable(Text::tr("it is not a full path"));
    }
    if (!QFileInfo(folder).isDir()) {
        const QFileInfo entry(folder);
        if (entry.exists()) {
            //: Why the output folder cannot be had.
            return unavailable(Text::tr("a file of that name is in the way"));
        }
        if (!make) {
            const QString parent = ParentFolder(folder);
            if (!parent.isEmpty() && !QFileInfo(parent).isDir()) {
                return unavailable(ParentMissing());
            }
        } else if (::mkdir(Native(folder).constData(), 0777) != 0 && errno != EEXIST) {
            const int error = errno;
            return unavailable(error == ENOENT ? ParentMissing() : ErrnoText(error).toLower());
        }
        if (make && !QFileInfo(folder).isDir()) {
            //: Why the output folder cannot be had.
            return unavailable(Text::tr("it could not be made"));
        }
    }
    const QString prefix = WithSeparator(folder);
    const QString stem = BaseName(input);
    const int firstNumbered = stem.endsWith(kSuffix) ? 1 : 2;
    for (int k = 0;; ++k) {
        const std::optional<QString> name = CandidateName(stem, type, k);
        if (!name) {
            return {QString(), OutputPathResult::Problem::NoFreeName, folder, QString()};
        }
        if (!IsTakenName(prefix + *name)) {
            if (make && k >= firstNumbered) {
                Yield::Run();  // a numbered name is given after two turns of the window
                Yield::Run();
            }
            return {prefix + *name, OutputPathResult::Problem::None, folder, QString()};
        }
    }
}

}  // namespace

OutputPathResult ChooseOutputPath(const QString& input, const QString& type,
                                  const OutputFolderChoice& choice) {
    return Choose(input, type, choice, true);
}

OutputPathResult PreviewOutputPath(const QString& input, const QString& type,
                                   const OutputFolderChoice& choice) {
    return Choose(input, type, choice, false);
}

QStringList OutputCandidates(const QString& input, const QString& type,
                             const OutputFolderChoice& choice, int count) {
    const QString folder = choice.sameFolder ? ParentFolder(input) : choice.otherFolder;
    QStringList candidates;
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        return candidates;
    }
    const QString prefix = WithSeparator(folder);
    for (int k = 0; k < count; ++k) {
        if (const std::optional<QString> name = CandidateName(BaseName(input), type, k)) {
            candidates << prefix + *name;
        }
    }
    return candidates;
}

QString PlainOutputPath(const QString& input, const QString& type,
                        const OutputFolderChoice& choice) {
    const QStringList candidates = OutputCandidates(input, type, choice, 2);
    if (candidates.isEmpty()) {
        return QString();
    }
    const QFileInfo result(candidates[0]);
    const QFileInfo source(input);
    const bool isInput = result.exists() && source.exists() &&
                         result.canonicalFilePath() == source.canonicalFilePath();
    return isInput ? candidates[1] : candidates[0];
}

QString GetOutputPath(const QString& input, const QString& type, const OutputFolderChoice& choice) {
    const OutputPathResult result = ChooseOutputPath(input, type, choice);
    if (result.problem == OutputPathResult::Problem::FolderUnavailable) {
        Notifier::Current().Show(OutputFolderMessage(), MessageIcon::Error);
    }
    return result.path;
}

QString CreateTemporaryOutput(const QString& finalPath, QString* error, int* lock,
                              QString* noLock, int* unlocked) {
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
        SafeFile made = SafeFile::CreateExclusive(Native(path), 0666);
        const int fd = made.Release();
        if (fd >= 0) {
            int why = 0;
            const FileLock::Result locked =
                lock ? FileLock::TryExclusive(fd, &why) : FileLock::Result::HeldElsewhere;
            if (locked == FileLock::Result::Held) {
                *lock = fd;
                return path;
            }
            if (locked != FileLock::Result::Unknown || !unlocked) {
                ::close(fd);
            } else {
                *unlocked = fd;
            }
            if (locked != FileLock::Result::Unknown) {
                return path;
            }
            // Without a lock nobody could tell it from a dead copy's leftover: a name that no
            // tidying takes.
            const QString unlocked = folder + QDir::separator() +
                                     FitName(QString::fromLatin1(kNoLockPrefix) + tag, extension);
            if (noLock) {
                *noLock = ErrnoText(why);
            }
            return RenameNoReplace(path, unlocked) ? unlocked : path;
        }
        lastError = made.Error();
    }
    if (error) {
        //: %1 is a folder, %2 the system's reason.
        *error = Text::tr("No file can be written in %1: %2").arg(folder, ErrnoText(lastError));
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
        // Over NFS an exclusive lock takes a descriptor that writes. Only a regular file is
        // a temporary of ours: a pipe swapped in meanwhile is neither waited on nor removed.
        SafeFile file = SafeFile::OpenForLocking(path, false);
        if (!file.IsOpen() && !file.NotRegular()) {
            file = SafeFile::OpenForReading(path);
        }
        if (!file.IsOpen()) {
            continue;
        }
        // Held by a running copy: its conversion goes on. Nor is a file whose lock cannot be
        // known removed: it may be a running copy's all the same.
        if (FileLock::TryExclusive(file.Descriptor()) == FileLock::Result::Held &&
            ::unlink(path.constData()) == 0) {
            ++removed;
        }
    }
    // The first passes' logs of those files go with them.
    return removed + RemoveAbandonedPassLogs(folder);
}

QString TakenAway(const QString& temporary) {
    //: %1 is a hidden file's path.
    return Text::tr("The converted file was taken away from %1 by another program while it was "
                    "written, so it was not kept.")
        .arg(QDir::toNativeSeparators(temporary));
}

bool NamesFile(const QString& path, int fd) {
    struct stat held {};
    struct stat named {};
    return fd >= 0 && ::fstat(fd, &held) == 0 && ::lstat(Native(path).constData(), &named) == 0 &&
           S_ISREG(named.st_mode) && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

QString ClaimOutput(const QString& temporary, const QString& wanted,
                    const std::function<QString()>& nextName, QString* error, int written) {
    const QByteArray from = Native(temporary);
    QString candidate = wanted;
    int lastError = 0;
    for (int attempt = 0; attempt < 100 && !candidate.isEmpty(); ++attempt) {
        const QByteArray to = Native(candidate);
        if (written >= 0 && !NamesFile(temporary, written)) {
            if (error) {
                *error = TakenAway(temporary);
            }
            return QString();
        }
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) ==
            0) {
            if (written >= 0 && !NamesFile(candidate, written)) {
                // Swapped between the look and the rename: what was renamed is not ours.
                ::unlink(to.constData());
                if (error) {
                    *error = TakenAway(temporary);
                }
                return QString();
            }
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
        //: %1 is a path, %2 the system's reason.
        *error = Text::tr("The converted file could not be named %1: %2.")
                     .arg(QDir::toNativeSeparators(candidate.isEmpty() ? wanted : candidate),
                          ErrnoText(lastError));
    }
    return QString();
}

}  // namespace reelwright
