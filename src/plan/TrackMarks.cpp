#include "plan/TrackMarks.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TrackMarks)
};

using Track = MediaTracks::Track;

std::vector<std::pair<const Track*, char>> Described(const TrackSelection& chosen) {
    std::vector<std::pair<const Track*, char>> tracks;
    for (const auto& [group, letter] : {std::pair{&chosen.videos, 'v'}, std::pair{&chosen.audios, 'a'},
                                        std::pair{&chosen.subtitles, 's'}}) {
        for (const Track* track : *group) {
            tracks.emplace_back(track, letter);
        }
    }
    return tracks;
}

// A track as the user knows it: by its title, else its language, else its number.
QString Named(const Track& track) {
    if (!track.title.isEmpty()) {
        return QStringLiteral("\u201c%1\u201d").arg(track.title);
    }
    return track.language.isEmpty() ? QStringLiteral("#%1").arg(track.index + 1) : track.language;
}

// The tracks that have a description, each by its name (a language by itself).
QStringList NamesOf(const TrackSelection& chosen, const std::function<bool(const Track&)>& has,
                    bool byLanguage) {
    QStringList names;
    for (const auto& [track, letter] : Described(chosen)) {
        if (has(*track)) {
            names << (byLanguage ? track->language : Named(*track));
        }
    }
    return names;
}

}  // namespace

void TrackMarks::PutDefaultFirst(TrackSelection& chosen, const ContainerRules& rules) {
    if (!rules.defaultMark) {
        std::stable_partition(chosen.audios.begin(), chosen.audios.end(),
                              [](const Track* track) { return track->isDefault; });
    }
}

QStringList TrackMarks::Options(const TrackSelection& chosen, const ContainerRules& rules) {
    QStringList options;
    if (rules.titles != ContainerRules::Titles::AsHandler) {
        return options;
    }
    int numbers[3] = {0, 0, 0};
    for (const auto& [track, letter] : Described(chosen)) {
        int& number = numbers[letter == 'v' ? 0 : letter == 'a' ? 1 : 2];
        if (!track->title.isEmpty()) {
            options << QStringLiteral("-metadata:s:%1:%2").arg(QChar::fromLatin1(letter)).arg(number)
                    << QStringLiteral("handler_name=") + track->title;
        }
        ++number;
    }
    return options;
}

QStringList TrackMarks::Dropped(const TrackSelection& chosen, const ContainerRules& rules) {
    QStringList said;
    const auto say = [&](bool kept, const std::function<bool(const Track&)>& has,
                         const QString& sentence, bool byLanguage = false) {
        const QStringList names = kept ? QStringList() : NamesOf(chosen, has, byLanguage);
        if (!names.isEmpty()) {
            said << sentence.arg(rules.name, names.join(QStringLiteral(", ")));
        }
    };
    //: %1 is a kind of file, such as AVI; %2 the titles ("English 5.1").
    say(rules.titles != ContainerRules::Titles::None, [](const Track& t) { return !t.title.isEmpty(); },
        Text::tr("%1 keeps no track titles: %2 left out."));
    //: %1 is a kind of file, such as AVI; %2 the languages ("eng, fra").
    say(rules.languages, [](const Track& t) { return !t.language.isEmpty(); },
        Text::tr("%1 keeps no languages: %2 left out."), true);
    //: %1 is a kind of file, such as MOV; %2 the tracks that were marked so.
    say(rules.forcedMark, [](const Track& t) { return t.forced; },
        Text::tr("%1 keeps no forced marks: %2 no longer marked so."));
    //: %1 is a kind of file, such as WebM; %2 the tracks that were marked so.
    say(rules.commentaryMark, [](const Track& t) { return t.commentary; },
        Text::tr("%1 keeps no commentary marks: %2 no longer marked so."));
    return said;
}

}  // namespace reelwright
