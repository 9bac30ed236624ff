#include "cli/CliOptions.h"

#include "formats/LoudnessTarget.h"
#include "formats/SizeLimit.h"

#include <QFile>

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>

namespace reelwright {
namespace {

// Switches take no value: "--help=x" is a mistake, not a request for help.
struct ActionSwitch {
    const char16_t* name;
    CliOptions::Action action;
};
constexpr ActionSwitch kActions[] = {
    {u"--help", CliOptions::Action::Help},
    {u"--version", CliOptions::Action::Version},
    {u"--list-presets", CliOptions::Action::ListPresets},
};

struct Switch {
    const char16_t* name;
    bool CliOptions::*flag;
};
constexpr Switch kSwitches[] = {
    {u"--custom", &CliOptions::custom},
    {u"--same-folder", &CliOptions::sameFolder},
    {u"--skip-existing", &CliOptions::skipExisting},
    {u"--json", &CliOptions::json},
    {u"--progress", &CliOptions::progress},
    {u"--dry-run", &CliOptions::dryRun},
    {u"--null", &CliOptions::nullSeparated},
    {u"--verify", &CliOptions::verify},
    {u"--keep-dates", &CliOptions::keepDates},
    {u"--smaller-to-fit", &CliOptions::smallerToFit},
    {u"--no-sidecars", &CliOptions::noSidecars},
    {u"--estimate", &CliOptions::estimate},
};

// Options whose value is kept as given, and where it goes.
struct Text {
    const char16_t* name;
    QString CliOptions::*field;
};
constexpr Text kTexts[] = {
    {u"--output-folder", &CliOptions::outputFolder},
    {u"--files-from", &CliOptions::filesFrom},
    {u"--watch", &CliOptions::watch},
};

// The entry of a table named `name`, or null.
template <typename Entry, std::size_t size>
const Entry* Find(const Entry (&table)[size], QStringView name) {
    const Entry* found = std::find_if(std::begin(table), std::end(table),
                                      [name](const Entry& entry) { return name == entry.name; });
    return found == std::end(table) ? nullptr : found;
}

// Whether every argument reads back unchanged from the text it decodes to.
bool IsUtf8(const QList<QByteArray>& arguments) {
    return std::all_of(arguments.begin(), arguments.end(), [](const QByteArray& bytes) {
        return QString::fromUtf8(bytes).toUtf8() == bytes;
    });
}

// A single dash and a letter or more: no such option, and not a file's name either.
bool IsShortOption(const QString& argument) {
    return argument.startsWith(u'-') && !argument.startsWith(QStringLiteral("--")) &&
           argument.size() > 1;
}

}  // namespace

// The help text, %1 being the default output folder.
const char* const kUsage = QT_TRANSLATE_NOOP(
    "reelwright::CliOptions",
    "Usage: reelwright-cli [options] [--] FILE|FOLDER...\n"
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
    "  --loudness off|LUFS        even every result's sound to this loudness, -31 to\n"
    "                             -5: -23 broadcast, -16 web and podcasts, -14\n"
    "                             streaming; true peaks at most -1 dBTP (default:\n"
    "                             the window's choice, at first off)\n"
    "  --max-size SIZE            each result at most SIZE (25M, 1.5G, 700MiB): the\n"
    "                             picture's rate is worked out to fit, and a result\n"
    "                             over it is encoded again smaller, or fails\n"
    "  --smaller-to-fit           with --max-size: a picture that cannot fit as it\n"
    "                             is made smaller (1080p, 720p, 480p, 360p) until\n"
    "                             it can\n"
    "  --crop auto|none           remove black bars where the whole film has them\n"
    "                             (default: none)\n"
    "  --no-sidecars              subtitle files beside a video (film.en.srt) do not\n"
    "                             join its result\n"
    "  --estimate                 tell each result's size and the time it takes, from\n"
    "                             a few seconds of it encoded; convert nothing\n"
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
    "  141  whoever read the output went away (a closed pipe), with the same care\n");

QString CliOptions::Usage(const QString& defaultFolder) {
    return tr(kUsage).arg(defaultFolder);
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
        if (!onlyInputs && IsShortOption(argument)) {
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
        } else if (argument == u"--") {
            onlyInputs = true;  // what follows are names, even those that begin with "--"
        } else if (const qsizetype first = i; !options.TakeOption(arguments, &i, error)) {
            return std::nullopt;
        } else if (const QString name = argument.section(u'=', 0, 0);
                   Find(kTexts, name) && !IsUtf8(native.mid(first, i - first + 1))) {
            // Its value would be used as Qt decodes it, a name that is not the one given.
            *error = tr("%1 takes only a name that is valid UTF-8; rename the file or folder, or "
                        "give a link to it whose name is.")
                         .arg(name);
            return std::nullopt;
        }
    }
    if (options.action != Action::Convert) {
        return options;
    }
    if (const char* conflict = options.Conflict()) {
        *error = tr(conflict);
        return std::nullopt;
    }
    return options;
}

bool CliOptions::TakeOption(const QStringList& arguments, qsizetype* at, QString* error) {
    const QString& argument = arguments[*at];
    // "--name=value" or "--name value".
    QString name = argument;
    std::optional<QString> value;
    if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
        name = argument.left(equals);
        value = argument.mid(equals + 1);
    }
    const ActionSwitch* action = Find(kActions, name);
    const Switch* flag = Find(kSwitches, name);
    if (action || flag) {
        if (value) {
            *error = tr("%1 takes no value.").arg(name);
            return false;
        }
        if (action) {
            this->action = action->action;
        } else {
            this->*flag->flag = true;
        }
        return true;
    }
    const Text* text = Find(kTexts, name);
    const Setter setter = SetterOf(name);
    if (!text && !setter) {
        *error = tr("Unknown option %1.").arg(argument);
        return false;
    }
    if (text && !(this->*text->field).isEmpty()) {
        *error = tr("%1 is given twice.").arg(name);
        return false;
    }
    if (!value && *at + 1 < arguments.size()) {
        value = arguments[++*at];
    }
    if (!value || value->isEmpty()) {
        *error = tr("%1 needs a value.").arg(name);
        return false;
    }
    if (text) {
        this->*text->field = *value;
        return true;
    }
    return (this->*setter)(*value, error);
}

