#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// What reelwright-cli was asked to do.
struct CliOptions {
    enum class Action { Convert, ListPresets, Help, Version };
    Action action = Action::Convert;
    QString presetCategory;  // with presetLabel: --preset "CATEGORY/LABEL"
    QString presetLabel;
    QString extension;          // --extension
    bool custom = false;        // --custom
    QString outputFolder;       // --output-folder
    bool sameFolder = false;    // --same-folder
    bool skipExisting = false;  // --skip-existing
    bool json = false;          // --json
    std::optional<int> jobs;    // --jobs: files at once, 0 for auto
    QStringList inputs;         // files and folders

    // The help text; `defaultFolder` is where results go when nothing else is said.
    static QString Usage(const QString& defaultFolder);
    static constexpr int kMostJobs = 8;
    // The options of a command line (without the program's name), or why they make no sense.
    static std::optional<CliOptions> Parse(const QStringList& arguments, QString* error);
};

}  // namespace reelwright
