// The job list kept between runs: what is written, what comes back, what a dead copy leaves.
#include "batch/BatchDriver.h"
#include "keptlist/KeptQueue.h"
#include "conversion/OutputNaming.h"
#include "conversion/ResultMark.h"
#include "keptlist/QueueKeeper.h"
#include "joblist/JobList.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstring>
#include <future>

#include <fcntl.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

JobRow Row(const QString& path, const QString& status) {
    JobRow row;
    row.filePath = path;
    row.status = status;
    row.duration = "00:00:02";
    row.lengthSeconds = 2.04;
    row.fileSize = "1.5 KB";
    return row;
}

TEST(KeptQueueTest, EveryRowComesBackAsItWasWritten) {
    KeptQueue queue;
    JobRow odd = Row("/videos/it's \"odd\"\n\ttabbed 日本.mkv", "Error");
    odd.checkBox = -1;
    odd.reason = "The disk of /out is full: a.mp4 could not be written.";
    odd.logPath = "/logs/a.log";
    odd.textColors[JobRow::Status] = Rgb(220, 10, 10);
    odd.inBatch = true;
    odd.claim = ClaimRecord{"/out/.reelwright-abcd1234.mp4",
                            "/out/it's.mp4",
                            {2049, 18446744073709551557ULL},
                            1765000000123,
                            "0f1e2d3c4b5a69788796a5b4c3d2e1f0"};
    JobRow done = Row("/videos/b.mkv", "Complete");
    done.outputPath = "/out/b.mp4";
    done.textColors[JobRow::Status] = BatchDriver::kSuccessColor;
    JobRow unreadable = Row("/videos/c.avi", "Unkown Format");
    unreadable.outputTail = "c.avi: Invalid data found when processing input";
    unreadable.textColors[JobRow::Duration] = Rgb(220, 10, 10);
    queue.rows = {odd, done, unreadable};
    queue.batch = KeptQueue::Batch{"-c:v libx264 -crf 21", "mp4", false, "/out"};

    QString error;
    const std::optional<KeptQueue> back = KeptQueue::FromBytes(queue.ToBytes(), &error);
    ASSERT_TRUE(back) << error.toStdString();
    ASSERT_EQ(back->rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const JobRow& a = queue.rows[i];
        const JobRow& b = back->rows[i];
        EXPECT_EQ(b.filePath, a.filePath);
        EXPECT_EQ(b.status, a.status);
        EXPECT_EQ(b.checkBox, a.checkBox);
        EXPECT_EQ(b.duration, a.duration);
        EXPECT_DOUBLE_EQ(b.lengthSeconds, a.lengthSeconds);
        EXPECT_EQ(b.fileSize, a.fileSize);
        EXPECT_EQ(b.reason, a.reason);
        EXPECT_EQ(b.outputPath, a.outputPath);
        EXPECT_EQ(b.logPath, a.logPath);
        EXPECT_EQ(b.outputTail, a.outputTail);
        EXPECT_EQ(b.textColors, a.textColors);
        EXPECT_EQ(b.inBatch, a.inBatch);
        EXPECT_EQ(b.claim, a.claim);
    }
    EXPECT_EQ(back->setAside, 0);
    EXPECT_EQ(back->batch, queue.batch);
    // A list kept when "Complete" was a lighter green reads in the readable one.
    queue.rows[1].textColors[JobRow::Status] = Rgb(113, 177, 98);
    const std::optional<KeptQueue> older = KeptQueue::FromBytes(queue.ToBytes(), &error);
    ASSERT_TRUE(older) << error.toStdString();
    EXPECT_EQ(older->rows[1].textColors[JobRow::Status], BatchDriver::kSuccessColor);
}

TEST(KeptQueueTest, WhatIsNotAKeptListIsRefusedWithAReason) {
    for (const QByteArray& bytes :
         {QByteArray("{\"rows\":[]}"), QByteArray("not json"), QByteArray("[1,2]"),
          QByteArray("{\"kept\":\"Reelwright job list\",\"version\":99,\"rows\":[]}")}) {
        QString error;
        EXPECT_FALSE(KeptQueue::FromBytes(bytes, &error)) << bytes.toStdString();
        EXPECT_FALSE(error.isEmpty()) << bytes.toStdString();
    }
}

