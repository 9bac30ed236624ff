// Formats the user owns: copying tracks as they are from the custom lists, the codecs a saved
// choice names, and presets of one's own kept apart from the program's.
#include "formats/FormatChoice.h"
#include "formats/OwnPresets.h"

#include "common/Fakes.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

using test::CodecLines;
using test::PresetLines;

class OwnFormats : public testing::Test {
  protected:
    void SetUp() override { Load(choice); }
    void Load(FormatChoice& into, const QString& shipped = "H.264") {
        ASSERT_TRUE(into.LoadPresets(test::WriteFile(
            dir, "presets.xml",
            test::CrLf(
                test::PresetCatalogueLines({PresetLines(shipped, "-c:v libx264", "mp4", "Web"),
                                            PresetLines("DVD", "-target pal-dvd", "mpg", "Old")}))
                .toUtf8())));
        // A catalogue of before copying: the program offers it still.
        ASSERT_TRUE(into.LoadCodecs(test::WriteFile(
            dir, "codecs.xml",
            test::CodecCatalogueText({CodecLines("mpeg4", "MPEG-4", "video codec"),
                                      CodecLines("libx264", "H.264", "video codec"),
                                      CodecLines("aac", "AAC", "audio codec"),
                                      CodecLines("libmp3lame", "MP3", "audio codec")})
                .toUtf8())));
        into.LoadOwnPresets(ownPath);
    }
    void Custom(int container, int video, int audio) {
        choice.presetMode = false;
        choice.custom.container = container;
        choice.custom.videoCodec = video;
        choice.custom.audioCodec = audio;
        choice.custom.videoBitrate = "320";
        choice.custom.sampleRate = 4;
    }
    QByteArray OwnFile() const {
        QFile file(ownPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString ownPath = dir.filePath("data/reelwright/presets.xml");
    test::RecordingNotifier notifier;
    FormatChoice choice;
};

// With copy chosen, the fields that cannot apply are not passed; older catalogues still load.
TEST_F(OwnFormats, CopyingLeavesOutTheFieldsThatCannotApply) {
    EXPECT_EQ(choice.VideoCodecs(), (QStringList{"MPEG-4", "H.264", "Copy (no re-encoding)"}));
    EXPECT_EQ(choice.AudioCodecs(), (QStringList{"AAC", "MP3", "Copy (no re-encoding)"}));
    const struct {
        int video, audio;
        const char* options;
    } cases[] = {
        {2, 2, "-acodec copy -vcodec copy"},
        {2, 1, "-ar 22050 -ab 64000 -acodec libmp3lame -ac 2 -vcodec copy"},
        {1, 2, "-acodec copy -vcodec libx264 -b 320000 -s qvga -aspect 4:3 -r 25"},
    };
    for (const auto& c : cases) {
        Custom(7, c.video, c.audio);  // MP4
        choice.custom.sampleRate = 4;
        choice.custom.size = 6;
        choice.custom.aspect = 1;
        EXPECT_EQ(choice.Parameters().options.value_or("none"), c.options);
    }
    // A field that is off cannot hold the panel open.
    Custom(7, 2, 2);
    choice.custom.channels.clear();
    choice.custom.frameRate = ".";
    EXPECT_EQ(choice.SaveAndCloseProblem(), "");
    EXPECT_TRUE(choice.CopiesVideo() && choice.CopiesAudio());
    EXPECT_TRUE(notifier.messages.empty());
}

// A codec the saved choice names is found by its name wherever the list now has it; one no
// longer listed is said, and nothing is chosen in its place.
TEST_F(OwnFormats, ASavedCodecNoLongerListedIsSaidAndNotReplaced) {
    const struct {
        const char* name;
        std::optional<int> video;
        const char* videoName;
        int chosen;  // -1: none
        bool said;
    } cases[] = {
        {"by name, where it stands", 1, "libx264", 1, false},
        {"by name, moved", 0, "libx264", 1, false},
        {"by name, gone", 1, "libx265", -1, true},
        {"an older file, by position", 1, "", 1, false},
        {"an older file, past the list's end", 7, "", -1, true},
        {"no choice saved", -1, "", -1, false},
    };
    for (const auto& c : cases) {
        choice.custom.videoCodec = 0;
        const QString said = choice.RestoreCodecs(c.video, c.videoName, 0, "aac");
        EXPECT_EQ(choice.custom.videoCodec, c.chosen) << c.name;
        EXPECT_EQ(!said.isEmpty(), c.said) << c.name << said.toStdString();
        EXPECT_EQ(choice.custom.audioCodec, 0);
        if (c.chosen < 0) {
            Custom(7, -1, 0);
            EXPECT_EQ(choice.Parameters().error,
                      "No video codec is chosen in the custom format: choose one in the format "
                      "panel.")
                << c.name;
            EXPECT_FALSE(choice.SaveAndCloseProblem().isEmpty());
        }
    }
    EXPECT_EQ(choice.RestoreCodecs(9, "", 1, "vorbis"),
              "A codec saved for the custom format is no longer in the codec list (the video "
              "codec at position 10, the audio codec \"vorbis\"), so none is chosen in its "
              "place: choose one in the format panel before converting with the custom format.");
}

TEST_F(OwnFormats, APresetOfOnesOwnIsListedUsedAndRemoved) {
    Custom(7, 2, 2);
    QString note;
    ASSERT_EQ(choice.SaveOwnPreset("Web", "For the TV", &note), "");
    EXPECT_TRUE(note.contains("For the TV")) << note.toStdString();
    EXPECT_EQ(OwnFile(),
              "<?xml version=\"1.0\"?>\r\n<presets>\r\n<preset>\r\n\t<label>For the TV</label>\r\n"
              "\t<params>-acodec copy -vcodec copy</params>\r\n\t<extension>mp4</extension>\r\n"
              "\t<category>Web</category>\r\n</preset>\r\n</presets>\r\n");
    // Listed after the program's own, so their places (which the settings keep) stay.
    EXPECT_EQ(choice.Categories(), (QStringList{"Web", "Old"}));
    ASSERT_TRUE(choice.SelectPreset("Web", "For the TV"));
    EXPECT_EQ(choice.Labels(), (QStringList{"H.264", "For the TV"}));
    choice.presetMode = true;
    EXPECT_EQ(choice.Parameters().options, "-acodec copy -vcodec copy");
    EXPECT_EQ(choice.OutputType(), "mp4");
    EXPECT_TRUE(choice.ChosenPresetIsOwn());

    // A new category of one's own, and the same name again replaces it.
    Custom(2, 0, 1);  // AVI
    ASSERT_EQ(choice.SaveOwnPreset("Mine", "Old camera", &note), "");
    ASSERT_EQ(choice.SaveOwnPreset("Mine", "Old camera", &note), "");
    EXPECT_TRUE(note.contains("replaced"));
    EXPECT_EQ(choice.Categories(), (QStringList{"Web", "Old", "Mine"}));

    // Another start finds both, after a new program's catalogue has replaced the old one.
    FormatChoice next;
    Load(next, "H.264 (new)");
    EXPECT_EQ(next.Categories(), (QStringList{"Web", "Old", "Mine"}));
    ASSERT_TRUE(next.SelectPreset("Mine", "Old camera"));
    EXPECT_EQ(next.Parameters().options,
              "-ar 22050 -ab 64000 -acodec libmp3lame -ac 2 -vcodec mpeg4 -b 320000 -r 25");
    EXPECT_EQ(next.OutputType(), "avi");

    // Removing one leaves the other, and only one's own can go.
    ASSERT_TRUE(next.SelectPreset("Web", "For the TV"));
    EXPECT_EQ(next.RemoveChosenPreset(), "");
    EXPECT_EQ(next.Labels(), QStringList{"H.264 (new)"});
    EXPECT_FALSE(next.ChosenPresetIsOwn());
    EXPECT_EQ(next.RemoveChosenPreset(), "Only presets of your own can be removed.");
    EXPECT_EQ(next.Categories(), (QStringList{"Web", "Old", "Mine"}));
    EXPECT_FALSE(OwnFile().contains("For the TV"));
    EXPECT_TRUE(OwnFile().contains("Old camera"));
    EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
}

// Removed, a preset gives its place to the one that followed it in its category (the one before,
// when it was the last), never to another category's while one is left in its own.
TEST_F(OwnFormats, ARemovedPresetGivesItsPlaceToItsNeighbour) {
    Custom(7, 2, 2);
    QString note;
    for (const char* label : {"One", "Two", "Three"}) {
        ASSERT_EQ(choice.SaveOwnPreset("Mine", label, &note), "");
    }
    ASSERT_TRUE(choice.SelectPreset("Mine", "Two"));
    EXPECT_EQ(choice.RemoveChosenPreset(), "");
    EXPECT_EQ(choice.Category(), "Mine");
    EXPECT_EQ(choice.Label(), "Three");
    EXPECT_EQ(choice.RemoveChosenPreset(), "");
    EXPECT_EQ(choice.Label(), "One");
    EXPECT_EQ(choice.RemoveChosenPreset(), "");
    EXPECT_NE(choice.Category(), "Mine");  // none left there
}

TEST_F(OwnFormats, ANameMustKeepToTheCataloguesRules) {
    Custom(7, 1, 0);
    const struct {
        const char* category;
        const char* label;
        const char* problem;
    } cases[] = {
        {"", "x", "The preset's category cannot be empty."},
        {"Web", "  ", "The preset's name cannot be empty."},
        {"Web ", "x", "The preset's category cannot begin or end with a space."},
        {"Web", "a</label>", "The preset's name cannot hold \"<\", \">\" or a line break."},
        {"Web", "two\r\nlines", "The preset's name cannot hold \"<\", \">\" or a line break."},
        {"TV/Web", "x", "The preset's category cannot hold \"/\"."},
        {"Web", "H.264",
         "\"H.264\" in \"Web\" (mp4) is a preset that comes with the program; "
         "choose another name."},
    };
    for (const auto& c : cases) {
        QString note;
        EXPECT_EQ(choice.SaveOwnPreset(c.category, c.label, &note), c.problem) << c.label;
    }
    EXPECT_FALSE(QFile::exists(ownPath));
    // A label may hold "/" and "&": the command line splits at the category's end.
    QString note;
    EXPECT_EQ(choice.SaveOwnPreset("Web", "A/B & C", &note), "");
}

// Presets are shared. One whose params name a second output (which the encoder, told -y, writes
// over) or read another input is left out when one's own presets are read, said once by name and
// reason, and kept in the file: saving another preset does not drop it.
// A file of one's own written by hand is read as the XML it is: lines ending in LF, a declared
// encoding, spaces and entities; one that is not XML is said precisely, never listed as empty.
TEST_F(OwnFormats, AHandWrittenFileIsReadAsTheXmlItIs) {
    QDir().mkpath(QFileInfo(ownPath).path());
    test::WriteFile(dir, "data/reelwright/presets.xml",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<presets>\n"
                    "  <preset>\n"
                    "    <label>Phone &amp; tablet</label>\n"
                    "    <params>-c:v libx264 -crf 26 -c:a aac</params>\n"
                    "    <extension>mp4</extension>\n"
                    "    <category>Mine</category>\n"
                    "  </preset>\n"
                    "</presets>\n");
    OwnPresets::Read read = OwnPresets::Load(ownPath);
    ASSERT_EQ(read.entries.size(), 1u) << read.problem.toStdString();
    EXPECT_EQ(read.entries[0].label, "Phone & tablet");
    EXPECT_EQ(read.entries[0].params, "-c:v libx264 -crf 26 -c:a aac");
    EXPECT_EQ(read.entries[0].category, "Mine");
    EXPECT_TRUE(read.problem.isEmpty()) << read.problem.toStdString();

    test::WriteFile(dir, "data/reelwright/presets.xml",
                    "<?xml version=\"1.0\"?>\n<presets>\n  <preset>\n"
                    "    <label>Broken</label>\n    <params>-c:v libx264</params>\n"
                    "  </presets>\n");
    read = OwnPresets::Load(ownPath);
    EXPECT_TRUE(read.entries.empty());
    EXPECT_TRUE(read.problem.contains("line 6")) << read.problem.toStdString();

    // Cut short: where its XML ends, not what the program's own form would need.
    test::WriteFile(dir, "data/reelwright/presets.xml", "<?xml version=\"1.0\"?>\n<presets><broken");
    read = OwnPresets::Load(ownPath);
    EXPECT_TRUE(read.entries.empty());
    EXPECT_TRUE(read.problem.contains("line 2")) << read.problem.toStdString();
    EXPECT_FALSE(read.problem.contains("field lines")) << read.problem.toStdString();
    EXPECT_FALSE(read.problem.contains(".).")) << read.problem.toStdString();
}

TEST_F(OwnFormats, APresetThatIsMoreThanOptionsIsLeftOutAndSaidOnce) {
    QDir().mkpath(QFileInfo(ownPath).path());
    test::WriteFile(
        dir, "data/reelwright/presets.xml",
        OwnPresets::Text({{"Shared", "-c:v libx264 -c:a aac /home/me/important.mkv -c:v libx264",
                           "mkv", "From a friend"},
                          {"Fine", "-c:v libx264 -crf 20", "mkv", "From a friend"},
                          {"Overlay", "-vf movie=/home/me/logo.png[l];[in][l]overlay", "mp4",
                           "From a friend"}}));
    FormatChoice next;
    Load(next);
    ASSERT_EQ(notifier.messages.size(), 1u) << notifier.Texts().join("\n").toStdString();
    const test::Message& told = notifier.messages[0];
    EXPECT_EQ(told.icon, MessageIcon::Warning);
    EXPECT_TRUE(told.text.contains(QDir::toNativeSeparators(ownPath))) << told.text.toStdString();
    EXPECT_TRUE(told.text.contains("\"From a friend / Shared\" (mkv)")) << told.text.toStdString();
    EXPECT_TRUE(told.text.contains("\"From a friend / Overlay\" (mp4)"));
    EXPECT_TRUE(
        told.details.contains("\"From a friend / Shared\" (mkv): \"/home/me/important.mkv\" "
                              "is not an option"))
        << told.details.toStdString();
    EXPECT_TRUE(told.details.contains("\"From a friend / Overlay\" (mp4): the filter \"movie\""));
    EXPECT_EQ(next.Presets().LabelsOf("From a friend"), QStringList{"Fine"});
    EXPECT_FALSE(next.SelectPreset("From a friend", "Shared"));
    ASSERT_TRUE(next.SelectPreset("From a friend", "Fine"));
    EXPECT_EQ(next.Parameters().options, "-c:v libx264 -crf 20");

    next.presetMode = false;
    next.custom = choice.custom;
    next.custom.videoCodec = 1;
    next.custom.audioCodec = 0;
    QString note;
    ASSERT_EQ(next.SaveOwnPreset("Mine", "Small", &note), "");
    EXPECT_TRUE(OwnFile().contains("/home/me/important.mkv"));
    EXPECT_TRUE(OwnFile().contains("movie=/home/me/logo.png"));
    EXPECT_EQ(notifier.messages.size(), 1u) << notifier.Texts().join("\n").toStdString();
}

// One left out is said in one sentence with its reason.
TEST_F(OwnFormats, OnePresetLeftOutIsSaidWithItsReason) {
    QDir().mkpath(QFileInfo(ownPath).path());
    test::WriteFile(dir, "data/reelwright/presets.xml",
                    OwnPresets::Text({{"Twice", "-c copy -i /home/me/other.mkv", "mkv", "Mine"}}));
    FormatChoice next;
    Load(next);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text,
              "The preset \"Mine / Twice\" (mkv) in " + QDir::toNativeSeparators(ownPath) +
                  " was left out.\r\nIt holds more than options for the file being converted: "
                  "\"-i\" would add another input.");
    EXPECT_EQ(next.Categories(), (QStringList{"Web", "Old"}));
}

// A damaged catalogue of one's own is set aside, never replaced, and said once; the program's
// presets still load. Saving afterwards starts a new file.
TEST_F(OwnFormats, ADamagedCatalogueIsSetAsideAndSaid) {
    QDir().mkpath(QFileInfo(ownPath).path());
    for (int start = 0; start < 2; ++start) {
        test::WriteFile(dir, "data/reelwright/presets.xml",
                        "<?xml version=\"1.0\"?>\r\n<presets>\r\n<preset>\r\n\t<label>cut");
        FormatChoice next;
        Load(next);
        EXPECT_EQ(next.Categories(), (QStringList{"Web", "Old"}));
    }
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_TRUE(notifier.messages[0].text.contains("set aside as " +
                                                   QDir::toNativeSeparators(ownPath) + ".damaged"))
        << notifier.messages[0].text.toStdString();
    // The second damaged file does not replace the first.
    EXPECT_TRUE(QFile::exists(ownPath + ".damaged"));
    EXPECT_TRUE(QFile::exists(ownPath + ".damaged-2"));
    EXPECT_FALSE(QFile::exists(ownPath));
}

// A file that cannot be read is left alone and never written over with less.
// A pipe at their name: reading them does not wait for a writer; they are unreadable, with
// what the name is, and the pipe is left where it is.
TEST(OwnPresetsFile, APipeAtTheirNameIsUnreadableAtOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath("presets.xml");
    const QByteArray pipe = QFile::encodeName(path);
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    auto loading = std::async(std::launch::async, [&path] { return OwnPresets::Load(path); });
    const bool answered = loading.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!answered) {
        // Lets a waiting open go, so the test ends instead of hanging.
        const int writer = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
    }
    const OwnPresets::Read read = loading.get();
    ASSERT_TRUE(answered) << "reading waited on the pipe";
    EXPECT_TRUE(read.unreadable);
    EXPECT_TRUE(read.problem.contains("(it is a named pipe, not a regular file)"))
        << read.problem.toStdString();
    struct stat info {};
    ASSERT_EQ(::lstat(pipe.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(OwnFormats, AnUnreadableCatalogueIsNeverWrittenOver) {
    Custom(7, 1, 0);
    QString note;
    ASSERT_EQ(choice.SaveOwnPreset("Web", "Kept", &note), "");
    const QByteArray held = OwnFile();
    QFile::setPermissions(ownPath, QFileDevice::WriteOwner);
    if (QFile(ownPath).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "running as root: every file can be read";
    }
    FormatChoice next;
    Load(next);
    EXPECT_EQ(next.Categories(), (QStringList{"Web", "Old"}));
    next.presetMode = false;
    next.custom = choice.custom;
    EXPECT_TRUE(next.SaveOwnPreset("Web", "Another", &note).contains("cannot be read"));
    QFile::setPermissions(ownPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(OwnFile(), held);
}

}  // namespace
}  // namespace reelwright
