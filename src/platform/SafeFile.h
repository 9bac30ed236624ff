#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace reelwright {

// A file whose name others may change under us (a shared folder, a watched one, a source),
// opened once, by descriptor. Opening never waits: a name that has become a pipe or a device
// would hold an ordinary open() for ever, past any deadline and any signal. Only a regular file
// is taken; anything else is refused with the reason. The descriptor goes with the object.
class SafeFile {
  public:
    enum class Links {
        Refuse,  // a name that is a link is refused (files in folders others can write)
        Follow,  // a link the user named is theirs to name; what it leads to is checked
    };

    // For reading.
    static SafeFile OpenForReading(const QByteArray& native, Links links = Links::Refuse);
    static SafeFile OpenForReading(const QString& path, Links links = Links::Refuse);
    // For reading and writing, as a lock over NFS needs; with `create`, made when missing.
    static SafeFile OpenForLocking(const QByteArray& native, bool create, mode_t mode = 0666);
    // A new file made here, for writing: fails when the name is taken by anything at all.
    static SafeFile CreateExclusive(const QByteArray& native, mode_t mode = 0666);
    // Whether the name is a regular file itself: not a link, a pipe, a device or a folder.
    static bool IsRegularFile(const QString& path);
    static bool IsRegularFile(const QByteArray& native);

    SafeFile() = default;
    ~SafeFile();
    SafeFile(SafeFile&& other) noexcept;
    SafeFile& operator=(SafeFile&& other) noexcept;
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }
    // The descriptor becomes the caller's to close.
    int Release();
    // Why it is not open, in a few words; empty when it is.
    const QString& Problem() const { return problem_; }
    // The system's error number; 0 when the name was there but not a regular file.
    int Error() const { return error_; }
    // Whether it was refused for what the name is, rather than for an error opening it.
    bool NotRegular() const { return notRegular_; }
    // A name for the very file opened, for a library that opens files only by name: opening it
    // gives this file again, with a position of its own, whatever the name is meanwhile.
    QByteArray ProcPath() const;

  private:
    static SafeFile Open(const QByteArray& native, int flags, mode_t mode, Links links);
    void Fail(int error);
    bool CheckRegular();

    int fd_ = -1;
    int error_ = 0;
    bool notRegular_ = false;
    QString problem_;
};

}  // namespace reelwright