struct BadRowCase {
    const char* name;
    const char* row;  // a kept row that cannot be taken
};

class ReadingAKeptRow : public testing::TestWithParam<BadRowCase> {};

// One bad row costs that row alone: the good ones around it come back, and it is counted.
TEST_P(ReadingAKeptRow, LeavesOutOnlyTheRowThatCannotBeRead) {
    const QByteArray a = R"({"file":"/v/a.mkv","status":"Waiting Conversion"})";
    const QByteArray b = R"({"file":"/v/b.mkv","status":"Waiting Conversion"})";
    const QByteArray bytes = R"({"kept":"Reelwright job list","version":1,"rows":[)" + a + "," +
                             GetParam().row + "," + b + "]}";
    QString error;
    const std::optional<KeptQueue> read = KeptQueue::FromBytes(bytes, &error);
    ASSERT_TRUE(read) << error.toStdString();
    ASSERT_EQ(read->rows.size(), 2u);
    EXPECT_EQ(read->rows[0].filePath, "/v/a.mkv");
    EXPECT_EQ(read->rows[1].filePath, "/v/b.mkv");
    EXPECT_EQ(read->setAside, 1);
}

INSTANTIATE_TEST_SUITE_P(
    BadRows, ReadingAKeptRow,
    testing::Values(
        BadRowCase{"StatusANumber", R"({"file":"/v/c.mkv","status":5})"},
        BadRowCase{"NoFile", R"({"status":"Waiting Conversion"})"},
        BadRowCase{"EmptyFile", R"({"file":"","status":"Waiting Conversion"})"},
        BadRowCase{"NotAnObject", R"("just text")"},
        BadRowCase{"CheckedText", R"({"file":"/v/c.mkv","status":"Complete","checked":"yes"})"},
        BadRowCase{"AbsurdLength", R"({"file":"/v/c.mkv","status":"Complete","length":1e300})"},
        BadRowCase{"NegativeLength", R"({"file":"/v/c.mkv","status":"Complete","length":-3})"},
        BadRowCase{"InBatchText", R"({"file":"/v/c.mkv","status":"Error","inBatch":"yes"})"},
        BadRowCase{"ColourText", R"({"file":"/v/c.mkv","status":"Error","statusColor":"red"})"},
        BadRowCase{
            "ClaimWithoutInode",
            R"({"file":"/v/c.mkv","status":"7","claim":{"temporary":"/o/.t","name":"/o/c.mp4"}})"},
        BadRowCase{"ClaimNotAnObject", R"({"file":"/v/c.mkv","status":"7","claim":true})"}),
    test::CaseName<BadRowCase>);

TEST(KeptQueueTest, ALongerFieldThanAnyWrittenIsNoRowOfOurs) {
    const QByteArray bytes = R"({"kept":"Reelwright job list","version":1,"rows":[{"file":")" +
                             QByteArray(5000, 'a') + R"(","status":"Complete"}]})";
    QString error;
    const std::optional<KeptQueue> read = KeptQueue::FromBytes(bytes, &error);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->rows.empty());
    EXPECT_EQ(read->setAside, 1);
}

struct CraftedListCase {
    const char* name;
    QByteArray bytes;
    int rows;  // -1: not a kept list at all
    int setAside;
    bool batch;
};

QByteArray Kept(const QByteArray& rows, const QByteArray& rest = {}) {
    return R"({"kept":"Reelwright job list","version":1,)" + rest + R"("rows":[)" + rows + "]}";
}

const QByteArray kGoodRow = R"({"file":"/v/a.mkv","status":"Waiting Conversion"})";

class ReadingACraftedList : public testing::TestWithParam<CraftedListCase> {};

