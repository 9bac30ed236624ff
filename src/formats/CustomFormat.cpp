#include "formats/CustomFormat.h"

#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace reelwright::custom {
namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A bit rate in kbps as bit/s: a 32-bit integer in the user's number style, times 1000.
std::optional<qint32> BitsPerSecond(const QString& text, const QString& what, const QLocale& locale,
                                    QString* error) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        *error = QStringLiteral("%1 \"%2\" is not a number.").arg(what, text);
        return std::nullopt;
    }
    const double kbps = RoundHalfEven(value);
    constexpr double kMax = std::numeric_limits<qint32>::max();
    if (std::abs(kbps) * 1000.0 > kMax) {
        *error = QStringLiteral("%1 \"%2\" is too large.").arg(what, text);
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

std::optional<QString> BuildParams(const Fields& fields, QString* error, const QLocale& locale) {
    QString params = QStringLiteral("-ar ") +
                     QString::number(LeadingNumber(fields.sampleRate) * 1000.0, 'g', 15);
    const auto audio =
        BitsPerSecond(fields.audioBitrate, QStringLiteral("The audio bit rate"), locale, error);
    if (!audio) {
        return std::nullopt;
    }
    params += QStringLiteral(" -ab ") + QString::number(*audio);
    if (!fields.audioCodecName.isEmpty()) {
        params += QStringLiteral(" -acodec ") + fields.audioCodecName;
    }
    params += QStringLiteral(" -ac ") + fields.channels;
    if (!fields.videoCodecName.isEmpty()) {
        params += QStringLiteral(" -vcodec ") + fields.videoCodecName;
    }
    const auto video =
        BitsPerSecond(fields.videoBitrate, QStringLiteral("The video bit rate"), locale, error);
    if (!video) {
        return std::nullopt;
    }
    params += QStringLiteral(" -b ") + QString::number(*video);
    if (fields.size != kAsInput) {
        const qsizetype paren = fields.size.indexOf(u'(');
        if (paren < 0) {
            *error =
                QStringLiteral("The video size \"%1\" is not one of the list.").arg(fields.size);
            return std::nullopt;
        }
        params += QStringLiteral(" -s ") + fields.size.left(paren);
    }
    if (fields.aspect != kAsInput) {
        params += QStringLiteral(" -aspect ") + fields.aspect;
    }
    params += QStringLiteral(" -r ") + fields.frameRate;
    return params;
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

bool AcceptKey(TextField field, const QString& text, QChar key) {
    if (!PassesCharacterTest(field, key)) {
        return false;
    }
    // The length counts the whole text before the key, whatever is selected.
    if (!text.isEmpty() && text.size() >= MaxLength(field) && key != kBackspace) {
        return false;
    }
    if (field == TextField::FrameRate && text.contains(u'.') && (key == u'.' || key == u'0')) {
        return false;
    }
    return true;
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

QString FormatSummary(bool presetMode, const QString& categoryOrContainer,
                      const QString& videoCodec, const QString& containerOrAudioCodec) {
    const QChar quote(u'"');
    if (presetMode) {
        return QStringLiteral("Category:") + categoryOrContainer + QStringLiteral(", Codec:") +
               quote + videoCodec + quote + QStringLiteral(", Container:") + quote +
               containerOrAudioCodec + quote;
    }
    return QStringLiteral("Container:") + categoryOrContainer + QStringLiteral(", Video Codec:") +
           quote + videoCodec + quote + QStringLiteral(", Audio Codec:") + quote +
           containerOrAudioCodec + quote;
}

}  // namespace reelwright::custom
