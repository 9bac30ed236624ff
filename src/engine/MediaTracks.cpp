#include "engine/MediaTracks.h"

#include "engine/OpenedMedia.h"
#include "platform/FileStamp.h"
#include "platform/Saturating.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/channel_layout.h>
#include <libavutil/display.h>
#include <libavutil/mastering_display_metadata.h>
#include <libavutil/pixdesc.h>
}

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::MediaTracks)
};

QString Tag(const AVDictionary* metadata, const char* key) {
    const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}

bool IsFont(const AVCodecParameters& codec, const QString& mimeType) {
    return codec.codec_id == AV_CODEC_ID_TTF || codec.codec_id == AV_CODEC_ID_OTF ||
           mimeType.contains(QStringLiteral("font"), Qt::CaseInsensitive);
}

QString Named(const char* name, bool known) {
    return known && name ? QString::fromLatin1(name) : QString();
}

double Value(AVRational rational) {
    return rational.den != 0 ? av_q2d(rational) : 0;
}

void TakeMastering(MediaTracks::Picture& look, const AVMasteringDisplayMetadata& mastering) {
    if (!mastering.has_primaries && !mastering.has_luminance) {
        return;
    }
    MediaTracks::Picture::Mastering taken;
    for (int i = 0; i < 2; ++i) {
        taken.red[i] = Value(mastering.display_primaries[0][i]);
        taken.green[i] = Value(mastering.display_primaries[1][i]);
        taken.blue[i] = Value(mastering.display_primaries[2][i]);
        taken.white[i] = Value(mastering.white_point[i]);
    }
    taken.maxLuminance = Value(mastering.max_luminance);
    taken.minLuminance = Value(mastering.min_luminance);
    look.mastering = taken;
}

void TakeLight(MediaTracks::Picture& look, const AVContentLightMetadata& light) {
    look.maxContentLight = static_cast<int>(light.MaxCLL);
    look.maxAverageLight = static_cast<int>(light.MaxFALL);
}

void TakeRotation(MediaTracks::Picture& look, const uint8_t* matrix) {
    const double rotation = av_display_rotation_get(reinterpret_cast<const int32_t*>(matrix));
    look.rotation = std::isnan(rotation) ? 0 : rotation;
}

// What the container tells of a picture beside its frames: HDR metadata and rotation.
void TakeStreamSideData(MediaTracks::Picture& look, const AVStream& stream) {
#if LIBAVCODEC_VERSION_MAJOR >= 61
    const AVCodecParameters& codec = *stream.codecpar;
    const auto find = [&codec](AVPacketSideDataType type) -> const uint8_t* {
        const AVPacketSideData* data =
            av_packet_side_data_get(codec.coded_side_data, codec.nb_coded_side_data, type);
        return data ? data->data : nullptr;
    };
#else
    const auto find = [&stream](AVPacketSideDataType type) -> const uint8_t* {
        return av_stream_get_side_data(&stream, type, nullptr);
    };
#endif
    if (const uint8_t* data = find(AV_PKT_DATA_MASTERING_DISPLAY_METADATA)) {
        TakeMastering(look, *reinterpret_cast<const AVMasteringDisplayMetadata*>(data));
    }
    if (const uint8_t* data = find(AV_PKT_DATA_CONTENT_LIGHT_LEVEL)) {
        TakeLight(look, *reinterpret_cast<const AVContentLightMetadata*>(data));
    }
    if (const uint8_t* data = find(AV_PKT_DATA_DISPLAYMATRIX)) {
        TakeRotation(look, data);
    }
}

