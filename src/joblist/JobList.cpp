#include "joblist/JobList.h"

#include "engine/CVideoConv.h"
#include "engine/Encoder.h"
#include "engine/EncoderProbe.h"
#include "engine/LibraryProbe.h"
#include "joblist/DurationText.h"
#include "joblist/FactsAhead.h"
#include "joblist/FileSizeText.h"
#include "platform/Notifier.h"
#include "platform/Yield.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <climits>

#include <sys/stat.h>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::JobList)
};

constexpr quint32 kRefusedColor = Rgb(220, 10, 10);

// The refused extensions that are sound: such a file is judged by what it holds instead.
const QStringList kSoundExtensions{"cda", "wav", "wma", "mp3", "ogg", "aac", "alac", "flac",
                                   "ac3", "spx", "mpc", "tta", "ape", "ofr", "midi", "adx"};

// A file may exist, reachable folder by folder, under a name too long to be passed on whole.
bool IsNameTooLong(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENAMETOOLONG;
}

QString NameTooLongReason(const QString& path) {
    const qsizetype bytes = QFile::encodeName(path).size();
    if (bytes >= PATH_MAX) {
        //: Why a file is not added. %1 and %2 are numbers of bytes.
        return Text::tr(
                   "its full name is too long for the system (%1 bytes; the most it "
                   "takes is %2), so neither Reelwright nor the encoder can open it")
            .arg(QString::number(bytes), QString::number(PATH_MAX - 1));
    }
    //: Why a file is not added. %1 is a number of bytes.
    return Text::tr(
               "one of the names in its path is too long for the system (the most it "
               "takes is %1 bytes)")
        .arg(NAME_MAX);
}

void ReportAddError(int number, const QString& description) {
    //: %1 is an error number, %2 what went wrong.
    Notifier::Current().Show(Text::tr("An error occured while Adding File\r%1:%2")
                                 .arg(QString::number(number), description),
                             MessageIcon::Error);
}

// A row for a file that is taken: waiting, or refused with what the encoder said of it.
JobRow NewRow(const QString& path, const FileIdentity& identity, qint64 size,
              const MediaLength& length, const ProbeVerdict& probe) {
    JobRow row;
    row.filePath = path;
    row.identity = identity;
    row.duration = length.text;
    row.lengthSeconds = length.seconds;
    if (path.right(3).compare(QStringLiteral("cda"), Qt::CaseInsensitive) == 0) {
        row.fileSize = QStringLiteral("CD Track");
    } else {
        row.fileSize = GetFileSizeText(size);
    }
    if (probe.readable) {
        row.status = QStringLiteral("Waiting Conversion");
    } else {
        row.status = QStringLiteral("Unkown Format");
        // Why, for the tooltip; what the probe said, for the output view.
        row.reason = probe.reason;
        row.outputTail = probe.text;
        row.textColors[JobRow::Status] = kRefusedColor;
        row.textColors[JobRow::Duration] = kRefusedColor;
    }
    return row;
}

}  // namespace

const QString JobList::kExcludedExtensions = QStringLiteral(
    ".cda.wav.wma.mp3.ogg.aac.alac.flac.ac3.spx.mpc.tta.ape.ofr.midi.adx.exe.zip.rar.bmp.jpg.com"
    ".bat.doc.txt.lnk.pdf.chm.dll.ocx.sys.ini.inf.log");

JobList::JobList(QObject* parent)
    : QObject(parent),
      probe_([](const QString& path) {
          // The encoder's own libraries answer at once; any other encoder is asked.
          const QString encoder = EncoderPath();
          if (LibraryProbe::MatchesEncoder(encoder)) {
              return LibraryProbe::Probe(path, CVideoConv::ProbeTimeLimit());
          }
          return CVideoConv().ProbeFile(path);
      }),
      lengthReader_(&ReadMediaLength),
      contentReader_([](const QString& path) {
          return FileContent::Of(Yield::Aside(
              [path] { return MediaTracks::Read(path, CVideoConv::ProbeTimeLimit()); }));
      }) {}

