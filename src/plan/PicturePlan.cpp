#include "plan/PicturePlan.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::PicturePlan)
};

const QStringList kHdrEncoders{"libx265",   "libsvtav1", "libaom-av1", "librav1e", "libvpx-vp9",
                               "prores_ks", "prores",    "prores_aw",  "ffv1"};
const QStringList kFullRangeEncoders{"mjpeg",    "ffv1", "huffyuv", "ffvhuff", "png",
                                     "rawvideo", "gif",  "apng",    "utvideo"};

QString Number(double value) {
    return QString::number(value, 'f', 4).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// The mastering display as x265 takes it: chromaticities in 0.00002, luminance in 0.0001 cd/m2.
QString X265Mastering(const MediaTracks::Picture::Mastering& m) {
    const auto xy = [](const double(&point)[2]) {
        return QStringLiteral("(%1,%2)")
            .arg(qRound(point[0] * 50000))
            .arg(qRound(point[1] * 50000));
    };
    return QStringLiteral("G%1B%2R%3WP%4L(%5,%6)")
        .arg(xy(m.green), xy(m.blue), xy(m.red), xy(m.white))
        .arg(qRound64(m.maxLuminance * 10000))
        .arg(qRound64(m.minLuminance * 10000));
}

// The same as SVT-AV1 takes it: plain numbers.
QString SvtMastering(const MediaTracks::Picture::Mastering& m) {
    const auto xy = [](const double(&point)[2]) {
        return QStringLiteral("(%1,%2)").arg(Number(point[0]), Number(point[1]));
    };
    return QStringLiteral("G%1B%2R%3WP%4L(%5,%6)")
        .arg(xy(m.green), xy(m.blue), xy(m.red), xy(m.white), Number(m.maxLuminance),
             Number(m.minLuminance));
}

// An 8-bit pixel format's 10-bit kin.
QString TenBit(const QString& format) {
    if (format.endsWith(QStringLiteral("10le")) || format.endsWith(QStringLiteral("12le"))) {
        return format;
    }
    if (format.startsWith(QStringLiteral("yuv422"))) {
        return QStringLiteral("yuv422p10le");
    }
    if (format.startsWith(QStringLiteral("yuv444"))) {
        return QStringLiteral("yuv444p10le");
    }
    return QStringLiteral("yuv420p10le");
}

// A colour as ffmpeg's options take it; none for what they do not know.
QString Primaries(const QString& name) {
    static const QStringList kKnown{"bt709",     "bt470m",   "bt470bg", "smpte170m",
                                    "smpte240m", "film",     "bt2020",  "smpte428",
                                    "smpte431",  "smpte432", "ebu3213"};
    return kKnown.contains(name) ? name : QString();
}

QString Transfer(const QString& name) {
    static const QStringList kKnown{"bt709",        "gamma22",   "gamma28",      "smpte170m",
                                    "smpte240m",    "linear",    "log100",       "log316",
                                    "iec61966-2-4", "bt1361e",   "iec61966-2-1", "bt2020-10",
                                    "bt2020-12",    "smpte2084", "smpte428",     "arib-std-b67"};
    return kKnown.contains(name) ? name : QString();
}

// An RGB picture's matrix ("gbr") is none of the result's: the encoder's own conversion decides.
QString Matrix(const QString& name) {
    static const QStringList kKnown{
        "bt709",    "fcc",     "bt470bg",   "smpte170m",         "smpte240m",        "ycgco",
        "bt2020nc", "bt2020c", "smpte2085", "chroma-derived-nc", "chroma-derived-c", "ictcp"};
    return kKnown.contains(name) ? name : QString();
}

bool EightBit(const QString& format) {
    return !format.isEmpty() && !format.contains(QStringLiteral("10")) &&
           !format.contains(QStringLiteral("12")) && !format.contains(QStringLiteral("16"));
}

}  // namespace

QString OptionValue(const QStringList& arguments, const QStringList& names) {
    QString value;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (names.contains(arguments[i])) {
            value = arguments[i + 1];
        }
    }
    return value;
}

QString CodecIn(const QStringList& arguments, char kind) {
    const QString letter = QString(QChar::fromLatin1(kind));
    return OptionValue(arguments,
                   {QStringLiteral("-c"), QStringLiteral("-codec"), QStringLiteral("-c:") + letter,
                    QStringLiteral("-codec:") + letter, u'-' + letter + QStringLiteral("codec")});
}

