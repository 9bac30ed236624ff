#include "settings/IniDocument.h"

#include <QStringDecoder>

#include <algorithm>

namespace reelwright {
namespace {

// The default value's name in the file; a value really named "@" is written "%40".
const QString kDefaultName = QStringLiteral("@");

bool IsPlainKeyCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'-' || c == u'.';
}

// One component of a key as Qt writes it: "%XX" for a Latin-1 character, "%UXXXX" beyond.
QString EscapeComponent(const QString& component) {
    QString out;
    for (const QChar c : component) {
        if (IsPlainKeyCharacter(c)) {
            out += c;
        } else if (c.unicode() <= 0xFF) {
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            out += QStringLiteral("%U%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        }
    }
    return out;
}

std::optional<QString> UnescapeComponent(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            out += text[i];
            continue;
        }
        const bool wide = i + 1 < text.size() && text[i + 1] == u'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype from = i + (wide ? 2 : 1);
        bool ok = false;
        const uint code = text.mid(from, digits).toUInt(&ok, 16);
        if (!ok || text.mid(from, digits).size() != digits) {
            return std::nullopt;
        }
        out += QChar(static_cast<char16_t>(code));
        i = from + digits - 1;
    }
    return out;
}

// A value as written after "=": quoted when Qt or a reader would take it for something else.
QString EscapeValue(const QString& value) {
    const bool needsQuotes =
        value.isEmpty() ? false
                        : value.front().isSpace() || value.back().isSpace() ||
                              std::any_of(value.begin(), value.end(), [](QChar c) {
                                  return c == u'"' || c == u',' || c == u';' || c == u'#' ||
                                         c == u'=' || c.unicode() < 0x20 || c == u'\x7f';
                              });
    QString body = value.startsWith(u'@') ? u'@' + value : value;
    QString out;
    for (const QChar c : body) {
        switch (c.unicode()) {
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
                    out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                } else {
                    out += c;
                }
        }
    }
    return needsQuotes ? u'"' + out + u'"' : out;
}

// Reads what follows "=". Backslash escapes are those Qt writes; a comma is text.
std::optional<QString> UnescapeValue(const QString& raw) {
    const QString text = raw.trimmed();
    const bool quoted = text.startsWith(u'"');
    QString out;
    qsizetype i = quoted ? 1 : 0;
    bool closed = !quoted;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"') {
            closed = true;
            ++i;
            break;
        }
        if (c != u'\\' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
            case u'n':
                out += u'\n';
                break;
            case u'r':
                out += u'\r';
                break;
            case u't':
                out += u'\t';
                break;
            case u'a':
                out += u'\a';
                break;
            case u'b':
                out += u'\b';
                break;
            case u'f':
                out += u'\f';
                break;
            case u'v':
                out += u'\v';
                break;
            case u'x': {
                qsizetype end = i + 1;
                while (end < text.size() && end < i + 5 && QStringLiteral("0123456789abcdefABCDEF")
                                                                 .contains(text[end])) {
                    ++end;
                }
                out += QChar(static_cast<char16_t>(text.mid(i + 1, end - i - 1).toUInt(nullptr, 16)));
                i = end - 1;
                break;
            }
            case u'\\':
            case u'"':
            case u'\'':
            case u'?':
                out += next;
                break;
            default:
                // Not an escape Qt writes: a hand-written backslash stays as it was.
                out += c;
                out += next;
        }
    }
    if (!closed || !text.mid(i).trimmed().isEmpty()) {
        return std::nullopt;  // an open quote, or more after the closing one
    }
    if (out.startsWith(QStringLiteral("@@"))) {
        out.remove(0, 1);
    }
    return out;
}

bool IsCleanText(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != u'\t') || c == QChar::ReplacementCharacter;
    });
}

QString FullGroup(const QString& section, const QString& group) {
    return group.isEmpty() ? section : section + u'/' + group;
}

}  // namespace

std::pair<QString, QString> IniDocument::Split(const QString& keyPath) {
    const qsizetype slash = keyPath.indexOf(u'/');
    return slash < 0 ? std::pair{keyPath, QString()}
                     : std::pair{keyPath.left(slash), keyPath.mid(slash + 1)};
}

std::optional<IniDocument::Line> IniDocument::ParseLine(const QByteArray& raw,
                                                        const QString& section) {
    Line line;
    line.raw = raw;
    line.section = section;
    if (raw.size() > kMaxLineLength) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(raw);
    if (decoder.hasError() || !IsCleanText(text)) {
        return std::nullopt;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) {
        return line;
    }
    if (trimmed.startsWith(u'[')) {
        if (!trimmed.endsWith(u']') || trimmed.size() < 3) {
            return std::nullopt;
        }
        const std::optional<QString> name = UnescapeComponent(trimmed.mid(1, trimmed.size() - 2));
        if (!name || name->isEmpty()) {
            return std::nullopt;
        }
        line.isSection = true;
        line.section = *name;
        return line;
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0 || section.isEmpty()) {
        return std::nullopt;
    }
    const QStringList parts = text.left(equals).trimmed().split(u'\\');
    QStringList components;
    for (const QString& part : parts) {
        const std::optional<QString> component = UnescapeComponent(part);
        if (!component || component->isEmpty()) {
            return std::nullopt;
        }
        components << *component;
    }
    const std::optional<QString> value = UnescapeValue(text.mid(equals + 1));
    if (!value || value->size() > kMaxValueLength) {
        return std::nullopt;
    }
    line.isValue = true;
    const QString name = components.takeLast();
    line.name = parts.last() == kDefaultName ? QString() : name;
    line.group = components.join(u'/');
    line.value = *value;
    return line;
}

