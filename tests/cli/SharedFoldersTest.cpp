// Another user who can write into a shared output folder: whatever they swap in while a file
// converts, nothing outside the folder is written and the file does not end converted.
#include "CliFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

// An encoder that, as it starts, lets another user (nobody) rename the hidden result away and
// plant a link to `victim` at its name: what a swapper watching the folder does.
QString Swapper(const QString& folder, const QString& victim) {
    return QStringLiteral(
               "#!/bin/sh\n"
               "for f in '%1'/.reelwright-*; do\n"
               "  case \"$f\" in *claim*|*'*'|*.away) continue ;; esac\n"
               "  setpriv --reuid=65534 --regid=65534 --clear-groups \\\n"
               "    sh -c 'mv \"$1\" \"$1.away\" && ln -s \"$2\" \"$1\"' sh \"$f\" '%2'\n"
               "done\n"
               "exec '%3' \"$@\"\n")
        .arg(folder, victim, test::SystemEncoder());
}

class SharedFolders : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty()) {
            GTEST_SKIP() << "needs root and setpriv (util-linux) to act as a second user";
        }
        // A group's shared folder: anybody may write into it, and no sticky bit.
        ASSERT_EQ(::chmod(QFile::encodeName(home.path()).constData(), 0755), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(home.filePath("out")).constData(), 0777), 0);
    }
};

TEST_F(SharedFolders, ASwappedHiddenFileNeverSendsTheVideoElsewhere) {
    const QString clip = Clip("clip.avi");
    const QString victim = home.filePath("notes.txt");
    {
        QFile notes(victim);
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("my notes\n");
    }
    QDir().mkpath(home.filePath("wrap"));
    QFile wrapper(home.filePath("wrap/ffmpeg"));
    ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
    wrapper.write(Swapper(home.filePath("out"), victim).toUtf8());
    wrapper.close();
    wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::ReadOther | QFile::ExeOther);

    const Result result = Shell(
        QStringLiteral("PATH=\"$HOME/wrap:$PATH\" \"$0\" --preset \"$1\" --output-folder out "
                       "clip.avi"),
        {kPreset});

    QFile notes(victim);
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), "my notes\n") << result.err.toStdString();
    EXPECT_NE(result.status, 0) << result.out.toStdString();
    EXPECT_FALSE(result.out.contains("converted ->")) << result.out.toStdString();
    // Nothing under the result's name: not the link, not our file.
    EXPECT_FALSE(QFileInfo(home.filePath("out/clip.mp4")).exists());
    EXPECT_FALSE(QFileInfo(home.filePath("out/clip.mp4")).isSymLink());
}

}  // namespace
}  // namespace reelwright