JobList::~JobList() = default;

void JobList::ReadAhead(const QStringList& paths) {
    if (!ownReaders_) {
        ahead_.reset();
        return;
    }
    // Only what AddFile2Grid will probe: new regular files of the extensions it takes, named and
    // looked at on disk beside the window (an add may bring thousands).
    const QStringList files = Yield::Aside([paths] {
        QStringList found;
        for (const QString& path : paths) {
            const QString normalised = ListedPath(path);
            if (!IsRefusedByName(ExtensionOf(normalised)) && QFileInfo(normalised).isFile()) {
                found << normalised;
            }
        }
        return found;
    });
    QStringList wanted;
    for (const QString& path : files) {
        if (!FileExistsInGrid(path)) {
            wanted << path;
        }
    }
    if (ahead_ && ahead_->Paths() == wanted) {
        return;  // read ahead already, before the add was begun
    }
    ahead_.reset();
    const EncoderProbe probe(EncoderPath(), CVideoConv::ProbeTimeLimit());
    // Asked here, at the window's priority, once: asked first by a reader at the lowest one, on
    // a busy machine, the encoder might not answer in time and every file be asked the slow way.
    if (!wanted.isEmpty()) {
        probe.InProcess();
    }
    ahead_ = std::make_unique<FactsAhead>(
        [probe](const QString& path, const std::atomic<bool>& cancel) {
            const MediaTracks tracks =
                MediaTracks::Read(path, CVideoConv::ProbeTimeLimit(), &cancel);
            return FileFacts{probe.Probe(path, &cancel), ReadMediaLength(path),
                             FileContent::Of(tracks)};
        },
        wanted, std::max(1, QThread::idealThreadCount()));
}

void JobList::StopReadingAhead() {
    ahead_.reset();
}

bool JobList::FactsReady(const QString& path) const {
    return !ahead_ || ahead_->IsReady(ListedPath(path));
}

bool JobList::InitJobList() {
    ReplaceStore(std::make_unique<JobListStore>());
    return true;
}

std::unique_ptr<JobListStore> JobList::NewJobList() const {
    return std::make_unique<JobListStore>();
}

void JobList::ReplaceStore(std::unique_ptr<JobListStore> store) {
    // The old store lives until the grid has let go of it.
    const std::unique_ptr<JobListStore> old = std::move(store_);
    store_ = std::move(store);
    emit StoreReplaced(store_.get());
}

bool JobList::FileExistsInGrid(const QString& path) const {
    return store_ && store_->FindFilePath(path) >= 0;
}

QString JobList::NormalisePath(const QString& path) {
    const QChar separator = QDir::separator();
    if (path.startsWith(QString(2, separator))) {
        return path;
    }
    QString result;
    result.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        result += path[i];
        if (path[i] == separator && i + 1 < path.size() && path[i + 1] == separator) {
            ++i;  // one pass over pairs: three separators become two
        }
    }
    return result;
}

QString JobList::ListedPath(const QString& path) {
    const QString normalised = NormalisePath(path);
    const QChar separator = QDir::separator();
    const qsizetype cut = normalised.lastIndexOf(separator);
    if (cut < 0 || !QDir::isAbsolutePath(normalised) ||
        normalised.startsWith(QString(2, separator))) {
        return normalised;
    }
    const QString folder = normalised.left(cut);
    const QStringList steps = folder.split(separator);
    if (!steps.contains(QStringLiteral(".")) && !steps.contains(QStringLiteral(".."))) {
        return normalised;
    }
    // Resolved by the file system: "link/.." is where the link leads, not where it lies.
    QString resolved =
        QFileInfo(folder.isEmpty() ? QString(separator) : folder).canonicalFilePath();
    if (resolved.isEmpty()) {
        resolved = QDir::cleanPath(folder);  // a folder that is not there: no file to find either
    }
    return (resolved.endsWith(separator) ? resolved : resolved + separator) +
           normalised.mid(cut + 1);
}

FileIdentity JobList::IdentityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino)};
}

QString JobList::ExtensionOf(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QDir::separator()) + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

