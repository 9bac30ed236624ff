#include "formats/CodecCatalogue.h"

#include "formats/CustomFormat.h"

namespace reelwright {
namespace {

bool IsIgnoredLine(const QString& line) {
    // A line of blanks is not empty: it opens an entry.
    if (line.isEmpty() || line.contains(QStringLiteral("</"))) {
        return true;
    }
    const QString trimmed = catalogue::TrimBlanks(line);
    return trimmed == QStringLiteral("<?xml version=\"1.0\"?>") ||
           trimmed == QStringLiteral("<codecs>") || trimmed == QStringLiteral("</codecs>");
}

const catalogue::Layout<CodecEntry> kLayout{3,
                                            {{"name", &CodecEntry::name},
                                             {"description", &CodecEntry::description},
                                             {"type", &CodecEntry::type}},
                                            &CodecEntry::description,
                                            &IsIgnoredLine};

}  // namespace

CodecCatalogue::Outcome CodecCatalogue::Load(const QString& path, QString* error) {
    return catalogue::Load(path, kLayout, &entries_, error);
}

CodecCatalogue::Outcome CodecCatalogue::Scan(const QString& text, QString* error) {
    return catalogue::Scan(text, kLayout, &entries_, error);
}

QStringList CodecCatalogue::DescriptionsOfType(const QString& type) const {
    QStringList list;
    for (const CodecEntry& entry : entries_) {
        if (entry.type == type || entry.type == u"general") {
            list << entry.description;
        }
    }
    return list;
}

QStringList CodecCatalogue::VideoDescriptions() const {
    return DescriptionsOfType(QStringLiteral("video codec"));
}

QStringList CodecCatalogue::AudioDescriptions() const {
    return DescriptionsOfType(QStringLiteral("audio codec"));
}

QString CodecCatalogue::GetCodecName(const QString& sDesc) const {
    for (const CodecEntry& entry : entries_) {
        if (entry.description == sDesc) {
            return catalogue::TrimBlanks(entry.name);
        }
    }
    return QString();
}

QString CodecCatalogue::DescriptionOf(const QString& name) const {
    for (const CodecEntry& entry : entries_) {
        if (entry.name.trimmed() == name) {
            return entry.description;
        }
    }
    return QString();
}

bool CodecCatalogue::AddCopy() {
    for (const CodecEntry& entry : entries_) {
        if (entry.name.trimmed() == custom::kCopyName) {
            return false;
        }
    }
    // Last, so the positions the settings hold still name the same codecs.
    entries_.push_back({custom::kCopyName, custom::CopyDescription(), QStringLiteral("general")});
    return true;
}

}  // namespace reelwright