// Read piece by piece: whatever a list holds, a row too large is passed over unread, and only
// what is not one JSON object at all makes the list unreadable.
TEST_P(ReadingACraftedList, TakesWhatCanBeTakenAndNoMore) {
    const CraftedListCase& c = GetParam();
    QString error;
    const std::optional<KeptQueue> read = KeptQueue::FromBytes(c.bytes, &error);
    if (c.rows < 0) {
        EXPECT_FALSE(read);
        EXPECT_FALSE(error.isEmpty());
        return;
    }
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(static_cast<int>(read->rows.size()), c.rows);
    EXPECT_EQ(read->setAside, c.setAside);
    EXPECT_EQ(read->batch.has_value(), c.batch);
    for (const JobRow& row : read->rows) {
        EXPECT_EQ(row.filePath, "/v/a.mkv");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReadingACraftedList,
    testing::Values(
        CraftedListCase{"a path of 3 MB among good rows",
                        Kept(kGoodRow + R"(,{"file":")" + QByteArray(3 << 20, 'p') +
                             R"(","status":"Complete"},)" + kGoodRow),
                        2, 1, false},
        CraftedListCase{"an encoder text of 3 MB",
                        Kept(R"({"file":"/v/b.mkv","status":"Error","said":")" +
                             QByteArray(3 << 20, '\\') + R"("},)" + kGoodRow),
                        1, 1, false},
        CraftedListCase{
            "a batch of 3 MB is left out",
            Kept(kGoodRow, R"("batch":{"options":")" + QByteArray(3 << 20, 'o') + R"("},)"), 1, 0,
            false},
        CraftedListCase{"a batch", Kept(kGoodRow, R"("batch":{"type":"mp4"},)"), 1, 0, true},
        CraftedListCase{"laid out by hand",
                        "\n{ \"kept\" : \"Reelwright job list\",\r\n \"rows\" : [\n\t" + kGoodRow +
                            " ,\n " + kGoodRow + "\n ] , \"version\":1 }\n\n",
                        2, 0, false},
        CraftedListCase{
            "quotes, brackets and escapes inside texts",
            Kept(R"({"file":"/v/a.mkv","status":"Error","reason":"a \"[{\\\"}]\" \u00e9"})"), 1, 0,
            false},
        CraftedListCase{"a row that is not JSON is set aside",
                        Kept(R"({"file":"/v/a.mkv","status":tru},)" + kGoodRow), 1, 1, false},
        CraftedListCase{"no rows", Kept(""), 0, 0, false},
        CraftedListCase{"rows that are not a list",
                        R"({"kept":"Reelwright job list","version":1,"rows":5})", -1, 0, false},
        CraftedListCase{"cut short", Kept(kGoodRow).chopped(3), -1, 0, false},
        CraftedListCase{"garbage after the list", Kept(kGoodRow) + "x", -1, 0, false},
        CraftedListCase{"garbage between the rows", Kept(kGoodRow + " ; " + kGoodRow), -1, 0,
                        false},
        CraftedListCase{"a member without a value",
                        R"({"kept":"Reelwright job list","version":1,"rows":[],"x"})", -1, 0,
                        false}),
    test::CaseName<CraftedListCase>);

// The rows set aside stay readable beside the list; the list itself is no longer "damaged".// The
// rows set aside stay readable beside the list; the list itself is no longer "damaged".
TEST(KeptQueueTest, ALoadWithBadRowsKeepsACopyAndTheGoodRows) {
    QDir().mkpath(QFileInfo(KeptQueue::Path()).path());
    QFile file(KeptQueue::Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray bytes =
        R"({"kept":"Reelwright job list","version":1,"rows":[{"file":"/v/a.mkv","status":5},)"
        R"({"file":"/v/b.mkv","status":"Complete"}]})";
    file.write(bytes);
    file.close();
    const KeptQueue::Loaded loaded = KeptQueue::Load();
    EXPECT_EQ(loaded.found, KeptQueue::Found::List);
    EXPECT_EQ(loaded.queue.rows.size(), 1u);
    EXPECT_EQ(loaded.queue.setAside, 1);
    QFile aside(KeptQueue::AsidePath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), bytes);
}

// What a row was converting when the program died is its result only when proven so: the
// hidden file its claim names was renamed to a name the row may give it.
struct ClaimCase {
    const char* name;
    bool renamed;            // the hidden file took a name
    bool takenMeanwhile;     // the claimed name was taken first, so a later one was given
    bool sameStemElsewhere;  // another file of the same stem lies at the claimed name
    const char* after;
    const char* result;  // relative to the output folder
};