PicturePlan::Format PicturePlan::Format::Of(const QStringList& arguments) {
    Format format;
    format.codec = CodecIn(arguments, 'v');
    const QString target = OptionValue(arguments, {"-target"});
    if (!target.isEmpty()) {
        format.pal = !target.contains(QStringLiteral("ntsc"));
        // DVD and its kin are interlaced by nature; VCD is MPEG-1, progressive.
        if (target.endsWith(QStringLiteral("vcd")) && !target.endsWith(QStringLiteral("svcd"))) {
            format.codec = format.codec.isEmpty() ? QStringLiteral("mpeg1video") : format.codec;
        } else {
            format.codec = format.codec.isEmpty() ? QStringLiteral("mpeg2video") : format.codec;
            format.keepsFields = true;
        }
    }
    format.copies = format.codec == QStringLiteral("copy");
    // An archive's lossless H.264 or HEVC keeps everything the source has: ten bits, HDR and
    // the full range.
    const bool lossless =
        (format.codec == QStringLiteral("libx264") || format.codec == QStringLiteral("libx265")) &&
        (OptionValue(arguments, {"-qp", "-qp:v"}) == QStringLiteral("0") ||
         OptionValue(arguments, {"-crf", "-crf:v"}) == QStringLiteral("0") ||
         OptionValue(arguments, {"-x265-params"}).contains(QStringLiteral("lossless=1")));
    format.holdsHdr =
        lossless || kHdrEncoders.contains(format.codec) ||
        (format.codec == QStringLiteral("dnxhd") &&
         OptionValue(arguments, {"-profile:v", "-profile"}).contains(QStringLiteral("hqx")));
    format.keepsFullRange = lossless || kFullRangeEncoders.contains(format.codec);
    format.pixelFormat = OptionValue(arguments, {"-pix_fmt", "-pix_fmt:v"});
    format.frame = FixedFrame::Of(arguments);
    return format;
}

namespace {

using Picture = MediaTracks::Picture;

// What a plan is made of while it is put together: its options for output picture `v`.
struct Draft {
    PicturePlan& plan;
    QString v;
    QStringList chain;

