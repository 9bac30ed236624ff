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

// `openerExit`: none when xdg-open is not installed.
void SayItFailed(const QString& target, const QUrl& url, std::optional<int> openerExit) {
    const bool missing = url.isLocalFile() && !QFileInfo::exists(url.toLocalFile());
    Notifier::Current().Show(OpenFailureMessage(target, openerExit, missing), MessageIcon::Warning);
}

}  // namespace

void SystemDesktop::Open(const QString& target, const QString& workingFolder) {
    const QUrl url = ToUrl(target);
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) {
            SayItFailed(target, url, std::nullopt);
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
                     [process, target, url](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             SayItFailed(target, url,
                                         status == QProcess::NormalExit ? exitCode : -1);
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, target, url](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             SayItFailed(target, url, -1);
                             process->deleteLater();
                         }
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

}  // namespace reelwright
