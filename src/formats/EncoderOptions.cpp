#include "formats/EncoderOptions.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <initializer_list>

namespace reelwright {
namespace {

using Kind = EncoderOptions::Kind;

QSet<QString> SetOf(std::initializer_list<const char*> names) {
    QSet<QString> set;
    for (const char* name : names) {
        set.insert(QString::fromLatin1(name));
    }
    return set;
}

// Boolean options of ffmpeg 5.1 to 7.1, and the ones that take no value at all.
const char* const kFlags =
    "accurate_seek an auto_conversion_filters autorotate autoscale benchmark benchmark_all "
    "bitexact copy_unknown copyinkf copyts debug_ts deinterlace display_hflip display_vflip dn "
    "dump find_stream_info fix_sub_duration fix_sub_duration_heartbeat force_fps hex hide_banner "
    "ignore_unknown intra print_graphs psnr qphist re recast_media sameq same_quant shortest sn "
    "start_at_zero stats stdin vn xerror";

const char* const kExits =
    "L h ? help version buildconf formats muxers demuxers devices codecs decoders encoders bsfs "
    "protocols filters pix_fmts layouts sample_fmts dispositions colors sources sinks hwaccels";

// Each reads or writes a file by a name of its own: the program's, the encoder's, a muxer's side
// files, a library to load. -pass writes its log where the encoder runs; the program runs each
// conversion in one pass.
const char* const kNamesFile =
    "assetmaps attach ca_file cafile cert_file dump_attachment filter_complex_script "
    "filter_script fpre graph_file header hls_fmp4_init_filename hls_key_info_file "
    "hls_master_name hls_segment_filename hls_subtitle_path ifo_palette init_seg_name key_file "
    "master_pl_name media_seg_name omx_libname omx_libprefix pass passlogfile print_graphs_file "
    "private_key progress report sdp_file segment_header_filename segment_list single_file_name "
    "stats_enc_post stats_enc_pre stats_mux_pre sub_name vstats vstats_file";

void Put(QHash<QString, Kind>& table, const char* names, Kind kind) {
    for (const QString& name : QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts)) {
        table.insert(name, kind);
    }
}

// The options that are not simply an option and its value. Every other one is taken to want a
// value: all the libraries' options do.
const QHash<QString, Kind>& Kinds() {
    static const QHash<QString, Kind> kinds = [] {
        QHash<QString, Kind> table;
        Put(table, kFlags, Kind::Flag);
        Put(table, kExits, Kind::Exits);
        Put(table, kNamesFile, Kind::NamesFile);
        table.insert(QStringLiteral("i"), Kind::Input);
        table.insert(QStringLiteral("dec"), Kind::Input);  // a loopback decoder, 7.x
        table.insert(QStringLiteral("y"), Kind::Overwrite);
        table.insert(QStringLiteral("n"), Kind::Overwrite);
        return table;
    }();
    return kinds;
}

// Options of ffmpeg 5.1 whose names sound like files but are not.
const QSet<QString>& NotFiles() {
    static const QSet<QString> names =
        SetOf({"bidir_refine", "export_path_metadata", "max_file_size", "rtmp_playpath",
               "single_file", "strftime_mkdir", "ts_from_file", "use_absolute_path"});
    return names;
}

// An option the tables do not know (one of a later ffmpeg) whose name says it names a file.
bool SoundsLikeFile(const QString& name) {
    static const QRegularExpression words(QStringLiteral("[-_.]"));
    for (const QString& word : name.toLower().split(words, Qt::SkipEmptyParts)) {
        if (word == QLatin1String("file") || word == QLatin1String("files") ||
            word == QLatin1String("dir") || word == QLatin1String("directory") ||
            word.endsWith(QLatin1String("filename")) || word.endsWith(QLatin1String("path")) ||
            (word.endsWith(QLatin1String("file")) && word != QLatin1String("profile"))) {
            return true;
        }
    }
    return false;
}

// Keys of the encoder libraries' own settings (x264, x265, SVT-AV1, ...) that name files.
const QSet<QString>& FileSettings() {
    static const QSet<QString> keys =
        SetOf({"analysis-load", "analysis-save", "csv", "dhdr10-info", "dolby-vision-rpu",
               "dump-yuv", "fgs-table", "opencl-clbin", "pass", "recon", "scaling-list", "stats"});
    return keys;
}

// The filters of ffmpeg 5.1, as `ffmpeg -filters` lists them.
const char* const kFilters =
    "abench abitscope abuffer abuffersink acompressor acontrast acopy acrossfade acrossover "
    "acrusher acue addroi adeclick adeclip adecorrelate adelay adenorm aderivative adrawgraph "
    "adynamicequalizer adynamicsmooth aecho aemphasis aeval aevalsrc aexciter afade afftdn "
    "afftfilt afifo afir afirsrc aformat afreqshift afwtdn agate agraphmonitor ahistogram aiir "
    "aintegral ainterleave alatency alimiter allpass allrgb allyuv aloop alphaextract alphamerge "
    "amerge ametadata amix amovie amplify amultiply anequalizer anlmdn anlmf anlms anoisesrc "
    "anull anullsink anullsrc apad aperms aphasemeter aphaser aphaseshift apsyclip apulsator "
    "arealtime aresample areverse arnndn asdr asegment aselect asendcmd asetnsamples asetpts "
    "asetrate asettb ashowinfo asidedata asoftclip aspectralstats asplit asr ass astats "
    "astreamselect asubboost asubcut asupercut asuperpass asuperstop atadenoise atempo atilt "
    "atrim avectorscope avgblur avgblur_opencl avgblur_vulkan avsynctest axcorrelate azmq "
    "bandpass bandreject bass bbox bench bilateral biquad bitplanenoise blackdetect blackframe "
    "blend blend_vulkan blockdetect blurdetect bm3d boxblur boxblur_opencl bs2b buffer buffersink "
    "bwdif cas cellauto channelmap channelsplit chorus chromaber_vulkan chromahold chromakey "
    "chromakey_cuda chromanr chromashift ciescope codecview color colorbalance colorchannelmixer "
    "colorchart colorcontrast colorcorrect colorhold colorize colorkey colorkey_opencl "
    "colorlevels colormap colormatrix colorspace colorspectrum colortemperature compand "
    "compensationdelay concat convolution convolution_opencl convolve copy cover_rect crop "
    "cropdetect crossfeed crystalizer cue curves datascope dblur dcshift dctdnoiz deband deblock "
    "decimate deconvolve dedot deesser deflate deflicker deinterlace_qsv deinterlace_vaapi "
    "dejudder delogo denoise_vaapi derain deshake deshake_opencl despill detelecine "
    "dialoguenhance dilation dilation_opencl displace dnn_classify dnn_detect dnn_processing "
    "doubleweave drawbox drawgraph drawgrid drawtext drmeter dynaudnorm earwax ebur128 edgedetect "
    "elbg entropy epx eq equalizer erosion erosion_opencl estdif exposure extractplanes "
    "extrastereo fade feedback fftdnoiz fftfilt field fieldhint fieldmatch fieldorder fifo "
    "fillborders find_rect firequalizer flanger flip_vulkan flite floodfill format fps framepack "
    "framerate framestep freezedetect freezeframes frei0r frei0r_src fspp gblur gblur_vulkan geq "
    "gradfun gradients graphmonitor grayworld greyedge guided haas haldclut haldclutsrc hdcd "
    "headphone hflip hflip_vulkan highpass highshelf hilbert histeq histogram hqdn3d hqx hstack "
    "hsvhold hsvkey hue huesaturation hwdownload hwmap hwupload hwupload_cuda hysteresis identity "
    "idet il inflate interlace interleave join kerndeint kirsch ladspa lagfun latency "
    "lenscorrection libplacebo life limitdiff limiter loop loudnorm lowpass lowshelf lumakey lut "
    "lut1d lut2 lut3d lutrgb lutyuv lv2 mandelbrot maskedclamp maskedmax maskedmerge maskedmin "
    "maskedthreshold maskfun mcompand median mergeplanes mestimate metadata midequalizer "
    "minterpolate mix monochrome morpho movie mpdecimate mptestsrc msad multiply negate nlmeans "
    "nlmeans_opencl nnedi noformat noise normalize null nullsink nullsrc openclsrc oscilloscope "
    "overlay overlay_cuda overlay_opencl overlay_qsv overlay_vaapi overlay_vulkan owdenoise pad "
    "pad_opencl pal100bars pal75bars palettegen paletteuse pan perms perspective phase "
    "photosensitivity pixdesctest pixelize pixscope pp pp7 premultiply prewitt prewitt_opencl "
    "procamp_vaapi program_opencl pseudocolor psnr pullup qp random readeia608 readvitc realtime "
    "remap remap_opencl removegrain removelogo repeatfields replaygain reverse rgbashift "
    "rgbtestsrc roberts roberts_opencl rotate rubberband sab scale scale2ref scale_cuda scale_qsv "
    "scale_vaapi scale_vulkan scdet scharr scroll segment select selectivecolor sendcmd "
    "separatefields setdar setfield setparams setpts setrange setsar settb sharpness_vaapi shear "
    "showcqt showfreqs showinfo showpalette showspatial showspectrum showspectrumpic showvolume "
    "showwaves showwavespic shuffleframes shufflepixels shuffleplanes sidechaincompress "
    "sidechaingate sidedata sierpinski signalstats signature silencedetect silenceremove sinc "
    "sine siti smartblur smptebars smptehdbars sobel sobel_opencl sofalizer spectrumsynth "
    "speechnorm split spp sr ssim stereo3d stereotools stereowiden streamselect subtitles "
    "super2xsai superequalizer surround swaprect swapuv tblend telecine testsrc testsrc2 "
    "thistogram threshold thumbnail thumbnail_cuda tile tiltshelf tinterlace tlut2 tmedian "
    "tmidequalizer tmix tonemap tonemap_opencl tonemap_vaapi tpad transpose transpose_opencl "
    "transpose_vaapi transpose_vulkan treble tremolo trim unpremultiply unsharp unsharp_opencl "
    "untile v360 vaguedenoiser varblur vectorscope vflip vflip_vulkan vfrdet vibrance vibrato "
    "vidstabdetect vidstabtransform vif vignette virtualbass vmafmotion volume volumedetect "
    "vpp_qsv vstack w3fdif waveform weave xbr xcorrelate xfade xfade_opencl xmedian xstack yadif "
    "yadif_cuda yaepblur yuvtestsrc zmq zoompan zscale";

const QSet<QString>& KnownFilters() {
    static const QSet<QString> filters = [] {
        const QStringList names = QString::fromLatin1(kFilters).split(u' ', Qt::SkipEmptyParts);
        return QSet<QString>(names.begin(), names.end());
    }();
    return filters;
}

// Filters that open a file, a library, a model or a socket by name: what they are for needs one.
const QSet<QString>& RefusedFilters() {
    static const QSet<QString> filters = SetOf({"amovie",
                                                "arnndn",
                                                "asendcmd",
                                                "asr",
                                                "ass",
                                                "azmq",
                                                "cover_rect",
                                                "derain",
                                                "dnn_classify",
                                                "dnn_detect",
                                                "dnn_processing",
                                                "fieldhint",
                                                "find_rect",
                                                "frei0r",
                                                "frei0r_src",
                                                "ladspa",
                                                "lut1d",
                                                "lut3d",
                                                "lv2",
                                                "movie",
                                                "nnedi",
                                                "openclsrc",
                                                "program_opencl",
                                                "removelogo",
                                                "sendcmd",
                                                "signature",
                                                "sofalizer",
                                                "sr",
                                                "subtitles",
                                                "vidstabdetect",
                                                "vidstabtransform",
                                                "zmq"});
    return filters;
}

// Filters that are fine without their options that name files, with those options and their
// short aliases.
const QHash<QString, QSet<QString>>& FileOptions() {
    static const QHash<QString, QSet<QString>> options{
        {"ametadata", SetOf({"file"})},
        {"cellauto", SetOf({"filename", "f"})},
        {"curves", SetOf({"psfile", "plot"})},
        {"deshake", SetOf({"filename"})},
        {"drawtext", SetOf({"fontfile", "textfile"})},
        {"firequalizer", SetOf({"dumpfile"})},
        {"flite", SetOf({"textfile"})},
        {"libplacebo", SetOf({"custom_shader_path"})},
        {"life", SetOf({"filename", "f"})},
        {"metadata", SetOf({"file"})},
        {"paletteuse", SetOf({"debug_kdtree"})},
        {"psnr", SetOf({"stats_file", "f"})},
        {"selectivecolor", SetOf({"psfile"})},
        {"showcqt", SetOf({"fontfile", "axisfile"})},
        {"ssim", SetOf({"stats_file", "f"})},
        {"vmafmotion", SetOf({"stats_file"})},
        {"xfade_opencl", SetOf({"source"})}};
    return options;
}

}  // namespace

