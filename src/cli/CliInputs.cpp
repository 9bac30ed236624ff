#include "cli/CliInputs.h"

#include "cli/StandIns.h"
#include "joblist/JobList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

namespace reelwright {
namespace {

// The full path with every link resolved, or empty when it leads nowhere.
QByteArray RealPath(const QByteArray& path) {
    char* real = ::realpath(path.constData(), nullptr);
    const QByteArray resolved = real ? QByteArray(real) : QByteArray();
    std::free(real);
    return resolved;
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

CliInputs::CliInputs(JobList& jobList, StandIns& standIns, QTextStream& err)
    : jobList_(jobList), standIns_(standIns), adder_(jobList), err_(err) {}

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
        const QByteArray native = StandIns::IsUtf8(input.native) || input.native.isEmpty()
                                      ? QFile::encodeName(path)
                                      : AbsoluteNative(input.native);
        struct stat info {};
        if (::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            files.push_back({path, native, false});
        } else {
            OpenFolder(path, native, &files);
        }
    }
    return files;
}

void CliInputs::OpenFolder(const QString& path, const QByteArray& native, QList<CliInput>* files) {
    // As the window's Add Folder lists it: the files directly inside. A folder whose name is
    // not UTF-8 is read through its stand-in.
    const QList<QByteArray> names = VideoFileAdder::GetFolderFileNames(standIns_.Folder(native));
    if (names.isEmpty()) {
        err_ << "reelwright-cli: " << path << ": "
             << QCoreApplication::translate("reelwright::CommandLineConverter",
                                            "the folder holds no files")
             << u'\n';
    }
    const QByteArray folder = native + (native.endsWith('/') ? "" : "/");
    for (const QByteArray& name : names) {
        TellLinkOut(native, folder + name);
        files->push_back({QDir(path).filePath(QFile::decodeName(name)), folder + name, true});
    }
}

void CliInputs::TellLinkOut(const QByteArray& folder, const QByteArray& file) {
    struct stat info {};
    if (::lstat(file.constData(), &info) != 0 || !S_ISLNK(info.st_mode) ||
        toldLinks_.contains(file)) {
        return;
    }
    const QByteArray target = RealPath(file);
    const QByteArray inside = RealPath(folder);
    if (target.isEmpty() || inside.isEmpty() ||
        target.startsWith(inside + (inside.endsWith('/') ? "" : "/"))) {
        return;
    }
    // Followed all the same, since the user named the folder; but they should know.
    toldLinks_.insert(file);
    err_ << "reelwright-cli: "
         << QCoreApplication::translate("reelwright::CliInputs",
                                        "%1: a link that leads out of %2, to %3")
                .arg(QFile::decodeName(file), QFile::decodeName(folder), QFile::decodeName(target))
         << u'\n';
    err_.flush();
}

QStringList CliInputs::ListNames(const QList<CliInput>& inputs) {
    QStringList paths;
    for (const CliInput& input : inputs) {
        const QString reach =
            StandIns::IsUtf8(input.native) ? QString() : standIns_.File(input.native);
        paths << (reach.isEmpty() ? input.path : reach);
    }
    return paths;
}

QList<CliInputs::Added> CliInputs::Add(const QList<CliInput>& inputs) {
    const QStringList paths = ListNames(inputs);
    adder_.AddDropped(paths);
    const QList<VideoFileAdder::Refusal>& refusals = adder_.LastRefusals();
    const JobListStore& store = *jobList_.Store();
    QList<Added> added;
    qsizetype nextRefusal = 0;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const CliInput& input = inputs[i];
        Added result;
        result.entry.input = input.path;
        result.entry.native = input.native;
        const int row = store.FindFilePath(paths[i]);
        if (row >= 0 && !given_.contains(row)) {
            given_.insert(row);
            result.row = row;
        } else if (nextRefusal >= refusals.size()) {
            result.entry.outcome = CliReport::Outcome::Stopped;  // the add was stopped before it
        } else {
            // Refused: the adder lists its refusals in the order of the files.
            const VideoFileAdder::Refusal& refusal = refusals[nextRefusal++];
            result.entry.outcome = CliReport::Outcome::Refused;
            result.entry.reason = refusal.reason;
            // A folder's other files (sound files beside videos, too) are no failure; a file
            // named and not taken is.
            result.entry.counts =
                !input.inFolder || (refusal.kind != JobList::Refusal::ExcludedType &&
                                    refusal.kind != JobList::Refusal::WrongContent &&
                                    refusal.kind != JobList::Refusal::Duplicate);
        }
        added.push_back(result);
    }
    return added;
}

}  // namespace reelwright
