#pragma once

#include "joblist/JobRow.h"
#include "platform/PlayLength.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace reelwright {

// The job list as it is kept between runs of the program, with the batch that was running when
// it ended, so that whatever ends the program, nothing queued is lost and the batch can go on.
struct KeptQueue {
    // What a batch converts with: enough to go on with it as it was.
    struct Batch {
        QString options;
        QString type;
        bool sameFolder = false;
        QString folder;
        qint64 started = 0;  // when it began, in milliseconds since 1970
        bool operator==(const Batch&) const = default;
    };

    std::vector<JobRow> rows;
    // The window's rows as they stood, shared rather than copied (a list of thousands is taken
    // while files convert); kept after `rows`.
    std::vector<std::shared_ptr<const JobRow>> windowRows;
    std::optional<Batch> batch;  // the batch that was running, none when none was
    int setAside = 0;            // rows read that could not be taken (a field of the wrong kind)

    // Where the list is kept: StateFolder()/list.json.
    static QString Path();
    // Held (flock) by the one window that keeps the list, for as long as it runs.
    static QString LockPath();
    // Where the rows that could not be read are kept for whoever wants to look.
    static QString AsidePath();

    // The longest play length taken from a kept list: anything longer is no video of ours.
    static constexpr double kLongestLength = kLongestPlaySeconds;

    QByteArray ToBytes() const;
    // None, with `error` set, when the bytes are not a kept list. A row that cannot be read is
    // left out and counted in `setAside`; the others are kept.
    static std::optional<KeptQueue> FromBytes(const QByteArray& bytes, QString* error);

    // Written to a new file that then replaces the old, as the settings are.
    bool Save(QString* error = nullptr) const;

    // The same from a file or any other source, read piece by piece; `cancel` abandons it.
    static std::optional<KeptQueue> Read(QIODevice& source, QString* error,
                                         const std::atomic<bool>* cancel);

    enum class Found { Nothing, List, Damaged, Abandoned };
    struct Loaded;
    // Reads the kept list. A cancelled read (the program is ending) is Abandoned, and leaves
    // the file as it was.
    static Loaded Load(const std::atomic<bool>* cancel = nullptr);

    // The rows as the list should show them now: a row that was converting is waiting again, a
    // "Complete" row whose result has gone is waiting again, and a row whose file has gone is
    // left out (counted in `gone`).
    struct Revived {
        std::vector<JobRow> rows;
        int gone = 0;
        QStringList goneFiles;  // their names, the first kMostGoneNamed
    };
    static constexpr int kMostGoneNamed = 1000;
    static Revived Revive(std::vector<JobRow> rows,
                          const std::function<bool(const QString& path)>& isFile);

    // What became of the rows that were converting when the program ended, from their claims
    // alone: a row whose hidden file was renamed (its identity found under one of the names its
    // result may take) is "Complete" with that result; any other is waiting. Nothing else on
    // the disk is taken for a row's result. How many were found complete.
    static int SettleClaims(std::vector<JobRow>& rows);
    // Names of a result looked at when settling a claim.
    static constexpr int kCandidatesLookedAt = 12;
};

struct KeptQueue::Loaded {
    Found found = Found::Nothing;
    KeptQueue queue;
    QString error;  // why a damaged list could not be read; it was set aside as .damaged
};

}  // namespace reelwright
