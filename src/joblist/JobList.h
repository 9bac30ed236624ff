#pragma once

#include "engine/ProbeVerdict.h"
#include "joblist/DurationText.h"
#include "joblist/FileFacts.h"
#include "joblist/JobListStore.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QFileInfo;

namespace reelwright {

class FactsAhead;

// The window's job list: it owns the current store and is the only way rows enter or leave it.
class JobList : public QObject {
    Q_OBJECT

  public:
    // Answers whether the encoder can read a file, and why not.
    using Probe = std::function<ProbeVerdict(const QString& path)>;
    // Answers a file's play length as hours:minutes:seconds, with its exact seconds when known.
    using LengthReader = std::function<MediaLength(const QString& path)>;
    // Answers what a file holds: a picture, a sound.
    using ContentReader = std::function<FileContent(const QString& path)>;

    static const QString kExcludedExtensions;

    explicit JobList(QObject* parent = nullptr);
    ~JobList() override;

    // Replacing either reader (a test's) turns reading ahead off: it may not be safe on threads.
    void SetProbe(Probe probe) {
        probe_ = std::move(probe);
        ownReaders_ = false;
    }
    void SetLengthReader(LengthReader reader) {
        lengthReader_ = std::move(reader);
        ownReaders_ = false;
    }
    void SetContentReader(ContentReader reader) {
        contentReader_ = std::move(reader);
        ownReaders_ = false;
    }
    // Whether the chosen format keeps sound alone (the Audio Only presets), asked as each file
    // is added: a sound file is taken only then, and a file without sound only otherwise.
    // Unset, the format keeps pictures.
    void SetSoundOnly(std::function<bool()> soundOnly) { soundOnly_ = std::move(soundOnly); }

    // The files an add is about to take, in order: their probes and lengths are read ahead, on
    // threads beside the window, while the rows are made one by one. Asked again for the same
    // files, the reading under way goes on: a caller may begin it before the add.
    void ReadAhead(const QStringList& paths);
    void StopReadingAhead();
    // Whether AddFile2Grid would take this file without waiting for its facts.
    bool FactsReady(const QString& path) const;

    JobListStore* Store() const { return store_.get(); }
    bool IsAdding() const { return adding_; }
    // While locked (a batch is converting its rows), no row is removed.
    void SetLocked(bool locked) { locked_ = locked; }

    // Replaces the current store with a new, empty one.
    bool InitJobList();
    // A new, empty store; the current one is left alone.
    std::unique_ptr<JobListStore> NewJobList() const;
    bool FileExistsInGrid(const QString& path) const;

    // Appends one file unless it is refused; the path is normalised in place.
    bool AddFile2Grid(QString& sFilePath);
    // Why the last AddFile2Grid refused its file, in a few words; empty when it was added.
    const QString& LastRefusal() const { return lastRefusal_; }
    enum class Refusal {
        None,
        Busy,
        Duplicate,
        ExcludedType,
        Missing,
        NotRegularFile,
        NotUtf8,
        Unreadable,
        NameTooLong,
        WrongContent  // what it holds is not what the chosen format keeps
    };
    Refusal LastRefusalKind() const { return lastRefusalKind_; }
    // Files that cannot be added at all (missing, not a regular file, a name that is not valid
    // UTF-8) are told in a box of their own each, unless whoever adds collects the refusals to
    // tell them together.
    void SetRefusalsCollected(bool collected) { refusalsCollected_ = collected; }
    // Checks or clears every row.
    void SelectAll(bool checked);
    // Rebuilds the list without its checked rows, keeping the order of the others.
    void RemoveChecked();
    // The same without the rows that were converted ("Complete").
    void RemoveFinished();
    // Whether any row shows this status.
    bool HasStatus(const QString& status) const;
    // Whether a row has ended in a way the user may want to convert again (failed, stopped or
    // converted), so that the batch takes it once more.
    static bool CanConvertAgain(const JobRow& row);
    // Puts those of the rows that can be converted again back to "Waiting Conversion"; not while
    // a batch converts. How many were put back.
    int ConvertAgain(const QList<int>& rows);

    // Doubled separators become one, except at the start of a network path.
    static QString NormalisePath(const QString& path);
    // The path a file is listed under: normalised, and without "." or ".." steps (its folder
    // as the file system resolves it), so one file is not listed under two spellings.
    static QString ListedPath(const QString& path);
    // The file's device and inode, links followed; unknown when it cannot be looked at.
    static FileIdentity IdentityOf(const QString& path);
    // The text after the last dot of the last component; empty without a dot.
    static QString ExtensionOf(const QString& path);
    static bool IsExcludedExtension(const QString& extension);
    // The excluded extensions of sound files: such a file is judged by what it holds.
    static bool IsSoundExtension(const QString& extension);
    // Whether a file is refused by its name alone, unprobed for what it holds.
    static bool IsRefusedByName(const QString& extension);
    // Why an extension refused by its name is refused, in a few words.
    static QString ExclusionReason(const QString& extension);
    // Why a file that holds `content` is not taken for a format that keeps sound alone or not,
    // in a few words; empty when it is taken. A file whose tracks cannot be read is judged by
    // its extension, and is left to the probe unless that is a sound file's.
    static QString ContentRefusal(const FileContent& content, const QString& extension,
                                  bool soundOnly);

  signals:
    // The grid must show this store from now on.
    void StoreReplaced(JobListStore* store);
    // An add or a removal unchecks the select-all box.
    void SelectAllCleared();

  private:
    void Refuse(Refusal kind, const QString& reason);
    // Refuses a file that is missing or is no regular file, saying why unless refusals are
    // collected.
    void RefuseUnaddable(const QString& path, const QFileInfo& info);
    // Rebuilds the list without the rows `gone` names.
    void RemoveWhere(const std::function<bool(const JobRow&)>& gone);
    void ReplaceStore(std::unique_ptr<JobListStore> store);

    std::unique_ptr<JobListStore> store_;
    Probe probe_;
    LengthReader lengthReader_;
    ContentReader contentReader_;
    std::function<bool()> soundOnly_;
    bool ownReaders_ = true;
    std::unique_ptr<FactsAhead> ahead_;
    bool adding_ = false;
    bool locked_ = false;
    bool refusalsCollected_ = false;
    QString lastRefusal_;
    Refusal lastRefusalKind_ = Refusal::None;
};

}  // namespace reelwright
