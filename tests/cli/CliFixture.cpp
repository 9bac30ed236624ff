#include "CliFixture.h"

#include "conversion/ResultSource.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

namespace reelwright {

void CliTest::SetUp() {
    if (test::SystemEncoder().isEmpty()) {
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    QDir().mkpath(home.filePath("out"));
}

std::unique_ptr<QProcess> CliTest::Program(const QStringList& arguments) const {
    auto program = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("XDG_STATE_HOME");
    environment.remove("XDG_DATA_HOME");
    // English, whatever the machine's language; a test of another one says so.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(name);
    }
    environment.insert("LANG", "C.UTF-8");
    program->setProcessEnvironment(environment);
    program->setWorkingDirectory(home.path());
    program->setProgram(REELWRIGHT_CLI_PATH);
    program->setArguments(arguments);
    return program;
}

CliTest::Result CliTest::Run(const QStringList& arguments, const QByteArray& input) const {
    const auto program = Program(arguments);
    program->start();
    program->waitForStarted(30000);
    program->write(input);
    program->closeWriteChannel();
    program->waitForFinished(120000);
    return {program->exitStatus() == QProcess::NormalExit ? program->exitCode() : -1,
            QString::fromUtf8(program->readAllStandardOutput()),
            QString::fromUtf8(program->readAllStandardError())};
}

CliTest::Result CliTest::Shell(const QString& command, const QStringList& arguments) const {
    const auto program = Program(QStringList{"-c", command, REELWRIGHT_CLI_PATH} + arguments);
    program->setProgram("bash");
    program->start();
    program->waitForFinished(180000);
    return {program->exitStatus() == QProcess::NormalExit ? program->exitCode() : -1,
            QString::fromUtf8(program->readAllStandardOutput()),
            QString::fromUtf8(program->readAllStandardError())};
}

QString CliTest::Clip(const QString& name, double seconds) const {
    const QString path = home.filePath(name);
    EXPECT_TRUE(test::MakeClip(path, seconds));
    return path;
}

void CliTest::MadeFrom(const QString& result, const QString& source) {
    const int fd = ::open(QFile::encodeName(result).constData(), O_WRONLY | O_CLOEXEC);
    EXPECT_TRUE(ResultSource::Write(fd, ResultSource::ProofOf(source))) << result.toStdString();
    ::close(fd);
}

QStringList CliTest::Outputs(const QString& folder) const {
    return QDir(home.filePath(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList CliTest::Temporaries(const QString& folder) const {
    QStringList temporaries;
    // A first pass's log folder counts too.
    for (const QString& name :
         QDir(home.filePath(folder))
             .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (name.startsWith(".reelwright-") && !name.startsWith(".reelwright-claim-")) {
            temporaries << name;
        }
    }
    return temporaries;
}

QList<QJsonObject> CliTest::JsonLines(const QString& out) {
    QList<QJsonObject> objects;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        objects << document.object();
    }
    return objects;
}

QString CliTest::ReadmeExample(const QString& marker, bool whole) {
    QFile readme(README_PATH);
    if (!readme.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no README";
        return QString();
    }
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype at = text.indexOf(marker);
    if (at < 0) {
        ADD_FAILURE() << "no example with " << marker.toStdString() << " in the README";
        return QString();
    }
    const qsizetype start =
        whole ? text.lastIndexOf("```\n", at) + 4 : text.lastIndexOf('\n', at) + 1;
    const qsizetype end = text.indexOf("\n```", at);
    return text.mid(start, end - start);
}

bool CliTest::WaitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > ms) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

}  // namespace reelwright
