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
    };
    for (const auto& change : changes) {
        custom::Fields fields = Defaults();
        change(fields);
        QString error;
        EXPECT_FALSE(custom::BuildParams(fields, &error, QLocale::c()).has_value());
        EXPECT_FALSE(error.isEmpty());
    }
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
};

class KeyFilter : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, LetsOnlyTheFieldsCharactersThrough) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(custom::AcceptKey(c.field, c.text, QChar(c.key)), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilter,
    testing::Values(KeyCase{"bitrate digit", TextField::AudioBitrate, "6", '4', true},
                    KeyCase{"bitrate letter", TextField::AudioBitrate, "6", 'k', false},
                    KeyCase{"bitrate point", TextField::VideoBitrate, "3", '.', false},
                    KeyCase{"bitrate full", TextField::VideoBitrate, "1234", '5', false},
                    KeyCase{"bitrate full backspace", TextField::VideoBitrate, "1234", 8, true},
                    KeyCase{"bitrate full enter", TextField::VideoBitrate, "1234", 13, false},
                    KeyCase{"channels zero", TextField::Channels, "", '0', false},
                    KeyCase{"channels first digit", TextField::Channels, "", '6', true},
                    KeyCase{"channels second digit", TextField::Channels, "2", '1', false},
                    KeyCase{"channels backspace", TextField::Channels, "2", 8, true},
                    KeyCase{"frame rate point", TextField::FrameRate, "29", '.', true},
                    KeyCase{"frame rate decimals", TextField::FrameRate, "29.9", '7', true},
                    KeyCase{"frame rate second point", TextField::FrameRate, "29.9", '.', false},
                    KeyCase{"frame rate zero after point", TextField::FrameRate, "25.", '0', false},
                    KeyCase{"frame rate zero before point", TextField::FrameRate, "2", '0', true},
                    KeyCase{"frame rate nine long", TextField::FrameRate, "23.976023", '1', false},
                    KeyCase{"frame rate minus", TextField::FrameRate, "", '-', false}),
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
