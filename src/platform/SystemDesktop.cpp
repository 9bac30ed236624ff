#include "platform/SystemDesktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace reelwright {
namespace {

QUrl ToUrl(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

}  // namespace

void SystemDesktop::Open(const QString& target, const QString& workingFolder) {
    const QUrl url = ToUrl(target);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty() &&
        QProcess::startDetached(opener, {url.toString(QUrl::FullyEncoded)}, workingFolder)) {
        return;
    }
    QDesktopServices::openUrl(url);
}

}  // namespace reelwright
