#pragma once

#include "platform/UserFolders.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace reelwright {

// Where converted files go: beside their inputs, or into one folder.
struct OutputFolderChoice {
    bool sameFolder = false;
    QString otherFolder;
};

// The output path of one input, or why there is none.
struct OutputPathResult {
    enum class Problem { None, FolderUnavailable, NoFreeName };
    QString path;
    Problem problem = Problem::None;
    QString folder;  // the folder meant, also when it cannot be had
    QString why;     // why the folder cannot be had, in a few words

    // The problem in one sentence that names the folder, for the file's row.
    QString Reason() const;
};

// A path for the converted file that never names an existing entry: the input's base name with
// the new type, then "_Converted", then "_Converted_0" up to "_Converted_10000", each short
// enough for the file system. A missing folder is created (one level). Says nothing.
OutputPathResult ChooseOutputPath(const QString& input, const QString& type,
                                  const OutputFolderChoice& choice);

// The path ChooseOutputPath would give now, or why there is none, without making the folder
// or anything else.
OutputPathResult PreviewOutputPath(const QString& input, const QString& type,
                                   const OutputFolderChoice& choice);

// The first `count` names a result may be given, in the order they are tried. Makes no folder.
QStringList OutputCandidates(const QString& input, const QString& type,
                             const OutputFolderChoice& choice, int count);

// The name a result gets when nothing but its own input is in the way (a result beside its
// input, of the input's own type, is the "_Converted" one). Makes no folder; empty when the
// folder is not a full path.
QString PlainOutputPath(const QString& input, const QString& type,
                        const OutputFolderChoice& choice);

// The same, with the message when the folder cannot be had; empty when there is no path.
QString GetOutputPath(const QString& input, const QString& type, const OutputFolderChoice& choice);

// The message for an output folder that cannot be had.
QString OutputFolderMessage();

// Whether a candidate name is taken: anything of that name, a folder or a dangling link too, or
// a name reserved for a result still being written.
bool IsTakenName(const QString& path);

// Keeps a result's name for it while it is written, so that no other file converting at the
// same time is given it; released when it goes.
class NameReservation {
  public:
    explicit NameReservation(QString path);
    ~NameReservation();
    NameReservation(const NameReservation&) = delete;
    NameReservation& operator=(const NameReservation&) = delete;

  private:
    QString path_;
};

// The longest file name the file system takes, in bytes.
inline constexpr int kMaxNameBytes = 255;

// `stem` followed by `suffix`, the stem cut at a character boundary so the whole name takes at
// most kMaxNameBytes bytes.
QString FitName(const QString& stem, const QString& suffix);

// An empty, hidden file beside `finalPath`, with the same extension so the encoder picks the
// same muxer; the conversion writes into it. Empty, with `error` set, when none can be made.
// With `lock`, the file is also locked (flock) through the descriptor given back there, so that
// while it is held nobody takes the file for a dead program's leftover; closing it, or the
// program's end however it comes, lets the lock go. Where the folder keeps no locks, the file
// is named so that nobody ever takes it for a leftover (kNoLockPrefix), and `noLock` gets why.
// With `unlocked`, the descriptor of a file that could not be locked is kept open and given back
// there, so that its maker never has to trust its name again.
QString CreateTemporaryOutput(const QString& finalPath, QString* error, int* lock = nullptr,
                              QString* noLock = nullptr, int* unlocked = nullptr);
// The start of the name of a hidden file written without a lock: no tidying removes it.
inline constexpr char kNoLockPrefix[] = ".reelwright-nolock-";

// Removes the hidden files that programs no longer running left in a folder while converting:
// those nobody holds locked. A file whose lock cannot be known stays. How many were removed.
int RemoveAbandonedTemporaries(const QString& folder);

// Gives a finished temporary file its final name without ever replacing an entry: when `wanted`
// has been taken meanwhile, `nextName` is asked for another. The name given, or empty (with
// `error` set) when the file could not be given one; the temporary file is then left as it is.
// With `written` (the descriptor the file was made through), the name is renamed only while it
// still names that file: another user who can write into the folder may have put something
// else in its place.
QString ClaimOutput(const QString& temporary, const QString& wanted,
                    const std::function<QString()>& nextName, QString* error, int written = -1);
// Whether `path` names the very file open as `fd` (never followed through a link).
bool NamesFile(const QString& path, int fd);
// Why a result is not kept whose hidden file `temporary` no longer names the file written.
QString TakenAway(const QString& temporary);

}  // namespace reelwright
