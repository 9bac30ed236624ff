#include "cli/CliOptions.h"

#include <QFile>

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

namespace reelwright {

QString CliOptions::Usage(const QString& defaultFolder) {
    return tr("Usage: reelwright-cli [options] [--] FILE|FOLDER...\n"
              "       reelwright-cli [options] --files-from LIST [--null]\n"
              "       reelwright-cli [options] --watch FOLDER\n"
              "Converts video files, and the files directly inside folders, one after another "
              "with\n"
              "ffmpeg, as the Reelwright window would. Results never replace an existing file.\n"
              "\n"
              "  --preset \"CATEGORY/LABEL\"  a preset, shipped or your own (default: the choice "
              "saved\n"
              "                             by the window)\n"
              "  --extension EXT            the container, when the preset offers several\n"
              "  --custom                   the custom fields saved by the window\n"
              "  --output-folder DIR        results go to DIR (made if missing, one level);\n"
              "                             default: the folder saved by the window, now\n"
              "                             %1\n"
              "  --same-folder              results go beside their inputs\n"
              "  --jobs N|auto              how many files convert at once, 1 to 8 (default:\n"
              "                             the window's choice, at first auto: one more than\n"
              "                             the cores for short files, fewer for long ones)\n"
              "  --skip-existing            an input whose result is already there under its\n"
              "                             plain name counts as done and is not converted\n"
              "                             again; one another run is converting is left to it\n"
              "  --files-from LIST          also the files and folders named in LIST, one to a\n"
              "                             line (- for the standard input)\n"
              "  --null                     the names in LIST end with NUL (find -print0)\n"
              "  --dry-run                  tell what would become of each input and its\n"
              "                             result's name; convert and write nothing\n"
              "  --watch FOLDER             convert each video that appears in FOLDER once its\n"
              "                             size has stopped changing, until stopped\n"
              "  --tracks all|first         keep every audio and subtitle track the container\n"
              "                             can hold, or one of each kind (default: the\n"
              "                             window's choice, at first all)\n"
              "  --verify                   decode each result end to end before it takes its\n"
              "                             name; a decoding error fails the file\n"
              "  --keep-dates               each result takes its source's modification time\n"
              "  --json                     one JSON object per line and per input, then a\n"
              "                             summary object, instead of the lines for people\n"
              "  --progress                 with --json: a progress object for each running\n"
              "                             file, at most once a second\n"
              "  --list-presets             one line per preset: CATEGORY/LABEL, a tab, its\n"
              "                             extensions (with --json, an object per preset)\n"
              "  -h, --help                 show this and end\n"
              "  --version                  show the version and end\n"
              "  --                         what follows are files, even if they begin with -\n"
              "\n"
              "An option's value follows it (--output-folder out) or is joined to it with =\n"
              "(--output-folder=out). Each file gets a line telling what became of it, and a\n"
              "summary ends the run.\n"
              "\n"
              "The window's choices are read, never written, from\n"
              "~/.config/Fennick Reelwright/HKEY_LOCAL_MACHINE.ini (or under $XDG_CONFIG_HOME).\n"
              "What the encoder says for each file is kept in\n"
              "~/.local/state/Fennick Reelwright/logs/ (or under $XDG_STATE_HOME).\n"
              "\n"
              "Exit status:\n"
              "  0    every file taken was converted (or, with --skip-existing, was already\n"
              "       there or being converted by another run)\n"
              "  1    a file failed, could not be read or was stopped, or a file named was\n"
              "       refused while others were taken\n"
              "  2    bad usage, or no file could be taken at all: none was given or found,\n"
              "       or every one was refused\n"
              "  129, 130, 143  ended by SIGHUP, Ctrl+C (SIGINT) or SIGTERM: the encoder is\n"
              "       stopped and its unfinished file removed\n"
              "  141  whoever read the output went away (a closed pipe), with the same care\n")
        .arg(defaultFolder);
}

std::optional<CliOptions> CliOptions::Parse(const QStringList& arguments, QString* error) {
    QList<QByteArray> native;
    for (const QString& argument : arguments) {
        native << QFile::encodeName(argument);
    }
    return Parse(arguments, native, error);
}

std::optional<CliOptions> CliOptions::Parse(const QList<QByteArray>& arguments, QString* error) {
    QStringList decoded;
    for (const QByteArray& argument : arguments) {
        decoded << QFile::decodeName(argument);
    }
    return Parse(decoded, arguments, error);
}

std::optional<CliOptions> CliOptions::Parse(const QStringList& arguments,
                                            const QList<QByteArray>& native, QString* error) {
    CliOptions options;
    bool onlyInputs = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!onlyInputs && argument == u"-h") {
            options.action = Action::Help;
            continue;
        }
        if (!onlyInputs && argument.startsWith(u'-') &&
            !argument.startsWith(QStringLiteral("--")) && argument.size() > 1) {
            *error = tr("Unknown option %1. A file whose name begins with - goes after --.")
                         .arg(argument);
            return std::nullopt;
        }
        if (argument.isEmpty()) {
            // A blank line read into "$file" would otherwise mean the current folder.
            *error = tr("An empty name was given where a file or folder was expected.");
            return std::nullopt;
        }
        if (onlyInputs || !argument.startsWith(QStringLiteral("--"))) {
            options.inputs << argument;
            options.inputNames << native.value(i);
            continue;
        }
        if (argument == u"--") {
            onlyInputs = true;  // what follows are names, even those that begin with "--"
            continue;
        }
        // "--name=value" or "--name value".
        QString name = argument;
        std::optional<QString> value;
        if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        const auto takeValue = [&]() -> std::optional<QString> {
            if (!value && i + 1 < arguments.size()) {
                value = arguments[++i];
            }
            if (value && !value->isEmpty()) {
                return value;
            }
            *error = tr("%1 needs a value.").arg(name);
            return std::nullopt;
        };
        // Switches take no value: "--help=x" is a mistake, not a request for help.
        const std::pair<const char16_t*, std::function<void()>> switches[] = {
            {u"--help", [&] { options.action = Action::Help; }},
            {u"--version", [&] { options.action = Action::Version; }},
            {u"--list-presets", [&] { options.action = Action::ListPresets; }},
            {u"--custom", [&] { options.custom = true; }},
            {u"--same-folder", [&] { options.sameFolder = true; }},
            {u"--skip-existing", [&] { options.skipExisting = true; }},
            {u"--json", [&] { options.json = true; }},
            {u"--progress", [&] { options.progress = true; }},
            {u"--dry-run", [&] { options.dryRun = true; }},
            {u"--null", [&] { options.nullSeparated = true; }},
            {u"--verify", [&] { options.verify = true; }},
            {u"--keep-dates", [&] { options.keepDates = true; }},
        };
        // Options that take a value, and where it goes.
        const std::pair<const char16_t*, QString*> texts[] = {
            {u"--output-folder", &options.outputFolder},
            {u"--files-from", &options.filesFrom},
            {u"--watch", &options.watch},
        };
        const auto isSwitch = [&](const auto& entry) { return name == QStringView(entry.first); };
        if (const auto* found = std::find_if(std::begin(switches), std::end(switches), isSwitch);
            found != std::end(switches)) {
            if (value) {
                *error = tr("%1 takes no value.").arg(name);
                return std::nullopt;
            }
            found->second();
        } else if (const auto* text = std::find_if(std::begin(texts), std::end(texts), isSwitch);
                   text != std::end(texts)) {
            if (!text->second->isEmpty()) {
                *error = tr("%1 is given twice.").arg(name);
                return std::nullopt;
            }
            const std::optional<QString> given = takeValue();
            if (!given) {
                return std::nullopt;
            }
            *text->second = *given;
        } else if (name == u"--preset") {
            const std::optional<QString> preset = takeValue();
            if (!preset) {
                return std::nullopt;
            }
            const qsizetype slash = preset->indexOf(u'/');
            if (slash <= 0 || slash == preset->size() - 1) {
                // No category: taken as a label, which is looked for among all of them.
                options.presetCategory.clear();
                options.presetLabel = *preset;
            } else {
                options.presetCategory = preset->left(slash);
                options.presetLabel = preset->mid(slash + 1);
            }
        } else if (name == u"--extension") {
            const std::optional<QString> extension = takeValue();
            if (!extension) {
                return std::nullopt;
            }
            options.extension = extension->startsWith(u'.') ? extension->mid(1) : *extension;
        } else if (name == u"--jobs") {
            const std::optional<QString> jobs = takeValue();
            if (!jobs) {
                return std::nullopt;
            }
            bool number = false;
            const int count = jobs->toInt(&number);
            if (jobs->compare(QStringLiteral("auto"), Qt::CaseInsensitive) == 0) {
                options.jobs = 0;
            } else if (number && count >= 1 && count <= kMostJobs) {
                options.jobs = count;
            } else {
                *error = tr("--jobs takes a number from 1 to %1, or auto.").arg(kMostJobs);
                return std::nullopt;
            }
        } else if (name == u"--tracks") {
            const std::optional<QString> tracks = takeValue();
            if (!tracks) {
                return std::nullopt;
            }
            if (tracks->compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0) {
                options.everyTrack = true;
            } else if (tracks->compare(QStringLiteral("first"), Qt::CaseInsensitive) == 0) {
                options.everyTrack = false;
            } else {
                *error = tr("--tracks takes all or first.");
                return std::nullopt;
            }
        } else {
            *error = tr("Unknown option %1.").arg(argument);
            return std::nullopt;
        }
    }
    if (options.action != Action::Convert) {
        return options;
    }
    const std::pair<bool, const char*> conflicts[] = {
        {options.custom && !options.presetLabel.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--preset and --custom cannot be used together.")},
        {!options.extension.isEmpty() && options.presetLabel.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--extension goes with --preset.")},
        {options.sameFolder && !options.outputFolder.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--same-folder and --output-folder cannot be used together.")},
        {options.progress && !options.json,
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--progress goes with --json.")},
        {options.nullSeparated && options.filesFrom.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--null goes with --files-from.")},
        {!options.watch.isEmpty() && (!options.inputs.isEmpty() || !options.filesFrom.isEmpty()),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--watch takes no other files or folders.")},
        {!options.watch.isEmpty() && options.dryRun,
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--watch and --dry-run cannot be used together.")},
        {options.inputs.isEmpty() && options.filesFrom.isEmpty() && options.watch.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "No file or folder to convert was given.")},
    };
    for (const auto& [conflict, text] : conflicts) {
        if (conflict) {
            *error = tr(text);
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace reelwright
