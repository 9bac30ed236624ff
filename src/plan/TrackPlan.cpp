#include "plan/TrackPlan.h"

#include "plan/CopyPlan.h"
#include "plan/LoudnessPlan.h"
#include "plan/PicturePlan.h"
#include "plan/SoundLayout.h"
#include "plan/TrackMarks.h"
#include "plan/TrackSelection.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <tuple>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TrackPlan)
};

using Kind = MediaTracks::Kind;
using Many = ContainerRules::Many;
using Track = MediaTracks::Track;

// A language's code as the classic QuickTime table has it (tried with the MOV writer: of the
// two ISO 639-2 codes it takes one, and drops the other).
QString ClassicCode(const QString& language) {
    static const QHash<QString, QString> kClassic{
        {"sqi", "alb"}, {"hye", "arm"}, {"eus", "baq"}, {"mya", "bur"}, {"zho", "chi"},
        {"nld", "dut"}, {"kat", "geo"}, {"deu", "ger"}, {"ell", "gre"}, {"isl", "ice"},
        {"mkd", "mac"}, {"msa", "may"}, {"fas", "per"}, {"bod", "tib"}, {"cym", "wel"},
        {"swe", "sve"}, {"cze", "ces"}, {"fre", "fra"}, {"rum", "ron"}, {"slo", "slk"}};
    return kClassic.value(language, language);
}

// Codecs whose pictures may be interlaced without the file saying so.
const QStringList kMaybeInterlaced{"mpeg2video", "dvvideo", "h264", "vc1", "mpeg4"};

QString Map(const Track& track) {
    return QStringLiteral("%1:%2").arg(track.input).arg(track.index);
}

bool Has(const QStringList& arguments, const QString& option) {
    return arguments.contains(option);
}

// A cover's file name when it has none of its own.
QString CoverName(const Track& cover) {
    if (!cover.fileName.isEmpty()) {
        return QFileInfo(cover.fileName).fileName();
    }
    if (cover.codec == QStringLiteral("png") || cover.mimeType.endsWith(QStringLiteral("png"))) {
        return QStringLiteral("cover.png");
    }
    return QStringLiteral("cover.jpg");
}

QString CoverMimeType(const Track& cover) {
    if (!cover.mimeType.isEmpty()) {
        return cover.mimeType;
    }
    return CoverName(cover).endsWith(QStringLiteral(".png")) ? QStringLiteral("image/png")
                                                             : QStringLiteral("image/jpeg");
}

// The name of an option that applies to every picture track ("-vf", "-vtag", "-profile:v"...),
// for giving it to each by number; empty for any other (the codec is left alone: the cover's
// own comes after it and wins).
QString PictureOption(const QString& argument) {
    if (argument == QStringLiteral("-vf")) {
        return QStringLiteral("filter");
    }
    if (argument == QStringLiteral("-vtag")) {
        return QStringLiteral("tag");
    }
    static const QRegularExpression kForPictures(QStringLiteral("^-([a-z_]+):v$"));
    const QRegularExpressionMatch match = kForPictures.match(argument);
    if (!match.hasMatch() || match.captured(1) == QStringLiteral("c") ||
        match.captured(1) == QStringLiteral("codec")) {
        return QString();
    }
    return match.captured(1);
}


// Arguments as one text, quoted only where the splitter needs it, so the log reads plainly.
QString Quoted(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments) {
        const bool plain = !argument.isEmpty() && !argument.contains(u' ') &&
                           !argument.contains(u'\t') && !argument.contains(u'"');
        quoted << (plain ? argument : QuoteArgument(argument));
    }
    return quoted.join(u' ');
}

}  // namespace