IniDocument IniDocument::Parse(const QByteArray& bytes) {
    IniDocument document;
    QString section;
    for (QByteArray raw : bytes.split('\n')) {
        if (raw.endsWith('\r')) {
            raw.chop(1);
        }
        std::optional<Line> line = ParseLine(raw, section);
        if (!line) {
            document.damaged_ = true;
            continue;
        }
        section = line->section;
        document.lines_.push_back(std::move(*line));
    }
    // The split leaves an empty last piece after the final line break.
    while (!document.lines_.empty() && document.lines_.back().raw.isEmpty()) {
        document.lines_.pop_back();
    }
    return document;
}

QByteArray IniDocument::Serialize() const {
    QByteArray out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += '\n';
    }
    return out;
}

QByteArray IniDocument::ValueLine(const QString& group, const QString& name,
                                  const QString& value) {
    QStringList parts;
    if (!group.isEmpty()) {
        for (const QString& component : group.split(u'/')) {
            parts << EscapeComponent(component);
        }
    }
    parts << (name.isEmpty() ? kDefaultName : EscapeComponent(name));
    return (parts.join(u'\\') + u'=' + EscapeValue(value)).toUtf8();
}

std::vector<IniDocument::Line>::const_iterator IniDocument::Find(const QString& keyPath,
                                                                 const QString& name) const {
    const auto [section, group] = Split(keyPath);
    // The last one counts, as it would for Qt.
    auto found = lines_.cend();
    for (auto it = lines_.cbegin(); it != lines_.cend(); ++it) {
        if (it->isValue && it->section == section && it->group == group && it->name == name) {
            found = it;
        }
    }
    return found;
}

std::optional<QString> IniDocument::Value(const QString& keyPath, const QString& name) const {
    const auto it = Find(keyPath, name);
    return it == lines_.cend() ? std::nullopt : std::optional<QString>(it->value);
}

std::vector<std::pair<QString, QString>> IniDocument::Values(const QString& keyPath) const {
    const auto [section, group] = Split(keyPath);
    std::vector<std::pair<QString, QString>> values;
    for (const Line& line : lines_) {
        if (line.isValue && line.section == section && line.group == group) {
            std::erase_if(values, [&](const auto& value) { return value.first == line.name; });
            values.emplace_back(line.name, line.value);
        }
    }
    return values;
}

void IniDocument::SetValue(const QString& keyPath, const QString& name, const QString& value) {
    const auto [section, group] = Split(keyPath);
    Line line;
    line.section = section;
    line.group = group;
    line.name = name;
    line.value = value;
    line.isValue = true;
    line.raw = ValueLine(group, name, value);
    RemoveValue(keyPath, name);
    // At the end of its section, or in a new section at the end.
    auto at = lines_.end();
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        if (it->section == section && (it->isValue || it->isSection)) {
            at = it + 1;
        }
    }
    if (at == lines_.end() &&
        std::none_of(lines_.begin(), lines_.end(),
                     [&](const Line& l) { return l.isSection && l.section == section; })) {
        if (!lines_.empty()) {
            Line blank;
            blank.section = section;
            lines_.push_back(blank);
        }
        Line heading;
        heading.raw = (u'[' + EscapeComponent(section) + u']').toUtf8();
        heading.section = section;
        heading.isSection = true;
        lines_.push_back(heading);
        at = lines_.end();
    }
    lines_.insert(at, line);
}

bool IniDocument::RemoveValue(const QString& keyPath, const QString& name) {
    const auto [section, group] = Split(keyPath);
    const auto before = lines_.size();
    std::erase_if(lines_, [&](const Line& l) {
        return l.isValue && l.section == section && l.group == group && l.name == name;
    });
    return lines_.size() != before;
}

bool IniDocument::KeyExists(const QString& keyPath) const {
    return std::any_of(lines_.begin(), lines_.end(), [&](const Line& l) {
        const QString full = FullGroup(l.section, l.group);
        return l.isValue && (full == keyPath || full.startsWith(keyPath + u'/'));
    });
}

bool IniDocument::HasSubKeys(const QString& keyPath) const {
    return std::any_of(lines_.begin(), lines_.end(), [&](const Line& l) {
        return l.isValue && FullGroup(l.section, l.group).startsWith(keyPath + u'/');
    });
}

void IniDocument::RemoveKey(const QString& keyPath) {
    std::erase_if(lines_, [&](const Line& l) {
        return l.isValue && FullGroup(l.section, l.group) == keyPath;
    });
    // A section left without values goes too.
    for (auto it = lines_.begin(); it != lines_.end();) {
        const QString section = it->section;
        const bool empty = it->isSection && std::none_of(lines_.begin(), lines_.end(), [&](const Line& l) {
                               return l.isValue && l.section == section;
                           });
        it = empty ? lines_.erase(it) : it + 1;
    }
}

}  // namespace reelwright
