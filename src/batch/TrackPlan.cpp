#include "batch/TrackPlan.h"

#include "batch/PicturePlan.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <tuple>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TrackPlan)
};

using Kind = MediaTracks::Kind;
using Many = ContainerRules::Many;
using Track = MediaTracks::Track;

// A language's code as the classic QuickTime table has it (tried with the MOV writer: of the
// two ISO 639-2 codes it takes one, and drops the other).
QString ClassicCode(const QString& language) {
    static const QHash<QString, QString> kClassic{
        {"sqi", "alb"}, {"hye", "arm"}, {"eus", "baq"}, {"mya", "bur"}, {"zho", "chi"},
        {"nld", "dut"}, {"kat", "geo"}, {"deu", "ger"}, {"ell", "gre"}, {"isl", "ice"},
        {"mkd", "mac"}, {"msa", "may"}, {"fas", "per"}, {"bod", "tib"}, {"cym", "wel"},
        {"swe", "sve"}, {"cze", "ces"}, {"fre", "fra"}, {"rum", "ron"}, {"slo", "slk"}};
    return kClassic.value(language, language);
}

// Codecs whose pictures may be interlaced without the file saying so.
const QStringList kMaybeInterlaced{"mpeg2video", "dvvideo", "h264", "vc1", "mpeg4"};

QString Map(const Track& track) {
    return QStringLiteral("0:%1").arg(track.index);
}

bool Has(const QStringList& arguments, const QString& option) {
    return arguments.contains(option);
}

// A cover's file name when it has none of its own.
QString CoverName(const Track& cover) {
    if (!cover.fileName.isEmpty()) {
        return QFileInfo(cover.fileName).fileName();
    }
    if (cover.codec == QStringLiteral("png") || cover.mimeType.endsWith(QStringLiteral("png"))) {
        return QStringLiteral("cover.png");
    }
    return QStringLiteral("cover.jpg");
}

QString CoverMimeType(const Track& cover) {
    if (!cover.mimeType.isEmpty()) {
        return cover.mimeType;
    }
    return CoverName(cover).endsWith(QStringLiteral(".png")) ? QStringLiteral("image/png")
                                                             : QStringLiteral("image/jpeg");
}

// The name of an option that applies to every picture track ("-vf", "-vtag", "-profile:v"...),
// for giving it to each by number; empty for any other (the codec is left alone: the cover's
// own comes after it and wins).
QString PictureOption(const QString& argument) {
    if (argument == QStringLiteral("-vf")) {
        return QStringLiteral("filter");
    }
    if (argument == QStringLiteral("-vtag")) {
        return QStringLiteral("tag");
    }
    static const QRegularExpression kForPictures(QStringLiteral("^-([a-z_]+):v$"));
    const QRegularExpressionMatch match = kForPictures.match(argument);
    if (!match.hasMatch() || match.captured(1) == QStringLiteral("c") ||
        match.captured(1) == QStringLiteral("codec")) {
        return QString();
    }
    return match.captured(1);
}

// Whether the options copy the tracks of a kind ('v' or 'a') as they are.
bool Copies(const QStringList& arguments, char kind) {
    return CodecIn(arguments, kind) == QStringLiteral("copy");
}

// A codec as users know it, by the libraries' name or the encoder's.
QString Readable(const QString& codec) {
    static const QHash<QString, QString> kNames{{"h264", "H.264"},
                                                {"libx264", "H.264"},
                                                {"hevc", "HEVC (H.265)"},
                                                {"libx265", "HEVC (H.265)"},
                                                {"vp8", "VP8"},
                                                {"vp9", "VP9"},
                                                {"libvpx-vp9", "VP9"},
                                                {"av1", "AV1"},
                                                {"mpeg4", "MPEG-4 Part 2"},
                                                {"mpeg2video", "MPEG-2"},
                                                {"mpeg1video", "MPEG-1"},
                                                {"prores", "ProRes"},
                                                {"theora", "Theora"},
                                                {"aac", "AAC"},
                                                {"mp3", "MP3"},
                                                {"libmp3lame", "MP3"},
                                                {"ac3", "AC-3"},
                                                {"eac3", "E-AC-3"},
                                                {"opus", "Opus"},
                                                {"libopus", "Opus"},
                                                {"vorbis", "Vorbis"},
                                                {"libvorbis", "Vorbis"},
                                                {"flac", "FLAC"},
                                                {"alac", "ALAC"},
                                                {"dts", "DTS"},
                                                {"truehd", "TrueHD"},
                                                {"mp2", "MPEG audio layer 2"},
                                                {"wmav2", "WMA"},
                                                {"pcm_s16le", "PCM"}};
    return kNames.value(codec, codec.toUpper());
}

