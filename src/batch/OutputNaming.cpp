#include "batch/OutputNaming.h"

#include "platform/Notifier.h"
#include "platform/Yield.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace reelwright {
namespace {

constexpr int kLastNumber = 10000;

QString ParentFolder(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QDir::separator());
    if (cut < 0) {
        return QString();
    }
    return cut == 0 ? path.left(1) : path.left(cut);
}

QString BaseName(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QDir::separator()) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

}  // namespace

QString DefaultOutputFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Converted Files");
#else
    QString base = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        base = QDir::homePath();
    }
    return QDir::toNativeSeparators(QDir(base).filePath(QStringLiteral("Converted Files")));
#endif
}

bool IsTakenName(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() || (info.exists() && !info.isDir());
}

QString GetOutputPath(const QString& input, const QString& type, const OutputFolderChoice& choice) {
    QString folder = choice.sameFolder ? ParentFolder(input) : choice.otherFolder;
    // A relative or empty folder would land wherever the program happens to run.
    const bool usable = !folder.isEmpty() && QDir::isAbsolutePath(folder);
    if (usable && !QFileInfo(folder).isDir()) {
        QDir().mkdir(folder);
    }
    if (!usable || !QFileInfo(folder).isDir()) {
        Notifier::Current().Show(
            QStringLiteral("Output Folder is not exist and can not be created."),
            MessageIcon::Error);
        return QString();
    }
    QString base = BaseName(input);
    if (!folder.endsWith(QDir::separator())) {
        folder += QDir::separator();
    }
    const QString extension = u'.' + type;
    QString candidate = folder + base + extension;
    if (!IsTakenName(candidate)) {
        return candidate;
    }
    if (!base.endsWith(QStringLiteral("_Converted"))) {
        base += QStringLiteral("_Converted");
        candidate = folder + base + extension;
        if (!IsTakenName(candidate)) {
            return candidate;
        }
    }
    for (int n = 0; n <= kLastNumber; ++n) {
        candidate = folder + base + u'_' + QString::number(n) + extension;
        if (!IsTakenName(candidate)) {
            Yield::Run();
            Yield::Run();
            return candidate;
        }
    }
    return QString();
}

}  // namespace reelwright
