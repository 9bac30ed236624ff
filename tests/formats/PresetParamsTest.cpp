// A preset's params are options for the one output the program names: never a second output,
// an input, or a file the encoder reads or writes by a name of its own.
#include "formats/CodecCatalogue.h"
#include "formats/CustomFormat.h"
#include "formats/FilterGraphCheck.h"
#include "formats/PresetCatalogue.h"
#include "formats/PresetParams.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

const QString kData = QStringLiteral(SOURCE_DATA_DIR);

struct RefusedCase {
    const char* name;
    QString params;
    QString saying;  // a part of the reason, so that the right rule is known to have refused
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.params.toStdString();
}

class RefusedParams : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedParams, AreRefusedWithTheirReason) {
    const std::optional<QString> problem = PresetParams::Problem(GetParam().params);
    ASSERT_TRUE(problem.has_value()) << GetParam().params.toStdString();
    EXPECT_TRUE(problem->contains(GetParam().saying)) << problem->toStdString();
}

const QString kSecondOutput = QStringLiteral("the encoder would write a second output");
const QString kOwnFile = QStringLiteral("read or write a file other than the one it converts");
const QString kNoValue = QStringLiteral("needs a value, and none follows it");
const QString kOtherInput = QStringLiteral("another input than the one being converted");

INSTANTIATE_TEST_SUITE_P(
    Words, RefusedParams,
    testing::Values(
        // The review's case: a bare path between options is a second output, written with -y.
        RefusedCase{"bare path between options",
                    "-c:v libx264 -c:a aac /home/me/important.mkv -c:v libx264",
                    "\"/home/me/important.mkv\" is not an option"},
        RefusedCase{"bare name at the end", "-c:v libx264 -crf 20 important.mkv", kSecondOutput},
        RefusedCase{"a flag does not take the word after it", "-vn /home/me/a.mp3", kSecondOutput},
        RefusedCase{"a flag with an argument name in the help", "-xerror /home/me/a.mkv",
                    kSecondOutput},
        RefusedCase{"a turned-off flag", "-noautorotate /home/me/a.mkv", kSecondOutput},
        RefusedCase{"a dash alone is the standard output", "-c copy -", kSecondOutput},
        RefusedCase{"an empty word", "-c copy \"\"", kSecondOutput},
        RefusedCase{"open quote", "-metadata title=\"open", "a quote is not closed"},
        RefusedCase{"input", "-i /home/me/other.mkv -c copy", "\"-i\" would add another input"},
        RefusedCase{"input for one track", "-i:v other.mkv", "would add another input"},
        RefusedCase{"loopback decoder", "-dec 0:0", "would add another input"},
        RefusedCase{"overwrite", "-c copy -y", "\"-y\" decides whether existing files"},
        RefusedCase{"never overwrite", "-n -c copy", "\"-n\" decides whether existing files"},
        RefusedCase{"overwrite turned off", "-noy -c copy", "decides whether existing files"},
        RefusedCase{"value-taking option at the end", "-c:v libx264 -b:v", "\"-b:v\" " + kNoValue},
        RefusedCase{"unknown option at the end", "-c copy -some_future_option", kNoValue},
        RefusedCase{"a lone codec option", "-c:a", kNoValue},
        RefusedCase{"prints and stops", "-version -c copy", "print information and stop"},
        RefusedCase{"help", "-h full", "print information and stop"},
        RefusedCase{"double dash", "-- /home/me/a.mkv", "is not an option the encoder takes"},
        RefusedCase{"double dash option", "--c:v libx264", "is not an option the encoder takes"},
        RefusedCase{"value read from a file", "-/vf /home/me/graph.txt",
                    "would read its value from a file"}),
    test::CaseName<RefusedCase>);

