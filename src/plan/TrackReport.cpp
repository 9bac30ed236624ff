#include "plan/TrackReport.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TrackReport)
};

// "a, b and c": whole phrases to the translator, so a language may order and join them its way.
QString Joined(const QStringList& items) {
    if (items.size() <= 1) {
        return items.join(QString());
    }
    QString head = items.first();
    for (qsizetype i = 1; i + 1 < items.size(); ++i) {
        //: Joins the items of a list but the last: "1 video, 2 audio".
        head = Text::tr("%1, %2").arg(head, items[i]);
    }
    //: Joins the last item of a list: "1 video, 2 audio and 2 subtitle".
    return Text::tr("%1 and %2").arg(head, items.last());
}

QString Fonts(int count) {
    //: A number of font files kept or left out.
    return Text::tr("%n fonts", nullptr, count);
}

// "2 audio tracks", by the report's kind of track, which is kept in English.
QString Tracks(int count, const QString& kind) {
    struct Phrases {
        const char* kind;
        const char* text;
    };
    static const Phrases kPhrases[] = {
        {"video", QT_TRANSLATE_NOOP("reelwright::TrackReport", "%n video tracks")},
        {"audio", QT_TRANSLATE_NOOP("reelwright::TrackReport", "%n audio tracks")},
        {"subtitle", QT_TRANSLATE_NOOP("reelwright::TrackReport", "%n subtitle tracks")},
        {"picture subtitle",
         QT_TRANSLATE_NOOP("reelwright::TrackReport", "%n picture subtitle tracks")},
    };
    for (const Phrases& phrases : kPhrases) {
        if (kind == QLatin1String(phrases.kind)) {
            return QCoreApplication::translate("reelwright::TrackReport", phrases.text, nullptr,
                                               count);
        }
    }
    // A kind of a later version, read from a kept list: its own word.
    //: %1 is a kind of track, in English.
    return Text::tr("%n %1 tracks", nullptr, count).arg(kind);
}

// "Kept 1 video, 2 audio and 2 subtitle tracks, with the cover art." or none.
QString KeptSentence(const TrackReport::Counts& kept) {
    QStringList tracks;
    int total = 0;
    for (const auto& [count, phrase] :
         //: How many tracks of a kind were kept; "tracks" follows after the list.
         {std::pair{kept.video, Text::tr("%1 video")},
          //: How many tracks of a kind were kept; "tracks" follows after the list.
          std::pair{kept.audio, Text::tr("%1 audio")},
          //: How many tracks of a kind were kept; "tracks" follows after the list.
          std::pair{kept.subtitle, Text::tr("%1 subtitle")}}) {
        if (count > 0) {
            tracks << QString(phrase).arg(count);
            total += count;
        }
    }
    QStringList extras;
    if (kept.cover > 0) {
        extras << Text::tr("the cover art");
    }
    if (kept.font > 0) {
        extras << Fonts(kept.font);
    }
    if (!tracks.isEmpty() && extras.isEmpty()) {
        //: %1 lists the tracks kept by kind: "1 video, 2 audio and 2 subtitle"; %n counts them.
        return Text::tr("Kept %1 tracks.", nullptr, total).arg(Joined(tracks));
    }
    if (!tracks.isEmpty()) {
        //: %1 lists the tracks kept by kind, %2 the cover art and fonts kept; %n counts the tracks.
        return Text::tr("Kept %1 tracks, with %2.", nullptr, total)
            .arg(Joined(tracks), Joined(extras));
    }
    if (!extras.isEmpty()) {
        //: %1 is the cover art or fonts kept.
        return Text::tr("Kept %1.").arg(Joined(extras));
    }
    return QString();
}

// One group of tracks left out for one reason, with their languages: "1 subtitle track (eng):
// MP4 cannot hold picture subtitles".
QString LeftOutPart(const QString& kind, const QString& reason, const QStringList& languages) {
    QStringList named;
    for (const QString& language : languages) {
        if (!language.isEmpty() && !named.contains(language)) {
            named << language;
        }
    }
    const int count = static_cast<int>(languages.size());
    QString what = kind == QStringLiteral("cover")  ? Text::tr("the cover art")
                   : kind == QStringLiteral("font") ? Fonts(count)
                                                    : Tracks(count, kind);
    if (!named.isEmpty()) {
        QString codes = named.first();
        for (qsizetype i = 1; i < named.size(); ++i) {
            codes = Text::tr("%1, %2").arg(codes, named[i]);
        }
        //: %1 is what was left out, %2 the language codes of its tracks.
        what = Text::tr("%1 (%2)").arg(what, codes);
    }
    //: %1 is what was left out, %2 why.
    return Text::tr("%1: %2").arg(what, reason);
}

// Tracks left out for one reason are told together, with their languages.
QString LeftOutSentence(const std::vector<TrackReport::LeftOut>& leftOut) {
    std::vector<std::pair<std::pair<QString, QString>, QStringList>> groups;
    for (const TrackReport::LeftOut& track : leftOut) {
        const std::pair<QString, QString> key{track.kind, track.reason};
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&key](const auto& g) { return g.first == key; });
        if (group == groups.end()) {
            groups.push_back({key, {}});
            group = groups.end() - 1;
        }
        group->second << track.language;
    }
    QString parts;
    for (const auto& [key, languages] : groups) {
        const QString part = LeftOutPart(key.first, key.second, languages);
        //: Joins the groups of tracks left out, each with its reason.
        parts = parts.isEmpty() ? part : Text::tr("%1; %2").arg(parts, part);
    }
    if (parts.isEmpty()) {
        return QString();
    }
    //: %1 lists what was left out, each with its reason.
    return Text::tr("Left out: %1.").arg(parts);
}

}  // namespace

QString TrackReport::Sentence() const {
    QStringList sentences;
    for (const QString& sentence : {KeptSentence(kept), LeftOutSentence(leftOut)}) {
        if (!sentence.isEmpty()) {
            sentences << sentence;
        }
    }
    sentences << notes;
    return sentences.join(u' ');
}

}  // namespace reelwright
