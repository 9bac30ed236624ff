// Nothing of a file is lost in its conversion: a film-like source through every shipped preset
// and every custom container with the real encoder, each result read back with ffprobe and
// held against the container table.
#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "formats/CodecCatalogue.h"
#include "plan/ContainerTable.h"
#include "formats/CustomFormat.h"
#include "formats/PresetCatalogue.h"
#include "joblist/JobList.h"
#include "platform/CommandLine.h"
#include "platform/ProgramFolder.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <memory>

namespace reelwright {
namespace {

const QString kData = QStringLiteral(SOURCE_DATA_DIR);

// One format a user can choose: a shipped preset, or the custom fields with a container.
struct Format {
    std::string name;
    QString options;
    QString type;
};

std::vector<Format> EveryFormat() {
    std::vector<Format> formats;
    PresetCatalogue presets;
    QString error;
    presets.Load(kData + "/presets.xml", &error);
    for (const PresetEntry& preset : presets.Entries()) {
        formats.push_back(
            {test::NameOf(
                 (preset.extension + ' ' + preset.category + ' ' + preset.label).toStdString(),
                 formats.size()),
             preset.params, preset.extension});
    }
    CodecCatalogue codecs;
    codecs.Load(kData + "/codecs.xml", &error);
    for (const QString& container : custom::ContainerItems()) {
        const custom::ContainerRule* rule = custom::RuleOf(container);
        const auto first = [&](const QStringList& descriptions, const QStringList& allowed) {
            for (const QString& description : descriptions) {
                if (allowed.isEmpty() || allowed.contains(codecs.GetCodecName(description))) {
                    return codecs.GetCodecName(description);
                }
            }
            return QString();
        };
        custom::Fields fields;
        fields.sampleRate = "44.1 KHz";
        fields.audioBitrate = "128";
        fields.audioCodecName =
            first(codecs.AudioDescriptions(), rule ? rule->audioCodecs : QStringList());
        fields.channels = "2";
        fields.videoCodecName =
            first(codecs.VideoDescriptions(), rule ? rule->videoCodecs : QStringList());
        fields.videoBitrate = "800";
        fields.size = custom::kAsInput;
        fields.aspect = custom::kAsInput;
        fields.frameRate = "25";
        fields.container = container;
        const std::optional<QString> options = custom::BuildParams(fields, &error);
        formats.push_back({"Custom_" + test::NameOf(container.toStdString(), formats.size()),
                           options.value_or(QString()), container.toLower()});
    }
    return formats;
}

const std::vector<Format>& Formats() {
    static const std::vector<Format> formats = EveryFormat();
    return formats;
}

class ConvertingAFilm : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (test::SystemEncoder().isEmpty()) {
            return;
        }
        folder_ = new QTemporaryDir;
        film_ = new QString(folder_->filePath("film.mkv"));
        if (!test::MakeFilmLikeSource(*film_)) {
            film_->clear();
        }
    }
    static void TearDownTestSuite() {
        delete film_;
        delete folder_;
        film_ = nullptr;
        folder_ = nullptr;
    }
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        ASSERT_TRUE(film_ && !film_->isEmpty()) << "the film-like source could not be made";
        list.InitJobList();
    }
    // Converts `source` (the film unless told) with a format; answers its row.
    const JobRow& Convert(const QString& options, const QString& type,
                          TrackPlan::Choice choice = TrackPlan::Choice::Every,
                          const QString& source = QString()) {
        options_ = options;
        type_ = type;
        QString file = source.isEmpty() ? *film_ : source;
        EXPECT_TRUE(list.AddFile2Grid(file));
        batch.SetQuietFailures(true);
        batch.SetTrackChoice(choice);
        batch.RunBatch(false);
        return list.Store()->Row(list.Store()->RecordCount() - 1);
    }
    QStringList Outputs() const {
        return QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    static QTemporaryDir* folder_;
    static QString* film_;
    QTemporaryDir out;
    test::RecordingNotifier notifier;
    JobList list;
    QString options_;
    QString type_;
    BatchDriver batch{list,
                      {[this] { return type_; },
                       [this](const QString& input, const QString& type) {
                           return ChooseOutputPath(input, type, {false, out.path()});
                       },
                       [this] {
                           return FormatParameters{options_, QString()};
                       }}};
};