bool JobList::IsExcludedExtension(const QString& extension) {
    // A substring test: an extension that begins an entry ("mp" of "mp3") is refused as well.
    return extension.isEmpty() ||
           kExcludedExtensions.contains(u'.' + extension, Qt::CaseInsensitive);
}

bool JobList::IsSoundExtension(const QString& extension) {
    return kSoundExtensions.contains(extension, Qt::CaseInsensitive);
}

bool JobList::IsRefusedByName(const QString& extension) {
    return IsExcludedExtension(extension) && !IsSoundExtension(extension);
}

QString JobList::ExclusionReason(const QString& extension) {
    if (extension.isEmpty()) {
        //: Why a file is not added.
        return Text::tr("it has no extension, so its kind cannot be told");
    }
    //: Why a file is not added. %1 is its extension.
    return Text::tr("not a video file (.%1)").arg(extension);
}

QString JobList::ContentRefusal(const FileContent& content, const QString& extension,
                                bool soundOnly) {
    if (soundOnly) {
        if (content.sound || !content.known) {
            return QString();  // unread: the probe says whether the encoder can read it
        }
        //: Why a file is not added: the chosen format (an Audio Only preset) makes sound files.
        return Text::tr("it has no sound, and the chosen format keeps sound only");
    }
    if (content.picture || (!content.known && !IsSoundExtension(extension))) {
        return QString();
    }
    if (content.sound || IsSoundExtension(extension)) {
        //: Why a file is not added. "Audio Only" is the category of presets in the format
        //: panel; keep it as the panel shows it.
        return Text::tr(
            "a sound file, with no picture: to convert it, choose one of the Audio Only presets");
    }
    //: Why a file is not added: it can be read, but has no track a conversion can keep.
    return Text::tr("it holds neither picture nor sound to convert");
}

void JobList::Refuse(Refusal kind, const QString& reason) {
    lastRefusalKind_ = kind;
    lastRefusal_ = reason;
}

void JobList::RefuseUnaddable(const QString& path, const QFileInfo& info) {
    if (!info.exists() && path.contains(QChar::ReplacementCharacter)) {
        // The name was not valid UTF-8: what reached us is a decoding that names no file.
        //: Why a file is not added.
        Refuse(Refusal::NotUtf8, Text::tr("its name is not valid UTF-8, so it cannot be "
                                          "passed on unchanged; rename the file to add it"));
    } else if (!info.exists() && IsNameTooLong(path)) {
        Refuse(Refusal::NameTooLong, NameTooLongReason(path));
    } else if (!info.exists()) {
        //: Why a file is not added.
        Refuse(Refusal::Missing, Text::tr("not found"));
    } else {
        //: Why a file is not added: it is a folder, a device or a pipe.
        Refuse(Refusal::NotRegularFile, Text::tr("not a regular file"));
    }
    if (!refusalsCollected_ && lastRefusalKind_ == Refusal::NameTooLong) {
        //: %1 is a path, %2 why it cannot be used.
        ReportAddError(52, Text::tr("Bad file name: %1 (%2)").arg(path, lastRefusal_));
    } else if (!refusalsCollected_) {
        //: %1 is a path, %2 why it cannot be used.
        ReportAddError(53, Text::tr("File not found: %1 (%2)").arg(path, lastRefusal_));
    }
}