namespace {

void AddNotes(QStringList& notes, const QStringList& more) {
    for (const QString& note : more) {
        if (!notes.contains(note)) {
            notes << note;
        }
    }
}

// Whether a picture track's fields are for the detector to tell: its codec may be interlaced,
// and its file says nothing, says interlaced (whole pictures in an interlaced wrapper are
// common), or says progressive from the first frames of a broadcast or disc stream, which
// turns interlaced around adverts and between programmes.
bool MayBeInterlaced(const Track& video, const QString& container) {
    if (!kMaybeInterlaced.contains(video.codec)) {
        return false;
    }
    static const QStringList kBroadcast{"mpegts", "mpeg", "mpegvideo"};
    return video.look.fieldOrder != QStringLiteral("progressive") ||
           kBroadcast.contains(container);
}

// The format a picture track is encoded with: the format's own, or the container's codec for a
// copy the container could not hold.
PicturePlan::Format PictureFormat(const QStringList& arguments, const ContainerRules& rules,
                                  bool recoded) {
    return recoded ? PicturePlan::Format::Of({QStringLiteral("-c:v"), rules.videoCodec})
                   : PicturePlan::Format::Of(arguments);
}

// Each picture as its source meant it: HDR, fields, range and colour tags.
std::vector<PicturePlan> PlanPictures(const SourceFacts& facts, const TrackSelection& chosen,
                                      const ContainerRules& rules, const QStringList& arguments,
                                      const std::vector<bool>& recoded) {
    std::vector<PicturePlan> pictures;
    for (std::size_t i = 0; i < chosen.videos.size(); ++i) {
        const Track& video = *chosen.videos[i];
        const std::optional<FieldVerdict> looked = MayBeInterlaced(video, facts.tracks.container)
                                                       ? facts.FieldsOf(video.index)
                                                       : std::nullopt;
        pictures.push_back(PicturePlan::Make(video.look, PictureFormat(arguments, rules, recoded[i]),
                                             static_cast<int>(i), looked,
                                             facts.BarsOf(video.index)));
    }
    return pictures;
}

// The format's options for every picture track would reach the cover too, which is copied: a
// filter, a codec tag or a named profile there stops the encoder. They go to each encoded
// picture track by its number instead, its own filters before the format's, in one chain.
QStringList PerPictureOptions(const QStringList& arguments,
                              const std::vector<PicturePlan>& pictures) {
    QStringList rewritten;
    bool hadFilter = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = PictureOption(arguments[i]);
        if (name.isEmpty() || i + 1 >= arguments.size()) {
            rewritten << arguments[i];
            continue;
        }
        const bool filter = name == QStringLiteral("filter");
        hadFilter = hadFilter || filter;
        for (std::size_t video = 0; video < pictures.size(); ++video) {
            QString value = arguments[i + 1];
            if (filter && !pictures[video].filters.isEmpty()) {
                value = pictures[video].filters + u',' + value;
            }
            rewritten << QStringLiteral("-%1:v:%2").arg(name).arg(video) << value;
        }
        ++i;
    }
    for (std::size_t video = 0; !hadFilter && video < pictures.size(); ++video) {
        if (!pictures[video].filters.isEmpty()) {
            rewritten << QStringLiteral("-filter:v:%1").arg(video) << pictures[video].filters;
        }
    }
    return rewritten;
}

// Languages the classic QuickTime table spells its own way.
QStringList ClassicLanguageOptions(const TrackSelection& chosen) {
    QStringList options;
    using Group = std::pair<const std::vector<const Track*>*, char>;
    for (const auto& [group, letter] :
         {Group{&chosen.videos, 'v'}, Group{&chosen.audios, 'a'}, Group{&chosen.subtitles, 's'}}) {
        for (std::size_t i = 0; i < group->size(); ++i) {
            const QString& language = (*group)[i]->language;
            if (ClassicCode(language) != language) {
                options << QStringLiteral("-metadata:s:%1:%2").arg(QChar::fromLatin1(letter)).arg(i)
                        << QStringLiteral("language=") + ClassicCode(language);
            }
        }
    }
    return options;
}