QTemporaryDir* ConvertingAFilm::folder_ = nullptr;
QString* ConvertingAFilm::film_ = nullptr;

class EveryFormatKeepsWhatItCan : public ConvertingAFilm,
                                  public testing::WithParamInterface<std::size_t> {};

TEST_P(EveryFormatKeepsWhatItCan, AsTheContainerTableSays) {
    const Format& format = Formats()[GetParam()];
    ASSERT_FALSE(format.options.isEmpty()) << format.name;
    const JobRow& row = Convert(format.options, format.type);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    ASSERT_EQ(Outputs(), QStringList{"film." + format.type});
    const ContainerRules rules = RulesFor(format.type);
    const QStringList arguments = SplitArguments(format.options).value_or(QStringList());
    if (!rules.describesItself) {
        return;  // a raw stream: nothing to read back
    }
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(out.filePath(Outputs()[0]));
    using Many = ContainerRules::Many;
    const auto count = [](Many many, int all) {
        return many == Many::All ? all : many == Many::One ? 1 : 0;
    };
    const int video = arguments.contains("-vn") ? 0 : count(rules.video, 1);
    const int audio = arguments.contains("-an") ? 0 : count(rules.audio, 2);
    // The film's picture subtitles are a Blu-ray's: a DVD's writer would misplace them.
    const bool keepsPictures = !rules.SubtitleCodec("hdmv_pgs_subtitle", true).isEmpty();
    const int subtitles = (rules.HoldsTextSubtitles() ? 2 : 0) + (keepsPictures ? 1 : 0);
    EXPECT_EQ(test::CountTracks(tracks, "video"), video) << format.name;
    EXPECT_EQ(test::CountTracks(tracks, "audio"), audio) << format.name;
    EXPECT_EQ(test::CountTracks(tracks, "subtitle"), subtitles) << format.name;
    EXPECT_EQ(test::CountTracks(tracks, "cover"),
              rules.cover == ContainerRules::Cover::None ? 0 : 1)
        << format.name;
    EXPECT_EQ(test::CountTracks(tracks, "attachment"), rules.fonts ? 1 : 0) << format.name;
    // What the row says it kept is what the file holds.
    EXPECT_EQ(row.tracks.kept,
              (TrackReport::Counts{video, audio, subtitles,
                                   rules.cover == ContainerRules::Cover::None ? 0 : 1,
                                   rules.fonts ? 1 : 0}))
        << format.name;
    const QString said =
        list.Store()->data(list.Store()->index(0, JobRow::Status), Qt::ToolTipRole).toString();
    if (!rules.HoldsPictureSubtitles()) {
        EXPECT_TRUE(said.contains("1 picture subtitle track (eng): " + rules.name +
                                  " cannot hold picture subtitles"))
            << said.toStdString();
    } else if (!keepsPictures) {
        EXPECT_TRUE(said.contains("1 picture subtitle track (eng): " + rules.name +
                                  " holds DVD subtitles only"))
            << said.toStdString();
    }
    if (!rules.fonts) {
        EXPECT_TRUE(said.contains("1 font: " + rules.name + " cannot hold fonts"))
            << said.toStdString();
    }
    // A complete account: each description of a kept track is in the result, or said dropped.
    const auto anyTrack = [&tracks](const std::function<bool(const test::ProbedTrack&)>& has) {
        return std::any_of(tracks.begin(), tracks.end(), has);
    };
    if (audio == 2) {
        EXPECT_TRUE(anyTrack([](auto& t) { return t.title == "Français" || t.handlerName == "Français"; }) ||
                    said.contains("keeps no track titles: \u201cFrançais\u201d left out"))
            << format.name << ": " << said.toStdString();
        EXPECT_TRUE(anyTrack([](auto& t) { return t.commentary; }) ||
                    said.contains("keeps no commentary marks: \u201cFrançais\u201d"))
            << format.name << ": " << said.toStdString();
    }
    if (audio > 0) {
        EXPECT_TRUE(anyTrack([](auto& t) { return t.language == "eng"; }) ||
                    said.contains("keeps no languages: eng"))
            << format.name << ": " << said.toStdString();
    }
    if (rules.HoldsTextSubtitles()) {
        EXPECT_TRUE(anyTrack([](auto& t) { return t.forced; }) ||
                    said.contains("keeps no forced marks: deu no longer marked so"))
            << format.name << ": " << said.toStdString();
    }
    // Containers that keep languages and flags keep those of each track.
    if (QStringList{"mp4", "m4v", "mov", "mkv", "webm"}.contains(format.type)) {
        QStringList languages;
        QStringList forced;
        for (const test::ProbedTrack& track : tracks) {
            if (track.type == "audio" || track.type == "subtitle") {
                languages << track.language;
            }
            if (track.forced) {
                forced << track.language;
            }
        }
        // MOV knows German by its classic code, and keeps no forced mark.
        const bool older = rules.classicLanguageCodes;
        const QStringList sounds = audio == 2 ? QStringList{"eng", "fra"} : QStringList{"eng"};
        const QStringList texts =
            rules.HoldsTextSubtitles() ? QStringList{"eng", older ? "ger" : "deu"} : QStringList();
        const QStringList pictures = keepsPictures ? QStringList{"eng"} : QStringList();
        EXPECT_EQ(languages, sounds + texts + pictures) << format.name;
        EXPECT_EQ(forced, older ? QStringList() : QStringList{"deu"}) << format.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormatKeepsWhatItCan,
                         testing::Range<std::size_t>(0, Formats().size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                             return Formats()[info.param].name;
                         });

// Matroska keeps subtitles as they are: SRT stays SRT, and the picture ones as they were.
TEST_F(ConvertingAFilm, MatroskaCopiesSubtitlesAsTheyAre) {
    const JobRow& row = Convert("-c:v libx264 -preset ultrafast -c:a aac", "mkv");
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    QStringList codecs;
    for (const test::ProbedTrack& track : test::ProbeTracks(row.outputPath)) {
        if (track.type == "subtitle") {
            codecs << track.codec;
        }
    }
    EXPECT_EQ(codecs, (QStringList{"subrip", "subrip", "hdmv_pgs_subtitle"}));
}

// One of each kind: as the encoder always picked, but never the cover art as a picture track.
TEST_F(ConvertingAFilm, OneOfEachKindWhenAskedSo) {
    const JobRow& row =
        Convert("-c:v libx264 -preset ultrafast -c:a aac", "mp4", TrackPlan::Choice::First);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    const QList<test::ProbedTrack> tracks = test::ProbeTracks(row.outputPath);
    EXPECT_EQ(test::CountTracks(tracks, "video"), 1);
    EXPECT_EQ(test::CountTracks(tracks, "audio"), 1);
    EXPECT_LE(test::CountTracks(tracks, "subtitle"), 1);
    EXPECT_TRUE(
        row.tracks.Sentence().contains("1 audio track (fra): one track of each kind is kept"))
        << row.tracks.Sentence().toStdString();
}

TEST_F(ConvertingAFilm, SoundAloneInAPictureFormatKeepsItsSoundAndSaysSo) {
    const QString sound = out.filePath("../sound-only.m4a");
    ASSERT_TRUE(test::MakeSoundOnly(sound));
    // Added while an Audio Only preset was chosen, converted after a picture format was.
    list.SetSoundOnly([] { return true; });
    const JobRow& row = Convert("-c:v libx264 -c:a aac", "mp4", TrackPlan::Choice::Every, sound);
    QFile::remove(sound);
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    EXPECT_EQ(row.tracks.Sentence(),
              "Kept 1 audio track. The source has no picture: only its sound was kept.");
}

// A scripted encoder: the real one, with one of the tracks the plan maps taken out of its
// command, or its result damaged after it has written it.
class ScriptedEncoder : public ConvertingAFilm {
  protected:
    void Script(const QString& body) {
        const QString path = program.FilePath("ffmpeg");
        QFile script(path);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\nreal=" + test::SystemEncoder() + "\n" + body).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        ProgramFolder::Override(program.Path());
    }
    void TearDown() override { ProgramFolder::Override(QString()); }
    test::TempProgramFolder program;
};

TEST_F(ScriptedEncoder, AResultThatLacksAPromisedTrackIsAnErrorAndLeavesNothing) {
    // Drops "-map 0:2", the French sound, and converts the rest.
    Script(
        "skip=0\nfor a; do shift; if [ \"$skip\" = 1 ]; then skip=0; continue; fi\n"
        "if [ \"$a\" = -map ] && [ \"$1\" = 0:2 ]; then skip=1; continue; fi\n"
        "set -- \"$@\" \"$a\"; done\nexec \"$real\" \"$@\"\n");
    const JobRow& row = Convert("-c:v libx264 -preset ultrafast -c:a aac", "mkv");
    EXPECT_EQ(row.status, "Error");
    EXPECT_EQ(row.reason, "The converted file " + out.filePath("film.mkv") +
                              " lacks 1 of the 2 audio tracks it was to keep, so it was not kept.");
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(", ").toStdString();
}

TEST_F(ScriptedEncoder, AResultThatDoesNotDecodeIsAnErrorWhenResultsAreChecked) {
    // Converts, then overwrites the middle third of the result as a bad disk would (the result
    // is given to the encoder as the descriptor it was made through).
    Script(
        "for last; do :; done\n\"$real\" \"$@\" || exit $?\n"
        "case \"$last\" in *.avi|/proc/self/fd/*) ;; *) exit 0 ;; esac\n"
        "size=$(stat -c %s \"$last\")\n"
        "head -c $((size / 3)) /dev/urandom | dd of=\"$last\" bs=1 seek=$((size / 3)) "
        "conv=notrunc status=none\n");
    batch.SetCheckByDecoding(true);
    const QString clip = program.FilePath("clip.mkv");
    ASSERT_TRUE(test::MakeClip(clip, 12, "320x240"));
    const JobRow& row = Convert("-c:v mpeg4 -q:v 3 -c:a mp2", "avi", TrackPlan::Choice::Every, clip);
    EXPECT_EQ(row.status, "Error");
    // The damage ends the file early, or breaks what it holds, or leaves the reader unable to
    // find its tracks at all.
    EXPECT_TRUE(row.reason.startsWith(out.filePath("clip.avi") + " decodes only ") ||
                row.reason.startsWith(out.filePath("clip.avi") + " does not decode without errors") ||
                row.reason.startsWith("The converted file " + out.filePath("clip.avi") + " lacks "))
        << row.reason.toStdString();
    EXPECT_TRUE(Outputs().isEmpty()) << Outputs().join(", ").toStdString();
}

TEST_F(ConvertingAFilm, AWholeResultPassesTheDecodingCheckAndKeepsItsSourcesDate) {
    const QDateTime old = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), QTimeZone::utc());
    QFile source(*film_);
    ASSERT_TRUE(source.open(QIODevice::ReadWrite));
    ASSERT_TRUE(source.setFileTime(old, QFileDevice::FileModificationTime));
    source.close();
    batch.SetCheckByDecoding(true);
    batch.SetKeepDates(true);
    const JobRow& row = Convert("-c:v mpeg4 -q:v 3 -c:a mp2", "mkv");
    ASSERT_EQ(row.status, "Complete") << row.reason.toStdString();
    EXPECT_EQ(QFileInfo(row.outputPath).lastModified().toUTC(), old);
}

}  // namespace
}  // namespace reelwright