    void Tag(const QString& primaries, const QString& transfer, const QString& matrix,
             const QString& range) {
        const std::pair<const char*, const QString&> tags[] = {{"-color_primaries", primaries},
                                                               {"-color_trc", transfer},
                                                               {"-colorspace", matrix},
                                                               {"-color_range", range}};
        for (const auto& [option, value] : tags) {
            if (!value.isEmpty()) {
                plan.options << QString::fromLatin1(option) + QStringLiteral(":v:") + v << value;
            }
        }
    }
};

using Verdict = FieldVerdict::Kind;

// Into the format's fixed frame, if it has one.
void FitFrame(Draft& draft, const Picture& picture, const PicturePlan::Format& format,
              bool fields) {
    if (!format.frame) {
        return;
    }
    const FixedFrame::Fit fit = format.frame->FitOf(picture, fields);
    draft.chain << fit.filters;
    if (!fit.note.isEmpty()) {
        draft.plan.notes << fit.note;
    }
}

// Kept interlaced (DVD): each field scaled on its own; from the other TV system's rate, made
// whole at the field rate, brought to this one's and woven into fields again.
void KeepFields(Draft& draft, const Picture& picture, const PicturePlan::Format& format,
                bool top, const QString& parity) {
    draft.plan.options << QStringLiteral("-flags:v:") + draft.v << QStringLiteral("+ilme+ildct");
    const double rate = format.frame ? format.frame->rate : 0;
    if (rate > 0 && picture.frameRate > 0 && std::abs(picture.frameRate - rate) > 0.5) {
        draft.chain << QStringLiteral("bwdif=mode=send_field:parity=%1:deint=all").arg(parity)
                    << (format.pal ? QStringLiteral("fps=50") : QStringLiteral("fps=60000/1001"));
        FitFrame(draft, picture, format, false);
        const QString shape = draft.chain.takeLast();  // the shape is told after the weave
        draft.chain << QStringLiteral("interlace=scan=tff:lowpass=complex")
                    << QStringLiteral("setfield=tff") << shape;
        //: %1 is a count of fields a second: 50 or 59.94.
        draft.plan.notes << Text::tr("Interlaced picture brought to %1 fields a second, top "
                                     "field first.")
                                .arg(format.pal ? QStringLiteral("50") : QStringLiteral("59.94"));
        return;
    }
    FitFrame(draft, picture, format, true);
    // The frames say which field is first (ffmpeg 7 has deprecated -top for this).
    draft.chain << (top ? QStringLiteral("setfield=tff") : QStringLiteral("setfield=bff"));
    draft.plan.notes << (top ? Text::tr("Interlaced picture kept, top field first.")
                             : Text::tr("Interlaced picture kept, bottom field first."));
}

// Made progressive: every frame, or the interlaced ones alone, or film put back together.
void MakeProgressive(Draft& draft, const Picture& picture, Verdict kind, const QString& parity) {
    // Film telecined to NTSC's rate: its frames rebuilt from their fields, the repeats dropped.
    const bool ntscRate = std::abs(picture.frameRate - 30000.0 / 1001.0) < 0.05 ||
                          std::abs(picture.frameRate - 30.0) < 0.05;
    if (kind == Verdict::Telecined && ntscRate) {
        draft.chain << QStringLiteral("fieldmatch=order=%1:combmatch=full").arg(parity)
                    << QStringLiteral("bwdif=mode=send_frame:parity=auto:deint=interlaced")
                    << QStringLiteral("decimate");
        //: %1 is the film's rate of frames a second: 23.976 or 24.
        draft.plan.notes << Text::tr("Film frames put back together (%1 fps).")
                                .arg(picture.frameRate < 29.99 ? QStringLiteral("23.976")
                                                               : QStringLiteral("24"));
        return;
    }
    if (kind == Verdict::Mixed) {
        // The detector marks each frame; whole frames pass untouched.
        draft.chain << QStringLiteral("idet")
                    << QStringLiteral("bwdif=mode=send_frame:parity=auto:deint=interlaced");
        draft.plan.notes << Text::tr(
            "Interlaced parts made progressive; whole frames left as they are.");
        return;
    }
    draft.chain << QStringLiteral("bwdif=mode=send_frame:parity=%1:deint=all").arg(parity);
    draft.plan.notes << Text::tr("Interlaced picture made progressive.");
}

// Fields: made whole frames, one frame for each, unless the format is interlaced itself. The
// detector's word, where it looked, wins over the file's flag.
void PlanFields(Draft& draft, const Picture& picture, const PicturePlan::Format& format,
                const std::optional<FieldVerdict>& looked) {
    std::optional<FieldVerdict> fields = looked;
    if (!fields && picture.IsInterlaced()) {
        const bool top = picture.fieldOrder == QStringLiteral("tt") ||
                         picture.fieldOrder == QStringLiteral("tb");
        fields = FieldVerdict{Verdict::Interlaced, top};
    }
    if (!fields || fields->kind == Verdict::Progressive) {
        if (picture.IsInterlaced()) {
            // Whole pictures in an interlaced wrapper (PsF): not softened, and not flagged so.
            draft.chain << QStringLiteral("setfield=prog");
            draft.plan.notes << Text::tr(
                "Frames flagged interlaced are whole pictures: left as they are.");
        }
        FitFrame(draft, picture, format, false);
        return;
    }
    // The file's own order where it tells one; the detector's where it does not.
    const bool told = picture.IsInterlaced();
    const bool top = told ? picture.fieldOrder == QStringLiteral("tt") ||
                                picture.fieldOrder == QStringLiteral("tb")
                          : fields->topFirst;
    const QString parity = told  ? QStringLiteral("auto")
                           : top ? QStringLiteral("tff")
                                 : QStringLiteral("bff");
    if (format.keepsFields) {
        KeepFields(draft, picture, format, top, parity);
        return;
    }
    MakeProgressive(draft, picture, fields->kind, parity);
    FitFrame(draft, picture, format, false);
}

// The mastering display and light levels, as the HDR encoder takes them; empty when it takes
// none or the source has none.
QStringList HdrMetadata(Draft& draft, const Picture& picture, const QString& codec) {
    QStringList metadata;
    const bool x265 = codec == QStringLiteral("libx265");
    if (!x265 && codec != QStringLiteral("libsvtav1")) {
        return metadata;
    }
    if (picture.mastering) {
        metadata << (x265 ? QStringLiteral("master-display=") + X265Mastering(*picture.mastering)
                          : QStringLiteral("mastering-display=") +
                                SvtMastering(*picture.mastering));
    }
    if (picture.maxContentLight > 0) {
        metadata << (x265 ? QStringLiteral("max-cll=%1,%2") : QStringLiteral("content-light=%1,%2"))
                            .arg(picture.maxContentLight)
                            .arg(picture.maxAverageLight);
    }
    if (!metadata.isEmpty()) {
        draft.plan.options << (x265 ? QStringLiteral("-x265-params:v:")
                                    : QStringLiteral("-svtav1-params:v:")) +
                                  draft.v
                           << (x265 ? QStringLiteral("repeat-headers=1:") : QString()) +
                                  metadata.join(u':');
    }
    return metadata;
}

// HDR kept: ten bits, its tags, and its metadata where the encoder writes it.
void KeepHdr(Draft& draft, const Picture& picture, const PicturePlan::Format& format,
             const QString& primaries, const QString& matrix) {
    if (EightBit(format.pixelFormat)) {
        draft.plan.options << QStringLiteral("-pix_fmt:v:") + draft.v << TenBit(format.pixelFormat);
    }
    draft.Tag(Primaries(primaries), picture.transfer, Matrix(matrix), QStringLiteral("tv"));
    const QStringList metadata = HdrMetadata(draft, picture, format.codec);
    const QString curve = picture.transfer == QStringLiteral("smpte2084") ? QStringLiteral("PQ")
                                                                          : QStringLiteral("HLG");
    if (metadata.isEmpty()) {
        //: %1 is the HDR transfer curve: PQ or HLG.
        draft.plan.notes << Text::tr("HDR kept: 10-bit, BT.2020 with %1.").arg(curve);
    } else {
        //: %1 is the HDR transfer curve: PQ or HLG.
        draft.plan.notes << Text::tr(
                                "HDR kept: 10-bit, BT.2020 with %1, and its mastering "
                                "display and light levels.")
                                .arg(curve);
    }
}

// Brought to standard range: to light, the highlights rolled off, back to BT.709.
void ToneMap(Draft& draft, const Picture& picture, const PicturePlan::Format& format,
             const QString& primaries, const QString& matrix) {
    const QString end =
        EightBit(format.pixelFormat) ? format.pixelFormat : QStringLiteral("yuv420p");
    draft.chain << QStringLiteral(
                       "zscale=tin=%1:pin=%2:min=%3:rin=%4:t=linear:p=%2:npl=100,"
                       "format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=mobius:desat=0,"
                       "zscale=t=bt709:m=bt709:r=tv,format=%5")
                       .arg(picture.transfer, primaries, matrix,
                            picture.range.isEmpty() ? QStringLiteral("tv") : picture.range, end);
    draft.Tag(QStringLiteral("bt709"), QStringLiteral("bt709"), QStringLiteral("bt709"),
              QStringLiteral("tv"));
    draft.plan.notes << Text::tr("HDR brought to standard range (BT.709).");
}

void PlanHdr(Draft& draft, const Picture& picture, const PicturePlan::Format& format) {
    const QString primaries =
        picture.primaries.isEmpty() ? QStringLiteral("bt2020") : picture.primaries;
    const QString matrix = picture.matrix.isEmpty() ? QStringLiteral("bt2020nc") : picture.matrix;
    if (format.holdsHdr) {
        KeepHdr(draft, picture, format, primaries, matrix);
    } else {
        ToneMap(draft, picture, format, primaries, matrix);
    }
}

// Standard range: full-range pictures (phones' MJPEG, screen recordings) are brought to the
// range players expect, not crushed or washed out; the colours are told as they are, and as
// SD and HD mean them where the source does not say.
void PlanStandardRange(Draft& draft, const Picture& picture, const PicturePlan::Format& format) {
    const bool full = picture.range == QStringLiteral("pc");
    // MJPEG takes the "j" formats as they are; any other encoder has them converted, and the
    // encoder's own conversion would squeeze them to the standard range.
    const bool mjpeg = format.codec == QStringLiteral("mjpeg");
    const bool keptFull = full && format.keepsFullRange && !mjpeg;
    if (full && (!format.keepsFullRange || keptFull)) {
        QString scale = keptFull ? QStringLiteral("scale=in_range=full:out_range=full")
                                 : QStringLiteral("scale=in_range=full:out_range=limited");
        if (picture.pixelFormat.startsWith(QStringLiteral("yuvj"))) {
            scale += QStringLiteral(",format=") + QString(picture.pixelFormat).remove(3, 1);
        }
        if (!keptFull || picture.pixelFormat.startsWith(QStringLiteral("yuvj"))) {
            draft.chain << scale;
        }
        if (!keptFull) {
            draft.plan.notes << Text::tr("Full-range picture brought to standard range.");
        }
    }
    const bool sd = picture.height > 0 && picture.height <= 576;
    const QString guessed = !sd                     ? QStringLiteral("bt709")
                            : picture.height == 576 ? QStringLiteral("bt470bg")
                                                    : QStringLiteral("smpte170m");
    const QString guessedTransfer = sd ? QStringLiteral("smpte170m") : QStringLiteral("bt709");
    // An RGB picture has no matrix of its own; the conversion to the encoder's samples makes one.
    static const QRegularExpression kRgb(QStringLiteral("^(rgb|bgr|gbr|argb|abgr|0rgb|0bgr|pal8)"));
    const bool rgb =
        picture.matrix == QStringLiteral("gbr") || kRgb.match(picture.pixelFormat).hasMatch();
    // ffmpeg 7 takes an encoder's colours from its frames and drops the options' primaries and
    // transfer for untagged ones: the frames are told what was guessed.
    QStringList unsaid;
    if (picture.primaries.isEmpty()) {
        unsaid << QStringLiteral("color_primaries=") + guessed;
    }
    if (picture.transfer.isEmpty()) {
        unsaid << QStringLiteral("color_trc=") + guessedTransfer;
    }
    if (picture.matrix.isEmpty() && !rgb) {
        unsaid << QStringLiteral("colorspace=") + guessed;
    }
    if (!unsaid.isEmpty()) {
        draft.chain << QStringLiteral("setparams=") + unsaid.join(u':');
    }
    draft.Tag(picture.primaries.isEmpty() ? guessed : Primaries(picture.primaries),
              picture.transfer.isEmpty() ? guessedTransfer : Transfer(picture.transfer),
              rgb                        ? QString()
              : picture.matrix.isEmpty() ? guessed
                                         : Matrix(picture.matrix),
              // MJPEG chooses its own (it refuses the other).
              keptFull ? QStringLiteral("pc") : mjpeg ? QString() : QStringLiteral("tv"));
}

}  // namespace