class SettlingAClaim : public testing::TestWithParam<ClaimCase> {};

TEST_P(SettlingAClaim, TakesOnlyTheRowsOwnResult) {
    const ClaimCase& c = GetParam();
    QTemporaryDir out;
    QString error;
    int lock = -1;
    const QString hidden = CreateTemporaryOutput(out.filePath("a.mp4"), &error, &lock);
    ASSERT_FALSE(hidden.isEmpty()) << error.toStdString();
    struct stat made {};
    ASSERT_EQ(::fstat(lock, &made), 0);
    ::close(lock);  // the program died
    JobRow row = Row("/videos/a.avi", "Waiting Conversion");
    row.claim = ClaimRecord{hidden,
                            out.filePath("a.mp4"),
                            {static_cast<quint64>(made.st_dev), static_cast<quint64>(made.st_ino)},
                            QDateTime::currentMSecsSinceEpoch(),
                            {}};
    if (c.takenMeanwhile || c.sameStemElsewhere) {
        test::WriteFile(out, "a.mp4", "somebody else's");
    }
    if (c.renamed) {
        ASSERT_TRUE(
            QFile::rename(hidden, out.filePath(c.takenMeanwhile ? "a_Converted.mp4" : "a.mp4")));
    }
    std::vector<JobRow> rows{row};
    EXPECT_EQ(KeptQueue::SettleClaims(rows), QString(c.after) == "Complete" ? 1 : 0);
    EXPECT_EQ(rows[0].status, c.after);
    EXPECT_EQ(rows[0].outputPath, *c.result ? out.filePath(c.result) : QString());
    EXPECT_FALSE(rows[0].claim);
}

INSTANTIATE_TEST_SUITE_P(
    Claims, SettlingAClaim,
    testing::Values(
        ClaimCase{"RenamedToItsName", true, false, false, "Complete", "a.mp4"},
        ClaimCase{"RenamedToALaterName", true, true, false, "Complete", "a_Converted.mp4"},
        ClaimCase{"NeverRenamed", false, false, false, "Waiting Conversion", ""},
        ClaimCase{"AnotherFilesResultAtItsName", false, false, true, "Waiting Conversion", ""}),
    test::CaseName<ClaimCase>);

// A file system hands a freed inode straight out again: a file written later, under the
// result's name, with the hidden file's device and inode, is not the result unless it carries
// the hidden file's mark.
TEST(KeptQueueTest, AFileOnAReusedInodeIsNotTheResult) {
    QTemporaryDir out;
    QString error;
    int lock = -1;
    const QString hidden = CreateTemporaryOutput(out.filePath("a.mp4"), &error, &lock);
    ASSERT_FALSE(hidden.isEmpty()) << error.toStdString();
    const QByteArray mark = ResultMark::Make();
    if (!ResultMark::Write(lock, mark)) {
        ::close(lock);
        GTEST_SKIP() << "the temporary folder keeps no extended attributes";
    }
    struct stat made {};
    ASSERT_EQ(::fstat(lock, &made), 0);
    ::close(lock);
    const ClaimRecord claim{hidden,
                            out.filePath("a.mp4"),
                            {static_cast<quint64>(made.st_dev), static_cast<quint64>(made.st_ino)},
                            QDateTime::currentMSecsSinceEpoch(),
                            mark};
    const auto settle = [&claim] {
        JobRow row = Row("/videos/a.avi", "Waiting Conversion");
        row.claim = claim;
        std::vector<JobRow> rows{row};
        KeptQueue::SettleClaims(rows);
        return rows[0].status;
    };
    // The hidden file removed, and another one written where the result would go, on the same
    // inode: shown here by giving the renamed file another maker's mark.
    ASSERT_TRUE(QFile::rename(hidden, out.filePath("a.mp4")));
    const int other = ::open(QFile::encodeName(out.filePath("a.mp4")).constData(), O_WRONLY);
    ASSERT_TRUE(ResultMark::Write(other, ResultMark::Make()));
    EXPECT_EQ(settle(), "Waiting Conversion");
    // With its own mark it is the result.
    ASSERT_TRUE(ResultMark::Write(other, mark));
    ::close(other);
    EXPECT_EQ(settle(), "Complete");
    // And a real reuse, where the file system does it at once (ext4 does, most times).
    ASSERT_TRUE(QFile::remove(out.filePath("a.mp4")));
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QString later = test::WriteFile(out, "a.mp4", "an unrelated file");
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(later).constData(), &info), 0);
        if (info.st_ino == made.st_ino) {
            EXPECT_EQ(settle(), "Waiting Conversion");
            break;
        }
        QFile::remove(later);
    }
}

