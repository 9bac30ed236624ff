#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

namespace reelwright {

// The tracks of a media file as the encoder's own libraries read them, in this process: what a
// conversion can keep, and what a result holds.
struct MediaTracks {
    enum class Kind { Video, Audio, Subtitle, Font, Cover, Data };

    // What a picture track is: how its colours and fields are meant to be shown. Names are the
    // encoder's own ("bt709", "smpte2084", "tv"); empty where the file does not say.
    struct Picture {
        int width = 0;
        int height = 0;
        int bitDepth = 0;
        QString pixelFormat;
        QString primaries;
        QString transfer;
        QString matrix;
        QString range;
        QString fieldOrder;  // "progressive", "tt", "bb", "tb", "bt"; empty when unknown
        double rotation = 0;  // degrees the display matrix turns it
        double frameRate = 0;      // frames a second, 0 when unknown
        double sampleAspect = 0;   // a pixel's width over its height; 0 when the file does not say
        // HDR metadata: the mastering display (chromaticities, luminance in cd/m2) and the
        // content light levels.
        struct Mastering {
            double red[2] = {}, green[2] = {}, blue[2] = {}, white[2] = {};
            double maxLuminance = 0, minLuminance = 0;
        };
        std::optional<Mastering> mastering;
        int maxContentLight = 0;
        int maxAverageLight = 0;

        // Perceptual quantiser (HDR10) or hybrid log-gamma.
        bool IsHdr() const {
            return transfer == QStringLiteral("smpte2084") ||
                   transfer == QStringLiteral("arib-std-b67");
        }
        bool IsInterlaced() const {
            return !fieldOrder.isEmpty() && fieldOrder != QStringLiteral("progressive");
        }
    };

    struct Track {
        int index = 0;  // the stream's number in the file, as the encoder's -map counts
        Kind kind = Kind::Data;
        QString codec;     // the codec's short name, "h264", "subrip"...
        QString language;  // ISO 639-2, empty when untagged ("und" counts as untagged)
        QString title;
        bool isDefault = false;
        bool forced = false;
        bool commentary = false;       // a commentary rather than the programme's own sound
        bool textSubtitle = false;     // a subtitle made of text (SRT, ASS, WebVTT, mov_text)
        bool pictureSubtitle = false;  // one made of pictures (PGS, DVD, DVB)
        QString fileName;              // an attachment's or a cover's file name, when it has one
        QString mimeType;
        QByteArray picture;            // a cover's picture, as stored
        bool coverUnreadable = false;  // a cover whose bytes do not decode as its picture
        // What it holds in all, where the file tells: an attachment's or a cover's data, a
        // subtitle's size as its muxer tagged it; 0 when not known.
        qint64 bytes = 0;
        Picture look;                  // a picture track's colours and fields
        // A sound track's channels and their layout as the encoder names it ("5.1(side)");
        // the layout is empty where the file gives only a count.
        int channels = 0;
        QString channelLayout;
        int sampleRate = 0;
        // Declared by the file, but nothing of it could be read: a sound without channels or
        // rate, a picture without a size (a transport stream that announces a stream it never
        // carries). The encoder, given it, stops; left to itself, it passes it over.
        bool empty = false;
        // A subtitle file beside the source: the encoder's input it is read from (0 is the
        // source), its name there, and what it holds, read when it was found.
        int input = 0;
        QString sidecar;
        QByteArray sidecarText;
    };

    bool readable = false;  // false when the file could not be opened as media
    QString container;      // the libraries' name of its kind ("mpegts", "matroska,webm")
    QString problem;        // why, when it could not
    bool notAFile = false;  // not read at all: the name is a pipe, a device, a folder
    std::vector<Track> tracks;
    int chapters = 0;
    QString title;
    double seconds = 0;  // the container's length; 0 when it does not say
    // Where its pictures and sounds begin and end, in seconds; 0 when not known. A file cut from
    // a recording may begin late and claim its length from zero: it plays end - start.
    double start = 0;
    double end = 0;

    // Reads `path`, giving up after `timeLimitMs` (a dead network share would hold it), or as
    // soon as `cancel` is set. A file read a moment ago and the very same since (its device,
    // inode, size and times) is not read again.
    static MediaTracks Read(const QString& path, int timeLimitMs = kDefaultTimeLimitMs,
                            const std::atomic<bool>* cancel = nullptr);
    // The same, always from the file.
    static MediaTracks ReadNow(const QString& path, int timeLimitMs = kDefaultTimeLimitMs,
                               const std::atomic<bool>* cancel = nullptr);
    // A file the encoder has just written, read for its tracks, sizes and length: where its
    // container's header names every track whole (Matroska, MP4), no frame is decoded.
    static MediaTracks ReadMade(const QString& path, int timeLimitMs = kDefaultTimeLimitMs);
    static constexpr int kDefaultTimeLimitMs = 15000;

    int Count(Kind kind) const;
    // The track of a kind a player takes first: the one marked default, else the first; an
    // empty one is nobody's first.
    const Track* Main(Kind kind) const;
    // Whether it holds a picture (a cover is none) or a sound that is not empty.
    bool HoldsPicture() const;
    bool HoldsSound() const;

  private:
    static MediaTracks ReadFile(const QString& path, int timeLimitMs,
                                const std::atomic<bool>* cancel, bool made);
};

}  // namespace reelwright
