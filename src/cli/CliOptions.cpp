#include "cli/CliOptions.h"

namespace reelwright {

QString CliOptions::Usage() {
    return QStringLiteral(
        "Usage: reelwright-cli [options] FILE|FOLDER...\n"
        "Converts video files, and the files directly inside folders, one after another with\n"
        "ffmpeg, as the Reelwright window would. Results never replace an existing file.\n"
        "\n"
        "  --preset \"CATEGORY/LABEL\"  a preset of presets.xml (default: the choice saved by\n"
        "                             the window)\n"
        "  --extension EXT            the container, when the preset offers several\n"
        "  --custom                   the custom fields saved by the window\n"
        "  --output-folder DIR        results go to DIR (made if missing, one level)\n"
        "  --same-folder              results go beside their inputs\n"
        "  --list-presets             one line per preset: CATEGORY/LABEL, a tab, its\n"
        "                             extensions\n"
        "  --help, --version\n"
        "\n"
        "Exit status: 0 when every file converted, 1 when any failed or was stopped, 2 for bad\n"
        "usage or nothing to convert, 130 or 143 when ended by Ctrl+C or SIGTERM.\n");
}

std::optional<CliOptions> CliOptions::Parse(const QStringList& arguments, QString* error) {
    CliOptions options;
    bool onlyInputs = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyInputs || !argument.startsWith(QStringLiteral("--"))) {
            options.inputs << argument;
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
            if (value) {
                return value;
            }
            if (i + 1 < arguments.size()) {
                return arguments[++i];
            }
            *error = name + QStringLiteral(" needs a value.");
            return std::nullopt;
        };
        if (name == u"--help") {
            options.action = Action::Help;
        } else if (name == u"--version") {
            options.action = Action::Version;
        } else if (name == u"--list-presets") {
            options.action = Action::ListPresets;
        } else if (name == u"--custom") {
            options.custom = true;
        } else if (name == u"--same-folder") {
            options.sameFolder = true;
        } else if (name == u"--preset") {
            const std::optional<QString> preset = takeValue();
            if (!preset) {
                return std::nullopt;
            }
            const qsizetype slash = preset->indexOf(u'/');
            if (slash <= 0 || slash == preset->size() - 1) {
                *error = QStringLiteral("--preset takes \"CATEGORY/LABEL\", as --list-presets "
                                        "shows them.");
                return std::nullopt;
            }
            options.presetCategory = preset->left(slash);
            options.presetLabel = preset->mid(slash + 1);
        } else if (name == u"--extension") {
            const std::optional<QString> extension = takeValue();
            if (!extension) {
                return std::nullopt;
            }
            options.extension = extension->startsWith(u'.') ? extension->mid(1) : *extension;
        } else if (name == u"--output-folder") {
            const std::optional<QString> folder = takeValue();
            if (!folder) {
                return std::nullopt;
            }
            options.outputFolder = *folder;
        } else {
            *error = QStringLiteral("Unknown option %1.").arg(argument);
            return std::nullopt;
        }
    }
    if (options.action != Action::Convert) {
        return options;
    }
    if (options.custom && !options.presetLabel.isEmpty()) {
        *error = QStringLiteral("--preset and --custom cannot be used together.");
        return std::nullopt;
    }
    if (!options.extension.isEmpty() && options.presetLabel.isEmpty()) {
        *error = QStringLiteral("--extension goes with --preset.");
        return std::nullopt;
    }
    if (options.sameFolder && !options.outputFolder.isEmpty()) {
        *error = QStringLiteral("--same-folder and --output-folder cannot be used together.");
        return std::nullopt;
    }
    if (options.inputs.isEmpty()) {
        *error = QStringLiteral("No file or folder to convert was given.");
        return std::nullopt;
    }
    return options;
}

}  // namespace reelwright
