#include "formats/PresetCatalogue.h"

#include "common/CaseName.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace reelwright {
namespace {

using test::CrLf;

QStringList Entry(const QString& label, const QString& params, const QString& ext,
                  const QString& category) {
    return test::PresetLines(label, params, ext, category);
}

QStringList Catalogue(const QList<QStringList>& entries) {
    return test::PresetCatalogueLines(entries);
}

// Each entry as "label|params|extension|category".
QStringList Flatten(const PresetCatalogue& catalogue) {
    QStringList flat;
    for (const PresetEntry& e : catalogue.Entries()) {
        flat << QStringList{e.label, e.params, e.extension, e.category}.join('|');
    }
    return flat;
}

struct ScanCase {
    const char* name;
    QString text;
    PresetCatalogue::Outcome outcome;
    QStringList entries;
};

class ScanningPresets : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanningPresets, ReadsExactlyWhatTheRigidFormatSays) {
    PresetCatalogue catalogue;
    QString error;
    EXPECT_EQ(catalogue.Scan(GetParam().text, &error), GetParam().outcome) << error.toStdString();
    EXPECT_EQ(Flatten(catalogue), GetParam().entries);
}

const QStringList kA = Entry("A", "-c:v x", "avi", "Cat");
const QStringList kB = Entry("B", "-c:v y", "mp4", "Cat");

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanningPresets,
    testing::Values(
        ScanCase{"two entries",
                 CrLf(Catalogue({kA, kB})),
                 PresetCatalogue::Outcome::Loaded,
                 {"A|-c:v x|avi|Cat", "B|-c:v y|mp4|Cat"}},
        // A file with LF line ends is one line holding "</": nothing but the empty slot.
        ScanCase{"LF only", Catalogue({kA}).join("\n"), PresetCatalogue::Outcome::Loaded, {"|||"}},
        ScanCase{"declaration with encoding",
                 CrLf(QStringList{"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<presets>"} + kA +
                      QStringList{"</presets>"}),
                 PresetCatalogue::Outcome::Loaded,
                 {"A|-c:v x||"}},
        ScanCase{"entry on one line",
                 CrLf(Catalogue({{"<preset><label>X</label><category>C</category></preset>"}, kA})),
                 PresetCatalogue::Outcome::Loaded,
                 {"A|-c:v x|avi|Cat"}},
        ScanCase{"three fields swallow the next entry",
                 CrLf(Catalogue({{"<preset>", "<label>S</label>", "<extension>avi</extension>",
                                  "<category>Cat</category>", "</preset>"},
                                 kB,
                                 kA})),
                 PresetCatalogue::Outcome::Loaded,
                 {"S||avi|Cat", "A|-c:v x|avi|Cat"}},
        ScanCase{"comment line shifts the scan",
                 // The comment opens an entry that takes A's first lines; A's category is never
                 // read, so B overwrites it.
                 CrLf(Catalogue({{"<!-- mine -->"}, kA, kB})),
                 PresetCatalogue::Outcome::Loaded,
                 {"B|-c:v y|mp4|Cat"}},
        ScanCase{"empty category is overwritten",
                 CrLf(Catalogue({Entry("E", "-e", "mkv", ""),
                                 {"<preset>", "<label>F</label>", "<other>x</other>",
                                  "<category>Cat</category>", "<junk>y</junk>", "</preset>"}})),
                 PresetCatalogue::Outcome::Loaded,
                 {"F|-e|mkv|Cat"}},
        ScanCase{"fifth field is lost",
                 CrLf(Catalogue({{"<preset>", "<label>G</label>", "<params>-g</params>",
                                  "<extension>ts</extension>", "<category>Cat</category>",
                                  "<label>lost</label>", "</preset>"},
                                 kB})),
                 PresetCatalogue::Outcome::Loaded,
                 {"G|-g|ts|Cat", "B|-c:v y|mp4|Cat"}},
        ScanCase{"values kept as written",
                 CrLf(Catalogue({Entry(" Spaced &amp; ", "-x", "AVI", "C&lt;1")})),
                 PresetCatalogue::Outcome::Loaded,
                 {" Spaced &amp; |-x|AVI|C&lt;1"}},
        ScanCase{"closing tag in another case",
                 CrLf(Catalogue({{"<preset>", "<label>H</LABEL>", "<params>-h</Params>",
                                  "<extension>mov</EXTENSION>", "<category>Cat</CATEGORY>",
                                  "</preset>"}})),
                 PresetCatalogue::Outcome::Loaded,
                 {"H|-h|mov|Cat"}},
        ScanCase{"indented root line opens an entry",
                 CrLf(QStringList{"<?xml version=\"1.0\"?>", "  <presets>"} + kA + kB +
                      QStringList{"</presets>"}),
                 PresetCatalogue::Outcome::Loaded,
                 {"B|-c:v y|mp4|Cat"}},
        ScanCase{"blanks only", "   ", PresetCatalogue::Outcome::Empty, {}}),
    test::CaseName<ScanCase>);