// What goes after the format's options: the codecs of tracks encoded after all, tags, each
// picture's own options, the subtitles' codecs, languages and the covers' handling.
QStringList AfterOptions(const TrackSelection& chosen, const ContainerRules& rules,
                         const QStringList& arguments, const std::vector<bool>& recoded,
                         const QStringList& recoding, const std::vector<PicturePlan>& pictures,
                         const QStringList& sounds, bool coverInStream) {
    QStringList after = recoding;
    for (std::size_t i = 0; i < chosen.videos.size(); ++i) {
        // Players of MP4 and MOV (Apple's, TVs) look for HEVC under this tag.
        if (Copies(arguments, 'v') && !recoded[i] &&
            chosen.videos[i]->codec == QStringLiteral("hevc") &&
            rules.textCodec == QStringLiteral("mov_text")) {
            after << QStringLiteral("-tag:v:%1").arg(i) << QStringLiteral("hvc1");
        }
    }
    for (const PicturePlan& picture : pictures) {
        after << picture.options;
    }
    after << sounds << TrackMarks::Options(chosen, rules);
    for (qsizetype i = 0; i < chosen.subtitleCodecs.size(); ++i) {
        after << QStringLiteral("-c:s:%1").arg(i) << chosen.subtitleCodecs[i];
    }
    if (rules.classicLanguageCodes) {
        after << ClassicLanguageOptions(chosen);
    }
    for (std::size_t k = 0; coverInStream && k < chosen.covers.size(); ++k) {
        const QString stream = QString::number(chosen.videos.size() + k);
        // As it is: its own codec, no codec tag of the picture's, shown as the cover.
        after << QStringLiteral("-c:v:") + stream << QStringLiteral("copy")
              << QStringLiteral("-tag:v:") + stream << QStringLiteral("0")
              << QStringLiteral("-disposition:v:") + stream << QStringLiteral("attached_pic");
    }
    return after;
}

QStringList MapOptions(const TrackSelection& chosen, bool coverInStream) {
    QStringList maps;
    for (const std::vector<const Track*>* group :
         {&chosen.videos, &chosen.audios, &chosen.subtitles, &chosen.fonts}) {
        for (const Track* track : *group) {
            maps << QStringLiteral("-map") << Map(*track);
        }
    }
    for (const Track* cover : coverInStream ? chosen.covers : std::vector<const Track*>()) {
        maps << QStringLiteral("-map") << Map(*cover);
    }
    return maps;
}

}  // namespace

std::vector<int> TrackPlan::FieldLooksWanted(const MediaTracks& source, const QString& type,
                                             const QString& options) {
    std::vector<int> streams;
    const std::optional<QStringList> arguments = SplitArguments(options);
    if (!source.readable || !arguments || Has(*arguments, QStringLiteral("-map")) ||
        Has(*arguments, QStringLiteral("-vn"))) {
        return streams;
    }
    const ContainerRules rules = RulesFor(type);
    for (const Track& track : source.tracks) {
        if (track.kind != Kind::Video || !MayBeInterlaced(track, source.container)) {
            continue;
        }
        // A copy the container cannot hold is encoded with the container's codec after all.
        const bool recoded = Copies(*arguments, 'v') && !track.codec.isEmpty() &&
                             !rules.HoldsAsIs(track.codec, true) && !rules.videoCodec.isEmpty();
        if (PicturePlan::WantsFieldLook(track.look, PictureFormat(*arguments, rules, recoded))) {
            streams.push_back(track.index);
        }
    }
    return streams;
}

TrackPlan TrackPlan::Make(const SourceFacts& facts, const QString& type, const QString& options,
                          Choice choice, std::optional<double> loudness) {
    TrackPlan plan;
    plan.options_ = options;
    const MediaTracks& source = facts.tracks;
    if (source.notAFile) {
        // The encoder would wait on a pipe for ever, or read a device without end.
        //: %1 says what the source is instead of a file ("it is a named pipe, not a regular
        //: file").
        plan.refusal_ =
            Text::tr("The source was not read: %1, so nothing was converted.").arg(source.problem);
        return plan;
    }
    if (!source.readable) {
        //: %1 is why the file's tracks could not be read.
        plan.report_.notes << Text::tr(
                                  "Its tracks could not be read (%1), so the encoder chose "
                                  "one of each kind.")
                                  .arg(source.problem);
        return plan;
    }
    const std::optional<QStringList> arguments = SplitArguments(options);
    if (!arguments || Has(*arguments, QStringLiteral("-map"))) {
        return plan;  // the format picks its tracks itself
    }
    const ContainerRules rules = RulesFor(type);
    plan.checkable_ = rules.describesItself;
    TrackSelection chosen = TrackSelection::Make(source, rules, *arguments, choice == Choice::Every);
    TrackMarks::PutDefaultFirst(chosen, rules);
    plan.report_.leftOut = chosen.leftOut;
    if (chosen.KeepsNothing()) {
        return plan;  // nothing the plan can keep: the encoder says what is wrong
    }
    plan.chose_ = true;
    if (source.Count(Kind::Video) == 0 && !chosen.audios.empty() && rules.video != Many::None &&
        !Has(*arguments, QStringLiteral("-vn"))) {
        plan.report_.notes << Text::tr("The source has no picture: only its sound was kept.");
    }
    plan.JoinSidecars(source, chosen, rules);
    const CopyPlan copy = CopyPlan::Make(chosen, rules, *arguments);
    AddNotes(plan.report_.notes, copy.notes);
    if (copy.refusal) {
        plan.refusal_ = copy.refusal;
        return plan;
    }
    plan.PlanStreams(facts, chosen, rules, *arguments, copy.recoded, copy.recoding, loudness);
    return plan;
}

