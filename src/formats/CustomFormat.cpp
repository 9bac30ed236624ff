#include "formats/CustomFormat.h"

#include "platform/Rounding.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace reelwright::custom {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::CustomFormat)
};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A number above 0, written with "." whatever the locale.
bool IsPositive(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && value > 0;
}

// A bit rate in kbps as bit/s: a 32-bit integer in the user's number style, times 1000.
// What is said of a bit rate the user typed that cannot be used; %1 is what was typed.
struct BitRateTexts {
    const char* notANumber;
    const char* notAboveZero;
    const char* tooLarge;
};

constexpr BitRateTexts kVideoBitRate{
    QT_TRANSLATE_NOOP("reelwright::CustomFormat", "The video bit rate \"%1\" is not a number."),
    QT_TRANSLATE_NOOP("reelwright::CustomFormat", "The video bit rate \"%1\" is not above 0."),
    QT_TRANSLATE_NOOP("reelwright::CustomFormat", "The video bit rate \"%1\" is too large."),
};
constexpr BitRateTexts kAudioBitRate{
    QT_TRANSLATE_NOOP("reelwright::CustomFormat", "The audio bit rate \"%1\" is not a number."),
    QT_TRANSLATE_NOOP("reelwright::CustomFormat", "The audio bit rate \"%1\" is not above 0."),
    QT_TRANSLATE_NOOP("reelwright::CustomFormat", "The audio bit rate \"%1\" is too large."),
};

std::optional<qint32> BitsPerSecond(const QString& text, const BitRateTexts& says,
                                    const QLocale& locale, QString* error) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        *error = Text::tr(says.notANumber).arg(text);
        return std::nullopt;
    }
    const double kbps = RoundHalfEven(value);
    if (kbps <= 0) {
        *error = Text::tr(says.notAboveZero).arg(text);
        return std::nullopt;
    }
    constexpr double kMax = std::numeric_limits<qint32>::max();
    if (std::abs(kbps) * 1000.0 > kMax) {
        *error = Text::tr(says.tooLarge).arg(text);
        return std::nullopt;
    }
    return static_cast<qint32>(kbps) * 1000;
}

}  // namespace

QStringList ContainerItems() {
    return {"WMV", "ASF", "AVI", "MOV", "FLV", "MPG", "MPEG", "MP4", "RM", "yuv"};
}

QStringList SampleRateItems() {
    return {"8 KHz",  "11.025 KHz", "12 KHz",   "16 KHz", "22.05 KHz",
            "24 KHz", "32 KHz",     "44.1 KHz", "48 KHz"};
}

QStringList SizeItems() {
    // Four items end in a blank, as they always have; the option is the part before "(".
    return {"[As Input]",         "sqcif(128x96)",     "qcif(176x144)",     "cif(352x288)",
            "4cif(704x576)",      "qqvga(160x120)",    "qvga(320x240)",     "vga(640x480)",
            "svga(800x600)",      "xga(1024x768)",     "uxga(1600x1200)",   "qxga(2048x1536)",
            "sxga(1280x1024)",    "qsxga(2560x2048) ", "hsxga(5120x4096)",  "wvga(852x480)",
            "wxga(1366x768) ",    "wsxga(1600x1024)",  "wuxga(1920x1200)",  "woxga(2560x1600)",
            "wqsxga(3200x2048) ", "wquxga(3840x2400)", "whsxga(6400x4096)", "whuxga(7680x4800)",
            "cga(320x200)",       "ega(640x350)",      "hd480(852x480)",    "hd720(1280x720) ",
            "hd1080(1920x1080)"};
}

QStringList AspectItems() {
    return {"[As Input]", "4:3", "16:9", "1.3333", "1.7777"};
}

double LeadingNumber(const QString& text) {
    QString number;
    bool point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u' ' || c == u'\t') {
            continue;
        }
        if (IsDigit(c) || ((c == u'-' || c == u'+') && number.isEmpty())) {
            number += c;
        } else if (c == u'.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0.0;
}

