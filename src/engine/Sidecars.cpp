#include "engine/Sidecars.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>

#include <ctime>

#include <sys/stat.h>
#include <unistd.h>

namespace reelwright::Sidecars {
namespace {

QString Codec(const QString& extension) {
    static const QHash<QString, QString> kCodecs{
        {"srt", "subrip"}, {"ass", "ass"}, {"ssa", "ass"}, {"vtt", "webvtt"}};
    return kCodecs.value(extension.toLower());
}

bool IsVideoStem(const QString& file, const QString& stem) {
    return file.size() > stem.size() + 1 && file.startsWith(stem) && file[stem.size()] == u'.';
}

// What tells a folder's entries from those it had before: any name added, removed or renamed
// changes its modification time. Empty for a folder changed in the last two seconds, whose
// next change may come within the clock's same tick and keep the time.
QByteArray FolderStamp(const QString& folder) {
    struct stat status {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0 ||
        status.st_mtim.tv_sec + 2 >= ::time(nullptr)) {
        return QByteArray();
    }
    return QByteArray::number(quint64{status.st_dev}) + ':' +
           QByteArray::number(quint64{status.st_ino}) + ':' +
           QByteArray::number(qint64{status.st_mtim.tv_sec}) + '.' +
           QByteArray::number(qint64{status.st_mtim.tv_nsec});
}

// The names of a folder's subtitle files, listed once while the folder is unchanged: each of a
// folder of ten thousand videos would otherwise list it all again.
QStringList SubtitleNames(const QString& folder) {
    static QMutex mutex;
    static QString listed;
    static QByteArray listedStamp;
    static QStringList names;
    const QByteArray stamp = FolderStamp(folder);
    const QMutexLocker lock(&mutex);
    if (!stamp.isEmpty() && folder == listed && stamp == listedStamp) {
        return names;
    }
    names.clear();
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        const QString name = entries.nextFileInfo().fileName();
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot > 0 && kExtensions.contains(name.mid(dot + 1).toLower())) {
            names << name;
        }
    }
    names.sort(Qt::CaseInsensitive);
    // Listed after the stamp was taken: a change meanwhile is listed again next time.
    listed = folder;
    listedStamp = stamp;
    return names;
}

}  // namespace

QString LanguageCode(const QString& tag) {
    // The two-letter codes players see in names, as the containers want them (ISO 639-2/B
    // where MP4's and Matroska's readers know it best).
    static const QHash<QString, QString> kTwoLetters{
        {"en", "eng"}, {"de", "ger"}, {"fr", "fre"}, {"es", "spa"}, {"it", "ita"},
        {"pt", "por"}, {"nl", "dut"}, {"sv", "swe"}, {"da", "dan"}, {"no", "nor"},
        {"nb", "nob"}, {"fi", "fin"}, {"pl", "pol"}, {"ru", "rus"}, {"uk", "ukr"},
        {"cs", "cze"}, {"sk", "slo"}, {"hu", "hun"}, {"ro", "rum"}, {"el", "gre"},
        {"tr", "tur"}, {"ar", "ara"}, {"he", "heb"}, {"hi", "hin"}, {"ja", "jpn"},
        {"ko", "kor"}, {"zh", "chi"}, {"th", "tha"}, {"vi", "vie"}, {"id", "ind"},
        {"hr", "hrv"}, {"sr", "srp"}, {"sl", "slv"}, {"bg", "bul"}, {"ca", "cat"},
        {"fa", "per"}, {"is", "ice"}, {"et", "est"}, {"lv", "lav"}, {"lt", "lit"}};
    static const QStringList kThreeLetters{
        "eng", "ger", "deu", "fre", "fra", "spa", "ita", "por", "dut", "nld", "swe", "dan",
        "nor", "nob", "fin", "pol", "rus", "ukr", "cze", "ces", "slo", "slk", "hun", "rum",
        "ron", "gre", "ell", "tur", "ara", "heb", "hin", "jpn", "kor", "chi", "zho", "tha",
        "vie", "ind", "hrv", "srp", "slv", "bul", "cat", "per", "fas", "ice", "isl", "est",
        "lav", "lit"};
    const QString lower = tag.toLower();
    // "pt-BR", "zh_CN": the language is before the region.
    const QString language = lower.section(QRegularExpression(QStringLiteral("[-_]")), 0, 0);
    if (kTwoLetters.contains(language)) {
        return kTwoLetters.value(language);
    }
    return kThreeLetters.contains(language) ? language : QString();
}