struct ReviveCase {
    const char* name;
    const char* status;
    bool fileThere;
    bool resultThere;
    const char* after;  // empty: left out
};

class RevivingARow : public testing::TestWithParam<ReviveCase> {};

// A status shown after a restart is as true as before it.
TEST_P(RevivingARow, TellsTheTruthAfterARestart) {
    const ReviveCase& c = GetParam();
    JobRow row = Row("/videos/a.mkv", c.status);
    row.outputPath = "/out/a.mp4";
    row.reason = "why";
    row.textColors[JobRow::Status] = Rgb(1, 2, 3);
    const KeptQueue::Revived revived = KeptQueue::Revive({row}, [&c](const QString& path) {
        return path.startsWith("/videos/") ? c.fileThere : c.resultThere;
    });
    const QString after = QString::fromLatin1(c.after);
    ASSERT_EQ(revived.rows.size(), after.isEmpty() ? 0u : 1u);
    EXPECT_EQ(revived.gone, after.isEmpty() ? 1 : 0);
    if (after.isEmpty()) {
        EXPECT_EQ(revived.goneFiles, QStringList{"/videos/a.mkv"});  // said by name
        return;
    }
    EXPECT_TRUE(revived.goneFiles.isEmpty());
    EXPECT_EQ(revived.rows[0].status, after);
    const bool changed = after != QString::fromLatin1(c.status);
    EXPECT_EQ(revived.rows[0].textColors[JobRow::Status].has_value(), !changed);
    EXPECT_EQ(revived.rows[0].outputPath.isEmpty(), changed);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, RevivingARow,
    testing::Values(ReviveCase{"Converting", "57", true, false, "Waiting Conversion"},
                    ReviveCase{"Starting", "Starting...", true, false, "Waiting Conversion"},
                    ReviveCase{"NoLength", "3.20 Seconds Converted", true, false,
                               "Waiting Conversion"},
                    ReviveCase{"CompleteAndThere", "Complete", true, true, "Complete"},
                    ReviveCase{"CompleteButGone", "Complete", true, false, "Waiting Conversion"},
                    ReviveCase{"Failed", "Error", true, false, "Error"},
                    ReviveCase{"Stopped", "Cancelled", true, false, "Cancelled"},
                    ReviveCase{"Unreadable", "Unkown Format", true, false, "Unkown Format"},
                    ReviveCase{"FileGone", "Waiting Conversion", false, false, ""}),
    test::CaseName<ReviveCase>);

TEST(KeptQueueTest, ADamagedListIsSetAsideAndTheStartGoesOnEmpty) {
    QDir().mkpath(QFileInfo(KeptQueue::Path()).path());
    QFile file(KeptQueue::Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"kept\":\"Reelwright job list\",\"rows\":[{\"file\":\"/a.mkv\"");
    file.close();
    const KeptQueue::Loaded loaded = KeptQueue::Load();
    EXPECT_EQ(loaded.found, KeptQueue::Found::Damaged);
    EXPECT_FALSE(loaded.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(KeptQueue::Path()));
    EXPECT_TRUE(QFileInfo::exists(KeptQueue::Path() + ".damaged"));
    EXPECT_EQ(KeptQueue::Load().found, KeptQueue::Found::Nothing);
}

