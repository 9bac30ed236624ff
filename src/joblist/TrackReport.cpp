#include "joblist/TrackReport.h"

#include <algorithm>
#include <utility>

namespace reelwright {
namespace {

QString Joined(const QStringList& items) {
    if (items.size() <= 1) {
        return items.join(QString());
    }
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

QString Tracks(int count, const QString& kind) {
    return QStringLiteral("%1 %2 %3")
        .arg(count)
        .arg(kind, count == 1 ? QStringLiteral("track") : QStringLiteral("tracks"));
}

}  // namespace

QString TrackReport::Sentence() const {
    QStringList sentences;
    QStringList tracks;
    int total = 0;
    for (const auto& [count, kind] :
         {std::pair{kept.video, "video"}, std::pair{kept.audio, "audio"},
          std::pair{kept.subtitle, "subtitle"}}) {
        if (count > 0) {
            tracks << QStringLiteral("%1 %2").arg(count).arg(QString::fromLatin1(kind));
            total += count;
        }
    }
    QStringList extras;
    if (kept.cover > 0) {
        extras << QStringLiteral("the cover art");
    }
    if (kept.font > 0) {
        extras << (kept.font == 1 ? QStringLiteral("1 font")
                                  : QStringLiteral("%1 fonts").arg(kept.font));
    }
    if (!tracks.isEmpty()) {
        sentences << QStringLiteral("Kept ") + Joined(tracks) +
                         (total == 1 ? QStringLiteral(" track") : QStringLiteral(" tracks")) +
                         (extras.isEmpty() ? QString()
                                           : QStringLiteral(", with ") + Joined(extras)) +
                         u'.';
    } else if (!extras.isEmpty()) {
        sentences << QStringLiteral("Kept ") + Joined(extras) + u'.';
    }
    // Tracks left out for one reason are told together, with their languages.
    std::vector<std::pair<std::pair<QString, QString>, QStringList>> groups;
    for (const LeftOut& track : leftOut) {
        const std::pair<QString, QString> key{track.kind, track.reason};
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&key](const auto& g) { return g.first == key; });
        if (group == groups.end()) {
            groups.push_back({key, {}});
            group = groups.end() - 1;
        }
        group->second << track.language;
    }
    QStringList parts;
    for (const auto& [key, languages] : groups) {
        QStringList named;
        for (const QString& language : languages) {
            if (!language.isEmpty() && !named.contains(language)) {
                named << language;
            }
        }
        const QString what =
            key.first == QStringLiteral("cover") ? QStringLiteral("the cover art")
            : key.first == QStringLiteral("font")
                ? (languages.size() == 1 ? QStringLiteral("1 font")
                                         : QStringLiteral("%1 fonts").arg(languages.size()))
                : Tracks(static_cast<int>(languages.size()), key.first);
        parts << what +
                     (named.isEmpty()
                          ? QString()
                          : QStringLiteral(" (%1)").arg(named.join(QStringLiteral(", ")))) +
                     QStringLiteral(": ") + key.second;
    }
    if (!parts.isEmpty()) {
        sentences << QStringLiteral("Left out: ") + parts.join(QStringLiteral("; ")) + u'.';
    }
    sentences << notes;
    return sentences.join(u' ');
}

}  // namespace reelwright
