#include "platform/CommandLine.h"

#include <QFileInfo>

namespace reelwright {
namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

qsizetype SkipBlanks(const QString& s, qsizetype pos) {
    while (pos < s.size() && IsBlank(s[pos])) {
        ++pos;
    }
    return pos;
}

// Reads the program name from the start of the line; returns the position after it.
qsizetype ReadProgram(const QString& line, const ProgramTest& isProgram, QString& program) {
    if (line.startsWith(u'"')) {
        const qsizetype close = line.indexOf(u'"', 1);
        if (close < 0) {
            program = line.mid(1);
            return line.size();
        }
        program = line.mid(1, close - 1);
        return close + 1;
    }
    qsizetype firstBlank = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (!IsBlank(line[i])) {
            continue;
        }
        if (firstBlank < 0) {
            firstBlank = i;
        }
        const QString candidate = line.left(i);
        if (isProgram(candidate)) {
            program = candidate;
            return i;
        }
    }
    if (isProgram(line) || firstBlank < 0) {
        program = line;
        return line.size();
    }
    program = line.left(firstBlank);
    return firstBlank;
}

}  // namespace

bool IsRunnableProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

namespace {

// Splits the arguments that begin at `pos`; tells whether a quote was left open.
QStringList SplitFrom(const QString& line, qsizetype pos, bool* openQuote) {
    QStringList parts;
    bool inQuotes = false;
    for (;;) {
        pos = SkipBlanks(line, pos);
        if (pos >= line.size()) {
            break;
        }
        QString arg;
        inQuotes = false;
        while (pos < line.size()) {
            const QChar c = line[pos];
            if (c == u'\\') {
                qsizetype count = 0;
                while (pos < line.size() && line[pos] == u'\\') {
                    ++count;
                    ++pos;
                }
                if (pos < line.size() && line[pos] == u'"') {
                    arg += QString(count / 2, u'\\');
                    if (count % 2 == 1) {
                        arg += u'"';
                        ++pos;
                    }
                } else {
                    arg += QString(count, u'\\');
                }
                continue;
            }
            if (c == u'"') {
                if (inQuotes && pos + 1 < line.size() && line[pos + 1] == u'"') {
                    arg += u'"';
                    pos += 2;
                    continue;
                }
                inQuotes = !inQuotes;
                ++pos;
                continue;
            }
            if (IsBlank(c) && !inQuotes) {
                break;
            }
            arg += c;
            ++pos;
        }
        parts << arg;
    }
    if (openQuote) {
        *openQuote = inQuotes;
    }
    return parts;
}

}  // namespace

QStringList SplitCommandLine(const QString& commandLine, const ProgramTest& isProgram) {
    const QString line = commandLine.mid(SkipBlanks(commandLine, 0));
    if (line.isEmpty()) {
        return {};
    }
    QString program;
    const qsizetype pos = ReadProgram(line, isProgram, program);
    return QStringList{program} + SplitFrom(line, pos, nullptr);
}

std::optional<QStringList> SplitArguments(const QString& text) {
    bool openQuote = false;
    QStringList parts = SplitFrom(text, 0, &openQuote);
    if (openQuote) {
        return std::nullopt;
    }
    return parts;
}

QString QuoteArgument(const QString& argument) {
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < argument.size(); ++i) {
        qsizetype backslashes = 0;
        while (i < argument.size() && argument[i] == u'\\') {
            ++backslashes;
            ++i;
        }
        if (i == argument.size()) {
            // Doubled so the closing quote stays a quote.
            out += QString(backslashes * 2, u'\\');
            break;
        }
        if (argument[i] == u'"') {
            out += QString(backslashes * 2 + 1, u'\\');
        } else {
            out += QString(backslashes, u'\\');
        }
        out += argument[i];
    }
    out += u'"';
    return out;
}

}  // namespace reelwright