// A pipe at the list's name: the start does not wait for a writer. It is set aside as a damaged
// list is, with the reason, and the start goes on empty.
TEST(KeptQueueTest, APipeAtTheListsNameHoldsNoStart) {
    QDir().mkpath(QFileInfo(KeptQueue::Path()).path());
    QFile::remove(KeptQueue::Path());
    const QByteArray pipe = QFile::encodeName(KeptQueue::Path());
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    auto loading = std::async(std::launch::async, [] { return KeptQueue::Load(); });
    const bool answered = loading.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!answered) {
        // Lets a waiting open go, so the test ends instead of hanging.
        const int writer = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
    }
    const KeptQueue::Loaded loaded = loading.get();
    ASSERT_TRUE(answered) << "loading waited on the pipe";
    EXPECT_EQ(loaded.found, KeptQueue::Found::Damaged);
    EXPECT_EQ(loaded.error, "it is a named pipe, not a regular file");
    EXPECT_FALSE(QFileInfo::exists(KeptQueue::Path()));
    QFile::remove(KeptQueue::AsidePath());
}

// Only what no running copy holds is a dead copy's leftover.
TEST(KeptQueueTest, AHalfWrittenFileIsRemovedOnlyWhenNobodyHoldsIt) {
    QTemporaryDir folder;
    QString error;
    int lock = -1;
    const QString held = CreateTemporaryOutput(folder.filePath("a.mp4"), &error, &lock);
    ASSERT_FALSE(held.isEmpty()) << error.toStdString();
    ASSERT_GE(lock, 0);
    const QString left = CreateTemporaryOutput(folder.filePath("b.mp4"), &error);
    test::WriteFile(folder, "clip.mp4");
    test::WriteFile(folder, ".reelwright-notes.txt");  // not a name we give
    EXPECT_EQ(RemoveAbandonedTemporaries(folder.path()), 1);
    EXPECT_TRUE(QFileInfo::exists(held));
    EXPECT_FALSE(QFileInfo::exists(left));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("clip.mp4")));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(".reelwright-notes.txt")));
    ::close(lock);
    EXPECT_EQ(RemoveAbandonedTemporaries(folder.path()), 1);
    EXPECT_FALSE(QFileInfo::exists(held));
}

// Where the folder keeps no locks (some network folders), a file being written cannot be told
// from a dead copy's leftover: it is never removed, by this copy or another.
TEST(KeptQueueTest, AFileWhoseLockCannotBeKnownIsNeverRemoved) {
    QTemporaryDir folder;
    test::NoLocks noLocks;
    QString error;
    QString why;
    int lock = -1;
    const QString written = CreateTemporaryOutput(folder.filePath("a.mp4"), &error, &lock, &why);
    ASSERT_FALSE(written.isEmpty()) << error.toStdString();
    EXPECT_EQ(lock, -1);
    EXPECT_EQ(why, QString::fromLocal8Bit(std::strerror(ENOLCK)));
    EXPECT_TRUE(QFileInfo(written).fileName().startsWith(".reelwright-nolock-"))
        << written.toStdString();
    EXPECT_TRUE(written.endsWith(".mp4"));
    const QString old = test::WriteFile(folder, ".reelwright-d3adc0py.mp4");
    // Nor here, where nothing can be locked, nor by another machine's copy, whose locks work
    // and find this file free.
    EXPECT_EQ(RemoveAbandonedTemporaries(folder.path()), 0);
    EXPECT_EQ(noLocks.Pause([&] { return RemoveAbandonedTemporaries(folder.path()); }), 1);
    EXPECT_TRUE(QFileInfo::exists(written));
    EXPECT_FALSE(QFileInfo::exists(old));
}

class QueueKeeperTest : public testing::Test {
  protected:
    void SetUp() override {
        list.SetProbe([](const QString&) { return true; });
        list.SetLengthReader([](const QString&) { return QStringLiteral("00:00:02"); });
        list.InitJobList();
    }
    QString Add(const QString& name) {
        QString path = test::WriteFile(dir, name);
        EXPECT_TRUE(list.AddFile2Grid(path));
        return path;
    }
    std::optional<KeptQueue> Kept() const {
        QFile file(KeptQueue::Path());
        QString error;
        return file.open(QIODevice::ReadOnly) ? KeptQueue::FromBytes(file.readAll(), &error)
                                              : std::nullopt;
    }

    QTemporaryDir dir;
    test::RecordingNotifier notifier;
    JobList list;
};

