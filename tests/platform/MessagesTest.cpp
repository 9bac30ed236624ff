#include "platform/BoxQueue.h"
#include "platform/CommandLine.h"
#include "platform/Desktop.h"
#include "platform/Notifier.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace reelwright {
namespace {

// Nothing of a message is out of reach: what a box would cut or cannot wrap is there whole
// under Show Details; details given are kept as they are.
TEST(BoxDetails, HoldTheWholeMessageWhereTheBoxCannotShowIt) {
    const QString longName = "/srv/share/" + QString(70, u'x') + ".mkv";
    const QString longLine = QString("word ").repeated(200);
    const struct {
        QString text, details;
        QString shown;  // under Show Details
    } cases[] = {
        {"Your own presets were set aside as /home/me/.local/share/reelwright/presets.xml.damaged.",
         "", ""},
        {"One file is no longer there: " + longName, "", "One file is no longer there: " + longName},
        {longLine, "", longLine},
        {"Two files failed.", "a.mkv\nb.mkv", "a.mkv\nb.mkv"},
        {"Gone: " + longName, "a.mkv", "a.mkv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BoxDetails(c.text, c.details), c.shown) << c.text.left(40).toStdString();
    }
}

TEST(BoundedMessage, AShortMessageIsShownAsItIs) {
    const QString text = "Error converting file: clip.mkv\r\nUnknown encoder 'x'";
    EXPECT_EQ(BoundedMessage(text), text);
    EXPECT_EQ(BoundedMessage("An error occured while Adding File\r53:File not found"),
              "An error occured while Adding File\r\n53:File not found");
}

// The advice for a folder without locks is one long line; cut, it lost what to do.
TEST(BoundedMessage, AParagraphOfAdviceIsShownWhole) {
    const QString advice =
        "The folder /srv/share/out does not keep file locks (no locks available). Converting "
        "into it goes on, but another copy of Reelwright cannot tell whether the hidden file "
        "being written there is still being written, so it never removes it: should a copy be "
        "ended while it converts into this folder, remove the hidden .reelwright-nolock-... "
        "file it leaves by hand, once no copy is converting there.";
    EXPECT_EQ(BoundedMessage(advice), advice);
}

TEST(BoundedMessage, AFloodKeepsItsBeginningWithinTheBox) {
    QStringList lines{"Error converting file: clip.mkv"};
    for (int i = 0; i < 100000; ++i) {
        lines << QString("[mpeg4 @ 0x55] warning number %1").arg(i);
    }
    lines << QString(50000, u'x');
    const QString shown = BoundedMessage(lines.join("\n"));
    const QStringList kept = shown.split("\r\n");
    EXPECT_LE(kept.size(), kMaxMessageLines);
    EXPECT_LE(shown.size(), kMaxMessageCharacters + 2 * kMaxMessageLines);
    EXPECT_EQ(kept.first(), "Error converting file: clip.mkv");
    EXPECT_EQ(kept.last(), QString(QChar(0x2026)));
    // One endless line is cut as well.
    const QString endless = BoundedMessage(QString(1000000, u'y'));
    EXPECT_LE(endless.size(), kMaxMessageLineLength + 3);
}

TEST(BoxQueue, OneBoxAtATimeAndWhatCameMeanwhileTogetherInTheNext) {
    std::vector<BoxQueue::Box> shown;
    std::function<void()> close;
    BoxQueue queue([&](const BoxQueue::Box& box, std::function<void()> closed) {
        shown.push_back(box);
        close = std::move(closed);
    });
    queue.Add("first", MessageIcon::Warning, {});
    queue.Add("second", MessageIcon::Information, {});
    queue.Add("third", MessageIcon::Error, "its details");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(queue.Gathered(), 2);
    close();
    close();  // a box closed twice opens no other
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[1].text.startsWith("second\r\n\r\n1 more came meanwhile"));
    EXPECT_EQ(shown[1].icon, MessageIcon::Error);
    EXPECT_EQ(shown[1].details, "second\n\nthird\nits details");
    EXPECT_FALSE(queue.BoxUp());
    queue.Add("fourth", MessageIcon::None, {});
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].text, "fourth");
}

TEST(BoxQueue, UnattendedTellsWhatWouldHaveWaited) {
    struct Counting : Notifier {
        using Notifier::Show;
        void Show(const QString&, MessageIcon, const QString&) override { ++shown; }
        using Notifier::Tell;
        void Tell(const QString&, MessageIcon, const QString& details) override { told << details; }
        int shown = 0;
        QStringList told;
    } counting;
    Notifier* previous = Notifier::Install(&counting);
    {
        const Notifier::Unattended unattended;
        Notifier::Current().Show("failed", MessageIcon::Error, "why");
    }
    Notifier::Current().Show("after", MessageIcon::Error);
    Notifier::Install(previous);
    EXPECT_EQ(counting.told, QStringList{"why"});
    EXPECT_EQ(counting.shown, 1);
}

struct OpenFailureCase {
    const char* name;
    std::optional<int> openerExit;
    bool missing;
    const char* why;
};

class OpenFailure : public testing::TestWithParam<OpenFailureCase> {};

TEST_P(OpenFailure, SaysWhatWentWrongAndSuggestsXdgUtilsOnlyWhenItIsMissing) {
    const OpenFailureCase& c = GetParam();
    EXPECT_EQ(OpenFailureMessage("/v/clip.avi", c.openerExit, c.missing),
              "/v/clip.avi could not be opened: " + QString(c.why));
}

const char* const kNoProgram =
    "no program on this computer could open it. Install a player or browser, or choose one as "
    "the desktop's default for it.";

INSTANTIATE_TEST_SUITE_P(
    Failures, OpenFailure,
    testing::Values(
        OpenFailureCase{"no xdg open", std::nullopt, false,
                        "the desktop has no program for it. Installing xdg-utils (sudo apt "
                        "install xdg-utils) and a player or browser helps."},
        OpenFailureCase{"no xdg open, no file", std::nullopt, true, "the file is missing."},
        OpenFailureCase{"nothing opens it", 3, false, kNoProgram},
        OpenFailureCase{"its program failed", 4, false, kNoProgram},
        OpenFailureCase{"xdg open refused", 1, false, kNoProgram},
        OpenFailureCase{"xdg open crashed", -1, false, kNoProgram},
        OpenFailureCase{"xdg open found no file", 2, false, "the file is missing."},
        OpenFailureCase{"nothing opens a missing file", 3, true, "the file is missing."}),
    test::CaseName<OpenFailureCase>);

TEST(SplitArguments, AnOpenQuoteIsRefused) {
    EXPECT_EQ(SplitArguments("-metadata title=\"a b\" -c copy"),
              (QStringList{"-metadata", "title=a b", "-c", "copy"}));
    EXPECT_EQ(SplitArguments("-vf scale=-2:'min(720,ih)'"),
              (QStringList{"-vf", "scale=-2:'min(720,ih)'"}));
    EXPECT_EQ(SplitArguments("-metadata title=\"open"), std::nullopt);
    EXPECT_EQ(SplitArguments("-metadata title=\\\"escaped"),
              (QStringList{"-metadata", "title=\"escaped"}));
    EXPECT_EQ(SplitArguments(""), QStringList{});
}

}  // namespace
}  // namespace reelwright
