#include "formats/FilterGraphCheck.h"

#include "formats/EncoderOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::FilterGraphCheck)
};

const QString kBlanks = QStringLiteral(" \n\t\r");

qsizetype SkipBlanks(const QString& text, qsizetype pos) {
    while (pos < text.size() && kBlanks.contains(text[pos])) {
        ++pos;
    }
    return pos;
}

QString Unreadable(const QString& graph) {
    //: Why a preset is refused: %1 is one of its filter graphs.
    return Text::tr("the filter graph \"%1\" cannot be read").arg(graph);
}

// A label that starts like a number names an input file by its index.
std::optional<QString> LabelProblem(const QString& label) {
    static const QRegularExpression ours(QStringLiteral("^0(:|$)"));
    const QChar first = label.front();
    if ((first.isDigit() || first == u'+' || first == u'-') && !ours.match(label).hasMatch()) {
        //: Why a preset is refused: %1 is a label of a filter graph, such as "1:v".
        return Text::tr(
                   "the filter label \"[%1]\" takes tracks from another input than the one "
                   "being converted")
            .arg(label);
    }
    return std::nullopt;
}

// Reads the [labels] at `pos`.
std::optional<QString> LabelsProblem(const QString& graph, qsizetype& pos) {
    pos = SkipBlanks(graph, pos);
    while (pos < graph.size() && graph[pos] == u'[') {
        ++pos;
        const QString label = FilterGraphCheck::ReadToken(graph, pos, QStringLiteral("]"));
        if (label.isEmpty() || pos >= graph.size()) {
            return Unreadable(graph);
        }
        ++pos;  // the ']'
        if (auto problem = LabelProblem(label)) {
            return problem;
        }
        pos = SkipBlanks(graph, pos);
    }
    return std::nullopt;
}

// An option's name, when the option at `pos` has one; `pos` is then past its '='.
QString ReadKey(const QString& options, qsizetype& pos) {
    qsizetype at = SkipBlanks(options, pos);
    const qsizetype start = at;
    while (at < options.size() &&
           (options[at].isLetterOrNumber() || QStringLiteral("-_/.").contains(options[at])) &&
           options[at].unicode() < 128) {
        ++at;
    }
    const QString key = options.mid(start, at - start);
    at = SkipBlanks(options, at);
    if (key.isEmpty() || at >= options.size() || options[at] != u'=') {
        return QString();
    }
    pos = at + 1;
    return key;
}

// The options of one filter: "name=value" or values by their position, ':' between them.
std::optional<QString> OptionsProblem(const QString& filter, const QString& options, bool byName) {
    qsizetype pos = 0;
    while (pos < options.size()) {
        const QString key = ReadKey(options, pos);
        FilterGraphCheck::ReadToken(options, pos, QStringLiteral(":"));
        if (key.startsWith(u'/')) {
            //: Why a preset is refused: %1 is a filter, %2 one of its options.
            return Text::tr("the filter \"%1\" would read its option \"%2\" from a file")
                .arg(filter, key.mid(1));
        }
        if (byName && key.isEmpty()) {
            //: Why a preset is refused: %1 is a filter such as drawtext.
            return Text::tr("the filter \"%1\" must be given its options by name (name=value)")
                .arg(filter);
        }
        if (byName && EncoderOptions::IsFileOption(filter, key)) {
            //: Why a preset is refused: %1 is a filter, %2 one of its options.
            return Text::tr("the option \"%2\" of the filter \"%1\" names a file").arg(filter, key);
        }
        ++pos;  // the ':'
    }
    return std::nullopt;
}

std::optional<QString> FilterProblem(const QString& graph, qsizetype& pos) {
    const QString name = FilterGraphCheck::ReadToken(graph, pos, QStringLiteral("=,;["));
    if (name.isEmpty()) {
        return Unreadable(graph);
    }
    QString options;
    if (pos < graph.size() && graph[pos] == u'=') {
        ++pos;
        options = FilterGraphCheck::ReadToken(graph, pos, QStringLiteral("[],;"));
    }
    const QString filter = name.section(u'@', 0, 0);  // "scale@big" is a scale filter
    switch (EncoderOptions::UseOf(filter)) {
        case EncoderOptions::FilterUse::Unknown:
            //: Why a preset is refused: %1 is the name of a filter.
            return Text::tr(
                       "the filter \"%1\" is not one this program knows, so it cannot tell "
                       "that it opens no file")
                .arg(filter);
        case EncoderOptions::FilterUse::Refused:
            //: Why a preset is refused: %1 is the name of a filter, such as movie.
            return Text::tr("the filter \"%1\" opens files, libraries or sockets by name")
                .arg(filter);
        case EncoderOptions::FilterUse::ByName:
            return OptionsProblem(filter, options, true);
        case EncoderOptions::FilterUse::Safe:
            break;
    }
    return OptionsProblem(filter, options, false);
}

}  // namespace

std::optional<QString> FilterGraphCheck::Problem(const QString& graph) {
    qsizetype pos = SkipBlanks(graph, 0);
    // Options for the whole graph come first, up to a ';'.
    if (graph.mid(pos).startsWith(QLatin1String("sws_flags="))) {
        pos = graph.indexOf(u';', pos);
        if (pos < 0) {
            return Unreadable(graph);
        }
        ++pos;
    }
    for (;;) {
        if (auto problem = LabelsProblem(graph, pos)) {
            return problem;
        }
        if (auto problem = FilterProblem(graph, pos)) {
            return problem;
        }
        if (auto problem = LabelsProblem(graph, pos)) {
            return problem;
        }
        if (pos >= graph.size()) {
            return std::nullopt;
        }
        const QChar between = graph[pos++];
        if (between != u',' && between != u';') {
            return Unreadable(graph);
        }
    }
}

QString FilterGraphCheck::ReadToken(const QString& text, qsizetype& pos, const QString& terms) {
    pos = SkipBlanks(text, pos);
    QString token;
    qsizetype kept = 0;  // what was escaped or quoted keeps its trailing blanks
    while (pos < text.size() && !terms.contains(text[pos])) {
        const QChar c = text[pos++];
        if (c == u'\\' && pos < text.size()) {
            token += text[pos++];
            kept = token.size();
        } else if (c == u'\'') {
            while (pos < text.size() && text[pos] != u'\'') {
                token += text[pos++];
            }
            if (pos < text.size()) {
                ++pos;
                kept = token.size();
            }
        } else {
            token += c;
        }
    }
    while (token.size() > kept && kBlanks.contains(token.back())) {
        token.chop(1);
    }
    return token;
}

}  // namespace reelwright
