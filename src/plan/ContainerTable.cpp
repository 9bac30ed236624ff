#include "plan/ContainerTable.h"

#include "platform/CommandLine.h"

namespace reelwright {
namespace {

using Many = ContainerRules::Many;
using Cover = ContainerRules::Cover;

// Text subtitles that a Matroska file takes as they are; any other is written as SRT.
const QStringList kMatroskaText{"subrip", "ass", "ssa", "webvtt"};
const QStringList kMatroskaPictures{"hdmv_pgs_subtitle", "dvd_subtitle", "dvb_subtitle"};

// What each writer takes copied, tried with today's encoder: outside these a copy is refused,
// or written so that players cannot play it (HEVC in AVI is labelled raw video, Vorbis in MP4
// plays on no TV).
struct CopyRow {
    const char* name;
    QStringList video;
    const char* videoCodec;
    QStringList audio;
    const char* audioCodec;
};

const std::vector<CopyRow>& CopyRows() {
    static const QStringList kMp4Video{"h264", "hevc",       "mpeg4",      "av1",
                                       "vp9",  "mpeg2video", "mpeg1video", "mjpeg"};
    static const QStringList kMp4Audio{"aac", "mp3", "ac3", "eac3", "alac"};
    static const QStringList kPcm{"pcm_s16le", "pcm_s24le", "pcm_s32le", "pcm_f32le", "pcm_u8"};
    static const std::vector<CopyRow> rows{
        {"MP4", kMp4Video, "libx264", kMp4Audio, "aac"},
        {"M4V", kMp4Video, "libx264", kMp4Audio, "aac"},
        {"MOV",
         {"h264", "hevc", "mpeg4", "prores", "mjpeg", "mpeg2video", "dnxhd"},
         "libx264",
         {"aac", "mp3", "ac3", "alac", "pcm_s16le", "pcm_s24le", "pcm_s16be", "pcm_s24be"},
         "aac"},
        {"3GP", {"h264", "h263", "mpeg4"}, "libx264", {"aac", "amr_nb", "amr_wb"}, "aac"},
        {"WebM", {"vp8", "vp9", "av1"}, "libvpx-vp9", {"opus", "vorbis"}, "libopus"},
        // The older writers: a track they cannot hold is not made into something else.
        {"AVI",
         {"h264", "mpeg4", "msmpeg4v2", "msmpeg4v3", "mjpeg", "mpeg2video", "mpeg1video", "wmv1",
          "wmv2", "h263", "ffv1", "huffyuv", "dvvideo", "rawvideo"},
         "",
         {"mp3", "ac3", "aac", "mp2", "pcm_s16le", "wmav2", "dts"},
         ""},
        {"WMV",
         {"wmv1", "wmv2", "wmv3", "vc1", "msmpeg4v2", "msmpeg4v3", "mpeg4", "h264"},
         "",
         {"wmav1", "wmav2", "wmapro", "mp3", "ac3", "aac", "pcm_s16le"},
         ""},
        {"ASF",
         {"wmv1", "wmv2", "wmv3", "vc1", "msmpeg4v2", "msmpeg4v3", "mpeg4", "h264"},
         "",
         {"wmav1", "wmav2", "wmapro", "mp3", "ac3", "aac", "pcm_s16le"},
         ""},
        {"MPEG",
         {"mpeg1video", "mpeg2video", "h264", "mpeg4"},
         "",
         {"mp2", "mp3", "ac3", "dts"},
         ""},
        {"FLV", {"flv1", "h264"}, "", {"aac", "mp3"}, ""},
        {"RealMedia", {"rv10", "rv20"}, "", {"ac3", "real_144", "cook"}, ""},
        {"raw YUV", {}, "", {}, ""},
        {"GIF", {"gif"}, "", {}, ""},
        {"APNG", {"apng"}, "", {}, ""},
        // Sound alone: always something the writer takes.
        {"MP3", {}, "", {"mp3"}, "libmp3lame"},
        {"M4A", {}, "", {"aac", "alac"}, "aac"},
        {"Opus", {}, "", {"opus"}, "libopus"},
        {"Ogg", {}, "", {"vorbis", "opus", "flac"}, "libvorbis"},
        {"FLAC", {}, "", {"flac"}, "flac"},
        {"WAV", {}, "", kPcm, "pcm_s16le"},
        {"AAC", {}, "", {"aac"}, "aac"},
        {"AC-3", {}, "", {"ac3"}, "ac3"},
        {"WMA", {}, "", {"wmav1", "wmav2"}, "wmav2"},
    };
    return rows;
}

// What each writer keeps of a track's description, tried with ffmpeg 5.1 and 7.1 and read back
// with ffprobe; a container not listed keeps all it is given.
struct MarksRow {
    const char* name;
    ContainerRules::Titles titles;
    bool languages, defaultMark, forcedMark, commentaryMark;
};

void TakeMarks(ContainerRules& rules) {
    using Titles = ContainerRules::Titles;
    static const MarksRow kRows[] = {
        {"MP4", Titles::AsHandler, true, true, true, true},
        {"M4V", Titles::AsHandler, true, true, true, true},
        {"MOV", Titles::AsHandler, true, true, false, false},
        {"3GP", Titles::AsHandler, true, true, false, false},
        {"WebM", Titles::Held, true, true, true, false},
        {"AVI", Titles::Held, false, false, true, false},
        {"WMV", Titles::None, true, false, true, false},
        {"ASF", Titles::None, true, false, true, false},
        {"MPEG", Titles::None, false, false, true, false},
        {"FLV", Titles::None, false, false, true, false},
        {"RealMedia", Titles::None, false, false, true, false},
        // Sound alone: the one track's description goes where the writer puts it, or nowhere.
        {"MP3", Titles::None, false, true, true, false},
        {"M4A", Titles::AsHandler, true, true, true, false},
        {"FLAC", Titles::None, false, true, true, false},
        {"WAV", Titles::None, false, true, true, false},
        {"AAC", Titles::None, false, true, true, false},
        {"AC-3", Titles::None, false, true, true, false},
        {"WMA", Titles::None, true, true, true, false},
        {"Opus", Titles::Held, true, true, true, false},
        {"Ogg", Titles::Held, true, true, true, false},
    };
    for (const MarksRow& row : kRows) {
        if (rules.name == QString::fromLatin1(row.name)) {
            rules.titles = row.titles;
            rules.languages = row.languages;
            rules.defaultMark = row.defaultMark;
            rules.forcedMark = row.forcedMark;
            rules.commentaryMark = row.commentaryMark;
        }
    }
}

std::vector<ContainerRules> MakeTable() {
    std::vector<ContainerRules> table;
    const auto add = [&table](QStringList extensions, const char* name, Many video, Many audio) {
        ContainerRules rules;
        rules.extensions = std::move(extensions);
        rules.name = QString::fromLatin1(name);
        rules.video = video;
        rules.audio = audio;
        table.push_back(rules);
        return &table.back();
    };
    // MP4 and its kin: every picture and sound; text subtitles as mov_text; the cover kept as
    // the cover (the MOV and 3GP writers drop it without a word, so there it is said).
    for (const auto& [extensions, name, cover] :
         {std::tuple{QStringList{"mp4"}, "MP4", Cover::AsCover},
          std::tuple{QStringList{"m4v"}, "M4V", Cover::AsCover},
          std::tuple{QStringList{"mov"}, "MOV", Cover::None},
          std::tuple{QStringList{"3gp", "3g2"}, "3GP", Cover::None}}) {
        ContainerRules* rules = add(extensions, name, Many::All, Many::All);
        rules->textCodec = QStringLiteral("mov_text");
        rules->cover = cover;
        rules->classicLanguageCodes = name == QStringLiteral("MOV");
    }
    // Matroska holds everything: subtitles as they are, fonts, the cover as an attached file.
    ContainerRules* mkv = add({"mkv"}, "MKV", Many::All, Many::All);
    mkv->textAsIs = kMatroskaText;
    mkv->textCodec = QStringLiteral("srt");
    mkv->picturesAsIs = kMatroskaPictures;
    mkv->fonts = true;
    mkv->cover = Cover::AsAttachment;
    ContainerRules* webm = add({"webm"}, "WebM", Many::All, Many::All);
    webm->textCodec = QStringLiteral("webvtt");
    // The older containers: as many sounds as their writers take; no subtitles they could show,
    // but DVD's picture subtitles in an MPEG program stream.
    add({"avi"}, "AVI", Many::One, Many::All);
    add({"wmv"}, "WMV", Many::One, Many::All);
    add({"asf"}, "ASF", Many::One, Many::All);
    ContainerRules* mpg = add({"mpg", "mpeg", "vob"}, "MPEG", Many::One, Many::All);
    // Other picture subtitles (Blu-ray's, DVB's) would land unscaled and recoloured: the DVD
    // writer neither scales their pictures to its frame nor keeps their colours.
    mpg->picturesAsIs = {QStringLiteral("dvd_subtitle")};
    // Their writers refuse a second sound.
    add({"flv"}, "FLV", Many::One, Many::One);
    add({"rm"}, "RealMedia", Many::One, Many::One);
    // Picture alone.
    add({"yuv"}, "raw YUV", Many::One, Many::None)->describesItself = false;
    add({"gif"}, "GIF", Many::One, Many::None);
    add({"apng"}, "APNG", Many::One, Many::None);
    // Sound alone: the default track. ID3 holds a picture, so MP3 keeps the cover as its own.
    for (const auto& [extensions, name] :
         {std::pair{QStringList{"mp3"}, "MP3"}, std::pair{QStringList{"m4a"}, "M4A"},
          std::pair{QStringList{"opus"}, "Opus"}, std::pair{QStringList{"ogg", "oga"}, "Ogg"},
          std::pair{QStringList{"flac"}, "FLAC"}, std::pair{QStringList{"wav"}, "WAV"},
          std::pair{QStringList{"aac"}, "AAC"}, std::pair{QStringList{"ac3"}, "AC-3"},
          std::pair{QStringList{"wma"}, "WMA"}}) {
        ContainerRules* rules = add(extensions, name, Many::None, Many::One);
        if (rules->name == QStringLiteral("MP3")) {
            rules->cover = Cover::AsCover;
        }
    }
    for (ContainerRules& rules : table) {
        TakeMarks(rules);
        // Matroska takes any codec as it is.
        rules.anyVideo = rules.anyAudio = rules.name == QStringLiteral("MKV");
        for (const CopyRow& row : CopyRows()) {
            if (rules.name == QString::fromLatin1(row.name)) {
                rules.videoAsIs = row.video;
                rules.videoCodec = QString::fromLatin1(row.videoCodec);
                rules.audioAsIs = row.audio;
                rules.audioCodec = QString::fromLatin1(row.audioCodec);
            }
        }
    }
    return table;
}

}  // namespace

QString ContainerRules::SubtitleCodec(const QString& codec, bool picture) const {
    const QStringList& asIs = picture ? picturesAsIs : textAsIs;
    if (asIs.contains(codec)) {
        return QStringLiteral("copy");
    }
    return picture ? pictureCodec : textCodec;
}

bool ContainerRules::HoldsAsIs(const QString& codec, bool video) const {
    return video ? anyVideo || videoAsIs.contains(codec) : anyAudio || audioAsIs.contains(codec);
}

const std::vector<ContainerRules>& ContainerTable() {
    static const std::vector<ContainerRules> table = MakeTable();
    return table;
}

ContainerRules RulesFor(const QString& type) {
    const QString extension = type.toLower();
    for (const ContainerRules& rules : ContainerTable()) {
        if (rules.extensions.contains(extension)) {
            return rules;
        }
    }
    ContainerRules unknown;
    unknown.extensions = {extension};
    unknown.name = type.toUpper();
    // Not known: what a copy makes of it is left to the encoder.
    unknown.anyVideo = true;
    unknown.anyAudio = true;
    return unknown;
}

bool KeepsSoundOnly(const QString& type, const QString& options) {
    const ContainerRules rules = RulesFor(type);
    if (rules.audio == ContainerRules::Many::None) {
        return false;
    }
    const std::optional<QStringList> arguments = SplitArguments(options);
    return rules.video == ContainerRules::Many::None ||
           (arguments && arguments->contains(QStringLiteral("-vn")));
}

}  // namespace reelwright
