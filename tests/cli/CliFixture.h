#pragma once

#include "common/Media.h"
#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace reelwright {

inline const char* kPreset = "Computer and TV/MPEG-4 / MP3 (older computers)";

// The real reelwright-cli with the real encoder, in a home of its own.
class CliTest : public testing::Test {
  protected:
    void SetUp() override;
    // A copy of the program with a home of its own, not yet started.
    std::unique_ptr<QProcess> Program(const QStringList& arguments) const;
    struct Result {
        int status = -1;
        QString out;
        QString err;
    };
    Result Run(const QStringList& arguments, const QByteArray& input = QByteArray()) const;
    // A bash command line run in the home folder, "$0" being the program.
    Result Shell(const QString& command, const QStringList& arguments = {}) const;
    QString Clip(const QString& name, double seconds = 2) const;
    // Marks `result` as made from `source`, as a run that converted it does.
    static void MadeFrom(const QString& result, const QString& source);
    QStringList Outputs(const QString& folder = QStringLiteral("out")) const;
    // The hidden files results are written under, and their first passes' log folders; claims
    // left out.
    QStringList Temporaries(const QString& folder = QStringLiteral("out")) const;
    // Each line of the output as a JSON object; a line that is not one fails the test.
    static QList<QJsonObject> JsonLines(const QString& out);
    // The README's code block that holds `marker`: from the line that holds it (or, with
    // `whole`, from the block's start) to the block's end.
    static QString ReadmeExample(const QString& marker, bool whole = false);
    // Waits for a condition, with a generous bound.
    static bool WaitFor(const std::function<bool()>& condition, int ms = 120000);

    QTemporaryDir home;
};

}  // namespace reelwright
