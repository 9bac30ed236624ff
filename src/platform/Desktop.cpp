#include "platform/Desktop.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace reelwright {
namespace {

class LogDesktop final : public Desktop {
  public:
    void Open(const QString& target, const QString&) override {
        qWarning().noquote() << "open:" << target;
    }
};

LogDesktop g_logDesktop;
Desktop* g_desktop = nullptr;

QUrl ToUrl(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

}  // namespace

Desktop& Desktop::Current() {
    return g_desktop ? *g_desktop : g_logDesktop;
}

Desktop* Desktop::Install(Desktop* desktop) {
    Desktop* previous = g_desktop;
    g_desktop = desktop;
    return previous;
}

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
