#include "formats/CustomFormat.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using custom::TextField;

custom::Fields Defaults() {
    custom::Fields f;
    f.sampleRate = "22.05 KHz";
    f.audioBitrate = "64";
    f.audioCodecName = "A";
    f.channels = "2";
    f.videoCodecName = "V";
    f.videoBitrate = "320";
    f.size = "[As Input]";
    f.aspect = "[As Input]";
    f.frameRate = "25";
    return f;
}

struct ParamsCase {
    const char* name;
    std::function<void(custom::Fields&)> change;
    const char* params;
};

class CustomParams : public testing::TestWithParam<ParamsCase> {};

TEST_P(CustomParams, FollowTheFieldsInTheirOrder) {
    custom::Fields fields = Defaults();
    GetParam().change(fields);
    QString error;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German)}) {
        const auto params = custom::BuildParams(fields, &error, locale);
        ASSERT_TRUE(params.has_value()) << error.toStdString();
        EXPECT_EQ(*params, GetParam().params);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CustomParams,
    testing::Values(
        ParamsCase{"defaults", [](custom::Fields&) {},
                   "-ar 22050 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -r 25"},
        ParamsCase{
            "size and aspect",
            [](custom::Fields& f) {
                f.size = "qvga(320x240)";
                f.aspect = "16:9";
            },
            "-ar 22050 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -s qvga -aspect 16:9 -r 25"},
        ParamsCase{"size ending in a blank", [](custom::Fields& f) { f.size = "hd720(1280x720) "; },
                   "-ar 22050 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -s hd720 -r 25"},
        ParamsCase{"no codec names",
                   [](custom::Fields& f) {
                       f.audioCodecName.clear();
                       f.videoCodecName.clear();
                   },
                   "-ar 22050 -ab 64000 -ac 2 -b 320000 -r 25"},
        ParamsCase{"fractional rates",
                   [](custom::Fields& f) {
                       f.sampleRate = "44.1 KHz";
                       f.frameRate = "23.976";
                   },
                   "-ar 44100 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -r 23.976"},
        ParamsCase{"eleven thousand", [](custom::Fields& f) { f.sampleRate = "11.025 KHz"; },
                   "-ar 11025 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -r 25"}),
    test::CaseName<ParamsCase>);

