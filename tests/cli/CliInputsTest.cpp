// How reelwright-cli takes the names it is given: lists written elsewhere. The real program
// with the real encoder on generated media.
#include "CliFixture.h"

#include "common/CaseName.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

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

}  // namespace
}  // namespace reelwright
