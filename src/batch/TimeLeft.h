#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace reelwright {

// How far a batch has come and when it will end: from the lengths of its files, the encoder's
// position in the current one and its speed (as the encoder says it, or as measured). Without a
// length nothing is guessed.
class TimeLeft {
  public:
    using Clock = std::function<double()>;  // seconds, from any fixed point
    static double SteadySeconds();

    explicit TimeLeft(Clock clock = &SteadySeconds) : clock_(std::move(clock)) {}

    // The lengths of the files the batch will take, in order; 0 where unknown.
    void Start(std::vector<double> lengths);
    void FileStarted(int index);
    // The current file's position, and the encoder's speed when it says it.
    void Position(double converted, std::optional<double> speed);
    void FileEnded();

    int FileIndex() const { return index_; }
    int FileCount() const { return static_cast<int>(lengths_.size()); }
    std::optional<int> Percent() const;
    std::optional<double> Speed() const;
    std::optional<double> FileSecondsLeft() const;
    std::optional<double> BatchSecondsLeft() const;

    // "45% of 3 files, 2:10 left", or without the lengths "File 2 of 3".
    QString ProgressText() const;
    // "2:10", "1:02:10".
    static QString ClockText(double seconds);

  private:
    double CurrentLength() const;
    bool AllLengthsKnown() const;

    Clock clock_;
    std::vector<double> lengths_;
    int index_ = -1;
    double done_ = 0;  // seconds of the files before the current one
    double converted_ = 0;
    double fileStarted_ = 0;
    std::optional<double> encoderSpeed_;
};

}  // namespace reelwright
