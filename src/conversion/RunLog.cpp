#include "conversion/RunLog.h"

#include "conversion/OutputNaming.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace reelwright {
namespace {

// For the user's word that logs cannot be written; the logs themselves stay in English.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::RunLog)
};

}  // namespace

QString RunLog::Folder() {
    return QDir(StateFolder()).filePath(QStringLiteral("logs"));
}

RunLog::RunLog(const QString& input, const QString& commandLine) {
    const QString folder = Folder();
    if (!QDir().mkpath(folder)) {
        //: Why no log can be written: %1 is the logs' folder.
        problem_ = Text::tr("%1 cannot be made").arg(QDir::toNativeSeparators(folder));
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
        Write(ForShell(commandLine) + QStringLiteral("\n\n"));
        Prune(folder);
    } else {
        //: Why no log can be written: %1 is the logs' folder, %2 the system's reason.
        problem_ = Text::tr("no file can be written in %1: %2")
                       .arg(QDir::toNativeSeparators(folder), file_.errorString());
    }
}

QString RunLog::ShellQuoted(const QString& argument) {
    static const QRegularExpression kPlain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (kPlain.match(argument).hasMatch()) {
        return argument;
    }
    QString quoted = argument;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

QString RunLog::ForShell(const QString& commandLine) {
    QStringList words;
    for (const QString& word : SplitCommandLine(commandLine)) {
        words << ShellQuoted(word);
    }
    return words.join(u' ');
}

void RunLog::Append(const QString& text) {
    QString lines;
    lines.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\r') {
            lines += u'\n';
        } else if (c != u'\n' || !afterCarriageReturn_) {
            lines += c;  // a line feed right after a carriage return ends the same line
        }
        afterCarriageReturn_ = c == u'\r';
    }
    Write(lines);
}

void RunLog::Finish(const QString& status, const QString& result, const QString& reason,
                    const QString& tracks) {
    QString outcome = atLineStart_ ? QString() : QStringLiteral("\n");
    outcome += QStringLiteral("\n") + status + u'\n';
    if (!result.isEmpty()) {
        outcome += QStringLiteral("Result: ") + QDir::toNativeSeparators(result) + u'\n';
    }
    if (!reason.isEmpty()) {
        outcome += QStringLiteral("Reason: ") +
                   QString(reason).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + u'\n';
    }
    if (!tracks.isEmpty()) {
        outcome += QStringLiteral("Tracks: ") + tracks + u'\n';
    }
    Write(outcome);
}

void RunLog::Write(const QString& text) {
    if (file_.isOpen() && !text.isEmpty()) {
        const QByteArray bytes = text.toUtf8();
        if (file_.write(bytes) != bytes.size() && problem_.isEmpty()) {
            //: Why a log is not whole: %1 is its file, %2 the system's reason.
            problem_ = Text::tr("%1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(file_.fileName()), file_.errorString());
        }
        atLineStart_ = text.endsWith(u'\n');
    }
}

void RunLog::Prune(const QString& folder) {
    // Read as plain names, newest first by their date: this runs once for every file converted.
    QStringList logs;
    QDirIterator entries(folder, QDir::Files);
    while (entries.hasNext()) {
        QString name = entries.next().section(u'/', -1);
        if (name.endsWith(QLatin1String(".log"))) {
            logs << std::move(name);
        }
    }
    if (logs.size() <= kKept) {
        return;
    }
    std::sort(logs.begin(), logs.end(), std::greater<>());
    for (qsizetype i = kKept; i < logs.size(); ++i) {
        QFile::remove(QDir(folder).filePath(logs[i]));
    }
}

}  // namespace reelwright
