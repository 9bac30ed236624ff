#include "common/TestFiles.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright::test {
namespace {

QStringList CatalogueLines(const QString& root, const QList<QStringList>& entries,
                           const QString& closing) {
    QStringList lines{"<?xml version=\"1.0\"?>", root};
    for (const QStringList& entry : entries) {
        lines += entry;
    }
    lines << closing;
    return lines;
}

}  // namespace

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
    return path;
}

NativeNamedFile::NativeNamedFile(QByteArray path) : path_(std::move(path)) {
    const int fd = ::open(path_.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    created_ = fd >= 0;
    if (created_) {
        ::close(fd);
    }
}

NativeNamedFile::~NativeNamedFile() {
    if (created_) {
        ::unlink(path_.constData());
    }
}

DeepFile::DeepFile(const QString& folder, int bytes) : folder_(folder) {
    const QString name = QStringLiteral("clip.avi");
    qsizetype length = QFile::encodeName(folder).size() + 1 + name.size();
    // Folders of up to 200 letters each, the last one as long as the rest needs.
    while (length < bytes) {
        const qsizetype step = std::min<qsizetype>(200, bytes - length - 1);
        if (step < 1) {
            break;
        }
        steps_ << QString(step, QChar(static_cast<char16_t>(u'a' + steps_.size() % 26)));
        length += step + 1;
    }
    steps_ << name;
    path_ = folder + u'/' + steps_.join(u'/');
    int at = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (qsizetype i = 0; at >= 0 && i + 1 < steps_.size(); ++i) {
        const QByteArray step = QFile::encodeName(steps_[i]);
        ::mkdirat(at, step.constData(), 0700);
        const int next = ::openat(at, step.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(at);
        at = next;
    }
    if (at >= 0) {
        const int fd =
            ::openat(at, QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        created_ = fd >= 0 && ::write(fd, "data", 4) == 4;
        if (fd >= 0) {
            ::close(fd);
        }
        ::close(at);
    }
    created_ = created_ && QFile::encodeName(path_).size() == bytes;
}

DeepFile::~DeepFile() {
    // From the bottom up, each through its parent: no path of it fits one call.
    for (qsizetype depth = steps_.size(); depth > 0; --depth) {
        int at = ::open(QFile::encodeName(folder_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (qsizetype i = 0; at >= 0 && i + 1 < depth; ++i) {
            const int next = ::openat(at, QFile::encodeName(steps_[i]).constData(),
                                      O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            ::close(at);
            at = next;
        }
        if (at >= 0) {
            ::unlinkat(at, QFile::encodeName(steps_[depth - 1]).constData(),
                       depth == steps_.size() ? 0 : AT_REMOVEDIR);
            ::close(at);
        }
    }
}

SmallDisk::SmallDisk(int kib) {
    if (::geteuid() != 0) {
        why_ = QStringLiteral("mounting a small file system needs root");
        return;
    }
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=%1k").arg(kib), QStringLiteral("tmpfs"), dir_.path()});
    mounted_ = mount.waitForFinished(30000) && mount.exitStatus() == QProcess::NormalExit &&
               mount.exitCode() == 0;
    if (!mounted_) {
        why_ = QStringLiteral("this machine does not let the tests mount a tmpfs: ") +
               QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), dir_.path()});
    }
}

void SmallDisk::Fill() const {
    QFile filler(dir_.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return;
    }
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    // Whatever is smaller than a block goes too.
    while (filler.write("f", 1) == 1) {
    }
}

QString CrLf(const QStringList& lines) {
    return lines.join("\r\n") + "\r\n";
}

QStringList PresetLines(const QString& label, const QString& params, const QString& extension,
                        const QString& category) {
    return {"<preset>",
            "\t<label>" + label + "</label>",
            "\t<params>" + params + "</params>",
            "\t<extension>" + extension + "</extension>",
            "\t<category>" + category + "</category>",
            "</preset>"};
}

QStringList CodecLines(const QString& name, const QString& description, const QString& type) {
    return {"<codec>", "\t<name>" + name + "</name>",
            "\t<description>" + description + "</description>", "\t<type>" + type + "</type>",
            "</codec>"};
}

QStringList PresetCatalogueLines(const QList<QStringList>& entries) {
    return CatalogueLines("<presets>", entries, "</presets>");
}

QString CodecCatalogueText(const QList<QStringList>& entries, const QString& root) {
    return CrLf(CatalogueLines(root, entries, "</codecs>"));
}

bool MakeFolder(const QString& path, unsigned mode) {
    const QByteArray native = QFile::encodeName(path);
    return ::mkdir(native.constData(), 0700) == 0 && ::chmod(native.constData(), mode) == 0;
}

bool GiveAway(const QString& path) {
    return ::lchown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0;
}

}  // namespace reelwright::test
