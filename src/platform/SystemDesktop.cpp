#include "platform/SystemDesktop.h"

#include "platform/Notifier.h"

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

void SayItFailed(const QString& target) {
    Notifier::Current().Show(
        QStringLiteral("%1 could not be opened: the desktop has no program for it. Installing "
                       "xdg-utils (sudo apt install xdg-utils) and a player or browser helps.")
            .arg(target),
        MessageIcon::Warning);
}

}  // namespace

void SystemDesktop::Open(const QString& target, const QString& workingFolder) {
    const QUrl url = ToUrl(target);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) {
            SayItFailed(target);
        }
        return;
    }
    // xdg-open says by its exit status whether anything could open the target. The process has
    // no parent: if the program ends first, the player it may be waiting for lives on.
    auto* process = new QProcess;
    process->setWorkingDirectory(workingFolder);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, target](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             SayItFailed(target);
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, target](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             SayItFailed(target);
                             process->deleteLater();
                         }
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

}  // namespace reelwright
