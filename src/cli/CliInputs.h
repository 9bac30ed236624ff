#pragma once

#include "cli/CliInput.h"
#include "cli/CliOptions.h"
#include "cli/CliReport.h"
#include "joblist/VideoFileAdder.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QTextStream>

#include <optional>

namespace reelwright {

class JobList;
class StandIns;

// The files reelwright-cli is given, named on the command line or in a list or found in the
// folders named, and their adding to the list of files. What will not do is said on `err`.
class CliInputs {
  public:
    // Names that are not UTF-8 reach the list through `standIns`.
    CliInputs(JobList& jobList, StandIns& standIns, QTextStream& err);

    // The full, clean form of a name given.
    static QString Absolute(const QString& path);

    // The files and folders named on the command line and in the list; none when the list
    // cannot be read.
    std::optional<QList<CliInput>> Given(const CliOptions& options);
    // The files named, and in place of each folder the files directly inside it.
    QList<CliInput> OpenFolders(const QList<CliInput>& inputs);

    // What became of an input given to the list.
    struct Added {
        CliReport::Entry entry;  // the input, and why it was not added when it was not
        int row = -1;            // its row, when it was added
    };
    // Adds the files to the list, in their order. A file named again, in this call or an
    // earlier one, is refused as already in the list.
    QList<Added> Add(const QList<CliInput>& inputs);
    // The names the list is given for the inputs (a stand-in for a name that is not UTF-8).
    QStringList ListNames(const QList<CliInput>& inputs);
    // The list was emptied: its rows are new ones.
    void ListEmptied() { given_.clear(); }
    // Stops an add under way: the files it did not reach are not added.
    void RequestStop() { adder_.RequestStop(); }

  private:
    // The names in a list (- for the standard input), as they are; none when it cannot be read.
    std::optional<QByteArray> ReadList(const QString& name);
    // Adds the files directly inside a folder (a full path) to `files`.
    void OpenFolder(const QString& path, const QByteArray& native, QList<CliInput>* files);
    // Says so when `file`, in `folder`, is a link that leads out of it: once for each link.
    void TellLinkOut(const QByteArray& folder, const QByteArray& file);

    JobList& jobList_;
    StandIns& standIns_;
    VideoFileAdder adder_;
    QTextStream& err_;
    QSet<QByteArray> toldLinks_;
    QSet<int> given_;  // the rows already given to an input
};

}  // namespace reelwright