// Arguments as one text, quoted only where the splitter needs it, so the log reads plainly.
QString Quoted(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments) {
        const bool plain = !argument.isEmpty() && !argument.contains(u' ') &&
                           !argument.contains(u'\t') && !argument.contains(u'"');
        quoted << (plain ? argument : QuoteArgument(argument));
    }
    return quoted.join(u' ');
}

}  // namespace

TrackPlan TrackPlan::Make(const MediaTracks& source, const QString& type, const QString& options,
                          Choice choice, const FieldLook& look) {
    TrackPlan plan;
    plan.options_ = options;
    if (!source.readable) {
        //: %1 is why the file's tracks could not be read.
        plan.report_.notes << Text::tr(
                                  "Its tracks could not be read (%1), so the encoder chose "
                                  "one of each kind.")
                                  .arg(source.problem);
        return plan;
    }
    const std::optional<QStringList> arguments = SplitArguments(options);
    if (!arguments || Has(*arguments, QStringLiteral("-map"))) {
        return plan;  // the format picks its tracks itself
    }
    const ContainerRules rules = RulesFor(type);
    plan.checkable_ = rules.describesItself;
    const bool every = choice == Choice::Every;
    //: Why a track was left out. The words in parentheses are a setting's name in the window.
    const QString onlyOne =
        Text::tr("one track of each kind is kept (Keep every audio and subtitle track is off)");
    const auto leave = [&plan](const Track& track, const QString& kind, const QString& reason) {
        plan.report_.leftOut.push_back({kind, track.language, reason});
    };
    const auto named = [&rules](const QString& text) { return QString(text).arg(rules.name); };

    // Picture and sound: all, or the main one, as the container and the choice allow.
    const auto choose = [&](Kind kind, Many many, bool formatDrops, const char* word,
                            const QString& noneHeld, const QString& oneHeld,
                            const QString& formatNone) {
        std::vector<const Track*> kept;
        const Track* main = source.Main(kind);
        for (const Track& track : source.tracks) {
            if (track.kind != kind) {
                continue;
            }
            if (formatDrops) {
                leave(track, QString::fromLatin1(word), formatNone);
            } else if (many == Many::None) {
                leave(track, QString::fromLatin1(word), named(noneHeld));
            } else if (&track != main && many == Many::One) {
                leave(track, QString::fromLatin1(word), named(oneHeld));
            } else if (&track != main && !every) {
                leave(track, QString::fromLatin1(word), onlyOne);
            } else {
                kept.push_back(&track);
            }
        }
        return kept;
    };
    const std::vector<const Track*> videos =
        choose(Kind::Video, rules.video, Has(*arguments, QStringLiteral("-vn")), "video",
               //: Why a track was left out. %1 is a kind of file, such as MP4.
               Text::tr("%1 holds no picture"),
               //: Why a track was left out. %1 is a kind of file, such as MP4.
               Text::tr("%1 holds one picture track: the main one is kept"),
               //: Why a track was left out.
               Text::tr("the chosen format keeps no picture"));
    const std::vector<const Track*> audios =
        choose(Kind::Audio, rules.audio, Has(*arguments, QStringLiteral("-an")), "audio",
               //: Why a track was left out. %1 is a kind of file, such as MP4.
               Text::tr("%1 holds no sound"),
               //: Why a track was left out. %1 is a kind of file, such as MP4.
               Text::tr("%1 holds one sound track: the default one is kept"),
               //: Why a track was left out.
               Text::tr("the chosen format keeps no sound"));

    std::vector<const Track*> subtitles;
    QStringList subtitleCodecs;
    const bool noSubtitles = Has(*arguments, QStringLiteral("-sn"));
    // The one a player shows first, when only one is kept.
    const Track* mainSubtitle = nullptr;
    for (const Track& track : source.tracks) {
        if (track.kind == Kind::Subtitle &&
            !rules.SubtitleCodec(track.codec, track.pictureSubtitle).isEmpty() &&
            (!mainSubtitle || (track.isDefault && !mainSubtitle->isDefault))) {
            mainSubtitle = &track;
        }
    }
    for (const Track& track : source.tracks) {
        if (track.kind != Kind::Subtitle) {
            continue;
        }
        const QString kind =
            track.pictureSubtitle ? QStringLiteral("picture subtitle") : QStringLiteral("subtitle");
        const QString codec = rules.SubtitleCodec(track.codec, track.pictureSubtitle);
        if (noSubtitles) {
            //: Why a track was left out.
            leave(track, kind, Text::tr("the chosen format keeps no subtitles"));
        } else if (codec.isEmpty()) {
            QString reason;
            if (track.pictureSubtitle) {
                //: Why a track was left out. %1 is a kind of file, such as MP4.
                reason = Text::tr("%1 cannot hold picture subtitles");
            } else if (rules.HoldsPictureSubtitles()) {
                //: Why a track was left out. %1 is a kind of file, such as MP4.
                reason = Text::tr("%1 cannot hold text subtitles");
            } else if (track.textSubtitle) {
                //: Why a track was left out. %1 is a kind of file, such as MP4.
                reason = Text::tr("%1 cannot hold subtitles");
            } else {
                //: Why a track was left out. %1 is a kind of file, such as MP4.
                reason = Text::tr("%1 cannot hold subtitles of this kind");
            }
            leave(track, kind, named(reason));
        } else if (!every && &track != mainSubtitle) {
            leave(track, kind, onlyOne);
        } else {
            subtitles.push_back(&track);
            subtitleCodecs << codec;
        }
    }

    std::vector<const Track*> fonts;
    std::vector<const Track*> covers;
    for (const Track& track : source.tracks) {
        if (track.kind == Kind::Font) {
            if (rules.fonts) {
                fonts.push_back(&track);
            } else {
                //: Why a font was left out. %1 is a kind of file, such as MP4.
                leave(track, QStringLiteral("font"), named(Text::tr("%1 cannot hold fonts")));
            }
        } else if (track.kind == Kind::Cover) {
            if (rules.cover == ContainerRules::Cover::None) {
                //: Why the cover art was left out. %1 is a kind of file, such as MP4.
                leave(track, QStringLiteral("cover"), named(Text::tr("%1 cannot hold cover art")));
            } else if (rules.cover == ContainerRules::Cover::AsAttachment &&
                       track.picture.isEmpty()) {
                //: Why the cover art was left out.
                leave(track, QStringLiteral("cover"), Text::tr("its picture could not be read"));
            } else {
                covers.push_back(&track);
            }
        }
    }
    if (videos.empty() && audios.empty() && subtitles.empty()) {
        return plan;  // nothing the plan can keep: the encoder says what is wrong
    }
    plan.chose_ = true;
    if (source.Count(Kind::Video) == 0 && !audios.empty() && rules.video != Many::None &&
        !Has(*arguments, QStringLiteral("-vn"))) {
        plan.report_.notes << Text::tr("The source has no picture: only its sound was kept.");
    }

    // Tracks copied as they are that the container cannot hold so: the container's own codec,
    // or, where it has none to offer, no result at all rather than one that does not play.
    const bool copyVideo = Copies(*arguments, 'v');
    const bool copyAudio = Copies(*arguments, 'a');
    std::vector<bool> recoded(videos.size(), false);
    QStringList recoding;
    using Copied = std::tuple<const std::vector<const Track*>*, bool, char>;
    for (const auto& [group, copies, letter] :
         {Copied{&videos, copyVideo, 'v'}, Copied{&audios, copyAudio, 'a'}}) {
        const bool video = letter == 'v';
        const QString& usual = video ? rules.videoCodec : rules.audioCodec;
        for (std::size_t i = 0; copies && i < group->size(); ++i) {
            const QString& codec = (*group)[i]->codec;
            if (codec.isEmpty() || rules.HoldsAsIs(codec, video)) {
                continue;
            }
            if (usual.isEmpty()) {
                if (video) {
                    //: %1 is a kind of file, such as AVI; %2 a codec, such as HEVC.
                    plan.refusal_ = Text::tr(
                                        "%1 cannot hold %2 video copied as it is, so nothing "
                                        "was written: choose a preset that encodes it, or a "
                                        "container that holds %2 (MKV holds any).")
                                        .arg(rules.name, Readable(codec));
                } else {
                    //: %1 is a kind of file, such as AVI; %2 a codec, such as Opus.
                    plan.refusal_ = Text::tr(
                                        "%1 cannot hold %2 sound copied as it is, so nothing "
                                        "was written: choose a preset that encodes it, or a "
                                        "container that holds %2 (MKV holds any).")
                                        .arg(rules.name, Readable(codec));
                }
                return plan;
            }
            recoding << QStringLiteral("-c:%1:%2").arg(QChar::fromLatin1(letter)).arg(i) << usual;
            if (video) {
                recoded[i] = true;
            }
            //: %1 is a kind of file, such as MP4; %2 and %3 are codecs.
            QString note = Text::tr("%1 cannot hold %2 video as it is: it was encoded as %3.");
            if (!video) {
                //: %1 is a kind of file, such as MP4; %2 and %3 are codecs.
                note = Text::tr("%1 cannot hold %2 sound as it is: it was encoded as %3.");
            }
            note = note.arg(rules.name, Readable(codec), Readable(usual));
            if (!plan.report_.notes.contains(note)) {
                plan.report_.notes << note;
            }
        }
    }

    for (const std::vector<const Track*>* group :
         std::initializer_list<const std::vector<const Track*>*>{&videos, &audios, &subtitles,
                                                                 &fonts}) {
        for (const Track* track : *group) {
            plan.before_ << QStringLiteral("-map") << Map(*track);
        }
    }
    // Each picture as its source meant it: HDR, fields, range and colour tags.
    const PicturePlan::Format pictureFormat = PicturePlan::Format::Of(*arguments);
    std::vector<PicturePlan> pictures;
    bool filtered = false;
    for (std::size_t i = 0; i < videos.size(); ++i) {
        const Track& video = *videos[i];
        PicturePlan::FieldLook ask;
        if (look && video.look.fieldOrder.isEmpty() && kMaybeInterlaced.contains(video.codec)) {
            ask = [&look, &video] { return look(video.index); };
        }
        const PicturePlan::Format format =
            recoded[i] ? PicturePlan::Format::Of({QStringLiteral("-c:v"), rules.videoCodec})
                       : pictureFormat;
        pictures.push_back(PicturePlan::Make(video.look, format, static_cast<int>(i), ask));
        filtered = filtered || !pictures.back().filters.isEmpty();
        for (const QString& note : pictures.back().notes) {
            if (!plan.report_.notes.contains(note)) {
                plan.report_.notes << note;
            }
        }
    }
    const bool coverInStream = rules.cover == ContainerRules::Cover::AsCover && !covers.empty();
    for (const Track* cover : coverInStream ? covers : std::vector<const Track*>()) {
        plan.before_ << QStringLiteral("-map") << Map(*cover);
    }
    if (coverInStream || filtered) {
        // The format's options for every picture track would reach the cover too, which is
        // copied: a filter, a codec tag or a named profile there stops the encoder. They go to
        // each encoded picture track by its number instead, its own filters before the
        // format's, in one chain.
        QStringList rewritten;
        bool hadFilter = false;
        for (qsizetype i = 0; i < arguments->size(); ++i) {
            const QString name = PictureOption((*arguments)[i]);
            if (name.isEmpty() || i + 1 >= arguments->size()) {
                rewritten << (*arguments)[i];
                continue;
            }
            const bool filter = name == QStringLiteral("filter");
            hadFilter = hadFilter || filter;
            for (std::size_t video = 0; video < videos.size(); ++video) {
                QString value = (*arguments)[i + 1];
                if (filter && !pictures[video].filters.isEmpty()) {
                    value = pictures[video].filters + u',' + value;
                }
                rewritten << QStringLiteral("-%1:v:%2").arg(name).arg(video) << value;
            }
            ++i;
        }
        for (std::size_t video = 0; !hadFilter && video < videos.size(); ++video) {
            if (!pictures[video].filters.isEmpty()) {
                rewritten << QStringLiteral("-filter:v:%1").arg(video) << pictures[video].filters;
            }
        }
        plan.options_ = Quoted(rewritten);
    }
    plan.after_ << recoding;
    for (std::size_t i = 0; i < videos.size(); ++i) {
        // Players of MP4 and MOV (Apple's, TVs) look for HEVC under this tag.
        if (copyVideo && !recoded[i] && videos[i]->codec == QStringLiteral("hevc") &&
            rules.textCodec == QStringLiteral("mov_text")) {
            plan.after_ << QStringLiteral("-tag:v:%1").arg(i) << QStringLiteral("hvc1");
        }
    }
    for (const PicturePlan& picture : pictures) {
        plan.after_ << picture.options;
    }
    for (qsizetype i = 0; i < subtitleCodecs.size(); ++i) {
        plan.after_ << QStringLiteral("-c:s:%1").arg(i) << subtitleCodecs[i];
    }
    if (rules.classicLanguageCodes) {
        using Group = std::pair<const std::vector<const Track*>*, char>;
        for (const auto& [group, letter] :
             {Group{&videos, 'v'}, Group{&audios, 'a'}, Group{&subtitles, 's'}}) {
            for (std::size_t i = 0; i < group->size(); ++i) {
                const QString& language = (*group)[i]->language;
                if (ClassicCode(language) != language) {
                    plan.after_
                        << QStringLiteral("-metadata:s:%1:%2").arg(QChar::fromLatin1(letter)).arg(i)
                        << QStringLiteral("language=") + ClassicCode(language);
                }
            }
        }
    }
    if (coverInStream) {
        for (std::size_t k = 0; k < covers.size(); ++k) {
            const QString stream = QString::number(videos.size() + k);
            // As it is: its own codec, no codec tag of the picture's, shown as the cover.
            plan.after_ << QStringLiteral("-c:v:") + stream << QStringLiteral("copy")
                        << QStringLiteral("-tag:v:") + stream << QStringLiteral("0")
                        << QStringLiteral("-disposition:v:") + stream
                        << QStringLiteral("attached_pic");
        }
    } else if (rules.cover == ContainerRules::Cover::AsAttachment) {
        for (const Track* cover : covers) {
            plan.attachments_.push_back({CoverName(*cover), CoverMimeType(*cover), cover->picture});
        }
    }
    plan.attachmentsMapped_ = static_cast<int>(fonts.size());
    plan.promised_ = {static_cast<int>(videos.size()), static_cast<int>(audios.size()),
                      static_cast<int>(subtitles.size()), static_cast<int>(covers.size()),
                      static_cast<int>(fonts.size())};
    return plan;
}

