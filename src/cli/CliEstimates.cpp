#include "cli/CommandLineConverter.h"

#include "conversion/FileEstimate.h"

namespace reelwright {

void CommandLineConverter::Estimate(int row, const QString& output, CliReport::Entry* entry) {
    const std::optional<FileConversion::Request> request = batch_.RequestFor(row, output);
    const FileEstimate estimate =
        request ? FileEstimate::Of(*request)
                : FileEstimate{0, 0, tr("The format or the file's length cannot be had.")};
    if (!estimate.Known()) {
        entry->outcome = CliReport::Outcome::Failed;
        entry->status = QStringLiteral("Error");
        entry->reason = estimate.problem;
        entry->result.clear();  // there will be none
        entry->nativeResult.clear();
        return;
    }
    entry->estimate = estimate;
}

}  // namespace reelwright
