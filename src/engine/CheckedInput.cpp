#include "engine/CheckedInput.h"

#include <QFile>

#include <cctype>
#include <optional>

extern "C" {
#include <libavformat/avformat.h>
}

namespace reelwright {
namespace {

// The file a URL names, when the library would open it with its file protocol: "file:" and
// anything without a protocol of its own (letters, digits and "+-." before a colon).
std::optional<QByteArray> LocalName(const char* url) {
    const QByteArray name(url);
    if (name.startsWith("file:")) {
        return name.mid(5);
    }
    for (const char c : name) {
        if (c == ':') {
            return name.startsWith(':') ? std::optional(name) : std::nullopt;
        }
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') {
            break;
        }
    }
    return name;
}

}  // namespace

CheckedInput::CheckedInput(const QString& path)
    : native_(QFile::encodeName(path)),
      file_(SafeFile::OpenForReading(native_, SafeFile::Links::Follow)) {}

void CheckedInput::Attach(AVFormatContext* context) {
    next_ = context->io_open;
    context->opaque = this;
    context->io_open = &CheckedInput::Open;
}

int CheckedInput::Open(AVFormatContext* context, AVIOContext** pb, const char* url, int flags,
                       AVDictionary** options) {
    auto* self = static_cast<CheckedInput*>(context->opaque);
    const std::optional<QByteArray> local = LocalName(url);
    if (!local || (flags & AVIO_FLAG_WRITE) != 0) {
        return self->next_(context, pb, url, flags, options);
    }
    // The library opens the descriptor's own file again, with a position of its own: what it
    // reads is what was checked, whatever the name has become.
    if (*local == self->native_ && self->file_.IsOpen()) {
        return self->next_(context, pb, self->file_.ProcPath().constData(), flags, options);
    }
    const SafeFile file = SafeFile::OpenForReading(*local, SafeFile::Links::Follow);
    if (file.NotRegular()) {
        self->refused_ = file.Problem();
        return AVERROR(EINVAL);
    }
    if (!file.IsOpen()) {
        return AVERROR(file.Error());  // as the library's own open would have failed
    }
    return self->next_(context, pb, file.ProcPath().constData(), flags, options);
}

}  // namespace reelwright