std::optional<QString> BuildParams(const Fields& fields, QString* error, const QLocale& locale,
                                   const std::function<QString(const QString&)>& describe) {
    QStringList parts;
    const bool copyAudio = fields.audioCodecName == kCopyName;
    const bool copyVideo = fields.videoCodecName == kCopyName;
    if (!copyAudio) {
        parts << QStringLiteral("-ar ") +
                     QString::number(LeadingNumber(fields.sampleRate) * 1000.0, 'g', 15);
        const auto audio = BitsPerSecond(fields.audioBitrate, kAudioBitRate, locale, error);
        if (!audio) {
            return std::nullopt;
        }
        parts << QStringLiteral("-ab ") + QString::number(*audio);
    }
    if (!fields.audioCodecName.isEmpty()) {
        parts << QStringLiteral("-acodec ") + fields.audioCodecName;
    }
    if (!copyAudio) {
        if (!IsPositive(fields.channels)) {
            //: %1 is what the user typed.
            *error = Text::tr("The channel count \"%1\" is not above 0.").arg(fields.channels);
            return std::nullopt;
        }
        parts << QStringLiteral("-ac ") + fields.channels;
    }
    if (!fields.videoCodecName.isEmpty()) {
        parts << QStringLiteral("-vcodec ") + fields.videoCodecName;
    }
    if (!copyVideo) {
        const auto video = BitsPerSecond(fields.videoBitrate, kVideoBitRate, locale, error);
        if (!video) {
            return std::nullopt;
        }
        parts << QStringLiteral("-b ") + QString::number(*video);
        if (fields.size != kAsInput) {
            const qsizetype paren = fields.size.indexOf(u'(');
            if (paren < 0) {
                //: %1 is a video size as given.
                *error = Text::tr("The video size \"%1\" is not one of the list.").arg(fields.size);
                return std::nullopt;
            }
            parts << QStringLiteral("-s ") + fields.size.left(paren);
        }
        if (fields.aspect != kAsInput) {
            parts << QStringLiteral("-aspect ") + fields.aspect;
        }
        if (!IsPositive(fields.frameRate)) {
            //: %1 is what the user typed.
            *error = Text::tr("The frame rate \"%1\" is not above 0.").arg(fields.frameRate);
            return std::nullopt;
        }
        parts << QStringLiteral("-r ") + fields.frameRate;
    }
    const QString problem = ContainerProblem(fields.container, fields.videoCodecName,
                                             fields.audioCodecName, describe);
    if (!problem.isEmpty()) {
        *error = problem;
        return std::nullopt;
    }
    if (const ContainerRule* rule = RuleOf(fields.container); rule && !rule->options.isEmpty()) {
        parts << rule->options;
    }
    return parts.join(u' ');
}

QString CopyDescription() {
    //: The choice of a codec list that copies the track as it is.
    return Text::tr("Copy (no re-encoding)");
}

QString CopiedFieldReason(bool video) {
    return video ? Text::tr(
                       "The video is copied as it is (Copy, no re-encoding): its bit rate, "
                       "size, aspect and frame rate stay the source's.")
                 : Text::tr(
                       "The sound is copied as it is (Copy, no re-encoding): its sampling "
                       "rate, bit rate and channels stay the source's.");
}

int MaxLength(TextField field) {
    switch (field) {
        case TextField::AudioBitrate:
        case TextField::VideoBitrate:
            return 4;
        case TextField::Channels:
            return 1;
        case TextField::FrameRate:
            return 9;
    }
    return 0;
}

namespace {

bool PassesCharacterTest(TextField field, QChar key) {
    if (key == kBackspace || key == kEnter) {
        return true;
    }
    switch (field) {
        case TextField::Channels:
            return IsDigit(key) && key != u'0';
        case TextField::FrameRate:
            return IsDigit(key) || key == u'.';
        default:
            return IsDigit(key);
    }
}

}  // namespace

bool AcceptKey(TextField field, const QString& text, QChar key, KeyPlace place) {
    if (!PassesCharacterTest(field, key)) {
        return false;
    }
    if (key == kBackspace) {
        return true;
    }
    if (key == kEnter) {
        return text.size() < MaxLength(field);
    }
    // The key replaces the selection: a full field still takes a key over selected text.
    const qsizetype start =
        place.start < 0 ? text.size() : std::min<qsizetype>(place.start, text.size());
    const qsizetype length = std::clamp<qsizetype>(place.length, 0, text.size() - start);
    const QString after = QString(text).replace(start, length, key);
    if (after.size() > MaxLength(field)) {
        return false;
    }
    return field != TextField::FrameRate || after.count(u'.') <= 1;
}

bool AcceptText(TextField field, const QString& text) {
    if (text.size() > MaxLength(field)) {
        return false;
    }
    for (const QChar c : text) {
        if (c == kBackspace || c == kEnter || !PassesCharacterTest(field, c)) {
            return false;
        }
    }
    return field != TextField::FrameRate || text.count(u'.') <= 1;
}

bool ValidValue(TextField field, const QString& text) {
    return AcceptText(field, text) && IsPositive(text);
}

QString InvalidValueMessage(TextField field) {
    // The fields' names as the custom panel shows them.
    static const char* const kNames[] = {
        QT_TRANSLATE_NOOP("reelwright::CustomFormat", "Audio Bitrate"),
        QT_TRANSLATE_NOOP("reelwright::CustomFormat", "Channels"),
        QT_TRANSLATE_NOOP("reelwright::CustomFormat", "Video Bitrate"),
        QT_TRANSLATE_NOOP("reelwright::CustomFormat", "Frame Rate")};
    const char* const name = kNames[static_cast<int>(field)];
    //: %1 is a field's name: Audio Bitrate, Channels, Video Bitrate or Frame Rate.
    return Text::tr("%1 Field in the custom Format must be a number greater than 0.")
        .arg(QCoreApplication::translate("reelwright::CustomFormat", name));
}

