// How reelwright-cli takes the names it is given: lists written elsewhere, names that are not
// UTF-8, links in the folders named. The real program with the real encoder on generated media.
#include "CliFixture.h"

#include "common/CaseName.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QPair>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

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

// Files and folders whose names are not UTF-8. Qt cannot remove what it cannot name: the shell
// takes them away after each test.
class NotUtf8Names : public CliTest {
  protected:
    void TearDown() override { Shell("rm -rf -- ./* ./.[!.]*"); }

    QByteArray Native(const QByteArray& relative) const {
        return QFile::encodeName(home.path()) + '/' + relative;
    }
    // A tiny clip under a name of any bytes.
    bool ClipAt(const QByteArray& relative) const {
        const QString made = home.filePath("made.mkv");
        return TinyClip(made) &&
               ::rename(QFile::encodeName(made).constData(), Native(relative).constData()) == 0;
    }
    bool MakeFolder(const QByteArray& relative) const {
        return ::mkdir(Native(relative).constData(), 0700) == 0;
    }
    // Whether a file of these bytes is there and decodes whole.
    bool IsReadable(const QByteArray& relative) const {
        const QString link = home.filePath("check.avi");
        QFile::remove(link);
        return ::symlink(Native(relative).constData(), QFile::encodeName(link).constData()) == 0 &&
               test::IsReadableMedia(link);
    }
    static QByteArray Bytes(const QJsonObject& file, const char* member) {
        return QByteArray::fromBase64(file[member].toString().toLatin1());
    }
};