MediaTracks::Picture LookOf(const AVStream& stream) {
    const AVCodecParameters& codec = *stream.codecpar;
    MediaTracks::Picture look;
    look.width = codec.width;
    look.height = codec.height;
    const AVRational rate = stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate : stream.r_frame_rate;
    look.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
    const AVRational aspect = stream.sample_aspect_ratio.num > 0 ? stream.sample_aspect_ratio
                                                                   : codec.sample_aspect_ratio;
    if (aspect.num > 0 && aspect.den > 0) {
        look.sampleAspect = av_q2d(aspect);
    }
    const auto format = static_cast<AVPixelFormat>(codec.format);
    if (const AVPixFmtDescriptor* descriptor = av_pix_fmt_desc_get(format)) {
        look.pixelFormat = QString::fromLatin1(descriptor->name);
        look.bitDepth = descriptor->comp[0].depth;
        // The "j" formats are full range whatever the tag says.
        if (look.pixelFormat.startsWith(QStringLiteral("yuvj"))) {
            look.range = QStringLiteral("pc");
        }
    }
    look.primaries = Named(av_color_primaries_name(codec.color_primaries),
                           codec.color_primaries != AVCOL_PRI_UNSPECIFIED);
    look.transfer =
        Named(av_color_transfer_name(codec.color_trc), codec.color_trc != AVCOL_TRC_UNSPECIFIED);
    look.matrix =
        Named(av_color_space_name(codec.color_space), codec.color_space != AVCOL_SPC_UNSPECIFIED);
    if (look.range.isEmpty()) {
        look.range = Named(av_color_range_name(codec.color_range),
                           codec.color_range != AVCOL_RANGE_UNSPECIFIED);
    }
    switch (codec.field_order) {
        case AV_FIELD_PROGRESSIVE:
            look.fieldOrder = QStringLiteral("progressive");
            break;
        case AV_FIELD_TT:
            look.fieldOrder = QStringLiteral("tt");
            break;
        case AV_FIELD_BB:
            look.fieldOrder = QStringLiteral("bb");
            break;
        case AV_FIELD_TB:
            look.fieldOrder = QStringLiteral("tb");
            break;
        case AV_FIELD_BT:
            look.fieldOrder = QStringLiteral("bt");
            break;
        default:
            break;
    }
    TakeStreamSideData(look, stream);
    return look;
}

