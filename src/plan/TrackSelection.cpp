#include "plan/TrackSelection.h"

#include <QCoreApplication>

namespace reelwright {
namespace {

// The texts were first said by the track plan, and are translated under its name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TrackPlan)
};

using Kind = MediaTracks::Kind;
using Many = ContainerRules::Many;
using Track = MediaTracks::Track;

QString OnlyOne() {
    //: Why a track was left out. The words in parentheses are a setting's name in the window.
    return Text::tr("one track of each kind is kept (Keep every audio and subtitle track is off)");
}

// Why one kind of track is not kept, as the container's row and the format say it.
struct KindReasons {
    Kind kind;
    Many many;
    bool formatDrops;
    const char* word;
    QString noneHeld;
    QString oneHeld;
    QString formatNone;
    QString empty;
};

// The one a player shows first, when only one subtitle is kept.
const Track* MainSubtitle(const MediaTracks& source, const ContainerRules& rules) {
    const Track* main = nullptr;
    for (const Track& track : source.tracks) {
        if (track.kind == Kind::Subtitle &&
            !rules.SubtitleCodec(track.codec, track.pictureSubtitle).isEmpty() &&
            (!main || (track.isDefault && !main->isDefault))) {
            main = &track;
        }
    }
    return main;
}

QString SubtitleRefusal(const Track& track, const ContainerRules& rules) {
    if (track.pictureSubtitle && rules.HoldsPictureSubtitles()) {
        //: Why a track was left out. %1 is a kind of file, such as MPEG (DVD).
        return Text::tr(
            "%1 holds DVD subtitles only, and these pictures cannot become them without "
            "being misplaced and recoloured");
    }
    if (track.pictureSubtitle) {
        //: Why a track was left out. %1 is a kind of file, such as MP4.
        return Text::tr("%1 cannot hold picture subtitles");
    }
    if (rules.HoldsPictureSubtitles()) {
        //: Why a track was left out. %1 is a kind of file, such as MP4.
        return Text::tr("%1 cannot hold text subtitles");
    }
    if (track.textSubtitle) {
        //: Why a track was left out. %1 is a kind of file, such as MP4.
        return Text::tr("%1 cannot hold subtitles");
    }
    //: Why a track was left out. %1 is a kind of file, such as MP4.
    return Text::tr("%1 cannot hold subtitles of this kind");
}

}  // namespace

TrackSelection TrackSelection::Make(const MediaTracks& source, const ContainerRules& rules,
                                    const QStringList& arguments, bool every) {
    TrackSelection selection;
    selection.ChoosePicturesAndSound(source, rules, arguments, every);
    selection.ChooseSubtitles(source, rules, arguments, every);
    selection.ChooseAttachments(source, rules);
    return selection;
}

void TrackSelection::Leave(const Track& track, const QString& kind, const QString& reason) {
    leftOut.push_back({kind, track.language, reason});
}

// Picture and sound: all, or the main one, as the container and the choice allow.
void TrackSelection::ChoosePicturesAndSound(const MediaTracks& source, const ContainerRules& rules,
                                            const QStringList& arguments, bool every) {
    const KindReasons kinds[] = {
        {Kind::Video, rules.video, arguments.contains(QStringLiteral("-vn")), "video",
         //: Why a track was left out. %1 is a kind of file, such as MP4.
         Text::tr("%1 holds no picture"),
         //: Why a track was left out. %1 is a kind of file, such as MP4.
         Text::tr("%1 holds one picture track: the main one is kept"),
         //: Why a track was left out.
         Text::tr("the chosen format keeps no picture"),
         //: Why a track was left out: the file lists it, but no frame of it.
         Text::tr("the file declares it but holds no picture in it")},
        {Kind::Audio, rules.audio, arguments.contains(QStringLiteral("-an")), "audio",
         //: Why a track was left out. %1 is a kind of file, such as MP4.
         Text::tr("%1 holds no sound"),
         //: Why a track was left out. %1 is a kind of file, such as MP4.
         Text::tr("%1 holds one sound track: the default one is kept"),
         //: Why a track was left out.
         Text::tr("the chosen format keeps no sound"),
         //: Why a track was left out: the file lists it, but no sound of it.
         Text::tr("the file declares it but holds no sound in it")}};
    for (const KindReasons& reasons : kinds) {
        std::vector<const Track*>& kept = reasons.kind == Kind::Video ? videos : audios;
        const QString word = QString::fromLatin1(reasons.word);
        const Track* main = source.Main(reasons.kind);
        for (const Track& track : source.tracks) {
            if (track.kind != reasons.kind) {
                continue;
            }
            if (track.empty) {
                // Mapped, it would stop the encoder and lose the whole file.
                Leave(track, word, reasons.empty);
            } else if (reasons.formatDrops) {
                Leave(track, word, reasons.formatNone);
            } else if (reasons.many == Many::None) {
                Leave(track, word, QString(reasons.noneHeld).arg(rules.name));
            } else if (&track != main && reasons.many == Many::One) {
                Leave(track, word, QString(reasons.oneHeld).arg(rules.name));
            } else if (&track != main && !every) {
                Leave(track, word, OnlyOne());
            } else {
                kept.push_back(&track);
            }
        }
    }
}

void TrackSelection::ChooseSubtitles(const MediaTracks& source, const ContainerRules& rules,
                                     const QStringList& arguments, bool every) {
    const bool noSubtitles = arguments.contains(QStringLiteral("-sn"));
    const Track* mainSubtitle = MainSubtitle(source, rules);
    for (const Track& track : source.tracks) {
        if (track.kind != Kind::Subtitle) {
            continue;
        }
        const QString kind =
            track.pictureSubtitle ? QStringLiteral("picture subtitle") : QStringLiteral("subtitle");
        const QString codec = rules.SubtitleCodec(track.codec, track.pictureSubtitle);
        if (noSubtitles) {
            //: Why a track was left out.
            Leave(track, kind, Text::tr("the chosen format keeps no subtitles"));
        } else if (codec.isEmpty()) {
            Leave(track, kind, SubtitleRefusal(track, rules).arg(rules.name));
        } else if (!every && &track != mainSubtitle) {
            Leave(track, kind, OnlyOne());
        } else {
            subtitles.push_back(&track);
            subtitleCodecs << codec;
        }
    }
}

void TrackSelection::ChooseAttachments(const MediaTracks& source, const ContainerRules& rules) {
    for (const Track& track : source.tracks) {
        if (track.kind == Kind::Font) {
            if (rules.fonts) {
                fonts.push_back(&track);
            } else {
                //: Why a font was left out. %1 is a kind of file, such as MP4.
                Leave(track, QStringLiteral("font"),
                      Text::tr("%1 cannot hold fonts").arg(rules.name));
            }
        } else if (track.kind == Kind::Cover) {
            if (rules.cover == ContainerRules::Cover::None) {
                //: Why the cover art was left out. %1 is a kind of file, such as MP4.
                Leave(track, QStringLiteral("cover"),
                      Text::tr("%1 cannot hold cover art").arg(rules.name));
            } else if (track.coverUnreadable ||
                       (rules.cover == ContainerRules::Cover::AsAttachment &&
                        track.picture.isEmpty())) {
                // Bytes that are not the picture they claim to be: mapped, they would fail the
                // whole file; attached, they would show nothing.
                //: Why the cover art was left out.
                Leave(track, QStringLiteral("cover"), Text::tr("its picture could not be read"));
            } else {
                covers.push_back(&track);
            }
        }
    }
}

}  // namespace reelwright
