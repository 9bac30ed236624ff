#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace reelwright {

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
    // Text colour per cell; an invalid colour leaves the grid's own.
    std::array<QColor, kColumnCount> textColors{};

    // Not shown as columns.
    double lengthSeconds = 0;  // the exact play length when known, for judging a conversion
    QString reason;            // why the last conversion failed
    QString outputPath;        // where the last conversion's result went

    bool IsChecked() const { return checkBox != 0; }
};

}  // namespace reelwright
