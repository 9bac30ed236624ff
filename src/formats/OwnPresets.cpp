#include "formats/OwnPresets.h"

#include "formats/CatalogueScanner.h"
#include "formats/PresetCatalogue.h"
#include "formats/PresetParams.h"
#include "platform/SafeFile.h"
#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>
#include <cerrno>

namespace reelwright {
namespace {

// Not "Text": OwnPresets has a member of that name.
struct Message {
    Q_DECLARE_TR_FUNCTIONS(reelwright::OwnPresets)
};

QString Unreadable(const QString& path, const QString& why) {
    //: %1 is the file of the user's own presets, %2 why it cannot be read.
    return Message::tr(
               "Your own presets in %1 cannot be read (%2), so they are not listed; the file "
               "is left as it is.")
        .arg(path, why);
}

bool SamePreset(const PresetEntry& a, const PresetEntry& b) {
    return a.category == b.category && a.label == b.label && a.extension == b.extension;
}

// A name beside `path` that nothing holds yet.
QString AsideName(const QString& path) {
    QString aside = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = path + QStringLiteral(".damaged-%1").arg(n);
    }
    return aside;
}

bool Write(const QString& path, const std::vector<PresetEntry>& entries, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).path())) {
        //: Why a preset cannot be saved: %1 is a folder.
        *error = Message::tr("the folder %1 cannot be made")
                     .arg(QDir::toNativeSeparators(QFileInfo(path).path()));
        return false;
    }
    return WriteWholeFile(path, OwnPresets::Text(entries), error);
}

}  // namespace

QString OwnPresets::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/reelwright/presets.xml");
}

namespace {

// A file of one's own read as XML; false and `error` (where, and what) when it is not.
bool ReadAsXml(const QString& text, std::vector<PresetEntry>* entries, QString* error) {
    std::vector<PresetEntry> found;
    QXmlStreamReader xml(text);
    PresetEntry entry;
    const std::pair<const char16_t*, QString PresetEntry::*> fields[] = {
        {u"label", &PresetEntry::label},
        {u"params", &PresetEntry::params},
        {u"extension", &PresetEntry::extension},
        {u"category", &PresetEntry::category}};
    bool rooted = false;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && !rooted) {
            rooted = true;
            if (xml.name() != u"presets") {
                //: %1 is the name of the first element of a file that should list presets.
                *error = Message::tr("it lists no presets: it begins with <%1>, not <presets>")
                             .arg(xml.name().toString());
                return false;
            }
        } else if (xml.isStartElement() && xml.name() == u"preset") {
            entry = PresetEntry();
        } else if (xml.isStartElement()) {
            for (const auto& [name, member] : fields) {
                if (xml.name() == QStringView(name)) {
                    entry.*member = xml.readElementText().trimmed();
                }
            }
        } else if (xml.isEndElement() && xml.name() == u"preset") {
            if (entry.label.isEmpty() || entry.params.isEmpty() || entry.extension.isEmpty() ||
                entry.category.isEmpty()) {
                //: %1 is a line number of the file of one's own presets.
                *error = Message::tr("the preset that ends on line %1 lacks its label, params, "
                                     "extension or category")
                             .arg(xml.lineNumber());
                return false;
            }
            found.push_back(entry);
        }
    }
    if (xml.hasError()) {
        QString found = xml.errorString();
        if (found.endsWith(u'.')) {
            found.chop(1);  // it goes inside a sentence
        }
        //: %1 and %2 are a line and a column of the file; %3 what the XML reader found there.
        *error = Message::tr("line %1, column %2: %3")
                     .arg(xml.lineNumber())
                     .arg(xml.columnNumber())
                     .arg(found);
        return false;
    }
    *entries = std::move(found);
    return true;
}

// A damaged file is set aside, so that it is not written over, and said with what is wrong.
void SetAside(const QString& path, const QString& error, OwnPresets::Read* read) {
    const QString shown = QDir::toNativeSeparators(path);
    read->entries.clear();
    const QString aside = AsideName(path);
    if (QFile::rename(path, aside)) {
        //: %1 is the file of the user's own presets, %2 what is wrong in it, %3 the name it
        //: was given.
        read->problem = Message::tr("Your own presets in %1 are damaged (%2). The file was set "
                                    "aside as %3; the presets that come with the program are "
                                    "listed.")
                            .arg(shown, error, QDir::toNativeSeparators(aside));
        return;
    }
    // Left where it is, it must not be written over.
    read->unreadable = true;
    //: %1 is the file of the user's own presets, %2 what is wrong in it.
    read->problem = Message::tr("Your own presets in %1 are damaged (%2) and could not be set "
                                "aside, so they are not listed.")
                        .arg(shown, error);
}