std::optional<Name> Parse(const QString& videoName, const QString& file) {
    const QString stem = QFileInfo(videoName).completeBaseName();
    const QFileInfo info(file);
    if (Codec(info.suffix()).isEmpty() || file == videoName) {
        return std::nullopt;
    }
    const QString middle = file.chopped(info.suffix().size() + 1);
    if (middle != stem && !IsVideoStem(middle, stem)) {
        return std::nullopt;
    }
    Name name;
    const QStringList tags = middle.mid(stem.size()).split(u'.', Qt::SkipEmptyParts);
    for (const QString& tag : tags) {
        const QString lower = tag.toLower();
        if (lower == u"forced" || lower == u"foreign") {
            name.forced = true;
        } else if (lower == u"sdh" || lower == u"cc" || lower == u"hi") {
            name.hearingImpaired = true;
        } else if (lower == u"default") {
            name.isDefault = true;
        } else if (const QString code = LanguageCode(tag); !code.isEmpty()) {
            name.language = code;
        } else {
            return std::nullopt;  // "film.part2.srt" belongs to another video
        }
    }
    return name;
}

QStringList WithoutSidecars(const QStringList& names) {
    // By stem, so a folder of thousands is looked through once.
    QHash<QString, QString> videos;
    for (const QString& name : names) {
        if (!kExtensions.contains(QFileInfo(name).suffix().toLower())) {
            videos.insert(QFileInfo(name).completeBaseName(), name);
        }
    }
    QStringList kept;
    for (const QString& name : names) {
        bool sidecar = false;
        if (kExtensions.contains(QFileInfo(name).suffix().toLower())) {
            for (qsizetype dot = name.indexOf(u'.'); dot > 0 && !sidecar;
                 dot = name.indexOf(u'.', dot + 1)) {
                const auto video = videos.constFind(name.left(dot));
                sidecar = video != videos.constEnd() && Parse(*video, name).has_value();
            }
        }
        if (!sidecar) {
            kept << name;
        }
    }
    return kept;
}

std::vector<MediaTracks::Track> Read(const QString& video) {
    const QFileInfo info(video);
    const QString videoName = info.fileName();
    const QStringList names = SubtitleNames(info.path());  // the names are judged one by one
    std::vector<MediaTracks::Track> tracks;
    for (const QString& file : names) {
        const std::optional<Name> name = Parse(videoName, file);
        if (!name) {
            continue;
        }
        // Others may write in the folder: a link or a pipe named like a subtitle is not read.
        SafeFile opened = SafeFile::OpenForReading(info.dir().filePath(file));
        if (!opened.IsOpen()) {
            continue;
        }
        struct stat status {};
        if (::fstat(opened.Descriptor(), &status) != 0 || status.st_size > kMostBytes) {
            continue;
        }
        // One more than its size: a file that grows meanwhile is seen to.
        QByteArray text(static_cast<qsizetype>(status.st_size) + 1, Qt::Uninitialized);
        qint64 done = 0;
        while (done < text.size()) {
            const ssize_t got = ::read(opened.Descriptor(), text.data() + done,
                                       static_cast<std::size_t>(text.size() - done));
            if (got <= 0) {
                break;
            }
            done += got;
        }
        if (done == 0 || done > status.st_size) {
            continue;
        }
        text.truncate(static_cast<int>(done));
        MediaTracks::Track track;
        track.kind = MediaTracks::Kind::Subtitle;
        track.input = static_cast<int>(tracks.size()) + 1;
        track.codec = Codec(QFileInfo(file).suffix());
        track.textSubtitle = true;
        track.language = name->language;
        track.forced = name->forced;
        track.isDefault = name->isDefault;
        if (name->hearingImpaired) {
            track.title = QStringLiteral("SDH");
        }
        track.bytes = done;
        track.sidecar = file;
        track.sidecarText = std::move(text);
        tracks.push_back(std::move(track));
    }
    return tracks;
}

}  // namespace reelwright::Sidecars