INSTANTIATE_TEST_SUITE_P(
    FilesOfTheirOwn, RefusedParams,
    testing::Values(
        RefusedCase{"attach", "-attach /home/me/secret.txt",
                    "\"-attach\" makes the encoder " + kOwnFile},
        RefusedCase{"dump attachment", "-dump_attachment:t:0 /home/me/.bashrc", kOwnFile},
        RefusedCase{"pass log file", "-passlogfile /home/me/log", kOwnFile},
        RefusedCase{"pass", "-c:v libx264 -pass 1", kOwnFile},
        RefusedCase{"progress", "-progress /home/me/p.txt", kOwnFile},
        RefusedCase{"vstats file", "-vstats_file /home/me/v.log", kOwnFile},
        RefusedCase{"vstats", "-vstats -c copy", kOwnFile},
        RefusedCase{"report", "-report -c copy", kOwnFile},
        RefusedCase{"stats file of 6.1", "-stats_enc_pre:v:0 /home/me/s.log", kOwnFile},
        RefusedCase{"graph file of a later ffmpeg", "-print_graphs_file g.json", kOwnFile},
        RefusedCase{"an unknown option named for a file", "-some_new_log_file x.log", kOwnFile},
        RefusedCase{"sdp file", "-sdp_file /home/me/a.sdp", kOwnFile},
        RefusedCase{"preset file", "-fpre /home/me/x.ffpreset", kOwnFile},
        RefusedCase{"filter script", "-filter_script:v graph.txt", kOwnFile},
        RefusedCase{"complex filter script", "-filter_complex_script graph.txt", kOwnFile},
        RefusedCase{"segment names", "-f hls -hls_segment_filename /home/me/s%d.ts", kOwnFile},
        RefusedCase{"segment list", "-f segment -segment_list list.m3u8", kOwnFile},
        RefusedCase{"master playlist", "-f hls -master_pl_name ../../master.m3u8", kOwnFile},
        RefusedCase{"encoder preset by path", "-vpre ../../../home/me/x",
                    "the value of \"-vpre\" names a file"},
        RefusedCase{"encoder preset absolute", "-apre /etc/x", "names a file"},
        RefusedCase{"path value of an unknown option", "-some_future_flag /home/me/a.mkv",
                    "the value of \"-some_future_flag\" names a file: \"/home/me/a.mkv\""},
        RefusedCase{"home path value", "-metadata:s:a:0 ~/a.mkv", "names a file"},
        RefusedCase{"relative path value", "-somethingnew ./a.mkv", "names a file"},
        RefusedCase{"device option outside /dev", "-vaapi_device /home/me/a.mkv", "names a file"},
        RefusedCase{"x264 stats", "-c:v libx264 -x264-params keyint=60:stats=/home/me/s.log",
                    "the setting \"stats\" of \"-x264-params\" names a file"},
        RefusedCase{"x265 csv", "-x265-params csv=out.csv", "the setting \"csv\""},
        RefusedCase{"x265 pass", "-x265-params pass=1", "the setting \"pass\""},
        RefusedCase{"muxer settings", "-f fifo -format_opts segment_list=l.m3u8",
                    "the setting \"segment_list\""},
        RefusedCase{"settings with a path", "-svtav1-params tune=/home/me/a", "names a file"}),
    test::CaseName<RefusedCase>);

INSTANTIATE_TEST_SUITE_P(
    OtherInputs, RefusedParams,
    testing::Values(RefusedCase{"map another input", "-map 1:v -c copy", "\"-map 1:v\" takes"},
                    RefusedCase{"map another input whole", "-map 1", kOtherInput},
                    RefusedCase{"map without another input", "-map -1:s", kOtherInput},
                    RefusedCase{"map by a hexadecimal index", "-map 0x1", kOtherInput},
                    RefusedCase{"map synced to another input", "-map 0:v,1:v", kOtherInput},
                    RefusedCase{"metadata of another input", "-map_metadata 1", kOtherInput},
                    RefusedCase{"chapters of another input", "-map_chapters 2", kOtherInput},
                    RefusedCase{"channel of another input", "-map_channel 1.0.0", kOtherInput},
                    RefusedCase{"filter label of another input",
                                "-filter_complex [1:v]scale=320:-2[v] -map [v]",
                                "the filter label \"[1:v]\" takes tracks from another input"}),
    test::CaseName<RefusedCase>);

