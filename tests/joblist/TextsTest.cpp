#include "joblist/DurationText.h"
#include "joblist/FileSizeText.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

struct SizeCase {
    const char* name;
    qint64 bytes;
    const char* text;
};

class FileSizeText : public testing::TestWithParam<SizeCase> {};

TEST_P(FileSizeText, UsesPowersOf1024AndTheShortestForm) {
    EXPECT_EQ(GetFileSizeText(GetParam().bytes, QLocale::c()), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FileSizeText,
    testing::Values(SizeCase{"zero", 0, "0 Bytes"}, SizeCase{"bytes", 512, "512 Bytes"},
                    SizeCase{"last byte count", 1023, "1023 Bytes"},
                    SizeCase{"one KB", 1024, "1 KB"}, SizeCase{"half", 1536, "1.5 KB"},
                    SizeCase{"one MB", 1048576, "1 MB"}, SizeCase{"one GB", 1073741824, "1 GB"},
                    SizeCase{"gigabytes", 5000000000LL, "4.66 GB"},
                    SizeCase{"hundredths", 734347264, "700.33 MB"},
                    // 1.125 KB and 1.375 KB lie exactly between two hundredths.
                    SizeCase{"tie to even down", 1152, "1.12 KB"},
                    SizeCase{"tie to even up", 1408, "1.38 KB"},
                    SizeCase{"rounds up to whole", 1048575, "1024 KB"},
                    SizeCase{"leading zero kept", 1075, "1.05 KB"},
                    SizeCase{"terabytes stay GB", 3LL << 40, "3072 GB"}),
    test::CaseName<SizeCase>);

TEST(FileSizeText, WritesTheLocalesDecimalSeparator) {
    EXPECT_EQ(GetFileSizeText(1536, QLocale(QLocale::German)), "1,5 KB");
    EXPECT_EQ(GetFileSizeText(2 * 1048576, QLocale(QLocale::German)), "2 MB");
}

struct LengthCase {
    const char* name;
    const char* answer;
    const char* text;
};

class DurationText : public testing::TestWithParam<LengthCase> {};

TEST_P(DurationText, ReadsBothStylesOfTheLibrarysAnswer) {
    EXPECT_EQ(DurationTextFromLength(QString::fromUtf8(GetParam().answer)),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DurationText,
    testing::Values(LengthCase{"minutes and seconds", "2mn 5s", "00:02:05"},
                    LengthCase{"hours and minutes", "1h 2mn", "01:02:00"},
                    LengthCase{"milliseconds ignored", "45s 120ms", "00:00:45"},
                    LengthCase{"spaced hours", "1 h 2 min", "01:02:00"},
                    LengthCase{"spaced seconds", "5 s 16 ms", "00:00:05"},
                    LengthCase{"spaced minutes", "1 min 5 s", "00:01:05"},
                    LengthCase{"many hours", "123 h 4 min", "123:04:00"},
                    LengthCase{"only milliseconds", "120 ms", "00:00:00"},
                    LengthCase{"empty answer", "", "Error"},
                    LengthCase{"the longest believed", "2777 h 46 min", "2777:46:00"},
                    LengthCase{"a container claiming years", "8766 h 2 min", "Error"},
                    LengthCase{"more digits than a number holds",
                               "1000000000000000000000000000000000000000"
                               "0000000000000000000000000 h",
                               "Error"}),
    test::CaseName<LengthCase>);

}  // namespace
}  // namespace reelwright
