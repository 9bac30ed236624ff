#pragma once

#include "platform/SafeFile.h"

#include <QByteArray>
#include <QString>

struct AVFormatContext;
struct AVIOContext;
struct AVDictionary;

namespace reelwright {

// A file the encoder's libraries read in this process, opened by us first: libavformat opens
// by name, and a name that has become a pipe would hold its open() for ever, past the deadline
// and past any signal. Every local file the library opens for `context` (the input and whatever
// it names, such as a playlist's parts) is opened here without waiting and checked to be a
// regular file; the library is then handed that very file. The name itself is still what the
// library probes by, as the encoder does.
class CheckedInput {
  public:
    // Opens `path`; a link the user named is followed, as the encoder follows it.
    explicit CheckedInput(const QString& path);
    CheckedInput(const CheckedInput&) = delete;
    CheckedInput& operator=(const CheckedInput&) = delete;

    bool IsOpen() const { return file_.IsOpen(); }
    // Why it was not opened, in a few words; and whether it is there but no regular file.
    const QString& Problem() const { return file_.Problem(); }
    bool NotRegular() const { return file_.NotRegular(); }
    // The name to give avformat_open_input.
    const QByteArray& Name() const { return native_; }
    // Routes `context`'s opening of files through this; before avformat_open_input. Uses the
    // context's opaque field.
    void Attach(AVFormatContext* context);
    // Why a file the library asked for after the input was refused for not being a regular
    // file; empty when none was.
    const QString& Refused() const { return refused_; }

  private:
    using Opener = int (*)(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**);
    static int Open(AVFormatContext* context, AVIOContext** pb, const char* url, int flags,
                    AVDictionary** options);

    QByteArray native_;
    SafeFile file_;
    Opener next_ = nullptr;
    QString refused_;
};

}  // namespace reelwright