namespace {

// What a subtitle file's name says of it, given to its track: the source's own tracks bring
// theirs with them.
QStringList SidecarMarks(const Track& subtitle, int number, const ContainerRules& rules) {
    QStringList marks;
    const QString stream = QStringLiteral(":s:s:%1").arg(number);
    if (!subtitle.language.isEmpty() && rules.languages) {
        marks << QStringLiteral("-metadata") + stream
              << QStringLiteral("language=") + subtitle.language;
    }
    if (!subtitle.title.isEmpty() && rules.titles == ContainerRules::Titles::Held) {
        marks << QStringLiteral("-metadata") + stream << QStringLiteral("title=") + subtitle.title;
    }
    QStringList disposition;
    if (subtitle.isDefault && rules.defaultMark) {
        disposition << QStringLiteral("default");
    }
    if (subtitle.forced && rules.forcedMark) {
        disposition << QStringLiteral("forced");
    }
    if (!disposition.isEmpty()) {
        marks << QStringLiteral("-disposition:s:%1").arg(number) << disposition.join(u'+');
    }
    return marks;
}

}  // namespace

// Subtitle files beside the source: each is an input of its own, and the row names those that
// joined the result.
void TrackPlan::JoinSidecars(const MediaTracks& source, const TrackSelection& chosen,
                             const ContainerRules& rules) {
    QStringList joined;
    for (std::size_t k = 0; k < chosen.subtitles.size(); ++k) {
        const Track& subtitle = *chosen.subtitles[k];
        if (subtitle.input > 0) {
            joined << subtitle.sidecar;
            sidecarMarks_ << SidecarMarks(subtitle, static_cast<int>(k), rules);
        }
    }
    if (joined.isEmpty()) {
        return;
    }
    for (const Track& track : source.tracks) {
        if (track.input > 0) {
            sidecars_.push_back({track.sidecar, track.sidecarText});
        }
    }
    //: %1 lists subtitle files beside the video, such as "film.en.srt, film.de.srt".
    report_.notes << Text::tr("Subtitles beside the video joined it: %1.")
                         .arg(joined.join(QStringLiteral(", ")));
}

void TrackPlan::PlanStreams(const SourceFacts& facts, const TrackSelection& chosen,
                            const ContainerRules& rules, const QStringList& arguments,
                            const std::vector<bool>& recoded, QStringList recoding,
                            std::optional<double> loudness) {
    const std::vector<PicturePlan> pictures =
        PlanPictures(facts, chosen, rules, arguments, recoded);
    bool filtered = false;
    for (const PicturePlan& picture : pictures) {
        filtered = filtered || !picture.filters.isEmpty();
        AddNotes(report_.notes, picture.notes);
    }
    const bool coverInStream =
        rules.cover == ContainerRules::Cover::AsCover && !chosen.covers.empty();
    before_ = MapOptions(chosen, coverInStream);
    if (coverInStream || filtered) {
        // The maps choose the tracks; a -vn of the format would drop the cover mapped as well.
        QStringList given = arguments;
        if (coverInStream) {
            given.removeAll(QStringLiteral("-vn"));
        }
        options_ = Quoted(PerPictureOptions(given, pictures));
    }
    const QStringList sounds = PlanSounds(facts, chosen, rules, arguments, loudness, recoding);
    AddNotes(report_.notes, TrackMarks::Dropped(chosen, rules));
    after_ = AfterOptions(chosen, rules, arguments, recoded, recoding, pictures, sounds,
                          coverInStream);
    if (!coverInStream && rules.cover == ContainerRules::Cover::AsAttachment) {
        for (const Track* cover : chosen.covers) {
            attachments_.push_back({CoverName(*cover), CoverMimeType(*cover), cover->picture});
        }
    }
    attachmentsMapped_ = static_cast<int>(chosen.fonts.size());
    promised_ = {static_cast<int>(chosen.videos.size()), static_cast<int>(chosen.audios.size()),
                 static_cast<int>(chosen.subtitles.size()), static_cast<int>(chosen.covers.size()),
                 static_cast<int>(chosen.fonts.size())};
}

