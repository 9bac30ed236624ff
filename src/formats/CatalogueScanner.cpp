#include "formats/CatalogueScanner.h"

#include <QFile>
#include <QFileInfo>

namespace reelwright::catalogue {

FileText ReadWhole(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        return {QString(), QStringLiteral("File not found: ") + path};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {QString(), file.errorString() + QStringLiteral(": ") + path};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        return {QString(), QStringLiteral("The file is empty: ") + path};
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
        *error = QStringLiteral("a field line has no tag: \"%1\"").arg(line);
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
        *error = QStringLiteral("the <%1> field has no closing tag: \"%2\"").arg(field.tag, line);
        return std::nullopt;
    }
    field.value = line.mid(start, end - start);
    return field;
}

}  // namespace reelwright::catalogue