INSTANTIATE_TEST_SUITE_P(
    Filters, RefusedParams,
    testing::Values(
        RefusedCase{"movie", "-vf movie=/home/me/b.mkv[m];[in][m]overlay",
                    "the filter \"movie\" opens files"},
        RefusedCase{"amovie", "-af amovie=/home/me/b.wav,volume=2",
                    "the filter \"amovie\" opens files"},
        RefusedCase{"movie in a complex graph",
                    "-filter_complex movie=b.mkv[m];[0:v][m]overlay[v] -map [v]",
                    "the filter \"movie\""},
        RefusedCase{"movie spelt with a backslash", "-vf mo\\vie=b.mkv", "the filter \"movie\""},
        RefusedCase{"movie in quotes", "-vf 'movie'=b.mkv", "the filter \"movie\""},
        RefusedCase{"movie after blanks", "-vf \"scale=320:-2, movie=b.mkv\"",
                    "the filter \"movie\""},
        RefusedCase{"movie with an instance name", "-lavfi movie@m=b.mkv", "the filter \"movie\""},
        RefusedCase{"movie for one track", "-filter:v:0 movie=b.mkv", "the filter \"movie\""},
        RefusedCase{"subtitles", "-vf subtitles=/home/me/a.srt", "the filter \"subtitles\""},
        RefusedCase{"commands from a file", "-af asendcmd=f=cmds.txt", "\"asendcmd\""},
        RefusedCase{"a socket", "-vf zmq", "the filter \"zmq\""},
        RefusedCase{"a library", "-af ladspa=file=/tmp/x.so", "the filter \"ladspa\""},
        RefusedCase{"unknown filter", "-vf nosuchfilter=1", "is not one this program knows"},
        RefusedCase{"text from a file", "-vf drawtext=textfile=/home/me/.ssh/id_rsa",
                    "the option \"textfile\" of the filter \"drawtext\" names a file"},
        RefusedCase{"stats file of psnr by its short name",
                    "-lavfi [0:v]split[a][b];[a][b]psnr=f=s",
                    "the option \"f\" of the filter \"psnr\""},
        RefusedCase{"a file option by position", "-vf drawtext=/usr/share/fonts/a.ttf:text=hi",
                    "must be given its options by name"},
        RefusedCase{"an option read from a file", "-vf drawtext=/text=/home/me/.bashrc",
                    "would read its option \"text\" from a file"},
        RefusedCase{"unclosed label", "-filter_complex [0:v scale=1:1", "cannot be read"},
        RefusedCase{"empty graph", "-vf \"\"", "cannot be read"},
        RefusedCase{"graph options without their end", "-vf sws_flags=lanczos", "cannot be read"}),
    test::CaseName<RefusedCase>);

struct FineCase {
    const char* name;
    QString params;
};

void PrintTo(const FineCase& c, std::ostream* out) {
    *out << c.params.toStdString();
}

class FineParams : public testing::TestWithParam<FineCase> {};

TEST_P(FineParams, PassUnchanged) {
    const std::optional<QString> problem = PresetParams::Problem(GetParam().params);
    EXPECT_FALSE(problem.has_value()) << problem.value_or(QString()).toStdString();
}

// Presets of every shape the catalogue and people use.
INSTANTIATE_TEST_SUITE_P(
    Shapes, FineParams,
    testing::Values(
        FineCase{"nothing", ""}, FineCase{"copy", "-c copy"}, FineCase{"target", "-target pal-dvd"},
        FineCase{"options for one track",
                 "-c:v:0 libx264 -b:a 128k -metadata:s:a:0 language=eng -disposition:a:0 default"},
        FineCase{"flags", "-vn -c:a flac -sn -dn -shortest -bitexact -xerror -nostdin"},
        FineCase{"values that start with a dash", "-map_metadata -1 -map_chapters -1 -ss -5"},
        FineCase{"maps of the input", "-map 0 -map -0:d? -map 0:a? -map 0:v:0,0:a:0 -c copy"},
        FineCase{"metadata of the input", "-map_metadata:s:a 0:s:a -map_channel 0.1.0"},
        FineCase{"quoted value with blanks", "-metadata title=\"My film\" -c copy"},
        FineCase{"fractions and ratios", "-r 30000/1001 -aspect 16:9 -s 640x360"},
        FineCase{"format and its muxer options", "-f matroska -movflags +faststart"},
        FineCase{"custom raw frames", "-an -f yuv4mpegpipe"},
        FineCase{"x265 settings", "-c:v libx265 -x265-params log-level=error:keyint=60"},
        FineCase{"x264 settings", "-x264-params keyint=60:no-scenecut=1:profile=high"},
        FineCase{"hardware device",
                 "-vaapi_device /dev/dri/renderD128 -vf format=nv12,hwupload "
                 "-c:v h264_vaapi"},
        FineCase{"encoder preset by name", "-vpre libx264-fast"},
        FineCase{"quiet", "-hide_banner -loglevel error -stats"},
        FineCase{"library options", "-crf 20 -preset slow -tune film -g 48 -bf 2"},
        FineCase{"an unknown option and its value", "-some_future_option 3 -c copy"}),
    test::CaseName<FineCase>);