EncoderOptions::Kind EncoderOptions::KindOf(const QString& name) {
    if (const auto known = Kinds().constFind(name); known != Kinds().cend()) {
        return *known;
    }
    // "-noNAME" turns a boolean option off, and is read only when no option has that name.
    if (name.startsWith(QLatin1String("no")) && name.size() > 2) {
        if (const auto known = Kinds().constFind(name.mid(2)); known != Kinds().cend()) {
            return *known;
        }
    }
    if (!NotFiles().contains(name) && SoundsLikeFile(name)) {
        return Kind::NamesFile;
    }
    return Kind::Value;
}

bool EncoderOptions::TakesGraph(const QString& name) {
    static const QSet<QString> names = SetOf({"af", "filter", "filter_complex", "lavfi", "vf"});
    return names.contains(name);
}

bool EncoderOptions::TakesSettings(const QString& name) {
    return name.endsWith(QLatin1String("-params")) || name.endsWith(QLatin1String("_params")) ||
           name.endsWith(QLatin1String("opts")) || name.endsWith(QLatin1String("options"));
}

bool EncoderOptions::TakesDevice(const QString& name) {
    static const QSet<QString> names = SetOf(
        {"filter_hw_device", "hwaccel_device", "init_hw_device", "qsv_device", "vaapi_device"});
    return names.contains(name);
}

bool EncoderOptions::TakesPresetName(const QString& name) {
    static const QSet<QString> names = SetOf({"apre", "pre", "spre", "vpre"});
    return names.contains(name);
}

bool EncoderOptions::IsFileKey(const QString& key) {
    return FileSettings().contains(key.toLower()) || KindOf(key) == Kind::NamesFile;
}

EncoderOptions::FilterUse EncoderOptions::UseOf(const QString& filter) {
    if (RefusedFilters().contains(filter)) {
        return FilterUse::Refused;
    }
    if (FileOptions().contains(filter)) {
        return FilterUse::ByName;
    }
    return KnownFilters().contains(filter) ? FilterUse::Safe : FilterUse::Unknown;
}

bool EncoderOptions::IsFileOption(const QString& filter, const QString& option) {
    return FileOptions().value(filter).contains(option);
}

}  // namespace reelwright
