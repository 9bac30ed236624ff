#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace reelwright {

// How far a batch has come and when it will end: from the lengths of its files, the encoder's
// position in each running one and its speed (as the encoder says it, or as measured). Several
// files may run at once; files before one that starts, and not running, are done. Without a
// length nothing is guessed.
class TimeLeft {
  public:
    using Clock = std::function<double()>;  // seconds, from any fixed point
    static double SteadySeconds();

    explicit TimeLeft(Clock clock = &SteadySeconds) : clock_(std::move(clock)) {}

    // The lengths of the files the batch will take, in order; 0 where unknown.
    void Start(std::vector<double> lengths);
    void FileStarted(int index);
    // A file joins the batch after the others.
    void AddFile(double length);
    // A running file's position, and the encoder's speed when it says it.
    void Position(int index, double converted, std::optional<double> speed);
    void FileEnded(int index);
    // The same for the file started last.
    void Position(double converted, std::optional<double> speed) {
        Position(latest_, converted, speed);
    }
    void FileEnded() { FileEnded(latest_); }

    int FileIndex() const { return latest_; }
    int FileCount() const { return static_cast<int>(files_.size()); }
    std::optional<int> Percent() const;
    // How much of a started file the encoder has converted, in seconds of it.
    std::optional<double> Converted(int index) const;
    std::optional<double> Speed(int index) const;
    std::optional<double> Speed() const { return Speed(latest_); }
    std::optional<double> FileSecondsLeft(int index) const;
    std::optional<double> FileSecondsLeft() const { return FileSecondsLeft(latest_); }
    // From all running files: what is left of the batch at the speed they went together over
    // the last seconds (so one file's jittery speed does not make it jump back and forth). Once
    // known it stays known: while a file that has just started says nothing yet, the speed
    // seen last stands for it.
    std::optional<double> BatchSecondsLeft() const;
    // The speeds behind both times left are believed gradually: once measured over
    // kShortestMeasure seconds they follow what is measured by at most kMostChange of themselves
    // in kSmoothingSeconds, so a time left moves with the work done and by no more than that.
    static constexpr double kMostChange = 1.25;
    // The speed of the batch, in seconds of video per second.
    std::optional<double> BatchSpeed() const;
    // How far back the batch's speed is measured, and how long it must be watched before the
    // measure is believed over the encoder's word.
    static constexpr double kSmoothingSeconds = 10;
    static constexpr double kShortestMeasure = 3;

    // "45% of 3 files, 2:10 left", or without the lengths "File 2 of 3".
    QString ProgressText() const;
    // "2:10", "1:02:10".
    static QString ClockText(double seconds);

    // Encoder speeds believed, as times real time; a time left beyond the longest wait is no
    // guess worth showing.
    static constexpr double kSlowestSpeed = 1e-4;
    static constexpr double kFastestSpeed = 1e5;
    static constexpr double kLongestWait = 1e9;

  private:
    // A speed believed from measures that come and go.
    struct Belief {
        std::optional<double> speed;
        bool settled = false;  // measured long enough to be believed over what comes next
        double at = 0;         // the clock's, at the last measure
        void Follow(double now, double measured, bool sure);
    };
    struct File {
        double length = 0;
        double converted = 0;
        double started = 0;
        std::optional<double> encoderSpeed;
        Belief believed;
        enum class State { Waiting, Running, Ended } state = State::Waiting;
    };
    bool Valid(int index) const { return index >= 0 && index < FileCount(); }
    static std::optional<double> Sensible(double seconds);
    bool AllLengthsKnown() const;

    // The encoders' own speeds added up, when every running file has one.
    std::optional<double> SaidSpeed() const;

    struct Sample {
        double at = 0;    // the clock's
        double work = 0;  // seconds of video converted by the batch so far
    };
    Clock clock_;
    std::vector<File> files_;
    int latest_ = -1;
    double work_ = 0;
    std::vector<Sample> samples_;  // the last kSmoothingSeconds, oldest first
    Belief batchSpeed_;
};

}  // namespace reelwright
