#include "formats/CodecCatalogue.h"

#include "common/CaseName.h"
#include "common/TestFiles.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

using test::CrLf;

QStringList Codec(const QString& name, const QString& description, const QString& type) {
    return test::CodecLines(name, description, type);
}

QString Catalogue(const QList<QStringList>& entries, const QString& root = "<codecs>") {
    return test::CodecCatalogueText(entries, root);
}

struct CodecCase {
    const char* name;
    QString text;
    QStringList video;
    QStringList audio;
};

class ScanningCodecs : public testing::TestWithParam<CodecCase> {};

TEST_P(ScanningCodecs, FillsEachListByType) {
    CodecCatalogue catalogue;
    QString error;
    EXPECT_EQ(catalogue.Scan(GetParam().text, &error), CodecCatalogue::Outcome::Loaded)
        << error.toStdString();
    EXPECT_EQ(catalogue.VideoDescriptions(), GetParam().video);
    EXPECT_EQ(catalogue.AudioDescriptions(), GetParam().audio);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScanningCodecs,
    testing::Values(
        CodecCase{"types",
                  Catalogue({Codec("v", "Video", "video codec"), Codec("a", "Audio", "audio codec"),
                             Codec("g", "Both", "general"), Codec("x", "Neither", "Video Codec")}),
                  {"Video", "Both"},
                  {"Audio", "Both"}},
        CodecCase{"indented root lines are still root lines",
                  Catalogue({Codec("v", "Video", "video codec")}, "  <codecs>  "),
                  {"Video"},
                  {}},
        // A line of blanks opens an entry and shifts the scan by five lines.
        CodecCase{"blank line shifts the scan",
                  Catalogue({{"   "},
                             Codec("v", "Lost", "video codec"),
                             Codec("a", "Audio", "audio codec")}),
                  {},
                  {"Audio"}},
        CodecCase{
            "equal descriptions both listed",
            Catalogue({Codec("one", "Same", "video codec"), Codec("two", "Same", "video codec")}),
            {"Same", "Same"},
            {}},
        CodecCase{"no entry at all", Catalogue({}), {}, {}}),
    test::CaseName<CodecCase>);

TEST(CodecCatalogue, GivesTheFirstTrimmedNameForADescription) {
    CodecCatalogue catalogue;
    QString error;
    catalogue.Scan(
        Catalogue({Codec("  spaced  ", "Spaced", "video codec"),
                   Codec("first", "Same", "audio codec"), Codec("second", "Same", "audio codec"),
                   Codec("", "Nameless", "general")}),
        &error);
    EXPECT_EQ(catalogue.GetCodecName("Spaced"), "spaced");
    EXPECT_EQ(catalogue.GetCodecName("Same"), "first");
    EXPECT_EQ(catalogue.GetCodecName("Nameless"), "");
    EXPECT_EQ(catalogue.GetCodecName("Unknown"), "");
    EXPECT_EQ(catalogue.GetCodecName("spaced"), "");
}

TEST(CodecCatalogue, FailsOnMalformedEntries) {
    const QString texts[] = {
        CrLf({"<codec>", "<name>x</name>", "<description>y</description>"}).chopped(2),
        Catalogue({{"<codec>", "<name>x", "<description>y</description>", "<type>general</type>",
                    "</codec>"}}),
        Catalogue(
            {{"<codec>", "", "<description>y</description>", "<type>general</type>", "</codec>"}}),
    };
    for (const QString& text : texts) {
        CodecCatalogue catalogue;
        QString error;
        EXPECT_EQ(catalogue.Scan(text, &error), CodecCatalogue::Outcome::Failed);
        EXPECT_FALSE(error.isEmpty());
    }
    CodecCatalogue catalogue;
    QString error;
    EXPECT_EQ(catalogue.Scan("  ", &error), CodecCatalogue::Outcome::Empty);
}

}  // namespace
}  // namespace reelwright
