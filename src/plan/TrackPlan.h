#pragma once

#include "engine/MediaTracks.h"
#include "engine/SourceFacts.h"
#include "plan/ContainerTable.h"
#include "plan/TrackReport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace reelwright {

struct TrackSelection;

// Which of a source's tracks go into its result, and how: made per file from the source's
// tracks, the container's row of the table and the format's options, which still decide the
// codecs. Its options go between the input and the format's options (the -map of each track
// kept) and after them (what a track needs of its own: a subtitle's codec, the cover's copy).
class TrackPlan {
  public:
    // Every audio and subtitle track, or one of each kind as the encoder picks by itself.
    enum class Choice { Every, First };

    // A file the encoder attaches to the result (a cover picture, for a container that keeps it
    // as an attached file): written beside the conversion before it starts.
    struct Attachment {
        QString fileName;
        QString mimeType;
        QByteArray bytes;
    };

    // The picture streams whose fields the plan needs the detector's word on, for a result of
    // `type` with the format's `options`: gathered into the facts before the plan is made.
    static std::vector<int> FieldLooksWanted(const MediaTracks& source, const QString& type,
                                             const QString& options);
    // The plan of a result of `type` (its extension) with the format's `options`. Made from
    // what it is given alone: it reads no file and runs nothing.
    // With `loudness`, each kept sound track is evened to that many LUFS, once the facts hold
    // what it measured (before that, SoundsToMeasure says what to measure).
    static TrackPlan Make(const SourceFacts& facts, const QString& type, const QString& options,
                          Choice choice, std::optional<double> loudness = std::nullopt);

    // The whole option text for the encoder, the attachments given by the paths they were
    // written to (in the order of Attachments()), the subtitle files beside the source by the
    // paths it reads them from (in the order of Sidecars(); none: they are not read).
    QString Options(const QStringList& attachmentPaths = {},
                    const QStringList& sidecarPaths = {}) const;
    // The subtitle files beside the source the encoder reads, in the order of their inputs:
    // every one found, once any of them joins the result.
    struct Sidecar {
        QString name;  // in the source's folder
        QByteArray text;
    };
    const std::vector<Sidecar>& Sidecars() const { return sidecars_; }
    const std::vector<Attachment>& Attachments() const { return attachments_; }

    // What the result must hold, and what the user is told was left out.
    const TrackReport::Counts& Promised() const { return promised_; }
    const TrackReport& Report() const { return report_; }
    // Whether the plan chose the tracks (false: the source could not be read, or the format's
    // options choose them themselves, and the encoder picks as it always did).
    bool Chose() const { return chose_; }
    // Why the format cannot be written at all: a track copied as it is into a container that
    // cannot hold its codec. One sentence naming both; none when it can.
    const std::optional<QString>& Refusal() const { return refusal_; }

    // Why a result does not hold what was promised, in one sentence naming it; none when it
    // does. `result` is what the finished file holds.
    std::optional<QString> Check(const MediaTracks& result, const QString& resultName) const;
    // The report of a result that passed the check: what it holds, and what was left out.
    TrackReport ReportFor(const MediaTracks& result) const;

    // The sound tracks to measure before their loudness is evened, and the encoder options to
    // measure them as encoded by (empty: as they are).
    const std::vector<SoundToMeasure>& SoundsToMeasure() const { return measures_; }
    const QStringList& MeasuringEncoding() const { return measuring_; }
    // The tracks whose limiter's settings are to be tried (measured as evened), and the
    // settings each limited track goes through, by stream.
    const std::vector<SoundToMeasure>& SoundsToTry() const { return tries_; }
    const std::map<int, LimiterTrial>& LimiterTrials() const { return limiters_; }

    // Counts of a file's tracks by the report's kinds.
    static TrackReport::Counts CountsOf(const MediaTracks& tracks);

  private:
    // The maps, options and attachments of the tracks chosen; `recoded` tells the pictures
    // copied that the container could not hold, `recoding` their codec options.
    void PlanStreams(const SourceFacts& facts, const TrackSelection& chosen,
                     const ContainerRules& rules, const QStringList& arguments,
                     const std::vector<bool>& recoded, QStringList recoding,
                     std::optional<double> loudness);
    // Each kept sound track's own filters: its layout, its loudness.
    QStringList PlanSounds(const SourceFacts& facts, const TrackSelection& chosen,
                           const ContainerRules& rules, const QStringList& arguments,
                           std::optional<double> loudness, QStringList& recoding);

    void JoinSidecars(const MediaTracks& source, const TrackSelection& chosen,
                      const ContainerRules& rules);

    bool chose_ = false;
    std::optional<QString> refusal_;
    bool checkable_ = true;
    QStringList before_;
    QString options_;
    QStringList after_;
    std::vector<Attachment> attachments_;
    std::vector<SoundToMeasure> measures_;
    std::vector<SoundToMeasure> tries_;
    std::map<int, LimiterTrial> limiters_;
    QStringList measuring_;
    int attachmentsMapped_ = 0;  // attachments copied from the source come first
    std::vector<Sidecar> sidecars_;
    QStringList sidecarMarks_;  // their languages and marks, from their names
    TrackReport::Counts promised_;
    TrackReport report_;
};

}  // namespace reelwright
