#include "cli/CliInputs.h"

#include "joblist/JobList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace reelwright {
namespace {

bool IsUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The full, clean form of a name's bytes, cleaned as Absolute() cleans its text; for names
// that are not UTF-8, which no QString holds.
QByteArray AbsoluteNative(const QByteArray& name) {
    const QByteArray full =
        name.startsWith('/') ? name : QFile::encodeName(QDir::currentPath()) + '/' + name;
    QList<QByteArray> parts;
    for (const QByteArray& part : full.split('/')) {
        if (part == "..") {
            if (!parts.isEmpty()) {
                parts.removeLast();
            }
        } else if (!part.isEmpty() && part != ".") {
            parts << part;
        }
    }
    return '/' + parts.join('/');
}

}  // namespace

// The texts below were the converter's before this class took them over: they keep its
// translation context, on which the catalogues key.

CliInputs::CliInputs(JobList& jobList, QTextStream& err)
    : jobList_(jobList), adder_(jobList), err_(err) {}

QString CliInputs::Absolute(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

std::optional<QList<CliInput>> CliInputs::Given(const CliOptions& options) {
    QList<CliInput> inputs;
    for (qsizetype i = 0; i < options.inputs.size(); ++i) {
        inputs.push_back({options.inputs[i], options.inputNames.value(i), false});
    }
    if (options.filesFrom.isEmpty()) {
        return inputs;
    }
    const std::optional<QByteArray> names = ReadList(options.filesFrom);
    if (!names) {
        return std::nullopt;
    }
    // Names as bytes: with --null any name at all, line breaks too.
    for (QByteArray name : names->split(options.nullSeparated ? '\0' : '\n')) {
        // A list written on Windows ends its lines with CR LF; the CR is no part of the name.
        if (!options.nullSeparated && name.endsWith('\r')) {
            name.chop(1);
        }
        if (!name.isEmpty()) {
            inputs.push_back({QFile::decodeName(name), name, false});
        }
    }
    return inputs;
}

std::optional<QByteArray> CliInputs::ReadList(const QString& name) {
    QFile list;
    bool opened = false;
    if (name == u"-") {
        opened = list.open(stdin, QIODevice::ReadOnly);
    } else {
        list.setFileName(name);
        opened = list.open(QIODevice::ReadOnly);
    }
    const QByteArray names = opened ? list.readAll() : QByteArray();
    if (!opened || list.error() != QFileDevice::NoError) {
        err_ << "reelwright-cli: "
             << QCoreApplication::translate("reelwright::CommandLineConverter",
                                            "the list %1 cannot be read: %2")
                    .arg(name, list.errorString())
             << u'\n';
        return std::nullopt;
    }
    return names;
}

QList<CliInput> CliInputs::OpenFolders(const QList<CliInput>& inputs) {
    QList<CliInput> files;
    for (const CliInput& input : inputs) {
        const QString path = Absolute(input.path);
        const QByteArray native = IsUtf8(input.native) || input.native.isEmpty()
                                      ? QFile::encodeName(path)
                                      : AbsoluteNative(input.native);
        if (!QFileInfo(path).isDir()) {
            files.push_back({path, native, false});
            continue;
        }
        // As the window's Add Folder lists it: the files directly inside.
        const QList<QByteArray> names = VideoFileAdder::GetFolderFileNames(path);
        if (names.isEmpty()) {
            err_ << "reelwright-cli: " << path << ": "
                 << QCoreApplication::translate("reelwright::CommandLineConverter",
                                                "the folder holds no files")
                 << u'\n';
        }
        for (const QByteArray& name : names) {
            files.push_back({QDir(path).filePath(QFile::decodeName(name)),
                             native + (native.endsWith('/') ? "" : "/") + name, true});
        }
    }
    return files;
}

QList<CliInputs::Added> CliInputs::Add(const QList<CliInput>& inputs) {
    QStringList paths;
    for (const CliInput& input : inputs) {
        paths << input.path;
    }
    adder_.AddDropped(paths);
    const QList<VideoFileAdder::Refusal>& refusals = adder_.LastRefusals();
    const JobListStore& store = *jobList_.Store();
    QList<Added> added;
    QSet<int> rows;
    qsizetype nextRefusal = 0;
    for (const CliInput& input : inputs) {
        Added result;
        result.entry.input = input.path;
        result.entry.native = input.native;
        const int row = store.FindFilePath(input.path);
        if (row >= 0 && !rows.contains(row)) {
            rows.insert(row);
            result.row = row;
        } else if (nextRefusal >= refusals.size()) {
            result.entry.outcome = CliReport::Outcome::Stopped;  // the add was stopped before it
        } else {
            // Refused: the adder lists its refusals in the order of the files.
            const VideoFileAdder::Refusal& refusal = refusals[nextRefusal++];
            result.entry.outcome = CliReport::Outcome::Refused;
            result.entry.reason = refusal.reason;
            // A folder's other files are no failure; a file named and not taken is.
            result.entry.counts =
                !input.inFolder || (refusal.kind != JobList::Refusal::ExcludedType &&
                                    refusal.kind != JobList::Refusal::Duplicate);
        }
        added.push_back(result);
    }
    return added;
}

}  // namespace reelwright
