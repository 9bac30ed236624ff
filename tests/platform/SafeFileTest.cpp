#include "platform/SafeFile.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

using Links = SafeFile::Links;

// What lies at the name the file is opened under.
enum class Entry { Regular, Fifo, Folder, LinkToRegular, LinkToFifo, Device, Missing };

QString Make(const QTemporaryDir& dir, Entry entry) {
    const QString path = dir.filePath("name.mkv");
    const QString target = dir.filePath("target");
    switch (entry) {
        case Entry::Regular: {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("bytes");
            break;
        }
        case Entry::Fifo:
            EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Entry::Folder:
            EXPECT_TRUE(QDir().mkpath(path));
            break;
        case Entry::LinkToRegular: {
            QFile file(target);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("bytes");
            file.close();
            EXPECT_TRUE(QFile::link(target, path));
            break;
        }
        case Entry::LinkToFifo:
            EXPECT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            EXPECT_TRUE(QFile::link(target, path));
            break;
        case Entry::Device:
            return QStringLiteral("/dev/null");
        case Entry::Missing:
            break;
    }
    return path;
}

struct OpenCase {
    const char* name;
    Entry entry;
    Links links;
    bool opens;
    const char* problem;  // what the refusal says
};

class OpeningForReading : public testing::TestWithParam<OpenCase> {};

// Whatever lies at the name, opening answers at once; only a regular file is taken.
TEST_P(OpeningForReading, TakesOnlyARegularFileAndNeverWaits) {
    const OpenCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = Make(dir, c.entry);
    const SafeFile file = SafeFile::OpenForReading(path, c.links);
    EXPECT_EQ(file.IsOpen(), c.opens) << file.Problem().toStdString();
    EXPECT_EQ(file.Problem(), QString::fromUtf8(c.problem));
    if (file.IsOpen()) {
        char bytes[8] = {};
        EXPECT_EQ(::read(file.Descriptor(), bytes, sizeof bytes), 5);
        // Reads that wait like any file's, and nothing left open past the program's start.
        EXPECT_EQ(::fcntl(file.Descriptor(), F_GETFL) & O_NONBLOCK, 0);
        EXPECT_NE(::fcntl(file.Descriptor(), F_GETFD) & FD_CLOEXEC, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, OpeningForReading,
    testing::Values(OpenCase{"Regular", Entry::Regular, Links::Refuse, true, ""},
                    OpenCase{"Fifo", Entry::Fifo, Links::Refuse, false,
                             "it is a named pipe, not a regular file"},
                    OpenCase{"FifoFollowingLinks", Entry::Fifo, Links::Follow, false,
                             "it is a named pipe, not a regular file"},
                    OpenCase{"Folder", Entry::Folder, Links::Refuse, false,
                             "it is a folder, not a regular file"},
                    OpenCase{"Device", Entry::Device, Links::Follow, false,
                             "it is a device, not a regular file"},
                    OpenCase{"LinkRefused", Entry::LinkToRegular, Links::Refuse, false,
                             "it is a link, not a regular file"},
                    OpenCase{"LinkFollowed", Entry::LinkToRegular, Links::Follow, true, ""},
                    OpenCase{"LinkToAFifoFollowed", Entry::LinkToFifo, Links::Follow, false,
                             "it is a named pipe, not a regular file"},
                    OpenCase{"Missing", Entry::Missing, Links::Refuse, false,
                             "no such file or directory"}),
    test::CaseName<OpenCase>);

struct RegularCase {
    const char* name;
    Entry entry;
    bool regular;
};

class RegularFileCheck : public testing::TestWithParam<RegularCase> {};

// The name itself is looked at: a link to a file is not taken for one.
TEST_P(RegularFileCheck, LooksAtTheNameItself) {
    QTemporaryDir dir;
    EXPECT_EQ(SafeFile::IsRegularFile(Make(dir, GetParam().entry)), GetParam().regular);
}

INSTANTIATE_TEST_SUITE_P(Entries, RegularFileCheck,
                         testing::Values(RegularCase{"Regular", Entry::Regular, true},
                                         RegularCase{"Fifo", Entry::Fifo, false},
                                         RegularCase{"Folder", Entry::Folder, false},
                                         RegularCase{"Link", Entry::LinkToRegular, false},
                                         RegularCase{"Device", Entry::Device, false},
                                         RegularCase{"Missing", Entry::Missing, false}),
                         test::CaseName<RegularCase>);

struct LockCase {
    const char* name;
    Entry entry;
    bool create;
    bool opens;
};

class OpeningForLocking : public testing::TestWithParam<LockCase> {};

// A claim's or a lock's file: a pipe planted at its name is refused, not taken for a file.
TEST_P(OpeningForLocking, TakesOnlyARegularFile) {
    const LockCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = Make(dir, c.entry);
    const SafeFile file = SafeFile::OpenForLocking(QFile::encodeName(path), c.create);
    EXPECT_EQ(file.IsOpen(), c.opens) << file.Problem().toStdString();
    EXPECT_EQ(file.NotRegular(), !c.opens && c.entry != Entry::Missing);
}

INSTANTIATE_TEST_SUITE_P(Entries, OpeningForLocking,
                         testing::Values(LockCase{"Regular", Entry::Regular, false, true},
                                         LockCase{"MissingMade", Entry::Missing, true, true},
                                         LockCase{"MissingNotMade", Entry::Missing, false, false},
                                         LockCase{"Fifo", Entry::Fifo, true, false},
                                         LockCase{"Link", Entry::LinkToRegular, true, false},
                                         LockCase{"Folder", Entry::Folder, true, false}),
                         test::CaseName<LockCase>);

struct CreateCase {
    const char* name;
    Entry entry;
    bool made;
};

class CreatingExclusively : public testing::TestWithParam<CreateCase> {};

// A new file is new: nothing that has the name, not even a link to nowhere, is opened instead.
TEST_P(CreatingExclusively, MakesOnlyWhereNothingIs) {
    QTemporaryDir dir;
    QString path = Make(dir, GetParam().entry);
    if (GetParam().entry == Entry::LinkToRegular) {
        QFile::remove(dir.filePath("target"));  // a link to nowhere
    }
    const SafeFile file = SafeFile::CreateExclusive(QFile::encodeName(path), 0600);
    EXPECT_EQ(file.IsOpen(), GetParam().made);
    if (!GetParam().made) {
        EXPECT_EQ(file.Error(), EEXIST);
        EXPECT_FALSE(QFile::exists(dir.filePath("target")));
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, CreatingExclusively,
                         testing::Values(CreateCase{"Nothing", Entry::Missing, true},
                                         CreateCase{"Regular", Entry::Regular, false},
                                         CreateCase{"Fifo", Entry::Fifo, false},
                                         CreateCase{"DanglingLink", Entry::LinkToRegular, false}),
                         test::CaseName<CreateCase>);

// A library that opens only by name is given one that leads to the very file opened, even
// once its own name leads elsewhere.
TEST(SafeFile, ItsProcPathIsTheFileOpenedWhateverTheNameBecomes) {
    QTemporaryDir dir;
    const QString path = Make(dir, Entry::Regular);
    SafeFile file = SafeFile::OpenForReading(path);
    ASSERT_TRUE(file.IsOpen());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QFile again(QFile::decodeName(file.ProcPath()));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "bytes");
    // Moved, it closes nothing twice.
    SafeFile moved = std::move(file);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(moved.IsOpen());
    const int fd = moved.Release();
    EXPECT_FALSE(moved.IsOpen());
    EXPECT_EQ(::close(fd), 0);
}

}  // namespace
}  // namespace reelwright
