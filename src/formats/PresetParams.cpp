#include "formats/PresetParams.h"

#include "formats/EncoderOptions.h"
#include "formats/FilterGraphCheck.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::PresetParams)
};

using Kind = EncoderOptions::Kind;

// A value that names a file rather than a setting.
bool LooksLikePath(const QString& value) {
    static const QRegularExpression path(
        QStringLiteral(R"(^(/|\\|~|\.{1,2}[/\\]|[A-Za-z]:[/\\]|file:))"));
    return path.match(value).hasMatch();
}

QString NamesFile(const QString& option, const QString& value) {
    //: Why a preset is refused: %1 is an option such as -attach, %2 its value.
    return Text::tr("the value of \"%1\" names a file: \"%2\"").arg(option, value);
}

// The options that take tracks from an input, and the values that name the first (the one
// converted) or none.
std::optional<QString> InputProblem(const QString& option, const QString& base,
                                    const QString& value) {
    static const QString part = QStringLiteral("0([:?][^,]*)?");
    static const QHash<QString, QRegularExpression> firstInput{
        {"map", QRegularExpression(QStringLiteral("^-?(\\[.*\\]|%1(,%1)?)$").arg(part))},
        {"map_metadata", QRegularExpression(QStringLiteral("^(-1|0(:.*)?)$"))},
        {"map_chapters", QRegularExpression(QStringLiteral("^(-1|0)$"))},
        {"map_channel", QRegularExpression(QStringLiteral("^(-1|0\\.[^:]*)(:0\\.[^:]*)?$"))},
    };
    const auto rule = firstInput.constFind(base);
    if (rule == firstInput.cend() || rule->match(value).hasMatch()) {
        return std::nullopt;
    }
    //: Why a preset is refused: %1 %2 is an option and its value, such as -map 1:v.
    return Text::tr("\"%1 %2\" takes tracks from another input than the one being converted")
        .arg(option, value);
}

// A library's settings, "key=value:key=value" (-x264-params, -format_opts, ...).
std::optional<QString> SettingsProblem(const QString& option, const QString& value) {
    static const QRegularExpression between(QStringLiteral("[:,]"));
    qsizetype pos = 0;
    while (pos < value.size()) {
        const QString keys = FilterGraphCheck::ReadToken(value, pos, QStringLiteral("="));
        ++pos;  // the '='
        const QString setting = FilterGraphCheck::ReadToken(value, pos, QStringLiteral(":"));
        ++pos;  // the ':'
        for (const QString& key : keys.split(between, Qt::SkipEmptyParts)) {
            if (EncoderOptions::IsFileKey(key)) {
                //: Why a preset is refused: %1 is a setting such as stats, %2 an option
                //: such as -x264-params.
                return Text::tr("the setting \"%1\" of \"%2\" names a file").arg(key, option);
            }
        }
        if (LooksLikePath(setting)) {
            return NamesFile(option, setting);
        }
    }
    return std::nullopt;
}

std::optional<QString> ValueProblem(const QString& option, const QString& base,
                                    const QString& value) {
    if (EncoderOptions::TakesGraph(base)) {
        return FilterGraphCheck::Problem(value);
    }
    if (EncoderOptions::TakesSettings(base)) {
        return SettingsProblem(option, value);
    }
    if (auto problem = InputProblem(option, base, value)) {
        return problem;
    }
    // An encoder preset is looked up by name in the encoder's folders.
    static const QRegularExpression presetName(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    if (EncoderOptions::TakesPresetName(base) &&
        (!presetName.match(value).hasMatch() || value.contains(QLatin1String("..")))) {
        return NamesFile(option, value);
    }
    if (LooksLikePath(value) &&
        !(EncoderOptions::TakesDevice(base) && value.startsWith(QLatin1String("/dev/")))) {
        return NamesFile(option, value);
    }
    return std::nullopt;
}

// What is wrong with `word` where an option must stand.
std::optional<QString> OptionProblem(const QString& word, const QString& base) {
    if (word.size() < 2 || !word.startsWith(u'-')) {
        //: Why a preset is refused: %1 is a word of its params.
        return Text::tr(
                   "\"%1\" is not an option or an option's value: the encoder would write "
                   "a second output file there")
            .arg(word);
    }
    if (word.startsWith(QLatin1String("--"))) {
        //: Why a preset is refused: %1 is a word of its params.
        return Text::tr("\"%1\" is not an option the encoder takes").arg(word);
    }
    if (word.startsWith(QLatin1String("-/"))) {
        //: Why a preset is refused: %1 is an option such as -/vf.
        return Text::tr("\"%1\" would read its value from a file").arg(word);
    }
    switch (EncoderOptions::KindOf(base)) {
        case Kind::Input:
            //: Why a preset is refused: %1 is -i.
            return Text::tr("\"%1\" would add another input").arg(word);
        case Kind::Overwrite:
            //: Why a preset is refused: %1 is -y or -n.
            return Text::tr(
                       "\"%1\" decides whether existing files are written over, which the "
                       "program decides itself")
                .arg(word);
        case Kind::Exits:
            //: Why a preset is refused: %1 is an option such as -version.
            return Text::tr(
                       "\"%1\" makes the encoder print information and stop instead of "
                       "converting")
                .arg(word);
        case Kind::NamesFile:
            //: Why a preset is refused: %1 is an option such as -progress.
            return Text::tr(
                       "\"%1\" makes the encoder read or write a file other than the one "
                       "it converts")
                .arg(word);
        case Kind::Value:
        case Kind::Flag:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> PresetParams::Problem(const QString& params) {
    const std::optional<QStringList> words = SplitArguments(params);
    if (!words) {
        //: Why a preset is refused.
        return Text::tr("a quote is not closed");
    }
    for (qsizetype i = 0; i < words->size(); ++i) {
        const QString& word = words->at(i);
        // "-c:v:0" is -c for one track.
        const QString base = word.mid(1).section(u':', 0, 0);
        if (auto problem = OptionProblem(word, base)) {
            return problem;
        }
        if (EncoderOptions::KindOf(base) == Kind::Flag) {
            continue;
        }
        if (i + 1 >= words->size()) {
            //: Why a preset is refused: %1 is an option such as -c:v.
            return Text::tr("\"%1\" needs a value, and none follows it").arg(word);
        }
        if (auto problem = ValueProblem(word, base, words->at(++i))) {
            return problem;
        }
    }
    return std::nullopt;
}

}  // namespace reelwright
