#include "joblist/JobListStore.h"

#include <gtest/gtest.h>

#include <functional>

namespace reelwright {
namespace {

JobRow Row(const QString& path, quint64 inode = 0) {
    JobRow row;
    row.filePath = path;
    row.status = QStringLiteral("Waiting Conversion");
    row.identity = {7, inode};
    return row;
}

struct Change {
    const char* name;
    std::function<void(JobListStore&)> make;
    std::function<bool(const JobRow&)> made;
};

class ChangingARow : public testing::TestWithParam<Change> {};

// A snapshot is the list as it stood: the change reaches the list, and a row held from it, but
// not the snapshot, nor a second snapshot taken before it.
TEST_P(ChangingARow, LeavesEarlierSnapshotsAsTheyWere) {
    JobListStore store;
    store.Append(Row("/v/a.mkv"));
    store.AppendRows({Row("/v/b.mkv"), Row("/v/c.mkv")});
    const auto first = store.Snapshot();
    const auto second = store.Snapshot();
    const JobRow& held = store.Row(1);  // as callers hold a row while they change it
    GetParam().make(store);
    EXPECT_TRUE(GetParam().made(store.Row(1)));
    EXPECT_TRUE(GetParam().made(held));
    for (const auto* snapshot : {&first, &second}) {
        ASSERT_EQ(snapshot->size(), 3u);
        EXPECT_FALSE(GetParam().made(*(*snapshot)[1]));
        EXPECT_EQ((*snapshot)[1]->filePath, "/v/b.mkv");
    }
    EXPECT_TRUE(GetParam().made(*store.Snapshot()[1]));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChangingARow,
    testing::Values(
        Change{"status", [](JobListStore& s) { s.SetStatus(1, "42"); },
               [](const JobRow& r) { return r.status == "42"; }},
        Change{"check", [](JobListStore& s) { s.SetCheckBox(1, 1); },
               [](const JobRow& r) { return r.checkBox == 1; }},
        Change{"inBatch", [](JobListStore& s) { s.SetInBatch(1, true); },
               [](const JobRow& r) { return r.inBatch; }},
        Change{"claim",
               [](JobListStore& s) {
                   s.SetClaim(1, ClaimRecord{"t", "n", {}, 5, {}});
               },
               [](const JobRow& r) { return r.claim.has_value(); }},
        Change{"color", [](JobListStore& s) { s.SetTextColor(1, JobRow::Status, 0xff0000); },
               [](const JobRow& r) { return r.textColors[JobRow::Status].has_value(); }},
        Change{"outcome", [](JobListStore& s) { s.SetOutcome(1, "why", "/out/b.mp4"); },
               [](const JobRow& r) { return r.outputPath == "/out/b.mp4"; }},
        Change{"tracks",
               [](JobListStore& s) {
                   TrackReport report;
                   report.kept.audio = 2;
                   s.SetTracks(1, report);
               },
               [](const JobRow& r) { return r.tracks.kept.audio == 2; }},
        Change{"note", [](JobListStore& s) { s.SetProgressNote(1, "1 min left"); },
               [](const JobRow& r) { return r.progressNote == "1 min left"; }},
        Change{"estimate", [](JobListStore& s) { s.SetEstimate(1, "About 5 MB", 5, 1); },
               [](const JobRow& r) { return r.estimatedBytes == 5; }}),
    [](const testing::TestParamInfo<Change>& info) { return std::string(info.param.name); });

TEST(JobListStoreTest, FindsTheFirstRowOfAPathOrFileHoweverTheRowsCame) {
    JobListStore store;
    EXPECT_EQ(store.FindFilePath("/v/a.mkv"), -1);
    store.Append(Row("/v/a.mkv", 11));
    store.AppendRows({Row("/v/b.mkv", 12), Row("/v/a.mkv", 13), Row("/v/c.mkv")});
    store.Append(Row("/v/d.mkv", 12));
    EXPECT_EQ(store.FindFilePath("/v/a.mkv"), 0);
    EXPECT_EQ(store.FindFilePath("/v/b.mkv"), 1);
    EXPECT_EQ(store.FindFilePath("/v/c.mkv"), 3);
    EXPECT_EQ(store.FindFilePath("/v/A.mkv"), -1);  // exact case only
    EXPECT_EQ(store.FindFile({7, 12}), 1);
    EXPECT_EQ(store.FindFile({7, 13}), 2);
    EXPECT_EQ(store.FindFile({8, 12}), -1);  // another device
    EXPECT_EQ(store.FindFile({}), -1);       // no identity finds nothing, not row 3
}

}  // namespace
}  // namespace reelwright