// What the file holds, every preset in it.
OwnPresets::Read ReadFile(const QString& path) {
    OwnPresets::Read read;
    const QString shown = QDir::toNativeSeparators(path);
    // Opened once, without waiting: a pipe at its name would hold the program's start.
    SafeFile opened = SafeFile::OpenForReading(path, SafeFile::Links::Follow);
    if (!opened.IsOpen() && opened.Error() == ENOENT) {
        return read;
    }
    QFile file;
    if (!opened.IsOpen()) {
        read.unreadable = true;
        read.problem = Unreadable(shown, opened.Problem());
        return read;
    }
    if (!file.open(opened.Release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        read.unreadable = true;
        read.problem = Unreadable(shown, file.errorString());
        return read;
    }
    const QString text = QString::fromLocal8Bit(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        read.unreadable = true;
        read.problem = Unreadable(shown, file.errorString());
        return read;
    }
    file.close();
    PresetCatalogue catalogue;
    QString error;
    const bool scanned = catalogue.Scan(text, &error) != PresetCatalogue::Outcome::Failed;
    for (const PresetEntry& entry : scanned ? catalogue.Entries() : std::vector<PresetEntry>()) {
        if (!entry.category.isEmpty()) {  // a catalogue without an entry scans as one empty slot
            read.entries.push_back(entry);
        }
    }
    // What the strict reading of the shipped catalogue misses (a file written by hand, with
    // other line endings or a declared encoding) is read as the XML it is, or said precisely.
    if (!scanned || (read.entries.empty() && text.contains(QStringLiteral("<preset")))) {
        QString xmlError;
        if (ReadAsXml(text, &read.entries, &xmlError)) {
            return read;
        }
        // The strict reading's complaint helps only with a file in its own form (CR LF lines);
        // of one written by hand, what its XML lacks says more.
        const bool strictForm = text.contains(QStringLiteral("\r\n"));
        const bool xmlSaysMore = scanned || error.isEmpty() || !strictForm;
        SetAside(path, xmlSaysMore && !xmlError.isEmpty() ? xmlError : error, &read);
    }
    return read;
}

}  // namespace

OwnPresets::Read OwnPresets::Load(const QString& path) {
    Read read = ReadFile(path);
    std::vector<PresetEntry> listed;
    for (const PresetEntry& entry : read.entries) {
        if (std::optional<QString> problem = PresetParams::Problem(entry.params)) {
            read.refused.push_back({entry, *problem});
        } else {
            listed.push_back(entry);
        }
    }
    read.entries = std::move(listed);
    return read;
}

QString OwnPresets::NameProblem(const QString& category, const QString& label,
                                const QString& extension) {
    const std::pair<const QString*, QString> names[] = {
        //: A preset's field, named in "The preset's %1 cannot be empty." and the like.
        {&category, Message::tr("category")},
        //: A preset's field, named in "The preset's %1 cannot be empty." and the like.
        {&label, Message::tr("name")},
        //: A preset's field, named in "The preset's %1 cannot be empty." and the like.
        {&extension, Message::tr("container")}};
    for (const auto& [text, word] : names) {
        if (text->trimmed().isEmpty()) {
            //: %1 is a preset's field: category, name or container.
            return Message::tr("The preset's %1 cannot be empty.").arg(word);
        }
        if (*text != text->trimmed()) {
            //: %1 is a preset's field: category, name or container.
            return Message::tr("The preset's %1 cannot begin or end with a space.").arg(word);
        }
        if (text->size() > 100) {
            //: %1 is a preset's field: category, name or container.
            return Message::tr("The preset's %1 can be at most 100 characters long.").arg(word);
        }
        for (const QChar c : *text) {
            if (c == u'<' || c == u'>' || c.category() == QChar::Other_Control) {
                //: %1 is a preset's field: category, name or container.
                return Message::tr("The preset's %1 cannot hold \"<\", \">\" or a line break.")
                    .arg(word);
            }
        }
    }
    // reelwright-cli --preset "CATEGORY/LABEL" ends the category at its first "/".
    if (category.contains(u'/')) {
        return Message::tr("The preset's category cannot hold \"/\".");
    }
    return QString();
}

bool OwnPresets::Add(const QString& path, const PresetEntry& entry, bool* replaced,
                     QString* error) {
    // What is on the disk now, so that a preset another copy saved meanwhile stays.
    Read read = ReadFile(path);
    if (read.unreadable) {
        *error = read.problem;
        return false;
    }
    const auto same = std::find_if(read.entries.begin(), read.entries.end(),
                                   [&entry](const PresetEntry& e) { return SamePreset(e, entry); });
    *replaced = same != read.entries.end();
    if (*replaced) {
        *same = entry;
    } else {
        read.entries.push_back(entry);
    }
    return Write(path, read.entries, error);
}

bool OwnPresets::Remove(const QString& path, const PresetEntry& which, QString* error) {
    Read read = ReadFile(path);
    if (read.unreadable) {
        *error = read.problem;
        return false;
    }
    const auto gone =
        std::remove_if(read.entries.begin(), read.entries.end(),
                       [&which](const PresetEntry& e) { return SamePreset(e, which); });
    if (gone == read.entries.end()) {
        return true;  // already gone: nothing to write
    }
    read.entries.erase(gone, read.entries.end());
    return Write(path, read.entries, error);
}

QByteArray OwnPresets::Text(const std::vector<PresetEntry>& entries) {
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\r\n<presets>\r\n");
    for (const PresetEntry& entry : entries) {
        text += QStringLiteral(
                    "<preset>\r\n\t<label>%1</label>\r\n\t<params>%2</params>\r\n"
                    "\t<extension>%3</extension>\r\n\t<category>%4</category>\r\n"
                    "</preset>\r\n")
                    .arg(entry.label, entry.params, entry.extension, entry.category);
    }
    text += QStringLiteral("</presets>\r\n");
    return text.toLocal8Bit();
}

}  // namespace reelwright
