// A first pass's log folder: ours alone while it is used, gone with what it holds when it goes,
// and, left by a killed run, taken away once its hidden result has gone; never while that
// result is still there.
#include "conversion/OutputNaming.h"
#include "conversion/PassLogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace reelwright {
namespace {

bool Write(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("stats") == 5;
}

TEST(PassLogs, AreOursAloneAndGoWithAllTheyHold) {
    QTemporaryDir folder;
    const QString hidden = folder.filePath(".reelwright-abcd1234.mp4");
    const QString logs = PassLogs::NameFor(hidden);
    {
        QString error;
        const std::unique_ptr<PassLogs> made = PassLogs::Beside(hidden, &error);
        ASSERT_TRUE(made) << error.toStdString();
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(logs).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        // The encoder reaches it through the descriptor alone.
        EXPECT_TRUE(Write(made->Prefix() + "-0.log"));
        EXPECT_TRUE(QFileInfo::exists(logs + "/pass-0.log"));
        // A second file beside the same name never shares it.
        EXPECT_FALSE(PassLogs::Beside(hidden, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(logs));
}

TEST(PassLogs, LeftByAKilledRunGoOnlyOnceTheirResultHasGone) {
    QTemporaryDir folder;
    const QString kept = folder.filePath(".reelwright-keep1234.mkv");
    const QString gone = folder.filePath(".reelwright-gone1234.mkv");
    for (const QString& hidden : {kept, gone}) {
        ASSERT_TRUE(QDir().mkdir(PassLogs::NameFor(hidden)));
        ASSERT_TRUE(Write(PassLogs::NameFor(hidden) + "/pass-0.log"));
    }
    ASSERT_TRUE(Write(kept));
    QFile(PassLogs::NameFor(kept)).setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner);
    QFile(PassLogs::NameFor(gone)).setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner);
    EXPECT_EQ(RemoveAbandonedPassLogs(folder.path()), 1);
    EXPECT_TRUE(QFileInfo::exists(PassLogs::NameFor(kept)));
    EXPECT_FALSE(QFileInfo::exists(PassLogs::NameFor(gone)));
    // A folder others may write into is not one of ours, whatever its name.
    const QString open = folder.filePath(".reelwright-open1234.mp4.passes");
    ASSERT_TRUE(QDir().mkdir(open));
    ::chmod(QFile::encodeName(open).constData(), 0777);
    EXPECT_EQ(RemoveAbandonedPassLogs(folder.path()), 0);
    EXPECT_TRUE(QFileInfo::exists(open));
}

}  // namespace
}  // namespace reelwright
