#include "settings/IniDocument.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

const QString kKey = "Software/Fennick Reelwright/Settings";

struct ExactCase {
    const char* name;
    QString value;
};

class WrittenValues : public testing::TestWithParam<ExactCase> {};

TEST_P(WrittenValues, ReadBackExactly) {
    IniDocument document;
    document.SetValue(kKey, "txtOutPath", GetParam().value);
    const IniDocument read = IniDocument::Parse(document.Serialize());
    EXPECT_FALSE(read.Damaged());
    EXPECT_EQ(read.Value(kKey, "txtOutPath"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WrittenValues,
    testing::Values(ExactCase{"plain", "/home/ann/Videos/Converted Files"},
                    ExactCase{"commas", "/srv/a,b, c"},
                    ExactCase{"quotes and equals", "say \"hi\" = ; # [x]"},
                    ExactCase{"blanks at both ends", "  padded  "},
                    ExactCase{"backslashes", "C:\\Converted Files\\"},
                    ExactCase{"at sign first", "@start"}, ExactCase{"two at signs", "@@x"},
                    ExactCase{"letters of many scripts", QString::fromUtf8("vidéos 日本語 ü")},
                    ExactCase{"line breaks and tabs", "a\nb\r\tc"},
                    ExactCase{"empty", ""}),
    test::CaseName<ExactCase>);

TEST(IniDocument, ReadsWhatQtWroteAndWhatAHandWrote) {
    const QByteArray text =
        "[General]\ntop=level\n\n[Software]\n"
        "Fennick%20Reelwright\\Settings\\txtOutPath=/srv/a,b\n"
        "Fennick%20Reelwright\\Settings\\weird=\" lead, comma \\\"q\\\" \\xe9 ;#=@x\\\\y\\n\"\n"
        "Fennick%20Reelwright\\Settings\\at=@@start\n"
        "Fennick%20Reelwright\\Settings\\%28Default%29=named like the default\n"
        "; a comment\n"
        "Fennick%20Reelwright\\Settings\\hand=C:\\Videos\n";
    const IniDocument document = IniDocument::Parse(text);
    EXPECT_FALSE(document.Damaged());
    EXPECT_EQ(document.Value(kKey, "txtOutPath"), "/srv/a,b");
    EXPECT_EQ(document.Value(kKey, "weird"), QString::fromUtf8(" lead, comma \"q\" é ;#=@x\\y\n"));
    EXPECT_EQ(document.Value(kKey, "at"), "@start");
    EXPECT_EQ(document.Value(kKey, "hand"), "C:\\Videos");
    // A value named "(Default)" is not the key's default value.
    EXPECT_EQ(document.Value(kKey, "(Default)"), "named like the default");
    EXPECT_EQ(document.Value(kKey, ""), std::nullopt);
    // What is not changed is written back as it was read.
    EXPECT_EQ(document.Serialize(), text);
}

TEST(IniDocument, TheDefaultValueAndOddNamesNeverMeet) {
    IniDocument document;
    document.SetValue(kKey, "", "unnamed");
    for (const QString name : {"(Default)", "@", "a/b\\c", "%25", "*", "."}) {
        document.SetValue(kKey, name, "named " + name);
    }
    const IniDocument read = IniDocument::Parse(document.Serialize());
    EXPECT_EQ(read.Value(kKey, ""), "unnamed");
    for (const QString name : {"(Default)", "@", "a/b\\c", "%25", "*", "."}) {
        EXPECT_EQ(read.Value(kKey, name), "named " + name) << name.toStdString();
    }
}

struct DamageCase {
    const char* name;
    QByteArray text;
    QStringList kept;  // names of the values still read
};

class DamagedLines : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedLines, AreDroppedAndTheRestIsKept) {
    const IniDocument document = IniDocument::Parse(GetParam().text);
    EXPECT_TRUE(document.Damaged());
    QStringList kept;
    for (const auto& [name, value] : document.Values(kKey)) {
        kept << name;
    }
    EXPECT_EQ(kept, GetParam().kept);
    // Written again, only what was read remains.
    EXPECT_FALSE(IniDocument::Parse(document.Serialize()).Damaged());
}

const QByteArray kGood =
    "[Software]\nFennick%20Reelwright\\Settings\\a=1\nFennick%20Reelwright\\Settings\\b=2\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedLines,
    testing::Values(
        DamageCase{"a stray unclosed bracket", kGood + "[\nFennick%20Reelwright\\Settings\\c=3\n",
                   {"a", "b", "c"}},
        DamageCase{"random bytes after good values",
                   kGood + QByteArray("\x01\xff\xfe garbage \x80\x00 = \xc3\x28\n", 20),
                   {"a", "b"}},
        DamageCase{"an open quote", kGood + "Fennick%20Reelwright\\Settings\\c=\"open\n",
                   {"a", "b"}},
        DamageCase{"a value larger than any field",
                   kGood + "Fennick%20Reelwright\\Settings\\c=" + QByteArray(100000, 'x') + "\n",
                   {"a", "b"}},
        DamageCase{"a value before any section", "orphan=1\n" + kGood, {"a", "b"}}),
    test::CaseName<DamageCase>);

TEST(IniDocument, KeysAndSubKeys) {
    IniDocument document;
    document.SetValue(kKey, "a", "1");
    document.SetValue(kKey + "/Sub", "b", "2");
    EXPECT_TRUE(document.KeyExists("Software"));
    EXPECT_TRUE(document.HasSubKeys(kKey));
    EXPECT_FALSE(document.HasSubKeys(kKey + "/Sub"));
    document.RemoveKey(kKey + "/Sub");
    EXPECT_FALSE(document.HasSubKeys(kKey));
    EXPECT_TRUE(document.RemoveValue(kKey, "a"));
    EXPECT_FALSE(document.RemoveValue(kKey, "a"));
    EXPECT_FALSE(document.KeyExists(kKey));
}

}  // namespace
}  // namespace reelwright