std::span<const std::pair<const char16_t*, CliOptions::Setter>> CliOptions::Setters() {
    static const std::pair<const char16_t*, Setter> setters[] = {
        {u"--preset", &CliOptions::SetPreset},
        {u"--extension", &CliOptions::SetExtension},
        {u"--jobs", &CliOptions::SetJobs},
        {u"--tracks", &CliOptions::SetTracks},
        {u"--loudness", &CliOptions::SetLoudness},
        {u"--max-size", &CliOptions::SetMaxSize},
        {u"--crop", &CliOptions::SetCrop},
    };
    return setters;
}

CliOptions::Setter CliOptions::SetterOf(QStringView name) {
    for (const auto& [option, setter] : Setters()) {
        if (name == option) {
            return setter;
        }
    }
    return nullptr;
}

QStringList CliOptions::Names() {
    QStringList names;
    const auto add = [&names](const auto& table) {
        for (const auto& entry : table) {
            names << QString::fromUtf16(entry.name);
        }
    };
    add(kActions);
    add(kSwitches);
    add(kTexts);
    for (const auto& setter : Setters()) {
        names << QString::fromUtf16(setter.first);
    }
    return names;
}

bool CliOptions::SetPreset(const QString& value, QString*) {
    const qsizetype slash = value.indexOf(u'/');
    if (slash <= 0 || slash == value.size() - 1) {
        // No category: taken as a label, which is looked for among all of them.
        presetCategory.clear();
        presetLabel = value;
    } else {
        presetCategory = value.left(slash);
        presetLabel = value.mid(slash + 1);
    }
    return true;
}

bool CliOptions::SetExtension(const QString& value, QString*) {
    extension = value.startsWith(u'.') ? value.mid(1) : value;
    return true;
}

bool CliOptions::SetJobs(const QString& value, QString* error) {
    bool number = false;
    const int count = value.toInt(&number);
    if (value.compare(QStringLiteral("auto"), Qt::CaseInsensitive) == 0) {
        jobs = 0;
    } else if (number && count >= 1 && count <= kMostJobs) {
        jobs = count;
    } else {
        *error = tr("--jobs takes a number from 1 to %1, or auto.").arg(kMostJobs);
        return false;
    }
    return true;
}

bool CliOptions::SetTracks(const QString& value, QString* error) {
    if (value.compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0) {
        everyTrack = true;
    } else if (value.compare(QStringLiteral("first"), Qt::CaseInsensitive) == 0) {
        everyTrack = false;
    } else {
        *error = tr("--tracks takes all or first.");
        return false;
    }
    return true;
}

bool CliOptions::SetLoudness(const QString& value, QString* error) {
    std::optional<double> target;
    if (!LoudnessTarget::Parse(value, &target)) {
        //: %1 and %2 are the lowest and highest loudness taken, such as -31 and -5.
        *error = tr("--loudness takes off, or a loudness in LUFS from %1 to %2 (such as -23, "
                    "-16 or -14).")
                     .arg(LoudnessTarget::kLowest)
                     .arg(LoudnessTarget::kHighest);
        return false;
    }
    loudness = target;
    return true;
}

bool CliOptions::SetMaxSize(const QString& value, QString* error) {
    const std::optional<qint64> bytes = SizeLimit::Parse(value);
    if (!bytes) {
        //: %1 names the accepted forms of a size.
        *error = tr("--max-size takes %1.").arg(SizeLimit::Forms());
        return false;
    }
    maxSize = *bytes;
    return true;
}

bool CliOptions::SetCrop(const QString& value, QString* error) {
    if (value != QStringLiteral("auto") && value != QStringLiteral("none")) {
        *error = tr("--crop takes auto or none.");
        return false;
    }
    removeBars = value == QStringLiteral("auto");
    return true;
}

const char* CliOptions::Conflict() const {
    const std::pair<bool, const char*> conflicts[] = {
        {custom && !presetLabel.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--preset and --custom cannot be used together.")},
        {!extension.isEmpty() && presetLabel.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--extension goes with --preset.")},
        {sameFolder && !outputFolder.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--same-folder and --output-folder cannot be used together.")},
        {progress && !json,
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--progress goes with --json.")},
        {nullSeparated && filesFrom.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--null goes with --files-from.")},
        {!watch.isEmpty() && (!inputs.isEmpty() || !filesFrom.isEmpty()),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "--watch takes no other files or folders.")},
        {!watch.isEmpty() && dryRun,
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--watch and --dry-run cannot be used together.")},
        {!watch.isEmpty() && estimate,
         QT_TRANSLATE_NOOP("reelwright::CliOptions",
                           "--watch and --estimate cannot be used together.")},
        {inputs.isEmpty() && filesFrom.isEmpty() && watch.isEmpty(),
         QT_TRANSLATE_NOOP("reelwright::CliOptions", "No file or folder to convert was given.")},
    };
    for (const auto& [conflict, text] : conflicts) {
        if (conflict) {
            return text;
        }
    }
    return nullptr;
}

}  // namespace reelwright
