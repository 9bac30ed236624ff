#include "common/TestFiles.h"

#include <QFile>
#include <QProcess>

#include <utility>

#include <fcntl.h>
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

}  // namespace reelwright::test