TEST(CustomParams, AnEmptyOrStrangeFieldIsAFailureWithAReason) {
    const std::function<void(custom::Fields&)> changes[] = {
        [](custom::Fields& f) { f.audioBitrate.clear(); },
        [](custom::Fields& f) { f.videoBitrate = "fast"; },
        [](custom::Fields& f) { f.videoBitrate = "9999999"; },
        [](custom::Fields& f) { f.size = "huge"; },
        // Values that pass the key filters but cannot work.
        [](custom::Fields& f) { f.videoBitrate = "0"; },
        [](custom::Fields& f) { f.audioBitrate = "0"; },
        [](custom::Fields& f) { f.channels = "0"; },
        [](custom::Fields& f) { f.frameRate = "."; },
        [](custom::Fields& f) { f.frameRate = "0"; },
        [](custom::Fields& f) { f.frameRate = "0.0"; },
    };
    for (const auto& change : changes) {
        custom::Fields fields = Defaults();
        change(fields);
        QString error;
        EXPECT_FALSE(custom::BuildParams(fields, &error, QLocale::c()).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
}

struct ContainerCase {
    const char* name;
    const char* container;
    const char* video;
    const char* audio;
    const char* problem;  // a part of the message; empty when the pair can go in
};

class ContainerPairs : public testing::TestWithParam<ContainerCase> {};

TEST_P(ContainerPairs, OnlyPairsThatPlayAreLetThrough) {
    const ContainerCase& c = GetParam();
    const auto describe = [](const QString& name) { return "<" + name + ">"; };
    const QString problem = custom::ContainerProblem(c.container, c.video, c.audio, describe);
    if (QString(c.problem).isEmpty()) {
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    } else {
        EXPECT_TRUE(problem.contains(c.problem)) << problem.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ContainerPairs,
    testing::Values(
        ContainerCase{"mpeg4 in RM is labelled RealVideo", "RM", "mpeg4", "ac3",
                      "The RM container cannot hold <mpeg4> video. Choose one of: <rv10>, <rv20>."},
        ContainerCase{"RealVideo in RM", "RM", "rv20", "ac3", ""},
        ContainerCase{"mp2 in RM", "RM", "rv10", "mp2", "cannot hold <mp2> sound"},
        ContainerCase{"HEVC in AVI reads as raw video", "AVI", "libx265", "mp2", "<libx265>"},
        ContainerCase{"VP8 in MPEG-PS", "MPG", "libvpx", "mp2", "<libvpx>"},
        ContainerCase{"H.264 in FLV", "FLV", "libx264", "aac", ""},
        ContainerCase{"compressed video in yuv", "yuv", "libx264", "aac", "<libx264>"},
        ContainerCase{"yuv takes any sound choice: it has none", "yuv", "wrapped_avframe",
                      "libopus", ""},
        ContainerCase{"a codec the table does not know is left to the encoder", "MP4",
                      "libxvid", "libfdk_aac", ""},
        ContainerCase{"a container the table does not know", "MKV", "rv10", "mp2", ""}),
    test::CaseName<ContainerCase>);

TEST(CustomParams, AContainerAddsWhatItNeedsOrRefusesThePair) {
    custom::Fields fields = Defaults();
    fields.container = "yuv";
    fields.videoCodecName = "wrapped_avframe";
    QString error;
    EXPECT_EQ(custom::BuildParams(fields, &error, QLocale::c()),
              "-ar 22050 -ab 64000 -acodec A -ac 2 -vcodec wrapped_avframe -b 320000 -r 25 "
              "-an -f yuv4mpegpipe");
    fields.container = "RM";
    fields.videoCodecName = "mpeg4";
    EXPECT_FALSE(custom::BuildParams(fields, &error, QLocale::c()).has_value());
    EXPECT_TRUE(error.contains("RM")) << error.toStdString();
}

TEST(CustomParams, TheSampleRateIsReadUpToItsUnit) {
    EXPECT_DOUBLE_EQ(custom::LeadingNumber("22.05 KHz"), 22.05);
    EXPECT_DOUBLE_EQ(custom::LeadingNumber("4 8 KHz"), 48.0);
    EXPECT_DOUBLE_EQ(custom::LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(custom::LeadingNumber("KHz"), 0.0);
}

struct KeyCase {
    const char* name;
    TextField field;
    const char* text;
    char key;
    bool accepted;
    custom::KeyPlace place = {};  // at the end, nothing selected
};

class KeyFilter : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, JudgesTheTextAsItWouldBeAfterTheKey) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(custom::AcceptKey(c.field, c.text, QChar(c.key), c.place), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilter,
    testing::Values(
        KeyCase{"bitrate digit", TextField::AudioBitrate, "6", '4', true},
        KeyCase{"bitrate letter", TextField::AudioBitrate, "6", 'k', false},
        KeyCase{"bitrate point", TextField::VideoBitrate, "3", '.', false},
        KeyCase{"bitrate full", TextField::VideoBitrate, "1234", '5', false},
        KeyCase{"bitrate full backspace", TextField::VideoBitrate, "1234", 8, true},
        KeyCase{"bitrate full enter", TextField::VideoBitrate, "1234", 13, false},
        KeyCase{"bitrate enter", TextField::VideoBitrate, "123", 13, true},
        KeyCase{"bitrate full all selected", TextField::VideoBitrate, "1500", '8', true, {0, 4}},
        KeyCase{"bitrate full two selected", TextField::VideoBitrate, "1500", '9', true, {1, 2}},
        KeyCase{"bitrate full cursor inside", TextField::VideoBitrate, "1500", '9', false, {2, 0}},
        KeyCase{"full selected letter", TextField::VideoBitrate, "1500", 'k', false, {0, 4}},
        KeyCase{"full selected enter", TextField::AudioBitrate, "1500", 13, false, {0, 4}},
        KeyCase{"full selected backspace", TextField::AudioBitrate, "1500", 8, true, {0, 4}},
        KeyCase{"channels zero", TextField::Channels, "", '0', false},
        KeyCase{"channels first digit", TextField::Channels, "", '6', true},
        KeyCase{"channels second digit", TextField::Channels, "2", '1', false},
        KeyCase{"channels before the digit", TextField::Channels, "2", '1', false, {0, 0}},
        KeyCase{"channels over digit", TextField::Channels, "2", '9', true, {0, 1}},
        KeyCase{"channels zero over digit", TextField::Channels, "2", '0', false, {0, 1}},
        KeyCase{"channels backspace", TextField::Channels, "2", 8, true},
        KeyCase{"frame rate point", TextField::FrameRate, "29", '.', true},
        KeyCase{"frame rate decimals", TextField::FrameRate, "29.9", '7', true},
        KeyCase{"frame rate second point", TextField::FrameRate, "29.9", '.', false},
        KeyCase{"frame rate point in front", TextField::FrameRate, "2.5", '.', false, {0, 0}},
        KeyCase{"frame rate point on point", TextField::FrameRate, "29.97", '.', true, {2, 1}},
        KeyCase{"frame rate point on digits", TextField::FrameRate, "29.97", '.', false, {3, 2}},
        KeyCase{"frame rate zero after point", TextField::FrameRate, "25.", '0', true},
        KeyCase{"frame rate zero inside", TextField::FrameRate, "29.7", '0', true, {3, 0}},
        KeyCase{"frame rate zero before point", TextField::FrameRate, "2", '0', true},
        KeyCase{"frame rate nine long", TextField::FrameRate, "23.976023", '1', false},
        KeyCase{"rate nine, one marked", TextField::FrameRate, "23.976023", '1', true, {8, 1}},
        KeyCase{"frame rate minus", TextField::FrameRate, "", '-', false},
        KeyCase{"a place beyond the text is its end", TextField::Channels, "", '2', true, {5, 3}}),
    test::CaseName<KeyCase>);

struct PasteCase {
    const char* name;
    TextField field;
    const char* text;
    bool accepted;
};

class PastedText : public testing::TestWithParam<PasteCase> {};

TEST_P(PastedText, ObeysTheSameCharactersAndLength) {
    EXPECT_EQ(custom::AcceptText(GetParam().field, GetParam().text), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedText,
    testing::Values(PasteCase{"bitrate", TextField::AudioBitrate, "128", true},
                    PasteCase{"bitrate too long", TextField::AudioBitrate, "12345", false},
                    PasteCase{"bitrate with option", TextField::VideoBitrate, "1 -y", false},
                    PasteCase{"channels zero", TextField::Channels, "0", false},
                    PasteCase{"channels two digits", TextField::Channels, "12", false},
                    PasteCase{"frame rate", TextField::FrameRate, "29.97", true},
                    PasteCase{"frame rate two points", TextField::FrameRate, "2.9.7", false},
                    PasteCase{"frame rate injection", TextField::FrameRate, "25 -i /x", false},
                    PasteCase{"empty", TextField::FrameRate, "", true}),
    test::CaseName<PasteCase>);

TEST(CustomValues, AFieldsValueMustBeAboveZero) {
    EXPECT_TRUE(custom::ValidValue(TextField::FrameRate, "29.97"));
    EXPECT_TRUE(custom::ValidValue(TextField::FrameRate, ".5"));
    EXPECT_FALSE(custom::ValidValue(TextField::FrameRate, "."));
    EXPECT_FALSE(custom::ValidValue(TextField::FrameRate, "0"));
    EXPECT_FALSE(custom::ValidValue(TextField::FrameRate, "0.00"));
    EXPECT_FALSE(custom::ValidValue(TextField::AudioBitrate, "0000"));
    EXPECT_FALSE(custom::ValidValue(TextField::VideoBitrate, ""));
    EXPECT_FALSE(custom::ValidValue(TextField::VideoBitrate, "12345"));  // too long
    EXPECT_TRUE(custom::ValidValue(TextField::Channels, "6"));
    EXPECT_EQ(custom::InvalidValueMessage(TextField::FrameRate),
              "Frame Rate Field in the custom Format must be a number greater than 0.");
}

TEST(FormatSummary, NamesTheChoiceInEitherMode) {
    EXPECT_EQ(custom::FormatSummary(true, "Web", "VP9", "webm"),
              "Category:Web, Codec:\"VP9\", Container:\"webm\"");
    EXPECT_EQ(custom::FormatSummary(false, "AVI", "MPEG-4", "MP3"),
              "Container:AVI, Video Codec:\"MPEG-4\", Audio Codec:\"MP3\"");
}

TEST(CustomLists, HaveTheirFixedItems) {
    EXPECT_EQ(custom::ContainerItems().size(), 10);
    EXPECT_EQ(custom::ContainerItems()[2], "AVI");
    EXPECT_EQ(custom::SampleRateItems().size(), 9);
    EXPECT_EQ(custom::SampleRateItems()[4], "22.05 KHz");
    const QStringList sizes = custom::SizeItems();
    ASSERT_EQ(sizes.size(), 29);
    for (int i : {13, 16, 20, 27}) {
        EXPECT_TRUE(sizes[i].endsWith(") ")) << i;
    }
    EXPECT_EQ(custom::AspectItems(),
              (QStringList{"[As Input]", "4:3", "16:9", "1.3333", "1.7777"}));
}

}  // namespace
}  // namespace reelwright
