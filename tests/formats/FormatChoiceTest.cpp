// The output format without a window: the three linked preset lists, the custom fields, the
// encoder options and the checks of "Save & Close".
#include "formats/FormatChoice.h"

#include "common/Fakes.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace reelwright {
namespace {

using test::CodecLines;
using test::PresetLines;

class FormatChoiceTest : public testing::Test {
  protected:
    void Load(const QList<QStringList>& presets, const QList<QStringList>& codecs) {
        ASSERT_TRUE(choice.LoadPresets(
            test::WriteFile(dir, "presets.xml",
                            test::CrLf(test::PresetCatalogueLines(presets)).toUtf8())));
        ASSERT_TRUE(choice.LoadCodecs(
            test::WriteFile(dir, "codecs.xml", test::CodecCatalogueText(codecs).toUtf8())));
    }
    void LoadSample() {
        Load({PresetLines("H.264", "-c:v libx264", "mp4", "Web"),
              PresetLines("H.264", "-c:v libx264 -f matroska", "mkv", "Web"),
              PresetLines("VP9", "-c:v libvpx-vp9", "webm", "Web"),
              PresetLines("DVD", "-target pal-dvd", "mpg", "Old")},
             {CodecLines("mpeg4", "MPEG-4", "video codec"),
              CodecLines("libx264", "H.264", "video codec"), CodecLines("aac", "AAC", "audio codec"),
              CodecLines("libmp3lame", "MP3", "audio codec")});
    }

