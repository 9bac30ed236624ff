#include "engine/KeyFrames.h"

#include "engine/OpenedMedia.h"

#include <optional>

extern "C" {
#include <libavformat/avformat.h>
}

namespace reelwright {
namespace {

// The first picture packet after a backward seek to `moment`: the key frame at or before it.
std::optional<double> KeyFrameBefore(AVFormatContext& context, int video, double moment) {
    const AVStream& stream = *context.streams[video];
    const int64_t origin = context.start_time != AV_NOPTS_VALUE ? context.start_time : 0;
    const int64_t target = origin + static_cast<int64_t>(moment * AV_TIME_BASE);
    if (avformat_seek_file(&context, -1, INT64_MIN, target, target, 0) < 0) {
        return std::nullopt;
    }
    AVPacket* packet = av_packet_alloc();
    std::optional<double> found;
    // A bound, so that a file of tiny packets cannot hold the reading.
    for (int n = 0; packet && n < 2000 && av_read_frame(&context, packet) >= 0; ++n) {
        const bool picture = packet->stream_index == video && packet->pts != AV_NOPTS_VALUE;
        if (picture && (packet->flags & AV_PKT_FLAG_KEY)) {
            found = static_cast<double>(packet->pts) * av_q2d(stream.time_base) -
                    static_cast<double>(origin) / AV_TIME_BASE;
        }
        av_packet_unref(packet);
        if (picture) {
            break;
        }
    }
    av_packet_free(&packet);
    // A key frame after the moment, or one far out of it, is no seek's landing.
    if (found && (*found > moment + 0.001 || *found < 0)) {
        return std::nullopt;
    }
    return found;
}

}  // namespace

QList<double> KeyFramesBefore(const QString& path, const QList<double>& moments, int timeLimitMs,
                              const std::atomic<bool>* cancel) {
    QList<double> found = moments;
    OpenedMedia media(path, timeLimitMs, cancel);
    AVFormatContext* context = media.context;
    const int video =
        context ? av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0) : -1;
    for (qsizetype i = 0; video >= 0 && i < found.size() && !PastDeadline(&media.deadline); ++i) {
        found[i] = KeyFrameBefore(*context, video, moments[i]).value_or(moments[i]);
    }
    return found;
}

KeyFrameBytes KeyFramesIn(const QString& path, int timeLimitMs) {
    KeyFrameBytes found;
    OpenedMedia media(path, timeLimitMs, nullptr);
    AVFormatContext* context = media.context;
    if (!context) {
        return found;
    }
    int video = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video < 0 && avformat_find_stream_info(context, nullptr) >= 0) {
        video = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    }
    AVPacket* packet = video >= 0 ? av_packet_alloc() : nullptr;
    while (packet && !PastDeadline(&media.deadline) && av_read_frame(context, packet) >= 0) {
        if (packet->stream_index == video && (packet->flags & AV_PKT_FLAG_KEY)) {
            ++found.count;
            found.bytes += packet->size;
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return found;
}

}  // namespace reelwright