TEST_F(QueueKeeperTest, ChangesAreWrittenSoonAndNeverManyTimesASecond) {
    QueueKeeper keeper(list);
    keeper.Restore();
    for (int i = 0; i < 20; ++i) {
        Add(QString("%1.mkv").arg(i));
    }
    EXPECT_EQ(keeper.SaveCount(), 0);  // not yet: changes come together
    QTest::qWait(QueueKeeper::kSaveDelayMs + 200);
    EXPECT_EQ(keeper.SaveCount(), 1);
    // Written beside the window, which does not wait for it.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Kept() && Kept()->rows.size() == 20u; }, 30000));
    // Progress is not worth a write; an ending is.
    for (int percent = 0; percent <= 100; percent += 5) {
        list.Store()->SetStatus(0, QString::number(percent));
    }
    list.Store()->SetProgressNote(0, "0:03 left");
    QTest::qWait(QueueKeeper::kSaveDelayMs + 200);
    EXPECT_EQ(keeper.SaveCount(), 1);
    list.Store()->SetStatus(0, "Complete");
    QTest::qWait(QueueKeeper::kSaveDelayMs + 200);
    EXPECT_EQ(keeper.SaveCount(), 2);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Kept()->rows[0].status == "Complete"; }, 30000));
    // A removal is kept too.
    list.Store()->SetCheckBox(1, 1);
    list.RemoveChecked();
    keeper.SaveNow();
    EXPECT_EQ(Kept()->rows.size(), 19u);
}

// Lists written beside the window land in order: an ending's write, made while another is on
// its way, is the one the disk keeps.
TEST_F(QueueKeeperTest, TheNewestListIsWrittenLast) {
    {
        QueueKeeper keeper(list);
        keeper.Restore();
        for (int round = 0; round < 5; ++round) {
            for (int i = 0; i < 200; ++i) {
                Add(QString("%1-%2.mkv").arg(round).arg(i));
            }
            // A change written beside the window; another comes before it is done.
            QTest::qWait(QueueKeeper::kSaveDelayMs + 20);
        }
        Add("last.mkv");
        EXPECT_TRUE(keeper.SaveNowKeepingTurns());
        Add("at the end.mkv");
    }  // the program ends: what is not written yet is
    ASSERT_TRUE(Kept());
    ASSERT_EQ(Kept()->rows.size(), 1002u);
    EXPECT_TRUE(Kept()->rows.back().filePath.endsWith("at the end.mkv"));
}

