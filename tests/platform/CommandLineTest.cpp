#include "platform/CommandLine.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <QSet>

namespace reelwright {
namespace {

bool NoProgramHasBlanks(const QString&) {
    return false;
}

struct SplitCase {
    const char* name;
    const char* line;
    QStringList expected;
};

class SplitByWindowsRules : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitByWindowsRules, GivesTheDocumentedArguments) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitCommandLine(QString::fromUtf8(c.line), NoProgramHasBlanks), c.expected)
        << c.line;
}

// The argument cases are those Microsoft documents for its C runtime.
INSTANTIATE_TEST_SUITE_P(
    Rules, SplitByWindowsRules,
    testing::Values(
        SplitCase{"QuotesGroup", R"(p "a b c" d e)", {"p", "a b c", "d", "e"}},
        SplitCase{"EscapedQuote", R"(p "ab\"c" "\\" d)", {"p", "ab\"c", "\\", "d"}},
        SplitCase{
            "BackslashesBeforeNoQuote", R"(p a\\\b d"e f"g h)", {"p", R"(a\\\b)", "de fg", "h"}},
        SplitCase{"OddBackslashesBeforeQuote", R"(p a\\\"b c d)", {"p", R"(a\"b)", "c", "d"}},
        SplitCase{
            "EvenBackslashesBeforeQuote", R"(p a\\\\"b c" d e)", {"p", R"(a\\b c)", "d", "e"}},
        SplitCase{"DoubledQuoteInQuotes", R"(p a"b"" c d)", {"p", R"(ab" c d)"}},
        SplitCase{"EmptyQuoted", R"(p "")", {"p", ""}},
        SplitCase{"BlanksAndTabs", "  p\t x  ", {"p", "x"}},
        SplitCase{
            "QuotedProgramPath", R"("C:\my dir\p.exe" -i x)", {R"(C:\my dir\p.exe)", "-i", "x"}},
        SplitCase{"EmptyLine", "", {}}),
    test::CaseName<SplitCase>);

TEST(SplitCommandLine, ResolvesAnUnquotedProgramWithBlanksByTheShortestExistingPrefix) {
    const QSet<QString> programs{"/opt/my apps/ffmpeg", "/opt/my apps/ffmpeg -i"};
    const auto isProgram = [&](const QString& path) { return programs.contains(path); };
    EXPECT_EQ(SplitCommandLine(R"(/opt/my apps/ffmpeg -i "in put.avi")", isProgram),
              (QStringList{"/opt/my apps/ffmpeg", "-i", "in put.avi"}));
    // Without a matching program the first blank ends the name, and starting it will fail.
    EXPECT_EQ(SplitCommandLine("/opt/none here -i x", NoProgramHasBlanks),
              (QStringList{"/opt/none", "here", "-i", "x"}));
}

class QuoteRoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(QuoteRoundTrip, EveryNameComesBackUnchanged) {
    const QString name = QString::fromUtf8(GetParam());
    const QString line =
        "/usr/bin/ffmpeg -i " + QuoteArgument(name) + " -y " + QuoteArgument(name + "\\");
    EXPECT_EQ(SplitCommandLine(line, NoProgramHasBlanks),
              (QStringList{"/usr/bin/ffmpeg", "-i", name, "-y", name + "\\"}));
}

INSTANTIATE_TEST_SUITE_P(Names, QuoteRoundTrip,
                         testing::Values("/videos/plain.avi", "/videos/with blanks/a b.avi",
                                         R"(/v/say "hi".mp4)", R"(/v/back\slash\\.mp4)",
                                         R"(/v/ends in quote")", R"(C:\dir\)", "-leading-dash.avi",
                                         "/v/$HOME; rm -rf ~ `x` 'q'.avi",
                                         "/v/Überraschung – 映画.mkv", "", "\"\"\"",
                                         "tab\there.avi"),
                         test::CaseName<const char*>);

}  // namespace
}  // namespace reelwright
