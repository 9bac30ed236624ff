#include "conversion/ResultSource.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace reelwright {
namespace {

class ResultSources : public testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // A result made from `source`, its proof kept as the file system allows.
    QString Result(const QString& name, const QString& source, bool attributes = true) const {
        const QString path = Write(name, "a result");
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
        const bool written = attributes && ResultSource::Write(fd, ResultSource::ProofOf(source));
        ::close(fd);
        if (!written) {
            EXPECT_TRUE(ResultSource::WriteRecord(path, ResultSource::ProofOf(source)));
        }
        return path;
    }
    QStringList Hidden() const {
        return QDir(dir.path()).entryList({".*"}, QDir::Files | QDir::Hidden, QDir::Name);
    }
    QTemporaryDir dir;
};

struct KeptCase {
    const char* name;
    bool attributes;  // whether the folder keeps extended attributes
};

class KeptProofs : public ResultSources, public testing::WithParamInterface<KeptCase> {};

// Whichever way the proof is kept, a result is its source's only while both are as they were.
TEST_P(KeptProofs, TellAResultOfItsSourceFromAnyOtherFile) {
    const QString source = Write("x.mkv", "source");
    const QString other = Write("x.mp4", "other");
    const QString result = Result("x.avi", source, GetParam().attributes);
    EXPECT_TRUE(ResultSource::MadeFrom(result, source));
    EXPECT_FALSE(ResultSource::MadeFrom(result, other));
    EXPECT_FALSE(ResultSource::MadeFrom(source, source));
    // A link at a result's name proves nothing, whatever it leads to.
    ASSERT_TRUE(QFile::link(result, Path("link.avi")));
    EXPECT_FALSE(ResultSource::Read(Path("link.avi")));
    // A source saved anew is not the one the result was made from.
    Write("x.mkv", "source, longer now");
    EXPECT_FALSE(ResultSource::MadeFrom(result, source));
}

INSTANTIATE_TEST_SUITE_P(Folders, KeptProofs,
                         testing::Values(KeptCase{"WithAttributes", true},
                                         KeptCase{"WithoutAttributes", false}),
                         [](const testing::TestParamInfo<KeptCase>& info) {
                             return info.param.name;
                         });

// Results take the first free name: the input's result is looked for up to it and no further.
TEST_F(ResultSources, AResultIsFoundAmongTheNamesBeforeTheFirstFreeOne) {
    const QString source = Write("clip.mkv", "source");
    Write("clip.avi", "someone else's");
    const QString made = Result("clip_Converted.avi", source);
    const QStringList names{Path("clip.avi"), Path("clip_Converted.avi"),
                            Path("clip_Converted_0.avi")};
    EXPECT_EQ(ResultSource::FindMadeFrom(source, names), made);
    EXPECT_EQ(ResultSource::FindMadeFrom(source, {Path("clip.avi"), Path("gap.avi"), made}),
              QString());
    EXPECT_EQ(ResultSource::FindMadeFrom(Path("missing.mkv"), names), QString());
}

// A record whose result is gone, or is another file now, says nothing and is tidied away; one
// whose result is as it was stays.
TEST_F(ResultSources, OnlyRecordsOfResultsStillThereAreKept) {
    const QString source = Write("a.mkv", "source");
    const QString kept = Result("kept.avi", source, false);
    const QString gone = Result("gone.avi", source, false);
    const QString changed = Result("changed.avi", source, false);
    QFile::remove(gone);
    Write("changed.avi", "written over since");
    Write(".reelwright-source-notadigest", "not a record");
    EXPECT_FALSE(ResultSource::Read(changed));
    EXPECT_EQ(ResultSource::RemoveStaleRecords(dir.path()), 2);
    EXPECT_EQ(Hidden(), (QStringList{QFileInfo(ResultSource::RecordPathFor(kept)).fileName(),
                                     ".reelwright-source-notadigest"}));
    EXPECT_TRUE(ResultSource::MadeFrom(kept, source));
}

}  // namespace
}  // namespace reelwright