struct FailureCase {
    const char* name;
    QString text;
};

class FailingPresets : public testing::TestWithParam<FailureCase> {};

TEST_P(FailingPresets, StopAndLeaveNothing) {
    PresetCatalogue catalogue;
    QString error;
    EXPECT_EQ(catalogue.Scan(GetParam().text, &error), PresetCatalogue::Outcome::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(catalogue.Entries().empty());
    EXPECT_TRUE(catalogue.Categories().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FailingPresets,
    testing::Values(
        FailureCase{"too few lines after an opening line",
                    CrLf({"<preset>", "<label>A</label>", "<params>x</params>"}).chopped(2)},
        FailureCase{"field line without a tag",
                    CrLf(Catalogue({{"<preset>", "label A", "<params>x</params>",
                                     "<extension>avi</extension>", "<category>C</category>",
                                     "</preset>"}}))},
        FailureCase{"empty field line",
                    CrLf(Catalogue({{"<preset>", "<label>A</label>", "", "<extension>a</extension>",
                                     "<category>C</category>", "</preset>"}}))},
        FailureCase{
            "closing before opening",
            CrLf(Catalogue({{"<preset>", "x>y<label", "<params>x</params>",
                             "<extension>a</extension>", "<category>C</category>", "</preset>"}}))},
        FailureCase{"unclosed field", CrLf(Catalogue({{"<preset>", "<label>A", "<params>x</params>",
                                                       "<extension>a</extension>",
                                                       "<category>C</category>", "</preset>"}}))},
        FailureCase{"32768 lines", QString("\r\n").repeated(32767)}),
    test::CaseName<FailureCase>);

TEST(PresetCatalogue, ListsDistinctValuesInOrderAndFindsTheFirstMatch) {
    PresetCatalogue catalogue;
    QString error;
    ASSERT_EQ(catalogue.Scan(
                  CrLf(Catalogue(
                      {Entry("H264", "-first", "mp4", "PC"), Entry("H264", "-mkv", "mkv", "PC"),
                       Entry("VP9", "-vp9", "webm", "Web"), Entry("H264", "-second", "mp4", "PC"),
                       Entry("Xvid", "-xvid", "avi", "PC")})),
                  &error),
              PresetCatalogue::Outcome::Loaded);
    EXPECT_EQ(catalogue.Categories(), (QStringList{"PC", "Web"}));
    EXPECT_EQ(catalogue.LabelsOf("PC"), (QStringList{"H264", "Xvid"}));
    EXPECT_EQ(catalogue.ExtensionsOf("PC"), (QStringList{"mp4", "mkv", "avi"}));
    EXPECT_EQ(catalogue.ExtensionsOf("PC", "H264"), (QStringList{"mp4", "mkv"}));
    EXPECT_EQ(catalogue.ParamsOf("mp4", "H264", "PC"), "-first");
    EXPECT_EQ(catalogue.ParamsOf("mp4", "h264", "PC"), "");
    EXPECT_EQ(catalogue.ParamsOf("webm", "VP9", "PC"), "");
}

TEST(PresetCatalogue, AMissingOrEmptyFileIsAFailure) {
    QTemporaryDir dir;
    PresetCatalogue catalogue;
    QString error;
    EXPECT_EQ(catalogue.Load(dir.filePath("presets.xml"), &error),
              PresetCatalogue::Outcome::Failed);
    EXPECT_TRUE(error.contains("presets.xml"));
    QFile(dir.filePath("empty.xml")).open(QIODevice::WriteOnly);
    EXPECT_EQ(catalogue.Load(dir.filePath("empty.xml"), &error), PresetCatalogue::Outcome::Failed);
}

}  // namespace
}  // namespace reelwright