TEST_F(QueueKeeperTest, AStartFindsTheListAndTheBatchItEndedIn) {
    QStringList files;
    QDir(dir.path()).mkpath("out");
    {
        QueueKeeper keeper(list);
        keeper.Restore();
        for (const char* name : {"a.mkv", "b.mkv", "c.mkv", "d.mkv"}) {
            files << Add(name);
        }
        keeper.BatchStarted({"-c:v mpeg4", "avi", false, dir.filePath("out")}, {0, 1, 2});
        list.Store()->SetStatus(0, "Complete");
        list.Store()->SetOutcome(0, QString(), test::WriteFile(dir, "out/a.avi"));
        // b was converting when the program ended; a b.avi of somebody else's is there, newer
        // than the batch, and is no proof of anything.
        list.Store()->SetStatus(1, "42");
        test::WriteFile(dir, "out/b.avi");
        // c was converted in the moment before the end, its claim on the disk but not its end.
        QString error;
        int lock = -1;
        const QString hidden = CreateTemporaryOutput(dir.filePath("out/c.avi"), &error, &lock);
        struct stat made {};
        ASSERT_EQ(::fstat(lock, &made), 0);
        list.Store()->SetClaim(
            2, ClaimRecord{hidden,
                           dir.filePath("out/c.avi"),
                           {static_cast<quint64>(made.st_dev), static_cast<quint64>(made.st_ino)},
                           QDateTime::currentMSecsSinceEpoch(),
                           {}});
        list.Store()->SetStatus(2, "97");
        ASSERT_TRUE(keeper.SaveNow());
        ASSERT_TRUE(QFile::rename(hidden, dir.filePath("out/c.avi")));
        ::close(lock);
    }
    QFile::remove(files[3]);                               // gone meanwhile
    test::WriteFile(dir, "out/.reelwright-abcd1234.avi");  // a dead run's leftover

    JobList next;
    next.InitJobList();
    QueueKeeper keeper(next);
    const QueueKeeper::Restored restored = keeper.Restore();
    EXPECT_EQ(restored.rows, 3);
    EXPECT_EQ(restored.gone, 1);
    EXPECT_EQ(restored.temporariesRemoved, 1);
    ASSERT_TRUE(restored.interrupted);
    EXPECT_EQ(restored.interrupted->folder, dir.filePath("out"));
    EXPECT_EQ(restored.left, 1);  // b, now waiting again
    EXPECT_EQ(next.Store()->Row(0).status, "Complete");
    EXPECT_EQ(next.Store()->Row(1).status, "Waiting Conversion");
    EXPECT_TRUE(next.Store()->Row(1).outputPath.isEmpty());
    EXPECT_EQ(next.Store()->Row(2).status, "Complete");
    EXPECT_EQ(next.Store()->Row(2).outputPath, dir.filePath("out/c.avi"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out/.reelwright-abcd1234.avi")));
    // A batch that ends with the program running leaves nothing to go on with.
    keeper.BatchEnded();
    keeper.SaveNow();
    EXPECT_FALSE(Kept()->batch);
    EXPECT_FALSE(Kept()->rows[1].inBatch);
}

// Until the kept list has been read, the window's empty list must not replace it.
TEST_F(QueueKeeperTest, NothingIsWrittenBeforeTheListIsRead) {
    {
        QueueKeeper first(list);
        first.Restore();
        for (int i = 0; i < 5; ++i) {
            Add(QString("%1.mkv").arg(i));
        }
        ASSERT_TRUE(first.SaveNow());
    }
    JobList next;
    QueueKeeper keeper(next);
    next.InitJobList();  // as the window's start does, with its keeper watching
    EXPECT_FALSE(keeper.SaveNow());
    QTest::qWait(QueueKeeper::kSaveDelayMs + 200);
    ASSERT_TRUE(Kept());
    EXPECT_EQ(Kept()->rows.size(), 5u);
    EXPECT_EQ(keeper.Restore().rows, 5);
    ASSERT_TRUE(keeper.SaveNow());
    EXPECT_EQ(Kept()->rows.size(), 5u);
}

// One list, one keeper: a second window neither reads nor writes it until the first has gone.
TEST_F(QueueKeeperTest, ASecondWindowIsAGuestOfTheList) {
    QueueKeeper owner(list);
    EXPECT_FALSE(QueueKeeper::ListKeptElsewhere());
    EXPECT_FALSE(owner.Restore().guest);
    Add("mine.mkv");
    ASSERT_TRUE(owner.SaveNow());
    EXPECT_TRUE(QueueKeeper::ListKeptElsewhere());
    {
        JobList other;
        other.InitJobList();
        QueueKeeper guest(other);
        const QueueKeeper::Restored restored = guest.Restore();
        EXPECT_TRUE(restored.guest);
        EXPECT_EQ(restored.rows, 0);
        EXPECT_TRUE(guest.IsGuest());
        EXPECT_FALSE(guest.SaveNow());
    }
    ASSERT_TRUE(Kept());
    EXPECT_EQ(Kept()->rows.size(), 1u);
}

// A full disk never turns a good list into an empty one; the trouble is told once.
TEST_F(QueueKeeperTest, AFullDiskLeavesTheListWholeAndIsToldOnce) {
    test::SmallDisk disk(64);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why().toStdString();
    }
    qputenv("XDG_STATE_HOME", QFile::encodeName(disk.Path()));
    QueueKeeper keeper(list);
    QStringList told;
    QObject::connect(&keeper, &QueueKeeper::CannotKeep,
                     [&told](const QString& why) { told << why; });
    keeper.Restore();
    Add("kept.mkv");
    ASSERT_TRUE(keeper.SaveNow());
    const QByteArray before = [] {
        QFile file(KeptQueue::Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    disk.Fill();
    Add("lost.mkv");
    EXPECT_FALSE(keeper.SaveNow());
    EXPECT_FALSE(keeper.SaveNow());
    QFile file(KeptQueue::Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("No space left on device")) << told[0].toStdString();
    qunsetenv("XDG_STATE_HOME");
}

}  // namespace
}  // namespace reelwright
