#include "platform/CommandLine.h"
#include "platform/Notifier.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace reelwright {
namespace {

TEST(BoundedMessage, AShortMessageIsShownAsItIs) {
    const QString text = "Error converting file: clip.mkv\r\nUnknown encoder 'x'";
    EXPECT_EQ(BoundedMessage(text), text);
    EXPECT_EQ(BoundedMessage("An error occured while Adding File\r53:File not found"),
              "An error occured while Adding File\r\n53:File not found");
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