QStringList TrackPlan::PlanSounds(const SourceFacts& facts, const TrackSelection& chosen,
                                  const ContainerRules& rules, const QStringList& arguments,
                                  std::optional<double> loudness, QStringList& recoding) {
    if (loudness && LoudnessPlan::FiltersItself(arguments)) {
        AddNotes(report_.notes, {LoudnessPlan::FiltersItselfNote()});
        loudness.reset();
    }
    // A copy's sound is encoded to be evened, with the container's codec.
    const QString evenEncoder =
        loudness && Copies(arguments, 'a') ? LoudnessPlan::CopyEncoder(rules) : QString();
    const bool copies = Copies(arguments, 'a') && evenEncoder.isEmpty();
    if (loudness && !chosen.audios.empty() && Copies(arguments, 'a')) {
        AddNotes(report_.notes,
                 {LoudnessPlan::CopiedNote(rules, evenEncoder, Copies(arguments, 'v'))});
    }
    QStringList options;
    for (std::size_t i = 0; i < chosen.audios.size(); ++i) {
        const Track& sound = *chosen.audios[i];
        if (copies && (sound.codec.isEmpty() || rules.HoldsAsIs(sound.codec, false))) {
            continue;
        }
        const QString encoder = !evenEncoder.isEmpty() ? evenEncoder
                                : copies              ? rules.audioCodec
                                                      : SoundLayout::EncoderIn(arguments);
        const SoundLayout layout = SoundLayout::For(sound, encoder, arguments);
        QString filter = layout.filter;
        if (layout.note) {
            AddNotes(report_.notes, {*layout.note});
        }
        if (!evenEncoder.isEmpty()) {
            recoding << QStringLiteral("-c:a:%1").arg(i) << evenEncoder
                     << QStringLiteral("-b:a:%1").arg(i) << LoudnessPlan::CopyRate(sound.channels);
        }
        if (loudness) {
            const LoudnessPlan::TrackEvening evening = LoudnessPlan::ForTrack(
                sound, arguments, layout.filter, *loudness, facts,
                chosen.audios.size() > 1 ? static_cast<int>(i) + 1 : 0);
            measures_.push_back(evening.measure);
            if (evening.limiter) {
                limiters_[sound.index] = *evening.limiter;
            }
            if (evening.limiter && !evening.limiter->gave) {
                tries_.push_back({evening.filter, sound.index});
            }
            filter = evening.filter.isEmpty() ? filter : evening.filter;
            if (!evening.note.isEmpty()) {
                AddNotes(report_.notes, {evening.note});
            }
        }
        if (!filter.isEmpty()) {
            options << QStringLiteral("-filter:a:%1").arg(i) << filter;
        }
    }
    if (!measures_.empty()) {
        measuring_ = LoudnessPlan::EncodingOf(arguments, rules, !evenEncoder.isEmpty(),
                                              chosen.audios.front()->channels)
                         .options;
    }
    return options;
}

QString TrackPlan::Options(const QStringList& attachmentPaths,
                           const QStringList& sidecarPaths) const {
    QStringList after = after_;
    for (std::size_t k = 0;
         k < attachments_.size() && static_cast<qsizetype>(k) < attachmentPaths.size(); ++k) {
        const QString stream = QString::number(attachmentsMapped_ + static_cast<int>(k));
        after << QStringLiteral("-attach") << attachmentPaths[static_cast<qsizetype>(k)]
              << QStringLiteral("-metadata:s:t:") + stream
              << QStringLiteral("mimetype=") + attachments_[k].mimeType
              << QStringLiteral("-metadata:s:t:") + stream
              << QStringLiteral("filename=") + attachments_[k].fileName;
    }
    QStringList parts;
    // The inputs come before every option of the result's.
    QStringList inputs;
    for (qsizetype k = 0; !sidecars_.empty() && k < sidecarPaths.size(); ++k) {
        inputs << QStringLiteral("-i") << sidecarPaths[k];
    }
    if (!inputs.isEmpty()) {
        parts << Quoted(inputs);
    }
    if (!before_.isEmpty()) {
        parts << Quoted(before_);
    }
    parts << options_;
    after << sidecarMarks_;
    if (!after.isEmpty()) {
        parts << Quoted(after);
    }
    return parts.join(u' ');
}