    QTemporaryDir dir;
    test::RecordingNotifier notifier;
    FormatChoice choice;
};

TEST_F(FormatChoiceTest, TheListsCascadeFromTheCategory) {
    LoadSample();
    EXPECT_EQ(choice.Categories(), (QStringList{"Web", "Old"}));
    EXPECT_EQ(choice.Labels(), (QStringList{"H.264", "VP9"}));
    // The first label's extensions, not the category's.
    EXPECT_EQ(choice.Extensions(), (QStringList{"mp4", "mkv"}));
    EXPECT_TRUE(choice.SelectLabel(1));
    EXPECT_EQ(choice.Extensions(), QStringList{"webm"});
    EXPECT_TRUE(choice.SelectCategory(1));
    EXPECT_EQ(choice.Labels(), QStringList{"DVD"});
    EXPECT_EQ(choice.Extension(), "mpg");
    // Past the end of a list nothing changes.
    EXPECT_FALSE(choice.SelectCategory(2));
    EXPECT_FALSE(choice.SelectLabel(-2));
    EXPECT_EQ(choice.Category(), "Old");
    EXPECT_TRUE(choice.SelectPreset("Web", "H.264", "mkv"));
    EXPECT_EQ(choice.Parameters().options, "-c:v libx264 -f matroska");
    EXPECT_EQ(choice.OutputType(), "mkv");
    EXPECT_EQ(choice.Summary(), "Category:Web, Codec:\"H.264\", Container:\"mkv\"");
    EXPECT_FALSE(choice.SelectPreset("Web", "H.265"));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(FormatChoiceTest, TheCustomFieldsMakeTheOptionsAndTheSummary) {
    LoadSample();
    choice.presetMode = false;
    choice.custom.container = 2;  // AVI
    choice.custom.audioCodec = 1;
    choice.custom.sampleRate = 4;
    choice.custom.videoCodec = 0;
    choice.custom.videoBitrate = "320";
    EXPECT_EQ(choice.Parameters().options,
              "-ar 22050 -ab 64000 -acodec libmp3lame -ac 2 -vcodec mpeg4 -b 320000 -r 25");
    EXPECT_EQ(choice.OutputType(), "AVI");
    EXPECT_EQ(choice.Summary(), "Container:AVI, Video Codec:\"MPEG-4\", Audio Codec:\"MP3\"");
    choice.custom.audioBitrate = "fast";
    const FormatParameters failed = choice.Parameters();
    EXPECT_FALSE(failed.options.has_value());
    EXPECT_FALSE(failed.error.isEmpty());
}

struct CloseCase {
    const char* name;
    std::function<void(FormatChoice&)> change;
    const char* problem;  // empty: the panel may close
};

class SaveAndClose : public FormatChoiceTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(SaveAndClose, ChecksTheFieldsInTheirOrder) {
    LoadSample();
    choice.presetMode = false;
    choice.custom.container = 2;
    GetParam().change(choice);
    EXPECT_EQ(choice.SaveAndCloseProblem(), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SaveAndClose,
    testing::Values(
        CloseCase{"all good", [](FormatChoice&) {}, ""},
        CloseCase{"channels before the frame rate",
                  [](FormatChoice& c) {
                      c.custom.channels.clear();
                      c.custom.frameRate.clear();
                  },
                  "Channels Field in the custom Format can not be empty."},
        CloseCase{"empty before a value that cannot work",
                  [](FormatChoice& c) {
                      c.custom.videoBitrate.clear();
                      c.custom.frameRate = ".";
                  },
                  "Video Bitrate Field in the custom Format can not be empty."},
        CloseCase{"a frame rate of a dot",
                  [](FormatChoice& c) { c.custom.frameRate = "."; },
                  "Frame Rate Field in the custom Format must be a number greater than 0."},
        CloseCase{"a pair the container cannot hold",
                  [](FormatChoice& c) { c.custom.container = 8; },  // RM
                  "The RM container cannot hold MPEG-4 video. Choose one of: rv10, rv20."},
        CloseCase{"the same pair is no matter in preset mode",
                  [](FormatChoice& c) {
                      c.custom.container = 8;
                      c.presetMode = true;
                  },
                  ""}),
    [](const testing::TestParamInfo<CloseCase>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

// The program's catalogue is read the same way: what is more than options is left out and
// said once for the read, the rest listed in its places.
TEST_F(FormatChoiceTest, ACataloguesPresetsThatAreMoreThanOptionsAreLeftOut) {
    Load({PresetLines("H.264", "-c:v libx264 -y", "mp4", "Web"),
          PresetLines("H.264", "-c:v libx264", "mkv", "Web"),
          PresetLines("Sound", "-vn -c:a aac -b:a", "m4a", "Web"),
          PresetLines("DVD", "-target pal-dvd", "mpg", "Old")},
         {CodecLines("mpeg4", "MPEG-4", "video codec"), CodecLines("aac", "AAC", "audio codec")});
    ASSERT_EQ(notifier.messages.size(), 1u) << notifier.Texts().join("\n").toStdString();
    EXPECT_TRUE(
        notifier.messages[0].text.endsWith(":\r\n\"Web / H.264\" (mp4)\r\n\"Web / Sound\" (m4a)"))
        << notifier.messages[0].text.toStdString();
    EXPECT_EQ(notifier.messages[0].details,
              "\"Web / H.264\" (mp4): \"-y\" decides whether existing files are written over, "
              "which the program decides itself\n"
              "\"Web / Sound\" (m4a): \"-b:a\" needs a value, and none follows it");
    EXPECT_EQ(choice.Categories(), (QStringList{"Web", "Old"}));
    EXPECT_EQ(choice.Labels(), QStringList{"H.264"});
    EXPECT_EQ(choice.Extensions(), QStringList{"mkv"});
    EXPECT_EQ(choice.Parameters().options, "-c:v libx264");
}

// The options are judged again where they are used: a codec name of an edited catalogue that
// holds more than a name makes no options.
TEST_F(FormatChoiceTest, CustomOptionsThatAreMoreThanOptionsAreNotUsed) {
    Load({PresetLines("DVD", "-target pal-dvd", "mpg", "Old")},
         {CodecLines("mpeg4 /home/me/important.avi", "MPEG-4", "video codec"),
          CodecLines("aac", "AAC", "audio codec")});
    choice.presetMode = false;
    const FormatParameters parameters = choice.Parameters();
    EXPECT_FALSE(parameters.options.has_value());
    EXPECT_TRUE(
        parameters.error.startsWith("The custom format's options cannot be used: "
                                    "\"/home/me/important.avi\" is not an option"))
        << parameters.error.toStdString();
}

TEST_F(FormatChoiceTest, AFailedCatalogueLeavesItsListsEmptyWithItsMessage) {
    EXPECT_FALSE(choice.LoadPresets(dir.filePath("missing.xml")));
    EXPECT_FALSE(choice.LoadCodecs(test::WriteFile(
        dir, "codecs.xml",
        test::CodecCatalogueText({CodecLines("mpeg4", "MPEG-4", "video codec")}).toUtf8())));
    EXPECT_TRUE(choice.Categories().isEmpty());
    EXPECT_EQ(choice.Parameters().options, "");  // preset mode without presets: empty text
    EXPECT_EQ(choice.VideoCodecs(), QStringList{"MPEG-4"});
    EXPECT_EQ(choice.custom.videoCodec, 0);
    EXPECT_EQ(notifier.Texts(),
              (QStringList{"Error Occured while Loading Presets.\r\n" +
                               notifier.messages[0].text.section("\r\n", 1),
                           "Error Occured while Loading Codecs.\r\nThe catalogue holds no audio "
                           "codec."}));
}

}  // namespace
}  // namespace reelwright