// Named on the command line, found in a folder, read from a list: each converts, and its result
// takes its name's own bytes.
TEST_F(NotUtf8Names, ANameThatIsNotUtf8ComesBackByteForByte) {
    ASSERT_TRUE(MakeFolder("odd"));
    for (const QByteArray name : {"bad\xff name.mkv", "odd/caf\xe9.mkv", "list\xfe.mkv"}) {
        ASSERT_TRUE(ClipAt(name)) << name.toStdString();
    }
    QFile list(home.filePath("list.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(Native("list\xfe.mkv") + "\n");
    list.close();
    const Result result = Shell(
        "\"$0\" --json --jobs 2 --preset \"$1\" --output-folder out --files-from list.txt "
        "\"$(printf 'bad\\377 name.mkv')\" odd",
        {kPreset});
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    QHash<QByteArray, QByteArray> results;  // by input
    for (const QJsonObject& file : JsonLines(result.out)) {
        if (file.contains("input")) {
            EXPECT_EQ(file["status"].toString(), "converted");
            EXPECT_TRUE(file["input"].toString().contains(QChar::ReplacementCharacter));
            EXPECT_TRUE(file["result"].toString().contains(QChar::ReplacementCharacter));
            results.insert(Bytes(file, "input_base64"), Bytes(file, "result_base64"));
        }
    }
    EXPECT_EQ(results, (QHash<QByteArray, QByteArray>{
                           {Native("bad\xff name.mkv"), Native("out/bad\xff name.avi")},
                           {Native("odd/caf\xe9.mkv"), Native("out/caf\xe9.avi")},
                           {Native("list\xfe.mkv"), Native("out/list\xfe.avi")}}));
    for (const QByteArray name : {"out/bad\xff name.avi", "out/caf\xe9.avi", "out/list\xfe.avi"}) {
        EXPECT_TRUE(IsReadable(name)) << name.toStdString();
    }
    EXPECT_TRUE(IsReadable("odd/caf\xe9.mkv")) << "the source is as it was";
    EXPECT_EQ(Temporaries(), QStringList());

    // A name that is UTF-8 needs nothing beside it.
    const QString accented = Clip("caf\u00e9.mkv", 1);
    const Result plain = Run({"--json", "--preset", kPreset, "--output-folder", "out", accented});
    const QList<QJsonObject> objects = JsonLines(plain.out);
    ASSERT_FALSE(objects.isEmpty());
    EXPECT_EQ(objects[0]["input"].toString(), accented);
    EXPECT_FALSE(objects[0].contains("input_base64"));
    EXPECT_FALSE(objects[0].contains("result_base64"));
}

// Beside their inputs, in a folder whose own name is not UTF-8 either: the results are named as
// any other, "_Converted" for one of its input's own type, and a second run finds them there.
TEST_F(NotUtf8Names, ResultsBesideTheirInputsKeepTheirBytes) {
    ASSERT_TRUE(MakeFolder("\xe9t\xe9"));
    ASSERT_TRUE(ClipAt("\xe9t\xe9/clip.mkv"));
    ASSERT_TRUE(ClipAt("\xe9t\xe9/caf\xe9.avi"));
    const QString folder = home.filePath(QFile::decodeName("\xe9t\xe9"));
    const QStringList arguments{"--jobs", "1", "--same-folder", "--preset", kPreset};
    const Result dry = Shell("\"$0\" --dry-run \"$@\" \"$(printf '\\351t\\351')\"", arguments);
    EXPECT_EQ(dry.status, 0) << dry.err.toStdString();
    EXPECT_EQ(dry.out, folder + "/caf\ufffd.avi: would convert -> " + folder +
                           "/caf\ufffd_Converted.avi\n" + folder + "/clip.mkv: would convert -> " +
                           folder + "/clip.avi\n2 files: 2 would convert\n");

    // The two sources, named in a list: the folder holds their results too, after the first.
    const QString run =
        "printf '\\351t\\351/clip.mkv\\0\\351t\\351/caf\\351.avi\\0' | "
        "\"$0\" --files-from - --null \"$@\"";
    const Result result = Shell(run, arguments);
    EXPECT_EQ(result.status, 0) << result.out.toStdString() << result.err.toStdString();
    EXPECT_TRUE(IsReadable("\xe9t\xe9/clip.avi"));
    EXPECT_TRUE(IsReadable("\xe9t\xe9/caf\xe9_Converted.avi"));
    const Result again = Shell(run, QStringList{"--skip-existing"} + arguments);
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, folder + "/clip.mkv: already converted -> " + folder + "/clip.avi\n" +
                             folder + "/caf\ufffd.avi: already converted -> " + folder +
                             "/caf\ufffd_Converted.avi\n"
                             "2 files: 0 converted, 0 failed, 2 already converted\n");
    // The two sources and the two results, nothing more.
    const Result listed = Shell("ls -A \"$(printf '\\351t\\351')\" | wc -l");
    EXPECT_EQ(listed.out.trimmed(), "4");
}

TEST_F(NotUtf8Names, AreRefusedWhereTheyCannotBeUsedAndSaidWhy) {
    ASSERT_TRUE(ClipAt("caf\xe9.mkv"));
    // A file that is not there is not there, whatever its name.
    const Result missing =
        Shell("\"$0\" --json --preset \"$1\" \"$(printf 'gone\\351.mkv')\"", {kPreset});
    EXPECT_EQ(missing.status, 2);
    const QJsonObject refused = JsonLines(missing.out).value(0);
    EXPECT_EQ(refused["reason"].toString(), "not found") << missing.out.toStdString();
    EXPECT_EQ(Bytes(refused, "input_base64"), Native("gone\xe9.mkv"));
    // An option's name would be used as Qt reads it, not as it was given.
    for (const QString option : {"--output-folder", "--files-from", "--watch"}) {
        const Result result = Shell(
            "\"$0\" \"$1\" \"$(printf 'o\\351')\" --preset \"$2\" \"$(printf 'caf\\351.mkv')\"",
            {option, kPreset});
        EXPECT_EQ(result.status, 2) << option.toStdString();
        EXPECT_TRUE(result.err.contains(option + " takes only a name that is valid UTF-8"))
            << result.err.toStdString();
    }
    const Result joined = Shell("\"$0\" \"--output-folder=$(printf 'o\\351')\" caf*", {});
    EXPECT_TRUE(joined.err.contains("--output-folder takes only")) << joined.err.toStdString();
    struct stat info {};
    EXPECT_NE(::stat(Native("o\xe9").constData(), &info), 0) << "a folder was made";
}

}  // namespace
}  // namespace reelwright
