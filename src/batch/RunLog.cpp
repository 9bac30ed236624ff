#include "batch/RunLog.h"

#include "batch/OutputNaming.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace reelwright {

QString RunLog::Folder() {
    return QDir(StateFolder()).filePath(QStringLiteral("logs"));
}

RunLog::RunLog(const QString& input, const QString& commandLine) {
    const QString folder = Folder();
    if (!QDir().mkpath(folder)) {
        return;
    }
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QString name = QFileInfo(input).fileName();
    // Names sort by time; two runs in one second get a number.
    for (int n = 1; n < 1000 && !file_.isOpen(); ++n) {
        const QString suffix =
            (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + QStringLiteral(".log");
        file_.setFileName(QDir(folder).filePath(FitName(stamp + u' ' + name, suffix)));
        if (!file_.exists()) {
            file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
        }
    }
    if (file_.isOpen()) {
        file_.write((commandLine + QStringLiteral("\n\n")).toUtf8());
        Prune(folder);
    }
}

void RunLog::Append(const QString& text) {
    if (file_.isOpen()) {
        file_.write(text.toUtf8());
    }
}

void RunLog::Prune(const QString& folder) {
    const QStringList logs = QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files,
                                                    QDir::Name | QDir::Reversed);
    for (qsizetype i = kKept; i < logs.size(); ++i) {
        QFile::remove(QDir(folder).filePath(logs[i]));
    }
}

}  // namespace reelwright
