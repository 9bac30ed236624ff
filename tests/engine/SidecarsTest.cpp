// Which files beside a video are its subtitles, and what their names say.
#include "engine/Sidecars.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

TEST(SidecarNames, SayTheirLanguageAndMarks) {
    const struct {
        const char* file;
        bool belongs;
        const char* language;
        bool forced;
        bool hearingImpaired;
    } cases[] = {
        {"film.srt", true, "", false, false},
        {"film.en.srt", true, "eng", false, false},
        {"film.eng.ass", true, "eng", false, false},
        {"film.de.forced.srt", true, "ger", true, false},
        {"film.pt-BR.vtt", true, "por", false, false},
        {"film.fr.sdh.SRT", true, "fre", false, true},
        {"film.part2.srt", false, "", false, false},    // another video's
        {"films.en.srt", false, "", false, false},      // another stem
        {"film.mkv.en.srt", false, "", false, false},   // not the stem
        {"film.en.txt", false, "", false, false},       // not a subtitle
        {"film.mkv", false, "", false, false},
    };
    for (const auto& c : cases) {
        const std::optional<Sidecars::Name> name = Sidecars::Parse("film.mkv", c.file);
        ASSERT_EQ(name.has_value(), c.belongs) << c.file;
        if (name) {
            EXPECT_EQ(name->language, c.language) << c.file;
            EXPECT_EQ(name->forced, c.forced) << c.file;
            EXPECT_EQ(name->hearingImpaired, c.hearingImpaired) << c.file;
        }
    }
}

TEST(SidecarNames, AFolderListsThemWithTheirVideoOnly) {
    const QStringList folder{"a.mkv", "a.en.srt", "a.de.forced.ass", "b.en.srt",
                             "holiday.2026.mp4", "holiday.2026.fr.vtt", "c.mp4", "c.part2.srt"};
    EXPECT_EQ(Sidecars::WithoutSidecars(folder),
              (QStringList{"a.mkv", "b.en.srt", "holiday.2026.mp4", "c.mp4", "c.part2.srt"}));
}

}  // namespace
}  // namespace reelwright