bool PicturePlan::WantsFieldLook(const MediaTracks::Picture&, const Format& format) {
    return !format.copies;
}

PicturePlan PicturePlan::Make(const MediaTracks::Picture& source, const Format& format, int stream,
                              const std::optional<FieldVerdict>& looked,
                              const std::optional<Bars>& bars) {
    PicturePlan plan;
    if (format.copies) {
        return plan;  // as it is, or not at all
    }
    Draft draft{plan, QString::number(stream), {}};
    MediaTracks::Picture picture = source;
    if (bars) {
        // At even lines, so each field keeps its own lines.
        draft.chain << QStringLiteral("crop=%1:%2:%3:%4")
                           .arg(bars->width)
                           .arg(bars->height)
                           .arg(bars->x)
                           .arg(bars->y);
        //: %1 is the picture's size without its bars ("1920x800"), %2 its size with them.
        plan.notes << Text::tr("Black bars removed: %1 of %2.")
                          .arg(QStringLiteral("%1x%2").arg(bars->width).arg(bars->height),
                               QStringLiteral("%1x%2").arg(source.width).arg(source.height));
        picture.width = bars->width;
        picture.height = bars->height;
    }
    PlanFields(draft, picture, format, looked);
    if (picture.IsHdr()) {
        PlanHdr(draft, picture, format);
    } else {
        PlanStandardRange(draft, picture, format);
    }
    plan.filters = draft.chain.join(u',');
    return plan;
}

}  // namespace reelwright
