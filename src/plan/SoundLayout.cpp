#include "plan/SoundLayout.h"

#include "plan/PicturePlan.h"

#include <QCoreApplication>
#include <QHash>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::SoundLayout)
};

struct Layout {
    const char* name;
    int channels;
};

// The layouts each encoder writes under their own names, tried with the encoders of ffmpeg 5.1
// and 7.1: AAC writes a 5.1(side) or a 7.1(wide) as "unknown", Opus refuses them, MP3 and MPEG
// audio are stereo at most, WMA fails above two channels. FLAC and PCM keep any layout.
const QHash<QString, QList<Layout>>& Held() {
    // Ogg's channel order, which Opus and Vorbis share; AC-3's side surrounds.
    static const QList<Layout> kOgg{{"mono", 1}, {"stereo", 2}, {"3.0", 3}, {"quad", 4},
                                    {"5.0", 5},  {"5.1", 6},    {"6.1", 7}, {"7.1", 8}};
    static const QList<Layout> kAc3{{"mono", 1}, {"stereo", 2},     {"2.1", 3},
                                    {"3.0", 3},  {"quad(side)", 4}, {"4.0", 4},
                                    {"5.0(side)", 5}, {"5.1(side)", 6}};
    static const QList<Layout> kStereo{{"mono", 1}, {"stereo", 2}};
    static const QHash<QString, QList<Layout>> kHeld{
        {"aac",
         {{"mono", 1}, {"stereo", 2}, {"2.1", 3}, {"3.0", 3}, {"quad", 4}, {"4.0", 4},
          {"5.0", 5}, {"5.1", 6}, {"7.1", 8}}},
        {"libopus", kOgg},
        {"libvorbis", kOgg},
        {"ac3", kAc3},
        {"eac3", kAc3},
        {"libmp3lame", kStereo},
        {"mp2", kStereo},
        {"wmav2", kStereo},
    };
    return kHeld;
}

// The same speakers under another name: side and back surrounds, wide fronts.
QStringList Twins(const QString& layout) {
    static const QList<QStringList> kTwins{{"5.1", "5.1(side)"},
                                           {"5.0", "5.0(side)"},
                                           {"quad", "quad(side)"},
                                           {"6.1", "6.1(back)"},
                                           {"7.1", "7.1(wide)", "7.1(wide-side)"}};
    for (const QStringList& twins : kTwins) {
        if (twins.contains(layout)) {
            return twins;
        }
    }
    return {layout};
}

QString Readable(const QString& encoder) {
    static const QHash<QString, QString> kNames{
        {"aac", "AAC"},      {"libopus", "Opus"}, {"libvorbis", "Vorbis"}, {"ac3", "AC-3"},
        {"eac3", "E-AC-3"},  {"libmp3lame", "MP3"}, {"mp2", "MPEG audio"}, {"wmav2", "WMA"}};
    return kNames.value(encoder, encoder);
}

QString MixNote(const QString& from, const QString& to, const QString& why) {
    //: %1 and %2 are channel layouts ("5.1", "stereo"); %3 says why.
    return Text::tr("%1 sound mixed down to %2: %3").arg(from, to, why);
}

// A count of channels the format's own options ask for, or 0.
int AskedChannels(const QStringList& arguments) {
    for (qsizetype i = arguments.size() - 2; i >= 0; --i) {
        if (arguments[i] == QStringLiteral("-ac") || arguments[i] == QStringLiteral("-ac:a")) {
            return arguments[i + 1].toInt();
        }
    }
    return 0;
}

// Whether the format does something to sound's channels itself, which the plan leaves alone.
bool ShapesSoundItself(const QStringList& arguments) {
    static const QStringList kOwn{"-af",         "-filter:a",      "-filter_complex", "-lavfi",
                                  "-ac",         "-ac:a",          "-channel_layout", "-ch_layout",
                                  "-filter:a:0", "-channel_layout:a"};
    for (const QString& argument : arguments) {
        if (kOwn.contains(argument)) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString SoundLayout::EncoderIn(const QStringList& arguments) {
    const QString codec = CodecIn(arguments, 'a');
    if (!codec.isEmpty()) {
        return codec;
    }
    const int target = arguments.indexOf(QStringLiteral("-target"));
    if (target < 0 || target + 1 >= arguments.size()) {
        return QString();
    }
    const QString& kind = arguments[target + 1];
    return kind.endsWith(QStringLiteral("vcd")) ? QStringLiteral("mp2") : QStringLiteral("ac3");
}

QString SoundLayout::UsualLayout(int channels) {
    static const char* const kUsual[] = {"", "mono", "stereo", "3.0", "quad", "5.0",
                                         "5.1", "6.1", "7.1"};
    return channels > 0 && channels <= 8 ? QString::fromLatin1(kUsual[channels]) : QString();
}

QString SoundLayout::EncoderName(const QString& encoder) {
    return Readable(encoder);
}

SoundLayout SoundLayout::For(const MediaTracks::Track& sound, const QString& encoder,
                             const QStringList& arguments) {
    SoundLayout layout;
    const QString source =
        sound.channelLayout.isEmpty() ? UsualLayout(sound.channels) : sound.channelLayout;
    // Said by its plain name: "5.1", whether its surrounds are at the side or the back.
    const QString shown = source.isEmpty() ? QString::number(sound.channels) : Twins(source)[0];
    if (ShapesSoundItself(arguments)) {
        const int asked = AskedChannels(arguments);
        if (asked > 0 && asked < sound.channels) {
            const QString to = UsualLayout(asked);
            layout.note = MixNote(shown, to.isEmpty() ? QString::number(asked) : to,
                                  asked <= 2 ? Text::tr("the format is %1.").arg(to)
                                             : Text::tr("the format keeps %1 channels.")
                                                   .arg(asked));
        }
        return layout;
    }
    const auto held = Held().constFind(encoder);
    if (held == Held().constEnd() || sound.channels <= 0) {
        return layout;
    }
    const Layout* best = nullptr;
    const Layout* twin = nullptr;
    for (const Layout& candidate : *held) {
        const QString name = QString::fromLatin1(candidate.name);
        if (name == source) {
            return layout;  // held as it is
        }
        if (Twins(source).contains(name)) {
            twin = &candidate;
        }
        if (candidate.channels < sound.channels &&
            (!best || candidate.channels >= best->channels)) {
            best = &candidate;
        }
    }
    if (twin) {
        // The same speakers, named as the encoder names them.
        layout.filter = QStringLiteral("aformat=channel_layouts=") + twin->name;
        return layout;
    }
    if (!best) {
        return layout;
    }
    layout.filter = QStringLiteral("aformat=channel_layouts=") + best->name;
    //: %1 is an audio codec ("AAC"), %2 a channel layout ("6.1").
    layout.note = MixNote(shown, Twins(QString::fromLatin1(best->name))[0],
                          Text::tr("%1 cannot hold %2.").arg(Readable(encoder), shown));
    return layout;
}

}  // namespace reelwright
