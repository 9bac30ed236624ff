#include "plan/CopyPlan.h"

#include "plan/PicturePlan.h"
#include "plan/TrackSelection.h"

#include <QCoreApplication>
#include <QHash>

#include <tuple>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TrackPlan)
};

using Track = MediaTracks::Track;

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
                                                {"pcm_s16le", "PCM"},
                                                {"subrip", "SRT"},
                                                {"ass", "ASS"},
                                                {"ssa", "SSA"},
                                                {"webvtt", "WebVTT"},
                                                {"mov_text", "MP4 timed text"},
                                                {"dvd_subtitle", "DVD"},
                                                {"hdmv_pgs_subtitle", "Blu-ray (PGS)"},
                                                {"dvb_subtitle", "DVB"}};
    return kNames.value(codec, codec.toUpper());
}

QString CopyRefusal(const ContainerRules& rules, const QString& codec, bool video) {
    if (video) {
        //: %1 is a kind of file, such as AVI; %2 a codec, such as HEVC.
        return Text::tr(
                   "%1 cannot hold %2 video copied as it is, so nothing "
                   "was written: choose a preset that encodes it, or a "
                   "container that holds %2 (MKV holds any).")
            .arg(rules.name, Readable(codec));
    }
    //: %1 is a kind of file, such as AVI; %2 a codec, such as Opus.
    return Text::tr(
               "%1 cannot hold %2 sound copied as it is, so nothing "
               "was written: choose a preset that encodes it, or a "
               "container that holds %2 (MKV holds any).")
        .arg(rules.name, Readable(codec));
}

QString RecodedNote(const ContainerRules& rules, const QString& codec, const QString& usual,
                    bool video) {
    //: %1 is a kind of file, such as MP4; %2 and %3 are codecs.
    QString note = Text::tr("%1 cannot hold %2 video as it is: it was encoded as %3.");
    if (!video) {
        //: %1 is a kind of file, such as MP4; %2 and %3 are codecs.
        note = Text::tr("%1 cannot hold %2 sound as it is: it was encoded as %3.");
    }
    return note.arg(rules.name, Readable(codec), Readable(usual));
}

// A copy changes nothing without saying so: subtitles the container keeps in its own codec.
void NoteSubtitlesConverted(const TrackSelection& chosen, const ContainerRules& rules,
                            QStringList& notes) {
    for (std::size_t i = 0; i < chosen.subtitles.size(); ++i) {
        const QString& codec = chosen.subtitles[i]->codec;
        const QString& to = chosen.subtitleCodecs[static_cast<qsizetype>(i)];
        if (codec.isEmpty() || to == QStringLiteral("copy") || to == codec) {
            continue;
        }
        //: %1 is a kind of file, such as MP4; %2 and %3 are subtitle formats, such as SRT.
        const QString note = Text::tr("%1 cannot hold %2 subtitles as they are: they were "
                                      "converted to %3.")
                                 .arg(rules.name, Readable(codec), Readable(to));
        if (!notes.contains(note)) {
            notes << note;
        }
    }
}

}  // namespace

CopyPlan CopyPlan::Make(const TrackSelection& chosen, const ContainerRules& rules,
                        const QStringList& arguments) {
    CopyPlan copy;
    copy.recoded.assign(chosen.videos.size(), false);
    using Copied = std::tuple<const std::vector<const Track*>*, bool, char>;
    for (const auto& [group, copies, letter] :
         {Copied{&chosen.videos, Copies(arguments, 'v'), 'v'},
          Copied{&chosen.audios, Copies(arguments, 'a'), 'a'}}) {
        const bool video = letter == 'v';
        const QString& usual = video ? rules.videoCodec : rules.audioCodec;
        for (std::size_t i = 0; copies && i < group->size(); ++i) {
            const QString& codec = (*group)[i]->codec;
            if (codec.isEmpty() || rules.HoldsAsIs(codec, video)) {
                continue;
            }
            if (usual.isEmpty()) {
                copy.refusal = CopyRefusal(rules, codec, video);
                return copy;
            }
            copy.recoding << QStringLiteral("-c:%1:%2").arg(QChar::fromLatin1(letter)).arg(i)
                          << usual;
            if (video) {
                copy.recoded[i] = true;
            }
            const QString note = RecodedNote(rules, codec, usual, video);
            if (!copy.notes.contains(note)) {
                copy.notes << note;
            }
        }
    }
    if (Copies(arguments, 'v') || Copies(arguments, 'a')) {
        NoteSubtitlesConverted(chosen, rules, copy.notes);
    }
    return copy;
}

bool Copies(const QStringList& arguments, char kind) {
    return CodecIn(arguments, kind) == QStringLiteral("copy");
}

}  // namespace reelwright
