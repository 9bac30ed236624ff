// Working out a whole file from its pieces: what every encode costs once (starting, the first
// key frame, a container's header) kept apart from what each second costs, so that a short
// piece does not make a long file look slow or large.
#include "conversion/FileEstimate.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace reelwright {
namespace {

TEST(EstimatePieces, ThreeAlikeSpreadThroughALongFileAShortOneWhole) {
    const struct {
        double seconds;
        QList<double> starts;
        QList<double> lengths;
    } cases[] = {
        {600, {120, 300, 480, 300}, {4, 4, 4, 2}},
        {60, {12, 30, 48, 30}, {2, 2, 2, 1}},            // at least 2 s
        {3600, {720, 1800, 2880, 1800}, {4, 4, 4, 2}},   // at most 4 s
        {20, {4, 10, 16, 10}, {2, 2, 2, 1}},
        {11.5, {0}, {11.5}},
        {1.5, {0}, {1.5}},
    };
    for (const auto& c : cases) {
        const EstimatePieces pieces = EstimatePieces::For(c.seconds);
        EXPECT_EQ(pieces.starts, c.starts) << c.seconds;
        ASSERT_EQ(pieces.lengths.size(), c.lengths.size()) << c.seconds;
        for (qsizetype i = 0; i < c.lengths.size(); ++i) {
            EXPECT_NEAR(pieces.lengths[i], c.lengths[i], 1e-9) << c.seconds;
        }
    }
}

// A file busy at its start and calm at its end (a second of it costs 0.5 s of work at its
// start, 0.2 s at its end), with 0.3 s for each encode: its pieces, where the layout puts
// them, tell its time to within a tenth. Pieces whose length grew with their place took the
// calm end for cheap length (half the time, for 30 s).
TEST(EstimatePieces, APlaceThatCostsMoreIsNotTakenForALengthThatCostsLess) {
    for (const double seconds : {30.0, 90.0, 600.0}) {
        const auto work = [seconds](double at, double length) {
            return length * (0.5 - 0.3 * (at + length / 2) / seconds);
        };
        const EstimatePieces pieces = EstimatePieces::For(seconds);
        PieceMeasures measures;
        for (qsizetype i = 0; i < pieces.starts.size(); ++i) {
            measures.lengths << pieces.lengths[i];
            measures.bytes << 1000 * pieces.lengths[i];
            measures.took << 0.3 + work(pieces.starts[i], pieces.lengths[i]);
        }
        const double whole = 0.3 + work(0, seconds);
        EXPECT_NEAR(measures.Seconds(seconds), whole, whole * 0.1) << seconds;
    }
}

TEST(PieceMeasures, TellWhatAnEncodeCostsOnceFromWhatEachSecondCosts) {
    const struct {
        const char* what;
        PieceMeasures measures;
        double bytes;    // for 100 s
        double seconds;  // for 100 s
    } cases[] = {
        // An AVI's megabyte of header, and a start of 0.2 s, once; 1 Mb/s and 0.1 s a second.
        {"costs once and a second",
         {{1, 2, 3}, {1'125'000, 1'250'000, 1'375'000}, {0.3, 0.4, 0.5}, 0.15},
         1'000'000 + 12'500'000, 0.2 + 0.15 + 0.1 * 100},
        // Pieces that do not rise with their length (a machine busy meanwhile): the plain
        // ratio, nothing counted once.
        {"no rise", {{1, 2, 3}, {300, 200, 100}, {0.6, 0.4, 0.2}, 0}, 10'000, 20},
        // A line that would start below nothing: the plain ratio.
        {"starts below nothing", {{1, 2, 3}, {100, 300, 500}, {0.1, 0.3, 0.5}, 0},
         900.0 / 6 * 100, 0.9 / 6 * 100},
        // One piece alone: its ratio.
        {"one piece", {{2}, {500}, {1}, 0.1}, 25'000, 0.1 + 50},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.measures.Bytes(100), c.bytes, c.bytes * 1e-6) << c.what;
        EXPECT_GT(c.measures.MostBytesASecond(), 0) << c.what;
        EXPECT_NEAR(c.measures.Seconds(100), c.seconds, c.seconds * 1e-6) << c.what;
    }
}

// Whether a fitted file's pictures can use the limit's rate is judged on its longer pieces: a
// short piece is mostly its first key frame.
TEST(PieceMeasures, TheMostASecondIsTheLongerPiecesOwn) {
    const struct {
        PieceMeasures measures;
        double most;
    } cases[] = {
        {{{1, 2, 3}, {150'000, 140'000, 160'000}, {1, 1, 1}, 0}, 70'000},  // a still picture
        {{{1.5, 3, 4.5}, {580'000, 1'110'000, 690'000}, {1, 1, 1}, 0}, 370'000},
        {{{1, 3}, {200'000, 300'000}, {1, 1}, 0}, 100'000},
        {{{2}, {500}, {1}, 0}, 250},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.measures.MostBytesASecond(), c.most, 1) << c.measures.lengths.size();
    }
}

// Pieces shorter than the encoder's key-frame interval each hold one key frame, where the whole
// file holds one every interval: a still picture's result is mostly those.
TEST(PieceMeasures, CountTheKeyFramesOnlyTheWholeFileHolds) {
    const auto still = [](double every, QList<double> keyBytes, int inTheLast = 1) {
        PieceMeasures measures{{1, 2, 3}, {150'000, 152'000, 154'000}, {1, 1, 1}, 0};
        measures.keyBytes = keyBytes;
        measures.keyFrames = QList<int>(keyBytes.size(), 1);
        if (!keyBytes.isEmpty()) {
            measures.keyFrames.back() = inTheLast;
        }
        measures.keyFrameEvery = every;
        return measures;
    };
    const QList<double> keys{148'000, 148'000, 148'000};
    const struct {
        const char* what;
        PieceMeasures measures;
        double length;
        double bytes;
        double most;
    } cases[] = {
        // Key frames at 0, 10, ..., 50 s: five more than the pieces show, each 148 KB; a second
        // of the picture 2 KB, and 14.8 KB of key frames.
        {"every 10 s, 60 s", still(10, keys), 60, 148'000 + 120'000 + 5 * 148'000, 16'800},
        {"every 10 s, 10 s", still(10, keys), 10, 148'000 + 20'000, 16'800},
        {"every 10 s, 10.5 s", still(10, keys), 10.5, 148'000 + 21'000 + 148'000, 16'800},
        // Key frames closer than the pieces are long: the pieces hold them already.
        {"every 0.48 s", still(0.48, keys), 60, 148'000 + 120'000, 76'000},
        // Nothing known of the pieces' key frames, or of the interval: the pieces as they are.
        {"key frames unread", still(10, {}), 60, 148'000 + 120'000, 76'000},
        {"interval unknown", still(0, keys), 60, 148'000 + 120'000, 76'000},
        // A scene change in a piece: the file's key frames come with its scenes, and the
        // pieces show how often.
        {"a scene change", still(10, keys, 2), 60, 148'000 + 120'000, 76'000},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.measures.Bytes(c.length), c.bytes, 1) << c.what;
        EXPECT_NEAR(c.measures.MostBytesASecond(), c.most, 1) << c.what;
    }
}

TEST(FileEstimate, IsSaidToTwoFigures) {
    const struct {
        qint64 bytes;
        double seconds;
        const char* sentence;
    } cases[] = {
        {2'904'000, 170, "About 2.9 MB, about 3 min to convert"},
        {120'400'000, 40, "About 120 MB, about 40 s to convert"},
        {1'234'000'000, 7900, "About 1.2 GB, about 2 h 12 min to convert"},
        {98'760, 0.2, "About 99 KB, about 1 s to convert"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((FileEstimate{c.bytes, c.seconds, {}}).Sentence().toStdString(), c.sentence);
    }
    EXPECT_EQ(FileEstimate::Total(14'250'000, 600).toStdString(), "About 14 MB; about 10 min");
    // Its number as the user's locale writes numbers, as the list's sizes are.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French));
    const QString french = FileEstimate{2'904'000, 170, {}}.Sentence();
    QLocale::setDefault(before);
    EXPECT_EQ(french.toStdString(), "About 2,9 MB, about 3 min to convert");
}

}  // namespace
}  // namespace reelwright
