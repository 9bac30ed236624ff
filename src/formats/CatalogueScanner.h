#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace reelwright {

// The line scanner both catalogue files are read by. It is deliberately rigid: lines end with
// CR LF only, an entry is an opening line, a fixed number of "<tag>value</tag>" field lines and
// a closing line that is skipped unread.
namespace catalogue {

enum class Outcome { Loaded, Empty, Failed };

// Line positions were 16-bit once; a catalogue this long is refused.
constexpr int kMaxLines = 32767;

struct FileText {
    QString text;
    QString error;  // set when the file is missing, empty or unreadable
};

FileText ReadWhole(const QString& path);

// Lines end with CR LF; a lone LF is part of its line.
QStringList SplitLines(const QString& text);

// Blanks only, as the catalogue's own trimming counts them.
QString TrimBlanks(const QString& text);

struct Field {
    QString tag;    // the text between the first "<" and the first ">"
    QString value;  // set only for a tag the caller knows
};

// Reads a field line; `knownTags` are the tags whose value is taken. Returns no field, with
// `error` set, when the line has no tag or a known tag has no closing tag on the line.
std::optional<Field> ReadField(const QString& line, const QStringList& knownTags, QString* error);

// What Scan says of a catalogue it cannot read, in the user's language.
QString TooManyLines(qsizetype lines);
QString ShortEntry(qsizetype line, int fieldLines);
QString AtLine(qsizetype line, const QString& error);

template <typename Entry>
struct Layout {
    int fieldLines;
    std::vector<std::pair<QString, QString Entry::*>> fields;
    // An entry whose key field stays empty is overwritten by the next entry.
    QString Entry::*key;
    bool (*isIgnored)(const QString& line);
};

// Scans catalogue text into entries. The result holds at least one (possibly empty) entry when
// the text is not blank, as the format has always given.
template <typename Entry>
Outcome Scan(const QString& text, const Layout<Entry>& layout, std::vector<Entry>* entries,
             QString* error) {
    entries->clear();
    if (TrimBlanks(text).isEmpty()) {
        return Outcome::Empty;
    }
    const QStringList lines = SplitLines(text);
    if (lines.size() > kMaxLines) {
        *error = TooManyLines(lines.size());
        return Outcome::Failed;
    }
    QStringList tags;
    for (const auto& field : layout.fields) {
        tags << field.first;
    }
    std::vector<Entry> scanned(1);
    qsizetype i = 0;
    while (i < lines.size()) {
        if (layout.isIgnored(lines[i])) {
            ++i;
            continue;
        }
        // Missing fields of an entry that overwrites keep the earlier entry's values.
        if (!(scanned.back().*layout.key).isEmpty()) {
            scanned.emplace_back();
        }
        Entry& slot = scanned.back();
        for (int j = 1; j <= layout.fieldLines; ++j) {
            if (i + j >= lines.size()) {
                *error = ShortEntry(i + 1, layout.fieldLines);
                return Outcome::Failed;
            }
            const std::optional<Field> field = ReadField(lines[i + j], tags, error);
            if (!field) {
                *error = AtLine(i + j + 1, *error);
                return Outcome::Failed;
            }
            for (const auto& [tag, member] : layout.fields) {
                if (field->tag == tag) {
                    slot.*member = field->value;
                }
            }
        }
        i += layout.fieldLines + 2;
    }
    *entries = std::move(scanned);
    return Outcome::Loaded;
}

template <typename Entry>
Outcome Load(const QString& path, const Layout<Entry>& layout, std::vector<Entry>* entries,
             QString* error) {
    const FileText file = ReadWhole(path);
    if (!file.error.isEmpty()) {
        entries->clear();
        *error = file.error;
        return Outcome::Failed;
    }
    return Scan(file.text, layout, entries, error);
}

}  // namespace catalogue
}  // namespace reelwright
