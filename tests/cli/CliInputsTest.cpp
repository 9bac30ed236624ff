// How reelwright-cli takes the names it is given: lists written elsewhere, links in the folders
// named. The real program with the real encoder on generated media.
#include "CliFixture.h"

#include "common/CaseName.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QPair>

namespace reelwright {
namespace {

// A tiny clip: these tests are about names, not pictures.
bool TinyClip(const QString& path) {
    return test::MakeClip(path, 0.5, QStringLiteral("64x48"));
}

struct ListCase {
    const char* name;
    QByteArray list;     // the list's bytes; names relative to the home folder
    bool null;           // --null
    bool piped;          // read from the standard input
    QStringList inputs;  // what the program takes, relative to the home folder
};

class ListsOfNames : public CliTest, public testing::WithParamInterface<ListCase> {};

// A list written on Windows (CR LF) names the same files as one written here; with --null a
// CR is part of the name, as any byte is.
TEST_P(ListsOfNames, NameTheFilesTheyHold) {
    const ListCase& list = GetParam();
    QDir().mkpath(home.filePath("sub dir"));
    for (const char* name : {"a.mkv", "sub dir/b c.mkv", "r\r.mkv"}) {
        ASSERT_TRUE(TinyClip(home.filePath(name)));
    }
    QStringList arguments{"--json", "--jobs", "1", "--preset", kPreset, "--output-folder", "out"};
    if (list.null) {
        arguments << "--null";
    }
    QFile file(home.filePath("list.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(list.list);
    file.close();
    const Result result = list.piped ? Run(arguments << "--files-from"
                                                     << "-",
                                           list.list)
                                     : Run(arguments << "--files-from"
                                                     << "list.txt");
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    QStringList inputs;
    QStringList results;
    for (const QJsonObject& object : JsonLines(result.out)) {
        if (object.contains("input")) {
            EXPECT_EQ(object["status"].toString(), "converted")
                << object["input"].toString().toStdString();
            inputs << object["input"].toString();
        }
    }
    QStringList expected;
    for (const QString& input : list.inputs) {
        expected << home.filePath(input);
        results << QFileInfo(input).completeBaseName() + ".avi";
    }
    EXPECT_EQ(inputs, expected);
    results.sort();
    EXPECT_EQ(Outputs(), results);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListsOfNames,
    testing::Values(ListCase{"CrLfFromAFile",
                             "a.mkv\r\n\r\nsub dir/b c.mkv\r\n",
                             false,
                             false,
                             {"a.mkv", "sub dir/b c.mkv"}},
                    ListCase{"CrLfFromThePipe",
                             "a.mkv\r\nsub dir/b c.mkv",
                             false,
                             true,
                             {"a.mkv", "sub dir/b c.mkv"}},
                    ListCase{"OneCrOnlyGoes", "r\r.mkv\r\n", false, false, {"r\r.mkv"}},
                    ListCase{"NullKeepsTheCr",
                             QByteArray("r\r.mkv\0a.mkv\0", 13),
                             true,
                             true,
                             {"r\r.mkv", "a.mkv"}}),
    test::CaseName<ListCase>);

struct LinkCase {
    const char* name;
    QList<QPair<QString, QString>> links;  // in the folder named, and where each leads
    QStringList said;     // the links said to lead out, each followed by its target
    QStringList results;  // beside a.avi: a link to a file already listed is that file
};

class LinksInAFolder : public CliTest, public testing::WithParamInterface<LinkCase> {};

// A link in a folder named that leads out of it is followed (the user named the folder), and
// said once on the error output; one that stays inside is not.
TEST_P(LinksInAFolder, ThatLeadOutAreFollowedAndSaidOnce) {
    for (const char* folder : {"videos/sub", "elsewhere"}) {
        ASSERT_TRUE(QDir().mkpath(home.filePath(folder)));
    }
    for (const char* name : {"videos/a.mkv", "videos/sub/b.mkv", "elsewhere/c.mkv"}) {
        ASSERT_TRUE(TinyClip(home.filePath(name)));
    }
    for (const auto& [link, target] : GetParam().links) {
        ASSERT_TRUE(QFile::link(QString(target).replace("HOME", home.path()),
                                home.filePath("videos/" + link)));
    }
    QStringList results = GetParam().results + QStringList{"a.avi"};
    results.sort();
    const Result result =
        Run({"--preset", kPreset, "--output-folder", "out", "videos", home.filePath("videos")});
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_EQ(Outputs(), results) << result.out.toStdString();
    QStringList said;
    for (const QString& line : result.err.split('\n', Qt::SkipEmptyParts)) {
        if (line.contains("a link that leads out of")) {
            said << line;
        }
    }
    QStringList expected;
    for (qsizetype i = 0; i + 1 < GetParam().said.size(); i += 2) {
        expected << "reelwright-cli: " + home.filePath("videos/" + GetParam().said[i]) +
                        ": a link that leads out of " + home.filePath("videos") + ", to " +
                        home.filePath(GetParam().said[i + 1]);
    }
    EXPECT_EQ(said, expected) << result.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinksInAFolder,
    testing::Values(LinkCase{"ToAFileOutside",
                             {{"out.mkv", "../elsewhere/c.mkv"}},
                             {"out.mkv", "elsewhere/c.mkv"},
                             {"out.avi"}},
                    LinkCase{"ByItsFullPath",
                             {{"full.mkv", "HOME/elsewhere/c.mkv"}},
                             {"full.mkv", "elsewhere/c.mkv"},
                             {"full.avi"}},
                    LinkCase{"ThroughAnotherLink",
                             {{"first.mkv", "second.mkv"}, {"second.mkv", "../elsewhere/c.mkv"}},
                             {"first.mkv", "elsewhere/c.mkv", "second.mkv", "elsewhere/c.mkv"},
                             {"first.avi"}},
                    LinkCase{"ToAFileInside", {{"same.mkv", "a.mkv"}}, {}, {}},
                    LinkCase{"IntoASubfolder", {{"deep.mkv", "sub/b.mkv"}}, {}, {"deep.avi"}},
                    LinkCase{"OutAndBackIn", {{"back.mkv", "../videos/a.mkv"}}, {}, {}}),
    test::CaseName<LinkCase>);

}  // namespace
}  // namespace reelwright
