#include "formats/ContainerTable.h"

namespace reelwright {
namespace {

using Many = ContainerRules::Many;
using Cover = ContainerRules::Cover;

// Text subtitles that a Matroska file takes as they are; any other is written as SRT.
const QStringList kMatroskaText{"subrip", "ass", "ssa", "webvtt"};
const QStringList kMatroskaPictures{"hdmv_pgs_subtitle", "dvd_subtitle", "dvb_subtitle"};

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
    mpg->picturesAsIs = {QStringLiteral("dvd_subtitle")};
    mpg->pictureCodec = QStringLiteral("dvdsub");
    // Their writers refuse a second sound.
    add({"flv"}, "FLV", Many::One, Many::One);
    add({"rm"}, "RealMedia", Many::One, Many::One);
    // Picture alone.
    add({"yuv"}, "raw YUV", Many::One, Many::None)->describesItself = false;
    add({"gif"}, "GIF", Many::One, Many::None);
    add({"apng"}, "APNG", Many::One, Many::None);
    // Sound alone: the default track.
    for (const auto& [extensions, name] :
         {std::pair{QStringList{"mp3"}, "MP3"}, std::pair{QStringList{"m4a"}, "M4A"},
          std::pair{QStringList{"opus"}, "Opus"}, std::pair{QStringList{"ogg", "oga"}, "Ogg"},
          std::pair{QStringList{"flac"}, "FLAC"}, std::pair{QStringList{"wav"}, "WAV"},
          std::pair{QStringList{"aac"}, "AAC"}, std::pair{QStringList{"ac3"}, "AC-3"},
          std::pair{QStringList{"wma"}, "WMA"}}) {
        add(extensions, name, Many::None, Many::One);
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
    return unknown;
}

}  // namespace reelwright
