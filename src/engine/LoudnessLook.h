#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace reelwright {

class DOSOutputs;

// What the EBU R 128 meter read of one sound track: integrated loudness (LUFS), true peak
// (dBTP), loudness range (LU) and the gate's threshold (LUFS).
struct Loudness {
    double integrated = -INFINITY;
    double truePeak = -INFINITY;
    double range = 0;
    double threshold = -70;

    // False for a track nothing of which passes the meter's absolute gate (-70 LUFS): silence,
    // or so near it that no gain could make a level of it.
    bool Audible() const { return std::isfinite(integrated) && integrated > -70.0; }
    bool operator==(const Loudness&) const = default;
};

// A limiter tried on a track that one gain cannot even without passing the peak limit: the gain
// before it, the level it holds peaks to, and what the two gave once encoded.
struct LimiterTrial {
    double gain = 0;       // dB
    double ceiling = -2;   // dBFS, at four times the usual rate
    std::optional<Loudness> gave;  // none: not yet tried
    // The settings tried so far that kept the peaks under the limit nearest the target, and
    // what they gave.
    double bestGain = 0;
    double bestCeiling = 0;
    std::optional<Loudness> bestGave;
    bool operator==(const LimiterTrial&) const = default;
};

// One sound track to be measured: its stream in the source, and the filters that make it what
// the encoder is to be given (a mix down, the format's own filter), measured after them.
struct SoundToMeasure {
    QString shaping;
    int stream = 0;
    bool operator==(const SoundToMeasure&) const = default;
};

// The encoder's options (after the input) that measure each of `sounds` in one run, reading
// sound alone; `encoded` when the input is the sounds as encoded, in their order and shaped.
QString LoudnessLookOptions(const std::vector<SoundToMeasure>& sounds, bool encoded = false);

// The meter's readings in the encoder's text, by stream; a stream missing was not read.
std::map<int, Loudness> LoudnessFromAnalysis(const QString& text);

// The measuring run of one source, stoppable, a piece at a time beside other work, or whole.
// Given the options of a lossy encoder, the sounds are encoded with them first, and what the
// encoder made is measured: a player hears that, not the source.
class LoudnessLook : public QObject {
    Q_OBJECT

  public:
    LoudnessLook(QString path, std::vector<SoundToMeasure> sounds, QStringList encoding = {},
                 QObject* parent = nullptr);
    ~LoudnessLook() override;

    // Begin (false when it ended at its start), then Pump until it answers false.
    bool Begin();
    bool Pump(int waitMs);
    int OutputFd() const;
    // To its end, the window kept alive.
    void Run();
    void Stop();

    bool Stopped() const { return stopped_; }
    // Why the sound could not be measured; empty when it was.
    const QString& Failure() const { return failure_; }
    const std::map<int, Loudness>& Found() const { return found_; }
    // The command lines of the run, in their order.
    QStringList CommandLines() const;

  signals:
    // How far the reading has come, in seconds of the source.
    void Reached(double seconds);
    // Each piece of the encoder's text, for the log.
    void Text(const QString& piece);
    // A command of the run after the first begins.
    void NextCommand(const QString& commandLine);

  private:
    void Receive(const QString& piece);
    // A runner of its own for the next command, which it returns.
    QString TakeNext(const QStringList& commands);
    // Starts the next command; false when none is left or it could not start.
    bool BeginNext();
    // Whether the command that ended went well enough for the next to follow.
    bool RanWell() const;
    void Judge();

    QString path_;
    std::vector<SoundToMeasure> sounds_;
    QStringList encoding_;
    std::unique_ptr<QTemporaryDir> encoded_;  // the sounds as encoded, while they are measured
    int next_ = 0;
    std::unique_ptr<DOSOutputs> runner_;
    QString text_;
    bool stopped_ = false;
    QString failure_;
    std::map<int, Loudness> found_;
};

}  // namespace reelwright
