#include "engine/MediaTracks.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

namespace reelwright {
namespace {

struct Deadline {
    std::chrono::steady_clock::time_point end;
};

int PastDeadline(void* opaque) {
    return std::chrono::steady_clock::now() > static_cast<const Deadline*>(opaque)->end;
}

QString Tag(const AVDictionary* metadata, const char* key) {
    const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}

bool IsFont(const AVCodecParameters& codec, const QString& mimeType) {
    return codec.codec_id == AV_CODEC_ID_TTF || codec.codec_id == AV_CODEC_ID_OTF ||
           mimeType.contains(QStringLiteral("font"), Qt::CaseInsensitive);
}

MediaTracks::Track TrackOf(const AVStream& stream) {
    MediaTracks::Track track;
    const AVCodecParameters& codec = *stream.codecpar;
    track.index = stream.index;
    if (const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec.codec_id)) {
        track.codec = QString::fromLatin1(descriptor->name);
        track.textSubtitle = (descriptor->props & AV_CODEC_PROP_TEXT_SUB) != 0;
        track.pictureSubtitle = (descriptor->props & AV_CODEC_PROP_BITMAP_SUB) != 0;
    }
    track.language = Tag(stream.metadata, "language");
    if (track.language == QStringLiteral("und")) {
        track.language.clear();
    }
    track.title = Tag(stream.metadata, "title");
    track.isDefault = (stream.disposition & AV_DISPOSITION_DEFAULT) != 0;
    track.forced = (stream.disposition & AV_DISPOSITION_FORCED) != 0;
    track.fileName = Tag(stream.metadata, "filename");
    track.mimeType = Tag(stream.metadata, "mimetype");
    switch (codec.codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) {
                track.kind = MediaTracks::Kind::Cover;
                track.picture = QByteArray(reinterpret_cast<const char*>(stream.attached_pic.data),
                                           stream.attached_pic.size);
            } else {
                track.kind = MediaTracks::Kind::Video;
            }
            break;
        case AVMEDIA_TYPE_AUDIO:
            track.kind = MediaTracks::Kind::Audio;
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            track.kind = MediaTracks::Kind::Subtitle;
            break;
        case AVMEDIA_TYPE_ATTACHMENT:
            track.kind =
                IsFont(codec, track.mimeType) ? MediaTracks::Kind::Font : MediaTracks::Kind::Data;
            break;
        default:
            track.kind = MediaTracks::Kind::Data;
            break;
    }
    return track;
}

}  // namespace

MediaTracks MediaTracks::Read(const QString& path, int timeLimitMs) {
    // What the libraries say about a file goes into `problem`, not onto our error output.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    MediaTracks read;
    Deadline deadline{std::chrono::steady_clock::now() + std::chrono::milliseconds(timeLimitMs)};
    AVFormatContext* context = avformat_alloc_context();
    if (!context) {
        read.problem = QStringLiteral("out of memory");
        return read;
    }
    context->interrupt_callback = {&PastDeadline, &deadline};
    const QByteArray native = QFile::encodeName(path);
    int result = avformat_open_input(&context, native.constData(), nullptr, nullptr);
    if (result < 0) {
        char error[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(result, error, sizeof error);
        read.problem = PastDeadline(&deadline) ? QStringLiteral("it took too long to read")
                                               : QString::fromUtf8(error);
        return read;  // the context is freed when the open fails
    }
    // Some containers (MPEG program and transport streams) tell their tracks only once read.
    result = avformat_find_stream_info(context, nullptr);
    if (result < 0 && PastDeadline(&deadline)) {
        read.problem = QStringLiteral("it took too long to read");
        avformat_close_input(&context);
        return read;
    }
    read.readable = true;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        read.tracks.push_back(TrackOf(*context->streams[i]));
    }
    read.chapters = static_cast<int>(context->nb_chapters);
    read.title = Tag(context->metadata, "title");
    if (context->duration > 0) {
        read.seconds = static_cast<double>(context->duration) / AV_TIME_BASE;
    }
    avformat_close_input(&context);
    return read;
}

int MediaTracks::Count(Kind kind) const {
    return static_cast<int>(std::count_if(tracks.begin(), tracks.end(),
                                          [kind](const Track& t) { return t.kind == kind; }));
}

const MediaTracks::Track* MediaTracks::Main(Kind kind) const {
    const Track* first = nullptr;
    for (const Track& track : tracks) {
        if (track.kind != kind) {
            continue;
        }
        if (track.isDefault) {
            return &track;
        }
        if (!first) {
            first = &track;
        }
    }
    return first;
}

}  // namespace reelwright