bool JobList::AddFile2Grid(QString& sFilePath) {
    Refuse(Refusal::None, QString());
    if (adding_ || !store_) {
        //: Why a file is not added.
        Refuse(Refusal::Busy, Text::tr("another add is running"));
        return false;  // an add that arrives during another add's probe is refused
    }
    const QScopedValueRollback<bool> adding(adding_, true);
    sFilePath = ListedPath(sFilePath);
    const FileIdentity identity = IdentityOf(sFilePath);
    if (FileExistsInGrid(sFilePath) || store_->FindFile(identity) >= 0) {
        //: Why a file is not added.
        Refuse(Refusal::Duplicate, Text::tr("already in the list"));
        return false;
    }
    // Only regular files (or links to one) are probed: a pipe or a device would hold the
    // encoder and the media library for ever.
    const QFileInfo info(sFilePath);
    if (!info.isFile()) {
        RefuseUnaddable(sFilePath, info);
        return false;
    }
    if (!info.isReadable()) {
        // Nothing of it could be converted; better said now than as a failure later.
        //: Why a file is not added.
        Refuse(Refusal::Unreadable, Text::tr("it cannot be read (permission denied)"));
        return false;
    }
    const QString extension = ExtensionOf(sFilePath);
    const std::optional<FileFacts> ready = ahead_ ? ahead_->Take(sFilePath) : std::nullopt;
    // Every file that is not a duplicate is probed, also those the extension refuses next. A
    // read ahead at low priority may run out of time only because the machine is busy: such a
    // file is asked again here, at the window's priority, before it is called unreadable.
    const ProbeVerdict probe = ready && !ready->probe.timedOut ? ready->probe : probe_(sFilePath);
    if (IsRefusedByName(extension)) {
        Refuse(Refusal::ExcludedType, ExclusionReason(extension));
        return false;
    }
    // Judged by what it holds, whatever its name: an Ogg file may hold a film, an MKV a song.
    const FileContent content =
        ready && !ready->probe.timedOut ? ready->content : contentReader_(sFilePath);
    if (const QString wrong = ContentRefusal(content, extension, soundOnly_ && soundOnly_());
        !wrong.isEmpty()) {
        Refuse(Refusal::WrongContent, wrong);
        return false;
    }

    const MediaLength length = ready ? ready->length : lengthReader_(sFilePath);
    store_->Append(NewRow(sFilePath, identity, info.size(), length, probe));
    emit SelectAllCleared();
    return true;
}

void JobList::SelectAll(bool checked) {
    if (adding_ || !store_) {
        return;
    }
    for (int row = 0; row < store_->RecordCount(); ++row) {
        store_->SetCheckBox(row, checked ? 1 : 0);
    }
}

bool JobList::CanConvertAgain(const JobRow& row) {
    return row.status == QStringLiteral("Error") || row.status == QStringLiteral("Cancelled") ||
           row.status == QStringLiteral("Complete");
}

int JobList::ConvertAgain(const QList<int>& rows) {
    if (adding_ || locked_ || !store_) {
        return 0;
    }
    int count = 0;
    for (const int row : rows) {
        if (row < 0 || row >= store_->RecordCount() || !CanConvertAgain(store_->Row(row))) {
            continue;
        }
        // The last run's log stays to be read; its reason and result belong to the past.
        const QString log = store_->Row(row).logPath;
        const QString tail = store_->Row(row).outputTail;
        store_->SetOutcome(row, QString(), QString(), log, tail);
        store_->SetTracks(row, TrackReport());
        store_->SetStatus(row, QStringLiteral("Waiting Conversion"));
        store_->SetTextColor(row, JobRow::Status, std::nullopt);
        ++count;
    }
    return count;
}

void JobList::RemoveChecked() {
    RemoveWhere([](const JobRow& row) { return row.IsChecked(); });
}

void JobList::RemoveFinished() {
    RemoveWhere([](const JobRow& row) { return row.status == QStringLiteral("Complete"); });
}

bool JobList::HasStatus(const QString& status) const {
    for (int row = 0; store_ && row < store_->RecordCount(); ++row) {
        if (store_->Row(row).status == status) {
            return true;
        }
    }
    return false;
}

void JobList::RemoveWhere(const std::function<bool(const JobRow&)>& gone) {
    if (adding_ || locked_ || !store_) {
        return;
    }
    std::unique_ptr<JobListStore> fresh = NewJobList();
    if (store_->RecordCount() == 0) {
        return;
    }
    for (int row = 0; row < store_->RecordCount(); ++row) {
        if (!gone(store_->Row(row))) {
            fresh->Append(store_->Row(row));
        }
    }
    ReplaceStore(std::move(fresh));
    emit SelectAllCleared();
}

}  // namespace reelwright