INSTANTIATE_TEST_SUITE_P(
    Graphs, FineParams,
    testing::Values(
        FineCase{"scale with a quoted expression", "-vf scale=-2:'min(720,trunc(ih/2)*2)'"},
        FineCase{"a chain", "-vf \"yadif=1, scale=1280:-2 ,format=yuv420p\""},
        FineCase{"graph options", "-vf sws_flags=lanczos;scale=640:-2"},
        FineCase{"sound", "-af loudnorm=I=-16:TP=-1.5:LRA=11,aresample=48000"},
        FineCase{"complex graph of the input",
                 "-filter_complex [0:v]split[a][b];[a]scale=320:-2[s];[b][s]overlay[v] "
                 "-map [v] -map 0:a?"},
        FineCase{"a label of the first input", "-lavfi [0]scale=2:2[v] -map [v]"},
        FineCase{"palette for a picture",
                 "-vf \"split[a][b];[a]palettegen[p];[b][p]paletteuse=dither=bayer\""},
        FineCase{"text by name", "-vf \"drawtext=text='Hello\\, world':fontsize=24:x=10\""},
        FineCase{"a path inside a text", "-vf drawtext=text=/home/me"},
        FineCase{"filter with an instance name", "-vf scale@big=1920:-2"}),
    test::CaseName<FineCase>);

// What the program ships must load whole.
TEST(PresetParams, EveryShippedPresetPasses) {
    PresetCatalogue catalogue;
    QString error;
    ASSERT_EQ(catalogue.Load(kData + "/presets.xml", &error), PresetCatalogue::Outcome::Loaded)
        << error.toStdString();
    ASSERT_FALSE(catalogue.Entries().empty());
    for (const PresetEntry& entry : catalogue.Entries()) {
        const std::optional<QString> problem = PresetParams::Problem(entry.params);
        EXPECT_FALSE(problem.has_value())
            << entry.category.toStdString() << " / " << entry.label.toStdString() << ": "
            << problem.value_or(QString()).toStdString();
    }
}

// The custom format's options, for every container and every codec of the shipped catalogue,
// are such options too: a preset saved from them loads again.
TEST(PresetParams, TheCustomFormatsOptionsPass) {
    CodecCatalogue codecs;
    QString error;
    ASSERT_EQ(codecs.Load(kData + "/codecs.xml", &error), CodecCatalogue::Outcome::Loaded);
    codecs.AddCopy();
    int checked = 0;
    for (const QString& container : custom::ContainerItems()) {
        for (const QString& video : codecs.VideoDescriptions()) {
            for (const QString& audio : codecs.AudioDescriptions()) {
                custom::Fields fields{"44.1 KHz",
                                      "128",
                                      codecs.GetCodecName(audio),
                                      "2",
                                      codecs.GetCodecName(video),
                                      "800",
                                      "hd720(1280x720)",
                                      "16:9",
                                      "25",
                                      container};
                const std::optional<QString> params = custom::BuildParams(fields, &error);
                if (!params) {
                    continue;
                }
                ++checked;
                const std::optional<QString> problem = PresetParams::Problem(*params);
                EXPECT_FALSE(problem.has_value())
                    << params->toStdString() << ": " << problem.value_or(QString()).toStdString();
            }
        }
    }
    EXPECT_GT(checked, 100);
}

// The encoder's libraries undo quotes and backslashes, and drop the blanks around a token.
TEST(FilterGraphCheck, ReadsTokensAsTheEncoderDoes) {
    const struct {
        QString text;
        QString terms;
        QString token;
        qsizetype end;
    } cases[] = {
        {"  scale=1", "=,;[", "scale", 7}, {"mo\\vie=x", "=,;[", "movie", 6},
        {"'mo'vie=x", "=,;[", "movie", 7}, {"'a, b' ,c", "[],;", "a, b", 7},
        {"a\\  ,c", "[],;", "a ", 4},      {"'open", ",", "open", 5},
        {"end\\", ",", "end\\", 4},
    };
    for (const auto& c : cases) {
        qsizetype pos = 0;
        EXPECT_EQ(FilterGraphCheck::ReadToken(c.text, pos, c.terms), c.token)
            << c.text.toStdString();
        EXPECT_EQ(pos, c.end) << c.text.toStdString();
    }
}

}  // namespace
}  // namespace reelwright
