// Which files beside a video are its subtitles, and what their names say.
#include "engine/Sidecars.h"

#include "common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>

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

// A folder is listed once while it is unchanged, and again whenever a name comes, goes or is
// renamed, also within the second of the last listing.
TEST(SidecarNames, AFolderListedBeforeSeesWhatCameOrWentSince) {
    QTemporaryDir folder;
    const QString video = test::WriteFile(folder, "film.mkv");
    test::WriteFile(folder, "film.en.srt", "1\n00:00:00,000 --> 00:00:01,000\nHi\n");
    const auto aged = [&] {
        // As a folder nobody has touched for a while, whose listing may be kept.
        const timespec times[2] = {{std::time(nullptr) - 60, 0}, {std::time(nullptr) - 60, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder.path()), times, 0), 0);
    };
    const auto languages = [&] {
        QStringList said;
        for (const MediaTracks::Track& track : Sidecars::Read(video)) {
            said << track.language;
        }
        return said;
    };
    aged();
    EXPECT_EQ(languages(), QStringList{"eng"});
    EXPECT_EQ(languages(), QStringList{"eng"});  // from the listing kept
    test::WriteFile(folder, "film.de.srt", "1\n00:00:00,000 --> 00:00:01,000\nHallo\n");
    EXPECT_EQ(languages(), (QStringList{"ger", "eng"}));
    aged();
    ASSERT_TRUE(QFile::rename(folder.filePath("film.en.srt"), folder.filePath("film.fr.srt")));
    EXPECT_EQ(languages(), (QStringList{"ger", "fre"}));
    ASSERT_TRUE(QFile::remove(folder.filePath("film.de.srt")));
    EXPECT_EQ(languages(), QStringList{"fre"});
}

}  // namespace
}  // namespace reelwright