QString TrackPlan::Options(const QStringList& attachmentPaths) const {
    QStringList after = after_;
    for (std::size_t k = 0;
         k < attachments_.size() && static_cast<qsizetype>(k) < attachmentPaths.size(); ++k) {
        const QString stream = QString::number(attachmentsMapped_ + static_cast<int>(k));
        after << QStringLiteral("-attach") << attachmentPaths[static_cast<qsizetype>(k)]
              << QStringLiteral("-metadata:s:t:") + stream
              << QStringLiteral("mimetype=") + attachments_[k].mimeType
              << QStringLiteral("-metadata:s:t:") + stream
              << QStringLiteral("filename=") + attachments_[k].fileName;
    }
    QStringList parts;
    if (!before_.isEmpty()) {
        parts << Quoted(before_);
    }
    parts << options_;
    if (!after.isEmpty()) {
        parts << Quoted(after);
    }
    return parts.join(u' ');
}

TrackReport::Counts TrackPlan::CountsOf(const MediaTracks& tracks) {
    return {tracks.Count(Kind::Video), tracks.Count(Kind::Audio), tracks.Count(Kind::Subtitle),
            tracks.Count(Kind::Cover), tracks.Count(Kind::Font)};
}

std::optional<QString> TrackPlan::Check(const MediaTracks& result,
                                        const QString& resultName) const {
    if (!chose_ || !checkable_) {
        return std::nullopt;
    }
    const QString name = QDir::toNativeSeparators(resultName);
    if (!result.readable) {
        //: %1 is the converted file, %2 why it cannot be read.
        return Text::tr("The converted file %1 cannot be read back (%2), so it was not kept.")
            .arg(name, result.problem);
    }
    const TrackReport::Counts held = CountsOf(result);
    QString missing;
    const auto lacks = [&missing](int held, int promised, const QString& phrase) {
        if (held < promised) {
            const QString lacking =
                QString(phrase).arg(QString::number(promised - held), QString::number(promised));
            //: Joins the kinds of tracks a converted file lacks.
            missing = missing.isEmpty() ? lacking : Text::tr("%1, %2").arg(missing, lacking);
        }
    };
    //: What a converted file lacks: %1 of the %2 tracks it was to hold.
    lacks(held.video, promised_.video, Text::tr("%1 of the %2 video tracks"));
    //: What a converted file lacks: %1 of the %2 tracks it was to hold.
    lacks(held.audio, promised_.audio, Text::tr("%1 of the %2 audio tracks"));
    //: What a converted file lacks: %1 of the %2 tracks it was to hold.
    lacks(held.subtitle, promised_.subtitle, Text::tr("%1 of the %2 subtitle tracks"));
    //: What a converted file lacks: %1 of the %2 cover pictures it was to hold.
    lacks(held.cover, promised_.cover, Text::tr("%1 of the %2 cover pictures"));
    //: What a converted file lacks: %1 of the %2 fonts it was to hold.
    lacks(held.font, promised_.font, Text::tr("%1 of the %2 fonts"));
    if (missing.isEmpty()) {
        return std::nullopt;
    }
    //: %1 is the converted file, %2 what it lacks.
    return Text::tr("The converted file %1 lacks %2 that were to be kept, so it was not kept.")
        .arg(name, missing);
}

TrackReport TrackPlan::ReportFor(const MediaTracks& result) const {
    TrackReport report = report_;
    report.kept = CountsOf(result);
    return report;
}

}  // namespace reelwright
