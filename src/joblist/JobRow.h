#pragma once

#include "plan/TrackReport.h"

#include <QString>

#include <array>
#include <optional>

namespace reelwright {

// A cell's text colour as 0xRRGGBB; none leaves the grid's own.
using TextColor = std::optional<quint32>;

inline constexpr quint32 Rgb(int red, int green, int blue) {
    return (static_cast<quint32>(red) << 16) | (static_cast<quint32>(green) << 8) |
           static_cast<quint32>(blue);
}

// A file's identity on its file system: two paths name the same file when these agree.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool IsKnown() const { return inode != 0; }
    bool operator==(const FileIdentity&) const = default;
};

// The name a conversion set out to give its result, recorded before the encoder starts, so that
// after a crash the result can be told for the row's own: the hidden file it writes, the name
// it is meant to take, and that file's identity, which a rename keeps.
struct ClaimRecord {
    QString temporary;
    QString name;
    FileIdentity identity;
    qint64 made = 0;  // when, in milliseconds since 1970
    // The random mark the file carries (ResultMark); empty where its file system keeps none,
    // and in lists kept before marks.
    QByteArray mark;
    bool operator==(const ClaimRecord&) const = default;
};

// One queued file. Columns are addressed by position, as the grid shows them.
struct JobRow {
    enum Column { ID = 0, CheckBox = 1, FilePath = 2, Status = 3, Duration = 4, FileSize = 5 };
    static constexpr int kColumnCount = 6;

    int id = 0;
    int checkBox = 0;  // checked whenever not 0
    QString filePath;
    QString status;
    QString duration;
    QString fileSize;
    std::array<TextColor, kColumnCount> textColors{};

    // Not shown as columns.
    double lengthSeconds = 0;  // the exact play length when known, for judging a conversion
    QString reason;            // why the last conversion failed
    QString outputPath;        // where the last conversion's result went
    QString logPath;           // the last conversion's whole text
    QString outputTail;        // its last lines, kept in memory
    QString progressNote;      // while converting: time left and speed
    // Before converting, what its result is expected to take: "About 120 MB, about 3 min to
    // convert", and the same in bytes and seconds for the batch's total (0: none yet).
    QString estimate;
    qint64 estimatedBytes = 0;
    double estimatedSeconds = 0;
    bool inBatch = false;      // taken by the batch that runs, or ran when the program ended
    std::optional<ClaimRecord> claim;  // while it converts
    TrackReport tracks;                // what the last conversion kept, and left out
    FileIdentity identity;             // of the file, for telling two spellings of it apart

    bool IsChecked() const { return checkBox != 0; }
};

}  // namespace reelwright