namespace {

// Every codec the rules below were tried with; others are not judged.
const QStringList& KnownCodecs() {
    static const QStringList known{
        "libx264", "mpeg4",     "libx265",  "libvpx-vp9", "libvpx",    "libsvtav1",
        "mpeg2video", "mpeg1video", "wmv2", "wmv1",       "flv",       "h263p",
        "libtheora", "mjpeg",   "prores_ks", "ffv1",      "huffyuv",   "rv10",
        "rv20",     "rawvideo", "wrapped_avframe", "aac", "libmp3lame", "ac3",
        "libopus",  "libvorbis", "mp2",     "wmav2",      "flac",      "alac",
        "pcm_s16le", "real_144"};
    return known;
}

const std::vector<ContainerRule>& Rules() {
    static const QStringList kWindowsMediaVideo{
        "libx264", "mpeg4", "libvpx-vp9", "libvpx", "mpeg2video", "mpeg1video", "wmv2",
        "wmv1",    "flv",   "h263p",      "libtheora", "mjpeg", "ffv1",     "huffyuv"};
    static const QStringList kCommonAudio{"aac", "libmp3lame", "ac3", "libvorbis",
                                          "mp2", "wmav2",      "pcm_s16le"};
    static const QStringList kMpegVideo{"libx264", "mpeg4", "libx265", "mpeg2video",
                                        "mpeg1video"};
    static const QStringList kMpegAudio{"libmp3lame", "ac3", "mp2"};
    static const std::vector<ContainerRule> rules{
        {"WMV", kWindowsMediaVideo, kCommonAudio, QString()},
        {"ASF", kWindowsMediaVideo, kCommonAudio, QString()},
        {"AVI", kWindowsMediaVideo + QStringList{"prores_ks"}, kCommonAudio, QString()},
        {"MOV",
         {"libx264", "mpeg4", "libx265", "mpeg2video", "mpeg1video", "wmv2", "wmv1", "flv",
          "h263p", "libtheora", "mjpeg", "prores_ks", "ffv1", "huffyuv"},
         {"aac", "libmp3lame", "ac3", "libvorbis", "mp2", "alac", "pcm_s16le"},
         QString()},
        {"FLV", {"flv", "libx264"}, {"aac", "libmp3lame", "pcm_s16le"}, QString()},
        {"MPG", kMpegVideo, kMpegAudio, QString()},
        {"MPEG", kMpegVideo, kMpegAudio, QString()},
        {"MP4",
         {"libx264", "mpeg4", "libx265", "libvpx-vp9", "libsvtav1", "mpeg2video", "mpeg1video",
          "mjpeg"},
         {"aac", "libmp3lame", "ac3", "libopus", "libvorbis", "mp2", "alac"},
         QString()},
        {"RM", {"rv10", "rv20"}, {"ac3", "aac", "real_144"}, QString()},
        // Raw frames with a header that gives their size, so players can show them.
        {"yuv", {"wrapped_avframe"}, {}, QStringLiteral("-an -f yuv4mpegpipe")},
    };
    return rules;
}

QString Described(const QStringList& names,
                  const std::function<QString(const QString&)>& describe) {
    QStringList shown;
    for (const QString& name : names) {
        const QString description = describe ? describe(name) : QString();
        shown << (description.isEmpty() ? name : description);
    }
    return shown.join(QStringLiteral(", "));
}

}  // namespace

const ContainerRule* RuleOf(const QString& container) {
    for (const ContainerRule& rule : Rules()) {
        if (rule.container == container) {
            return &rule;
        }
    }
    return nullptr;
}

QString ContainerProblem(const QString& container, const QString& videoCodecName,
                         const QString& audioCodecName,
                         const std::function<QString(const QString&)>& describe) {
    const ContainerRule* rule = RuleOf(container);
    if (!rule) {
        return QString();
    }
    const auto name = [&](const QString& codec) {
        const QString description = describe ? describe(codec) : QString();
        return description.isEmpty() ? codec : description;
    };
    if (KnownCodecs().contains(videoCodecName) && !rule->videoCodecs.contains(videoCodecName)) {
        //: %1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.
        return Text::tr("The %1 container cannot hold %2 video. Choose one of: %3.")
            .arg(container, name(videoCodecName), Described(rule->videoCodecs, describe));
    }
    if (!rule->audioCodecs.isEmpty() && KnownCodecs().contains(audioCodecName) &&
        !rule->audioCodecs.contains(audioCodecName)) {
        //: %1 is a container, such as AVI; %2 a codec; %3 the codecs it holds.
        return Text::tr("The %1 container cannot hold %2 sound. Choose one of: %3.")
            .arg(container, name(audioCodecName), Described(rule->audioCodecs, describe));
    }
    return QString();
}

QString FormatSummary(bool presetMode, const QString& categoryOrContainer,
                      const QString& videoCodec, const QString& containerOrAudioCodec) {
    if (presetMode) {
        //: The chosen preset: %1 is its category, %2 its name, %3 its container.
        return Text::tr("Category:%1, Codec:\"%2\", Container:\"%3\"")
            .arg(categoryOrContainer, videoCodec, containerOrAudioCodec);
    }
    //: The custom format: %1 is its container, %2 and %3 its codecs.
    return Text::tr("Container:%1, Video Codec:\"%2\", Audio Codec:\"%3\"")
        .arg(categoryOrContainer, videoCodec, containerOrAudioCodec);
}

}  // namespace reelwright::custom
