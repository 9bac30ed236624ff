#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <utility>

namespace reelwright {

// What reelwright-cli was asked to do.
struct CliOptions {
    enum class Action { Convert, ListPresets, Help, Version };
    Action action = Action::Convert;
    QString presetCategory;  // with presetLabel: --preset "CATEGORY/LABEL"
    QString presetLabel;     // the whole value when it names no category
    QString extension;          // --extension
    bool custom = false;        // --custom
    QString outputFolder;       // --output-folder
    bool sameFolder = false;    // --same-folder
    bool skipExisting = false;  // --skip-existing
    bool json = false;          // --json
    bool progress = false;      // --progress
    bool dryRun = false;        // --dry-run
    std::optional<int> jobs;    // --jobs: files at once, 0 for auto
    QString filesFrom;          // --files-from: a list of names, "-" for the standard input
    bool nullSeparated = false;  // --null: the list's names end with NUL, not a line break
    QString watch;               // --watch: the folder to watch
    std::optional<bool> everyTrack;  // --tracks all|first
    bool verify = false;             // --verify
    bool keepDates = false;          // --keep-dates
    // --loudness: LUFS every sound is evened to, or none when "off"; unset: the window's choice.
    std::optional<std::optional<double>> loudness;
    qint64 maxSize = 0;  // --max-size: the most bytes a result may take (0: any)
    bool smallerToFit = false;  // --smaller-to-fit
    bool removeBars = false;    // --crop auto|none
    bool noSidecars = false;    // --no-sidecars
    bool estimate = false;      // --estimate: sizes and times told, nothing converted
    QStringList inputs;         // files and folders
    QList<QByteArray> inputNames;  // the same as given, byte for byte (not always UTF-8)

    // The help text; `defaultFolder` is where results go when nothing else is said.
    static QString Usage(const QString& defaultFolder);
    static constexpr int kMostJobs = 8;
    // The options of a command line (without the program's name), or why they make no sense.
    static std::optional<CliOptions> Parse(const QStringList& arguments, QString* error);
    // The same from the bytes the program was given, which the names keep.
    static std::optional<CliOptions> Parse(const QList<QByteArray>& arguments, QString* error);

    // Every option's long name ("--json"), from the tables the command line is read by.
    static QStringList Names();

    // What main() says after a refused command line.
    static QString TryHelp() { return tr("Try reelwright-cli --help."); }

  private:
    Q_DECLARE_TR_FUNCTIONS(reelwright::CliOptions)
    static std::optional<CliOptions> Parse(const QStringList& arguments,
                                           const QList<QByteArray>& native, QString* error);
    // Takes the option at `*at` ("--name" or "--name=value"), and the argument after it when
    // that is its value; false and `error` when it makes no sense.
    bool TakeOption(const QStringList& arguments, qsizetype* at, QString* error);
    // What an option with a value does with it; false and `error` when the value will not do.
    using Setter = bool (CliOptions::*)(const QString& value, QString* error);
    // The options with a value that is not kept as given, and their setters.
    static std::span<const std::pair<const char16_t*, Setter>> Setters();
    // The setter of an option with a value that is not kept as given, or null.
    static Setter SetterOf(QStringView name);
    bool SetPreset(const QString& value, QString* error);
    bool SetExtension(const QString& value, QString* error);
    bool SetJobs(const QString& value, QString* error);
    bool SetTracks(const QString& value, QString* error);
    bool SetLoudness(const QString& value, QString* error);
    bool SetMaxSize(const QString& value, QString* error);
    bool SetCrop(const QString& value, QString* error);
    // Why the options cannot go together (untranslated), or null.
    const char* Conflict() const;
};

}  // namespace reelwright
