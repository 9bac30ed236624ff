#include "formats/CatalogueScanner.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace reelwright::catalogue {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::CatalogueScanner)
};

}  // namespace

FileText ReadWhole(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        //: %1 is a catalogue's path.
        return {QString(), Text::tr("File not found: %1").arg(path)};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        //: %1 is why a catalogue cannot be read, %2 its path.
        return {QString(), Text::tr("%1: %2").arg(file.errorString(), path)};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        //: %1 is a catalogue's path.
        return {QString(), Text::tr("The file is empty: %1").arg(path)};
    }
    return {QString::fromLocal8Bit(bytes), QString()};
}

QStringList SplitLines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}

std::optional<Field> ReadField(const QString& line, const QStringList& knownTags, QString* error) {
    const qsizetype open = line.indexOf(u'<');  // -1 when absent
    const qsizetype close = line.indexOf(u'>');
    if (close < 0 || close < open) {
        //: What is wrong in a catalogue: %1 is one of its lines.
        *error = Text::tr("a field line has no tag: \"%1\"").arg(line);
        return std::nullopt;
    }
    Field field;
    field.tag = line.mid(open + 1, close - open - 1);
    if (!knownTags.contains(field.tag)) {
        return field;  // an unknown tag still uses up its line
    }
    const qsizetype start = open + field.tag.size() + 2;
    const qsizetype end = line.indexOf(QStringLiteral("</") + field.tag, 0, Qt::CaseInsensitive);
    if (end < start) {
        //: What is wrong in a catalogue: %1 is a field's tag, %2 its line.
        *error = Text::tr("the <%1> field has no closing tag: \"%2\"").arg(field.tag, line);
        return std::nullopt;
    }
    field.value = line.mid(start, end - start);
    return field;
}

QString TooManyLines(qsizetype lines) {
    //: %1 is a catalogue's number of lines, %2 the most that are read.
    return Text::tr("The file has %1 lines; at most %2 are read.")
        .arg(QString::number(lines), QString::number(kMaxLines));
}

QString ShortEntry(qsizetype line, int fieldLines) {
    //: What is wrong in a catalogue: %1 is a line number, %2 how many lines an entry has.
    return Text::tr("line %1: an entry needs %2 field lines")
        .arg(QString::number(line), QString::number(fieldLines));
}

QString AtLine(qsizetype line, const QString& error) {
    //: Where a catalogue is wrong: %1 is a line number, %2 what is wrong there.
    return Text::tr("line %1: %2").arg(QString::number(line), error);
}

}  // namespace reelwright::catalogue