// HDR metadata carried in the picture itself (HEVC's and AV1's own messages) is known only once
// a frame is decoded: the first frame of `stream` is.
void TakeFrameSideData(AVFormatContext& context, const AVStream& stream,
                       MediaTracks::Picture& look) {
    const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
    AVCodecContext* codec = decoder ? avcodec_alloc_context3(decoder) : nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (codec && packet && frame && avcodec_parameters_to_context(codec, stream.codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        bool decoded = false;
        // A first frame comes after a few packets at most; a file that gives none is let be.
        for (int read = 0; read < 200 && !decoded && av_read_frame(&context, packet) >= 0;
             ++read) {
            if (packet->stream_index == stream.index && avcodec_send_packet(codec, packet) >= 0) {
                decoded = avcodec_receive_frame(codec, frame) >= 0;
            }
            av_packet_unref(packet);
        }
        if (decoded) {
            if (const AVFrameSideData* data =
                    av_frame_get_side_data(frame, AV_FRAME_DATA_MASTERING_DISPLAY_METADATA)) {
                TakeMastering(look, *reinterpret_cast<const AVMasteringDisplayMetadata*>(data->data));
            }
            if (const AVFrameSideData* data =
                    av_frame_get_side_data(frame, AV_FRAME_DATA_CONTENT_LIGHT_LEVEL)) {
                TakeLight(look, *reinterpret_cast<const AVContentLightMetadata*>(data->data));
            }
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
}

void SoundOf(const AVCodecParameters& codec, MediaTracks::Track& track) {
    track.channels = codec.ch_layout.nb_channels;
    track.sampleRate = codec.sample_rate;
    track.empty = track.channels <= 0 || track.sampleRate <= 0;
    if (codec.ch_layout.order != AV_CHANNEL_ORDER_UNSPEC) {
        char name[128] = {};
        if (av_channel_layout_describe(&codec.ch_layout, name, sizeof name) > 0) {
            track.channelLayout = QString::fromLatin1(name);
        }
    }
}

// The size mkvmerge tags each track with ("NUMBER_OF_BYTES", "NUMBER_OF_BYTES-eng"); 0 without.
qint64 TaggedBytes(const AVDictionary* metadata) {
    const AVDictionaryEntry* entry =
        av_dict_get(metadata, "NUMBER_OF_BYTES", nullptr, AV_DICT_IGNORE_SUFFIX);
    return entry ? std::max(QByteArray(entry->value).toLongLong(), 0LL) : 0;
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
    track.commentary = (stream.disposition & AV_DISPOSITION_COMMENT) != 0;
    track.fileName = Tag(stream.metadata, "filename");
    track.mimeType = Tag(stream.metadata, "mimetype");
    switch (codec.codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            if (stream.disposition & AV_DISPOSITION_ATTACHED_PIC) {
                track.kind = MediaTracks::Kind::Cover;
                track.picture = QByteArray(reinterpret_cast<const char*>(stream.attached_pic.data),
                                           stream.attached_pic.size);
                // Its size is known once the library has decoded it: bytes that are not the
                // picture they claim to be leave it unknown, and the encoder can do nothing
                // with them.
                track.coverUnreadable =
                    track.picture.isEmpty() || codec.width <= 0 || codec.height <= 0;
                track.bytes = track.picture.size();
            } else {
                track.kind = MediaTracks::Kind::Video;
                track.look = LookOf(stream);
                track.empty = codec.width <= 0 || codec.height <= 0;
            }
            break;
        case AVMEDIA_TYPE_AUDIO:
            track.kind = MediaTracks::Kind::Audio;
            SoundOf(codec, track);
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            track.kind = MediaTracks::Kind::Subtitle;
            track.bytes = TaggedBytes(stream.metadata);
            break;
        case AVMEDIA_TYPE_ATTACHMENT:
            track.bytes = std::max(codec.extradata_size, 0);
            track.kind =
                IsFont(codec, track.mimeType) ? MediaTracks::Kind::Font : MediaTracks::Kind::Data;
            break;
        default:
            track.kind = MediaTracks::Kind::Data;
            break;
    }
    return track;
}

// Where the last picture or sound of a file ends, read from its last packets.
double LastEnd(AVFormatContext& context, Deadline* deadline) {
    const int64_t start = context.start_time != AV_NOPTS_VALUE ? context.start_time : 0;
    // A start near the limit leaves no end to seek to: the end is not known then.
    const std::optional<int64_t> last = CheckedAdd(start, context.duration);
    if (context.duration <= 0 || !last ||
        av_seek_frame(&context, -1, *last, AVSEEK_FLAG_BACKWARD) < 0) {
        return 0;
    }
    AVPacket* packet = av_packet_alloc();
    if (!packet) {
        return 0;
    }
    double end = 0;
    // A bound, so a file of tiny packets or a wrong seek cannot hold the reading.
    for (int n = 0; n < 100000 && !PastDeadline(deadline) && av_read_frame(&context, packet) >= 0;
         ++n) {
        const AVStream& stream = *context.streams[packet->stream_index];
        const AVMediaType type = stream.codecpar->codec_type;
        if ((type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO) &&
            !(stream.disposition & AV_DISPOSITION_ATTACHED_PIC) && packet->pts != AV_NOPTS_VALUE) {
            const int64_t after =
                SaturatingAdd(packet->pts, std::max<int64_t>(packet->duration, 0));
            end = std::max(end, static_cast<double>(after) * av_q2d(stream.time_base));
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return end;
}

// Whether an opened file's header has named each of its tracks with what a check of a result
// needs: containers that tell every track up front, and for each its codec and size.
bool HeaderTellsAll(const AVFormatContext& context) {
    const char* name = context.iformat ? context.iformat->name : "";
    if (std::strncmp(name, "matroska", 8) != 0 && std::strncmp(name, "mov,", 4) != 0) {
        return false;
    }
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        const AVCodecParameters& codec = *context.streams[i]->codecpar;
        const bool sized = codec.codec_type == AVMEDIA_TYPE_VIDEO
                               ? codec.width > 0 && codec.height > 0
                           : codec.codec_type == AVMEDIA_TYPE_AUDIO
                               ? codec.sample_rate > 0 && codec.ch_layout.nb_channels > 0
                               : true;
        if (codec.codec_id == AV_CODEC_ID_NONE || !sized) {
            return false;
        }
    }
    return context.duration > 0;
}

// What the streams of an opened file are, from its first packets. A whole picture tells a
// pixel format and a field order: the frames that lean on others are skipped, not decoded (a
// grainy phone video's first frames cost tens of milliseconds). Not only key frames: a
// broadcast may have none a decoder knows as such.
int FindStreamInfo(AVFormatContext& context) {
    std::vector<AVDictionary*> options(context.nb_streams, nullptr);
    for (AVDictionary*& one : options) {
        av_dict_set(&one, "skip_frame", "nointra", 0);
    }
    const int result = avformat_find_stream_info(&context, options.data());
    for (AVDictionary*& one : options) {
        av_dict_free(&one);
    }
    return result;
}

// What an opened file tells; `deadline` bounds the reading of its last packets.
void TakeFrom(MediaTracks& read, AVFormatContext& context, Deadline* deadline, bool made) {
    read.readable = true;
    read.container = context.iformat ? QString::fromLatin1(context.iformat->name) : QString();
    for (unsigned i = 0; i < context.nb_streams; ++i) {
        read.tracks.push_back(TrackOf(*context.streams[i]));
    }
    // HDR metadata that the container does not carry may be in the pictures.
    for (MediaTracks::Track& track : read.tracks) {
        if (!made && track.kind == MediaTracks::Kind::Video && track.look.IsHdr() &&
            !track.look.mastering && !PastDeadline(deadline)) {
            TakeFrameSideData(context, *context.streams[track.index], track.look);
            break;
        }
    }
    read.chapters = static_cast<int>(context.nb_chapters);
    read.title = Tag(context.metadata, "title");
    if (context.duration > 0) {
        read.seconds = static_cast<double>(context.duration) / AV_TIME_BASE;
    }
    if (context.start_time != AV_NOPTS_VALUE && context.start_time > 0) {
        read.start = static_cast<double>(context.start_time) / AV_TIME_BASE;
        // Only a late start can make the claimed length longer than what plays.
        read.end = LastEnd(context, deadline);
    }
}

// The last readings of files, so that the add, the plan and the next file's read-ahead read a
// source once: each is given again only while the file is the very same, unchanged. An add
// reads far ahead of the conversions, so many are kept: as many as a list's first thousand
// files, or fewer when they carry large cover pictures.
class RecentReadings {
  public:
    std::optional<MediaTracks> Find(const QString& path, const QByteArray& id) {
        const std::lock_guard lock(mutex_);
        for (auto kept = kept_.rbegin(); kept != kept_.rend(); ++kept) {
            if (kept->path == path && kept->id == id) {
                return kept->tracks;
            }
        }
        return std::nullopt;
    }
    void Keep(const QString& path, const QByteArray& id, const MediaTracks& tracks) {
        const std::lock_guard lock(mutex_);
        std::erase_if(kept_, [&path](const Kept& kept) { return kept.path == path; });
        kept_.push_back({path, id, tracks, BytesOf(tracks)});
        std::size_t bytes = 0;
        for (const Kept& kept : kept_) {
            bytes += kept.bytes;
        }
        while (!kept_.empty() && (kept_.size() > kMost || bytes > kMostBytes)) {
            bytes -= kept_.front().bytes;
            kept_.pop_front();
        }
    }

  private:
    struct Kept {
        QString path;
        QByteArray id;
        MediaTracks tracks;
        std::size_t bytes;
    };
    // Roughly what a reading holds: its covers' bytes, and its tracks' texts.
    static std::size_t BytesOf(const MediaTracks& tracks) {
        std::size_t bytes = 1024;
        for (const MediaTracks::Track& track : tracks.tracks) {
            bytes += 512 + static_cast<std::size_t>(track.picture.size());
        }
        return bytes;
    }
    static constexpr std::size_t kMost = 1024;
    static constexpr std::size_t kMostBytes = std::size_t{32} << 20;
    std::mutex mutex_;
    std::deque<Kept> kept_;
};

RecentReadings& Recent() {
    static RecentReadings readings;
    return readings;
}

// A file changed this recently may change again within its clock's tick and keep its times.
constexpr qint64 kSettledMs = 2000;

}  // namespace

MediaTracks MediaTracks::Read(const QString& path, int timeLimitMs,
                              const std::atomic<bool>* cancel) {
    const std::optional<StampedFile> before = StampFile(path);
    if (before) {
        if (std::optional<MediaTracks> kept = Recent().Find(path, before->stamp)) {
            return std::move(*kept);
        }
    }
    const qint64 began = QDateTime::currentMSecsSinceEpoch();
    MediaTracks read = ReadNow(path, timeLimitMs, cancel);
    // Kept only when read whole from a file that stood still, before and during the reading.
    if (before && read.problem.isEmpty() && !(cancel && *cancel) &&
        began - before->modifiedMs >= kSettledMs) {
        if (const std::optional<StampedFile> after = StampFile(path);
            after && after->stamp == before->stamp) {
            Recent().Keep(path, before->stamp, read);
        }
    }
    return read;
}

MediaTracks MediaTracks::ReadNow(const QString& path, int timeLimitMs,
                                 const std::atomic<bool>* cancel) {
    return ReadFile(path, timeLimitMs, cancel, false);
}

MediaTracks MediaTracks::ReadMade(const QString& path, int timeLimitMs) {
    return ReadFile(path, timeLimitMs, nullptr, true);
}

MediaTracks MediaTracks::ReadFile(const QString& path, int timeLimitMs,
                                  const std::atomic<bool>* cancel, bool made) {
    // What the libraries say about a file goes into `problem`, not onto our error output.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    MediaTracks read;
    OpenedMedia media(path, timeLimitMs, cancel);
    if (!media.input.IsOpen()) {
        read.notAFile = media.input.NotRegular();
        read.problem = media.input.Problem();
        return read;
    }
    if (!media.context) {
        char error[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(media.opened, error, sizeof error);
        read.problem = !media.input.Refused().isEmpty() ? media.input.Refused()
                                                        : QString::fromUtf8(error);
        if (media.opened == AVERROR(ENOMEM)) {
            //: Why a file's tracks could not be read.
            read.problem = Text::tr("out of memory");
        } else if (PastDeadline(&media.deadline)) {
            //: Why a file's tracks could not be read.
            read.problem = Text::tr("it took too long to read");
        }
        return read;
    }
    // Some containers (MPEG program and transport streams) tell their tracks only once read;
    // the others tell pixel formats and field orders only once frames are decoded.
    const int found = made && HeaderTellsAll(*media.context) ? 0 : FindStreamInfo(*media.context);
    if (found < 0 && PastDeadline(&media.deadline)) {
        read.problem = Text::tr("it took too long to read");
        return read;
    }
    TakeFrom(read, *media.context, &media.deadline, made);
    return read;
}

int MediaTracks::Count(Kind kind) const {
    return static_cast<int>(std::count_if(tracks.begin(), tracks.end(),
                                          [kind](const Track& t) { return t.kind == kind; }));
}

const MediaTracks::Track* MediaTracks::Main(Kind kind) const {
    const Track* first = nullptr;
    for (const Track& track : tracks) {
        if (track.kind != kind || track.empty) {
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

bool MediaTracks::HoldsPicture() const {
    return std::any_of(tracks.begin(), tracks.end(),
                       [](const Track& t) { return t.kind == Kind::Video && !t.empty; });
}

bool MediaTracks::HoldsSound() const {
    return std::any_of(tracks.begin(), tracks.end(),
                       [](const Track& t) { return t.kind == Kind::Audio && !t.empty; });
}

}  // namespace reelwright
