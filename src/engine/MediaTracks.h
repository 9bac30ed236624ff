#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace reelwright {

// The tracks of a media file as the encoder's own libraries read them, in this process: what a
// conversion can keep, and what a result holds.
struct MediaTracks {
    enum class Kind { Video, Audio, Subtitle, Font, Cover, Data };

    struct Track {
        int index = 0;  // the stream's number in the file, as the encoder's -map counts
        Kind kind = Kind::Data;
        QString codec;     // the codec's short name, "h264", "subrip"...
        QString language;  // ISO 639-2, empty when untagged ("und" counts as untagged)
        QString title;
        bool isDefault = false;
        bool forced = false;
        bool textSubtitle = false;     // a subtitle made of text (SRT, ASS, WebVTT, mov_text)
        bool pictureSubtitle = false;  // one made of pictures (PGS, DVD, DVB)
        QString fileName;              // an attachment's or a cover's file name, when it has one
        QString mimeType;
        QByteArray picture;  // a cover's picture, as stored
    };

    bool readable = false;  // false when the file could not be opened as media
    QString problem;        // why, when it could not
    std::vector<Track> tracks;
    int chapters = 0;
    QString title;
    double seconds = 0;  // the container's length; 0 when it does not say

    // Reads `path`, giving up after `timeLimitMs` (a dead network share would hold it).
    static MediaTracks Read(const QString& path, int timeLimitMs = kDefaultTimeLimitMs);
    static constexpr int kDefaultTimeLimitMs = 15000;

    int Count(Kind kind) const;
    // The track of a kind a player takes first: the one marked default, else the first.
    const Track* Main(Kind kind) const;
};

}  // namespace reelwright
