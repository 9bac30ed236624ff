#include "engine/Muxer.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
}

namespace reelwright {

QString MuxerFor(const QString& fileName) {
    const QByteArray name = QFile::encodeName(fileName);
    const AVOutputFormat* format = av_guess_format(nullptr, name.constData(), nullptr);
    return format ? QString::fromLatin1(format->name) : QString();
}

}  // namespace reelwright
