// The next file's readings are made while an encoder works on this one, and given to its plan
// only when they still describe it.
#include "batch/BatchDriver.h"
#include "conversion/OutputNaming.h"
#include "conversion/SourceAhead.h"
#include "joblist/JobList.h"
#include "platform/ProgramFolder.h"

#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <functional>

namespace reelwright {
namespace {

class ReadAhead : public testing::Test {
  protected:
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
        ASSERT_TRUE(test::MakeClip(clip, 1));
    }
    QTemporaryDir media;
    const QString clip = media.filePath("a.avi");
};

// Given for the very wishes and the very file they were read for; else read anew.
TEST_F(ReadAhead, FactsAreGivenOnlyForTheSameWishesAndTheSameFile) {
    const FactsWanted wanted{clip, "mp4", "-c:v libx264 -c:a aac", true, false};
    const struct {
        const char* name;
        std::function<void(FactsWanted&)> change;  // of what is asked for at the file's turn
        std::function<void()> meanwhile;           // to the file, after it was read
        bool given;
    } kCases[] = {
        {"the same", [](FactsWanted&) {}, [] {}, true},
        {"another format", [](FactsWanted& w) { w.options = "-c:v mpeg4"; }, [] {}, false},
        {"another container", [](FactsWanted& w) { w.type = "avi"; }, [] {}, false},
        {"without sidecars", [](FactsWanted& w) { w.sidecars = false; }, [] {}, false},
        {"bars removed", [](FactsWanted& w) { w.removeBars = true; }, [] {}, false},
        {"another file", [this](FactsWanted& w) { w.source = media.filePath("b.avi"); }, [] {},
         false},
        {"written to", [](FactsWanted&) {},
         [this] {
             QFile file(clip);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write("x");
         },
         false},
        {"replaced", [](FactsWanted&) {},
         [this] {
             ASSERT_TRUE(QFile::copy(clip, clip + ".new"));
             ASSERT_EQ(::rename(QFile::encodeName(clip + ".new"), QFile::encodeName(clip)), 0);
         },
         false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(test::MakeClip(clip, 1));
        SourceAhead ahead;
        ahead.Gather(wanted);
        FactsWanted asked = wanted;
        c.change(asked);
        c.meanwhile();
        const std::optional<SourceFacts> facts = ahead.Take(asked);
        EXPECT_EQ(facts.has_value(), c.given);
        if (facts) {
            EXPECT_TRUE(facts->tracks.readable);
            EXPECT_EQ(facts->tracks.Count(MediaTracks::Kind::Video), 1);
        }
    }
}

// Two files one at a time (AVI: its pictures may be interlaced whatever they say, so they are
// looked at): the second one's field look is made while the first one encodes,
// whose encoder here waits for it (a minute at most), so the order tells.
TEST_F(ReadAhead, TheNextFilesLookIsMadeWhileThisOneEncodes) {
    ASSERT_TRUE(test::MakeClip(media.filePath("b.avi"), 1));
    test::TempProgramFolder program;
    const QString log = media.filePath("encoder.log");
    QFile script(program.FilePath("ffmpeg"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\nlog='" + log +
                  "'\ncase \"$*\" in\n"
                  "*b.avi*idet*) echo 'look b' >> \"$log\";;\n"
                  "*a.avi*-y*) i=0; while [ $i -lt 600 ] && ! grep -q 'look b' \"$log\"; do "
                  "sleep 0.1; i=$((i+1)); done; echo 'encode a' >> \"$log\";;\n"
                  "esac\nexec " +
                  test::SystemEncoder() + " \"$@\"\n")
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    ProgramFolder::Override(program.Path());
    QTemporaryDir out;
    test::RecordingNotifier notifier;
    JobList list;
    list.InitJobList();
    BatchDriver batch{
        list,
        {[] { return QStringLiteral("mp4"); },
         [&out](const QString& input, const QString& type) {
             return ChooseOutputPath(input, type, {false, out.path()});
         },
         [] {
             return FormatParameters{"-c:v libx264 -preset ultrafast -c:a aac", QString()};
         }}};
    for (QString file : {clip, media.filePath("b.avi")}) {
        ASSERT_TRUE(list.AddFile2Grid(file));
    }
    batch.SetQuietFailures(true);
    batch.SetFilesAtOnce(1);
    batch.RunBatch(false);
    ProgramFolder::Override(QString());
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(list.Store()->Row(row).status, "Complete")
            << list.Store()->Row(row).reason.toStdString();
    }
    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "look b\nencode a\n");
}

}  // namespace
}  // namespace reelwright
