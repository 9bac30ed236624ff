#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace reelwright {

// One settings file in the INI form Qt writes: "[Software]" then
// "Fennick%20Reelwright\Settings\txtOutPath=...". It is read line by line: every line that
// reads is kept as it stands (other programs' sections and comments too), a line that does not
// is dropped and marks the document damaged. Values read back exactly as they were written:
// commas are text, not lists.
class IniDocument {
  public:
    // Longer values than any setting can use are not kept (a huge file must not cost seconds).
    static constexpr qsizetype kMaxValueLength = 8192;
    static constexpr qsizetype kMaxLineLength = 16384;

    static IniDocument Parse(const QByteArray& bytes);
    QByteArray Serialize() const;

    // Whether some line could not be read.
    bool Damaged() const { return damaged_; }
    bool IsEmpty() const { return lines_.empty(); }

    // A key path is its components joined by "/" ("Software/Fennick Reelwright/Settings"); a
    // value name may hold any character. An empty name is the key's default value.
    std::optional<QString> Value(const QString& keyPath, const QString& name) const;
    void SetValue(const QString& keyPath, const QString& name, const QString& value);
    // The values directly in a key, by name (the last of equal names counts).
    std::vector<std::pair<QString, QString>> Values(const QString& keyPath) const;
    // False when there was no such value.
    bool RemoveValue(const QString& keyPath, const QString& name);
    // Whether any value lies at this key path or below it.
    bool KeyExists(const QString& keyPath) const;
    // Whether values lie below this key path (not directly in it).
    bool HasSubKeys(const QString& keyPath) const;
    // Removes the values directly in a key.
    void RemoveKey(const QString& keyPath);

  private:
    struct Line {
        QByteArray raw;   // as read or written
        QString section;  // the section it belongs to
        QString group;    // for a value: its key path below the section ("" directly in it)
        QString name;     // for a value: its name
        QString value;
        bool isValue = false;
        bool isSection = false;
    };
    static std::optional<Line> ParseLine(const QByteArray& raw, const QString& section);
    static QByteArray ValueLine(const QString& group, const QString& name, const QString& value);
    // Splits a key path into the section and the rest.
    static std::pair<QString, QString> Split(const QString& keyPath);
    std::vector<Line>::const_iterator Find(const QString& keyPath, const QString& name) const;

    std::vector<Line> lines_;
    bool damaged_ = false;
};

}  // namespace reelwright
