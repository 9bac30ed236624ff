// The folder that holds what other users must not reach, and telling who is at the other end of
// a local socket.
#include "platform/OwnFolder.h"
#include "platform/PeerUser.h"

#include "common/CaseName.h"
#include "common/ScopedVariable.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

// Folders planted by someone else belong to a user that is not us.
using test::GiveAway;
using test::kOtherUser;
using test::MakeFolder;

using test::ScopedVariable;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// What lstat tells of a path, to see it left alone.
struct Planted {
    ino_t inode;
    mode_t mode;
    uid_t owner;
    bool operator==(const Planted&) const = default;
};

std::optional<Planted> Look(const QString& path) {
    struct stat status {};
    if (::lstat(Native(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return Planted{status.st_ino, status.st_mode, status.st_uid};
}

struct FolderCase {
    const char* name;
    // Puts what the case is about at `path`, using `base` for anything else; false on failure.
    std::function<bool(const QString& path, const QString& base)> plant;
    bool usable;
    const char* said;  // a part of why it is not
    bool needsRoot = false;
};

class OwnFolderMaking : public testing::TestWithParam<FolderCase> {};

TEST_P(OwnFolderMaking, OnlyARealFolderOfOursAloneIsUsed) {
    const FolderCase& given = GetParam();
    if (given.needsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "a folder of another user can only be made as root";
    }
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString path = base.filePath("own");
    ASSERT_TRUE(given.plant(path, base.path()));
    const std::optional<Planted> before = Look(path);
    const bool elsewhere = QFileInfo::exists(base.filePath("elsewhere"));
    const QString why = WhyNotMadeOwnFolder(path);
    if (given.usable) {
        EXPECT_EQ(why, "");
        EXPECT_EQ(WhyNotOwnFolder(path), "");
        EXPECT_TRUE(QFileInfo(path).isDir());
        return;
    }
    EXPECT_TRUE(why.contains(given.said)) << why.toStdString();
    EXPECT_TRUE(why.contains(path)) << why.toStdString();
    // What was planted is left as it was, and nothing was made through a link.
    EXPECT_EQ(Look(path), before);
    EXPECT_EQ(QFileInfo::exists(base.filePath("elsewhere")), elsewhere);
}

const auto kNothing = [](const QString&, const QString&) { return true; };

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnFolderMaking,
    testing::Values(
        FolderCase{"missing: made", kNothing, true, ""},
        FolderCase{"ours already, 0700",
                   [](const QString& path, const QString&) { return MakeFolder(path, 0700); }, true,
                   ""},
        FolderCase{"ours, 0755",
                   [](const QString& path, const QString&) { return MakeFolder(path, 0755); },
                   false, "0755"},
        FolderCase{"ours, 0770",
                   [](const QString& path, const QString&) { return MakeFolder(path, 0770); },
                   false, "0770"},
        FolderCase{"ours, 0777",
                   [](const QString& path, const QString&) { return MakeFolder(path, 0777); },
                   false, "0777"},
        FolderCase{"a link to a folder of ours",
                   [](const QString& path, const QString& base) {
                       return MakeFolder(base + "/elsewhere", 0700) &&
                              QFile::link(base + "/elsewhere", path);
                   },
                   false, "link"},
        FolderCase{"a dangling link",
                   [](const QString& path, const QString& base) {
                       return QFile::link(base + "/elsewhere", path);
                   },
                   false, "link"},
        FolderCase{"a file",
                   [](const QString& path, const QString&) {
                       QFile file(path);
                       return file.open(QIODevice::WriteOnly);
                   },
                   false, "not a folder"},
        FolderCase{"another user's, 0700",
                   [](const QString& path, const QString&) {
                       return MakeFolder(path, 0700) && GiveAway(path);
                   },
                   false, "another user", true},
        FolderCase{"a link of another user's to a folder of ours",
                   [](const QString& path, const QString& base) {
                       return MakeFolder(base + "/elsewhere", 0700) &&
                              QFile::link(base + "/elsewhere", path) && GiveAway(path);
                   },
                   false, "link", true}),
    test::CaseName<FolderCase>);

struct RuntimeCase {
    const char* name;
    // Makes the runtime folder in `base`, or says it has none; the value for XDG_RUNTIME_DIR.
    std::function<QByteArray(const QString& base)> runtime;
    bool runtimeUsed;
    bool needsRoot = false;
};

class OwnRuntimeFolderCase : public testing::TestWithParam<RuntimeCase> {};

TEST_P(OwnRuntimeFolderCase, TheRuntimeFolderOnlyWhenItIsOursElseOneOfOurOwn) {
    const RuntimeCase& given = GetParam();
    if (given.needsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "a folder of another user can only be made as root";
    }
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString temporary = base.filePath("tmp");
    ASSERT_TRUE(MakeFolder(temporary, 01777));
    const ScopedVariable runtime("XDG_RUNTIME_DIR", given.runtime(base.path()));
    const ScopedVariable tmp("TMPDIR", Native(temporary));
    QString why;
    const std::optional<QString> folder = OwnRuntimeFolder(&why);
    ASSERT_TRUE(folder) << why.toStdString();
    if (given.runtimeUsed) {
        EXPECT_EQ(*folder, base.filePath("run"));
        return;
    }
    EXPECT_EQ(*folder, QDir(temporary).filePath(QString("reelwright-%1").arg(::geteuid())));
    EXPECT_EQ(WhyNotOwnFolder(*folder), "");
}

QByteArray RuntimeFolder(const QString& base, mode_t mode) {
    return MakeFolder(base + "/run", mode) ? Native(base + "/run") : QByteArray("/no/such");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnRuntimeFolderCase,
    testing::Values(
        RuntimeCase{"ours, 0700", [](const QString& base) { return RuntimeFolder(base, 0700); },
                    true},
        RuntimeCase{"none", [](const QString&) { return QByteArray(); }, false},
        RuntimeCase{"empty", [](const QString&) { return QByteArray(""); }, false},
        RuntimeCase{"relative", [](const QString&) { return QByteArray("run"); }, false},
        RuntimeCase{"missing", [](const QString& base) { return Native(base + "/run"); }, false},
        RuntimeCase{"ours, 0755", [](const QString& base) { return RuntimeFolder(base, 0755); },
                    false},
        RuntimeCase{"another user's, kept by su",
                    [](const QString& base) {
                        const QByteArray folder = RuntimeFolder(base, 0700);
                        return GiveAway(base + "/run") ? folder : QByteArray("/no/such");
                    },
                    false, true},
        RuntimeCase{"a link to a folder of ours",
                    [](const QString& base) {
                        MakeFolder(base + "/elsewhere", 0700);
                        QFile::link(base + "/elsewhere", base + "/run");
                        return Native(base + "/run");
                    },
                    false}),
    test::CaseName<RuntimeCase>);

TEST(OwnRuntimeFolder, APlantedFolderInTheTemporaryFolderIsRefusedAndSaidWhy) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const ScopedVariable runtime("XDG_RUNTIME_DIR", QByteArray());
    const ScopedVariable tmp("TMPDIR", Native(base.path()));
    const QString own = base.filePath(QString("reelwright-%1").arg(::geteuid()));
    ASSERT_TRUE(MakeFolder(base.filePath("planted"), 0777));
    ASSERT_TRUE(QFile::link(base.filePath("planted"), own));
    QString why;
    EXPECT_EQ(OwnRuntimeFolder(&why), std::nullopt);
    EXPECT_TRUE(why.contains(own) && why.contains("link")) << why.toStdString();
}

struct PeerCase {
    const char* name;
    // A descriptor to ask about, and the one to close afterwards (-1 for none).
    std::function<std::pair<int, int>()> open;
    bool known;
};

class PeerUserCase : public testing::TestWithParam<PeerCase> {};

TEST_P(PeerUserCase, TheUserAtTheOtherEndOrNone) {
    const auto [asked, other] = GetParam().open();
    const std::optional<uid_t> user = PeerUser(asked);
    if (GetParam().known) {
        EXPECT_EQ(user, ::geteuid());
    } else {
        EXPECT_EQ(user, std::nullopt);
    }
    for (const int descriptor : {asked, other}) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PeerUserCase,
                         testing::Values(PeerCase{"a local socket of ours",
                                                  [] {
                                                      int ends[2] = {-1, -1};
                                                      ::socketpair(AF_UNIX, SOCK_STREAM, 0, ends);
                                                      return std::pair{ends[0], ends[1]};
                                                  },
                                                  true},
                                         PeerCase{"no descriptor",
                                                  [] {
                                                      return std::pair{-1, -1};
                                                  },
                                                  false},
                                         PeerCase{"a pipe",
                                                  [] {
                                                      int ends[2] = {-1, -1};
                                                      if (::pipe(ends) != 0) {
                                                          return std::pair{-1, -1};
                                                      }
                                                      return std::pair{ends[0], ends[1]};
                                                  },
                                                  false}),
                         test::CaseName<PeerCase>);

}  // namespace
}  // namespace reelwright
