#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace reelwright {

// Files and folders whose names are not UTF-8, which no QString holds (Qt turns each such byte
// into U+FFFD, for good): the batch reaches each through a link of a UTF-8 name in a private
// folder, the links' own folder beside the results' names; and a result of a file whose own
// name is not UTF-8 takes that name's bytes once it is written.
class StandIns {
  public:
    StandIns();
    ~StandIns();

    // Whether these bytes read back unchanged from the text they decode to.
    static bool IsUtf8(const QByteArray& bytes);
    // A file's name as UTF-8: each byte that is no part of a UTF-8 character as %XX.
    static QString Escaped(const QByteArray& name);

    // The path the batch is given for a full path: itself when it is UTF-8, else a link to it
    // (made once for each path). Empty when no link can be made.
    QString File(const QByteArray& native);
    // The same for a folder, to read it or write beside the files in it.
    QString Folder(const QByteArray& native);

    // The bytes a path the batch was given names: a stand-in's, or what is under a folder's.
    QByteArray Native(const QString& path) const;
    // The same as people read it, each byte that is not UTF-8 as U+FFFD.
    QString Shown(const QString& path) const;
    // What the results of `input` are named after: beside a file's stand-in is no place for
    // them, beside its folder's is.
    QString NamingInput(const QString& input) const;

    // The bytes of the name a result `result` (a path chosen for `input`) takes: for an input
    // whose own name is not UTF-8, that name with the result's type in the result's folder, or
    // the first "_Converted" name after it that is not the input (nor, with `free`, anything
    // there now or in `promised`); for any other input, `result`'s own bytes.
    QByteArray ResultName(const QString& input, const QString& result, bool free,
                          const QSet<QByteArray>& promised = {}) const;
    // Gives the result written at `result` the name ResultName would, never replacing anything;
    // the bytes of the name it has then, or empty with `error` (the result keeps its name).
    QByteArray TakeOwnName(const QString& input, const QString& result, QString* error) const;

  private:
    // The link to `native` named `name` in a folder of its own; empty when it cannot be made.
    QString Link(const QByteArray& native, const QByteArray& name);
    // The input's own name when it is not UTF-8; else empty.
    QByteArray ForeignName(const QString& input) const;

    // Made when the first link is; removed with the run, links and all (never what they lead to).
    std::unique_ptr<QTemporaryDir> folder_;
    QHash<QByteArray, QString> links_;       // each native path's link
    QHash<QString, QByteArray> targets_;     // each link's native path
    int made_ = 0;
};

}  // namespace reelwright
