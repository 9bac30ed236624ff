#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace reelwright::test {

// Writes a file into a temporary folder and returns its path.
QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes = "data");

// The user a test acts as when it needs a second one (nobody).
inline constexpr unsigned kOtherUser = 65534;
// A folder of `mode` made at `path` (the umask set aside).
bool MakeFolder(const QString& path, unsigned mode);
// `path` (never followed) given to the other user.
bool GiveAway(const QString& path);

// An empty file under a name given in raw bytes (not always UTF-8), removed again at the end:
// a temporary folder cannot remove a name that Qt cannot decode.
class NativeNamedFile {
  public:
    explicit NativeNamedFile(QByteArray path);
    ~NativeNamedFile();
    NativeNamedFile(const NativeNamedFile&) = delete;
    NativeNamedFile& operator=(const NativeNamedFile&) = delete;
    bool Created() const { return created_; }

  private:
    QByteArray path_;
    bool created_ = false;
};

// A file whose full path takes exactly `bytes` bytes, longer than the system takes in one
// call: it is made, and removed again at the end, folder by folder.
class DeepFile {
  public:
    DeepFile(const QString& folder, int bytes);
    ~DeepFile();
    DeepFile(const DeepFile&) = delete;
    DeepFile& operator=(const DeepFile&) = delete;
    bool Created() const { return created_; }
    const QString& Path() const { return path_; }

  private:
    QString folder_;
    QStringList steps_;  // the folders below `folder`, then the file's name
    QString path_;
    bool created_ = false;
};

// A file system of `kib` KiB (a tmpfs) on a temporary folder for the object's life, so a test
// can meet a full disk. Mounting needs root and a machine that lets this process mount: where
// it cannot, Mounted() is false and Why() says why, for the test's skip.
class SmallDisk {
  public:
    explicit SmallDisk(int kib);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return mounted_; }
    const QString& Why() const { return why_; }
    QString Path() const { return dir_.path(); }
    // Takes what room is left, so the next write fails with "No space left on device".
    void Fill() const;

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};

// Catalogue text in the exact line format the scanners read.
QString CrLf(const QStringList& lines);
QStringList PresetLines(const QString& label, const QString& params, const QString& extension,
                        const QString& category);
QStringList CodecLines(const QString& name, const QString& description, const QString& type);
// Whole catalogues: declaration, root lines and the entries' lines.
QStringList PresetCatalogueLines(const QList<QStringList>& entries);
QString CodecCatalogueText(const QList<QStringList>& entries,
                           const QString& root = QStringLiteral("<codecs>"));

}  // namespace reelwright::test
