#include "engine/EncoderVersions.h"

#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace reelwright {
namespace {

// An encoder file and a cache of our own; `asked` counts the encoder's starts.
class EncoderVersionsTest : public testing::Test {
  public:
    void SetUp() override {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        encoder = test::WriteFile(bin, "ffmpeg", "#!/bin/sh\n");
    }
    void TearDown() override { qunsetenv("XDG_CACHE_HOME"); }
    std::optional<QString> Ask() {
        return EncoderVersions::Of(encoder, [this](const QString&) -> std::optional<QString> {
            ++asked;
            if (!answer) {
                return std::nullopt;
            }
            return *answer + QString::number(asked);
        });
    }

    QTemporaryDir cache;
    QTemporaryDir bin;
    QString encoder;
    std::optional<QString> answer = QStringLiteral("libavutil 57.28.100 #");
    int asked = 0;
};

TEST_F(EncoderVersionsTest, AnUnchangedEncoderIsAskedOnceAcrossRuns) {
    EXPECT_EQ(Ask(), "libavutil 57.28.100 #1");
    EXPECT_EQ(Ask(), "libavutil 57.28.100 #1");
    EXPECT_EQ(asked, 1);
    // The cache folder is ours alone.
    const QFileInfo folder(QFileInfo(EncoderVersions::CacheFile()).path());
    EXPECT_EQ(folder.permissions() & 0x0077, 0) << std::oct << folder.permissions();
}

// Whatever makes the file at the path another (an upgrade in place, a new file renamed over it,
// a change of mode), or a cache that cannot be trusted, the encoder is asked again.
TEST_F(EncoderVersionsTest, AnotherFileOrAnUntrustedCacheIsAskedAgain) {
    const struct {
        const char* name;
        std::function<void(EncoderVersionsTest&)> change;
    } kCases[] = {
        {"written anew",
         [](EncoderVersionsTest& t) { test::WriteFile(t.bin, "ffmpeg", "#!/bin/sh\n# 7.1\n"); }},
        {"renamed over",
         [](EncoderVersionsTest& t) {
             const QString other = test::WriteFile(t.bin, "new", "#!/bin/sh\n");
             ASSERT_EQ(::rename(QFile::encodeName(other), QFile::encodeName(t.encoder)), 0);
         }},
        {"mode changed",
         [](EncoderVersionsTest& t) { ::chmod(QFile::encodeName(t.encoder), 0700); }},
        {"cache not JSON",
         [](EncoderVersionsTest&) {
             QFile file(EncoderVersions::CacheFile());
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write("{\"x");
         }},
        {"cache a link",
         [](EncoderVersionsTest&) {
             const QString real = EncoderVersions::CacheFile() + ".real";
             ASSERT_TRUE(QFile::rename(EncoderVersions::CacheFile(), real));
             ASSERT_TRUE(QFile::link(real, EncoderVersions::CacheFile()));
         }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        QDir(QFileInfo(EncoderVersions::CacheFile()).path()).removeRecursively();
        encoder = test::WriteFile(bin, "ffmpeg", "#!/bin/sh\n");
        asked = 0;
        Ask();
        c.change(*this);
        EXPECT_EQ(Ask(), "libavutil 57.28.100 #2");
        EXPECT_EQ(asked, 2);
    }
}

TEST_F(EncoderVersionsTest, NoAnswerIsKeptAndAForeignCacheFolderIsNotWrittenTo) {
    answer.reset();
    EXPECT_EQ(Ask(), std::nullopt);
    answer = QStringLiteral("v");
    EXPECT_EQ(Ask(), "v2");
    EXPECT_EQ(Ask(), "v2");
    EXPECT_EQ(asked, 2);
    // A cache folder others may write into is neither read nor written.
    QDir(QFileInfo(EncoderVersions::CacheFile()).path()).removeRecursively();
    const QString folder = QFileInfo(EncoderVersions::CacheFile()).path();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder), 0777), 0);
    asked = 0;
    EXPECT_EQ(Ask(), "v1");
    EXPECT_EQ(Ask(), "v2");
    EXPECT_FALSE(QFileInfo::exists(EncoderVersions::CacheFile()));
}

}  // namespace
}  // namespace reelwright
