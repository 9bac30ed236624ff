#include "cli/StandIns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

constexpr int kLastNumber = 10000;  // as the results of other names are numbered
constexpr int kMaxNameBytes = 255;

// What follows the last slash.
QByteArray LastPart(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray Parent(const QByteArray& path) {
    const qsizetype cut = path.lastIndexOf('/');
    return cut <= 0 ? QByteArray("/") : path.left(cut);
}

// The k-th name a result may take, as the other names' results are named: the plain one, then
// "_Converted", then "_Converted_0" up to "_Converted_10000"; the stem cut to fit.
std::optional<QByteArray> Candidate(const QByteArray& stem, const QByteArray& type, int k) {
    static const QByteArray kSuffix("_Converted");
    const bool converted = stem.endsWith(kSuffix);
    QByteArray suffix;
    if (k == 1 && !converted) {
        suffix = kSuffix;
    } else if (k > 0) {
        const int n = k - (converted ? 1 : 2);
        if (n > kLastNumber) {
            return std::nullopt;
        }
        suffix = (converted ? QByteArray() : kSuffix) + '_' + QByteArray::number(n);
    }
    suffix += '.' + type;
    return stem.left(kMaxNameBytes - suffix.size()) + suffix;
}

// Renames without replacing anything: 0, or the error.
int RenameNoReplace(const QByteArray& from, const QByteArray& to) {
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without the no-replace rename: a hard link never replaces either.
    if (::link(from.constData(), to.constData()) != 0) {
        return errno;
    }
    ::unlink(from.constData());
    return 0;
}

}  // namespace

StandIns::StandIns() = default;
StandIns::~StandIns() = default;

bool StandIns::IsUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

QString StandIns::Escaped(const QByteArray& name) {
    QString escaped;
    for (qsizetype at = 0; at < name.size();) {
        // The shortest run from here that is a whole character, if any is.
        qsizetype length = 1;
        while (length <= 4 && !IsUtf8(name.mid(at, length))) {
            ++length;
        }
        if (length <= 4 && at + length <= name.size()) {
            escaped += QString::fromUtf8(name.mid(at, length));
            at += length;
        } else {
            escaped += u'%' + QString::number(static_cast<uchar>(name[at]), 16).toUpper();
            ++at;
        }
    }
    return escaped;
}

QString StandIns::File(const QByteArray& native) {
    if (IsUtf8(native)) {
        return QFile::decodeName(native);
    }
    // Results named beside the file are named beside its folder's stand-in.
    if (Folder(Parent(native)).isEmpty()) {
        return QString();
    }
    return Link(native, LastPart(native));
}

QString StandIns::Folder(const QByteArray& native) {
    return IsUtf8(native) ? QFile::decodeName(native) : Link(native, LastPart(native));
}

QString StandIns::Link(const QByteArray& native, const QByteArray& name) {
    if (const auto found = links_.constFind(native); found != links_.cend()) {
        return *found;
    }
    if (!folder_) {
        folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/reelwright-cli-XXXXXX"));
    }
    // Each in a folder of its own: two files of one name in two folders are two links.
    const QString own = folder_->filePath(QString::number(++made_));
    const QString link = own + u'/' + Escaped(name.isEmpty() ? QByteArray("root") : name);
    if (!folder_->isValid() || !QDir().mkdir(own) ||
        ::symlink(native.constData(), QFile::encodeName(link).constData()) != 0) {
        return QString();
    }
    links_.insert(native, link);
    targets_.insert(link, native);
    return link;
}

QByteArray StandIns::Native(const QString& path) const {
    const QString root = folder_ ? folder_->path() + u'/' : QString();
    if (root.isEmpty() || !path.startsWith(root)) {
        return QFile::encodeName(path);
    }
    // "<root><n>/<name>" is a link; what follows it is under what it stands for.
    const qsizetype own = path.indexOf(u'/', root.size());
    const qsizetype end = own < 0 ? -1 : path.indexOf(u'/', own + 1);
    const QString link = end < 0 ? path : path.left(end);
    const auto target = targets_.constFind(link);
    if (target == targets_.cend()) {
        return QFile::encodeName(path);
    }
    return *target + (end < 0 ? QByteArray() : QFile::encodeName(path.mid(end)));
}

QString StandIns::Shown(const QString& path) const {
    return QFile::decodeName(Native(path));
}

QString StandIns::NamingInput(const QString& input) const {
    const auto target = targets_.constFind(input);
    if (target == targets_.cend()) {
        return input;
    }
    const QByteArray folder = Parent(*target);
    const QString beside = IsUtf8(folder) ? QFile::decodeName(folder) : links_.value(folder);
    return beside + u'/' + Escaped(LastPart(*target));
}

QByteArray StandIns::ForeignName(const QString& input) const {
    const QByteArray name = LastPart(targets_.value(input));
    return IsUtf8(name) ? QByteArray() : name;
}

QByteArray StandIns::ResultName(const QString& input, const QString& result, bool free,
                                const QSet<QByteArray>& promised) const {
    const QByteArray name = ForeignName(input);
    const QByteArray written = Native(result);
    if (name.isEmpty() || result.isEmpty()) {
        return written;
    }
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray stem = dot <= 0 ? name : name.left(dot);
    const QByteArray type = QFile::encodeName(result.mid(result.lastIndexOf(u'.') + 1));
    for (int k = 0;; ++k) {
        const std::optional<QByteArray> candidate = Candidate(stem, type, k);
        if (!candidate) {
            return written;  // every name taken: it keeps the one it was written under
        }
        const QByteArray path = Parent(written) + '/' + *candidate;
        struct stat info {};
        if (path != targets_.value(input) &&
            (!free || (::lstat(path.constData(), &info) != 0 && !promised.contains(path)))) {
            return path;
        }
    }
}

QByteArray StandIns::TakeOwnName(const QString& input, const QString& result,
                                 QString* error) const {
    const QByteArray name = ForeignName(input);
    const QByteArray written = Native(result);
    if (name.isEmpty()) {
        return written;
    }
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray stem = dot <= 0 ? name : name.left(dot);
    const QByteArray type = QFile::encodeName(result.mid(result.lastIndexOf(u'.') + 1));
    int problem = EEXIST;
    for (int k = 0; problem == EEXIST; ++k) {
        const std::optional<QByteArray> candidate = Candidate(stem, type, k);
        if (!candidate) {
            break;
        }
        const QByteArray path = Parent(written) + '/' + *candidate;
        if (path == written) {
            return written;
        }
        problem = path == targets_.value(input) ? EEXIST : RenameNoReplace(written, path);
        if (problem == 0) {
            return path;
        }
    }
    *error = QString::fromLocal8Bit(std::strerror(problem));
    return QByteArray();
}

}  // namespace reelwright