TrackReport::Counts TrackPlan::CountsOf(const MediaTracks& tracks) {
    return {tracks.Count(Kind::Video), tracks.Count(Kind::Audio), tracks.Count(Kind::Subtitle),
            tracks.Count(Kind::Cover), tracks.Count(Kind::Font)};
}

std::optional<QString> TrackPlan::Check(const MediaTracks& result,
                                        const QString& resultName) const {
    if (!chose_ || !checkable_) {
        return std::nullopt;
    }
    const QString name = QDir::toNativeSeparators(resultName);
    if (!result.readable) {
        //: %1 is the converted file, %2 why it cannot be read.
        return Text::tr("The converted file %1 cannot be read back (%2), so it was not kept.")
            .arg(name, result.problem);
    }
    const TrackReport::Counts held = CountsOf(result);
    QStringList missing;
    // "the audio track" when there was one, "1 of the 2 audio tracks" when there were more.
    const auto lacks = [&missing](int held, int promised, const QString& one, const char* many) {
        if (held < promised) {
            missing << (promised == 1 ? one
                                      : Text::tr(many, nullptr, promised).arg(promised - held));
        }
    };
    //: What a converted file lacks: the one video track it was to hold.
    lacks(held.video, promised_.video, Text::tr("the video track"),
          //: What a converted file lacks: %1 of the %n tracks it was to hold.
          QT_TRANSLATE_NOOP("reelwright::TrackPlan", "%1 of the %n video tracks"));
    //: What a converted file lacks: the one audio track it was to hold.
    lacks(held.audio, promised_.audio, Text::tr("the audio track"),
          //: What a converted file lacks: %1 of the %n tracks it was to hold.
          QT_TRANSLATE_NOOP("reelwright::TrackPlan", "%1 of the %n audio tracks"));
    //: What a converted file lacks: the one subtitle track it was to hold.
    lacks(held.subtitle, promised_.subtitle, Text::tr("the subtitle track"),
          //: What a converted file lacks: %1 of the %n tracks it was to hold.
          QT_TRANSLATE_NOOP("reelwright::TrackPlan", "%1 of the %n subtitle tracks"));
    //: What a converted file lacks: the one cover picture it was to hold.
    lacks(held.cover, promised_.cover, Text::tr("the cover picture"),
          //: What a converted file lacks: %1 of the %n cover pictures it was to hold.
          QT_TRANSLATE_NOOP("reelwright::TrackPlan", "%1 of the %n cover pictures"));
    //: What a converted file lacks: the one font it was to hold.
    lacks(held.font, promised_.font, Text::tr("the font"),
          //: What a converted file lacks: %1 of the %n fonts it was to hold.
          QT_TRANSLATE_NOOP("reelwright::TrackPlan", "%1 of the %n fonts"));
    if (missing.isEmpty()) {
        return std::nullopt;
    }
    QString lacking = missing.front();
    for (qsizetype i = 1; i + 1 < missing.size(); ++i) {
        //: Joins the kinds of tracks a converted file lacks.
        lacking = Text::tr("%1, %2").arg(lacking, missing[i]);
    }
    if (missing.size() > 1) {
        //: Joins the last of what a converted file lacks: "the video track and the font".
        lacking = Text::tr("%1 and %2").arg(lacking, missing.last());
    }
    //: %1 is the converted file, %2 what it lacks.
    return Text::tr("The converted file %1 lacks %2 it was to keep, so it was not kept.")
        .arg(name, lacking);
}

TrackReport TrackPlan::ReportFor(const MediaTracks& result) const {
    TrackReport report = report_;
    report.kept = CountsOf(result);
    return report;
}

}  // namespace reelwright
