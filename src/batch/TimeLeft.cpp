#include "batch/TimeLeft.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace reelwright {

double TimeLeft::SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TimeLeft::Start(std::vector<double> lengths) {
    lengths_ = std::move(lengths);
    index_ = -1;
    done_ = 0;
    converted_ = 0;
    encoderSpeed_.reset();
}

void TimeLeft::FileStarted(int index) {
    done_ = 0;
    for (int i = 0; i < index && i < FileCount(); ++i) {
        done_ += lengths_[static_cast<std::size_t>(i)];
    }
    index_ = index;
    converted_ = 0;
    encoderSpeed_.reset();
    fileStarted_ = clock_();
}

void TimeLeft::Position(double converted, std::optional<double> speed) {
    converted_ = std::max(0.0, converted);
    if (speed && *speed > 0) {
        encoderSpeed_ = speed;
    }
}

void TimeLeft::FileEnded() {
    converted_ = CurrentLength();
}

double TimeLeft::CurrentLength() const {
    return index_ >= 0 && index_ < FileCount() ? lengths_[static_cast<std::size_t>(index_)] : 0;
}

bool TimeLeft::AllLengthsKnown() const {
    return !lengths_.empty() &&
           std::all_of(lengths_.begin(), lengths_.end(), [](double length) { return length > 0; });
}

std::optional<int> TimeLeft::Percent() const {
    if (!AllLengthsKnown() || index_ < 0) {
        return std::nullopt;
    }
    double total = 0;
    for (const double length : lengths_) {
        total += length;
    }
    const double done = done_ + std::min(converted_, CurrentLength());
    return static_cast<int>(std::clamp(100.0 * done / total, 0.0, 100.0));
}

std::optional<double> TimeLeft::Speed() const {
    if (encoderSpeed_) {
        return encoderSpeed_;
    }
    // Measured, once there is enough to measure.
    const double elapsed = clock_() - fileStarted_;
    if (index_ < 0 || elapsed < 1.0 || converted_ <= 0) {
        return std::nullopt;
    }
    return converted_ / elapsed;
}

std::optional<double> TimeLeft::FileSecondsLeft() const {
    const std::optional<double> speed = Speed();
    if (!speed || CurrentLength() <= 0) {
        return std::nullopt;
    }
    return std::max(0.0, CurrentLength() - converted_) / *speed;
}

std::optional<double> TimeLeft::BatchSecondsLeft() const {
    const std::optional<double> fileLeft = FileSecondsLeft();
    if (!fileLeft || !AllLengthsKnown()) {
        return std::nullopt;
    }
    double waiting = 0;
    for (int i = index_ + 1; i < FileCount(); ++i) {
        waiting += lengths_[static_cast<std::size_t>(i)];
    }
    return *fileLeft + waiting / *Speed();
}

QString TimeLeft::ProgressText() const {
    const int count = FileCount();
    const std::optional<int> percent = Percent();
    if (!percent) {
        // Without the lengths, no guess.
        return QStringLiteral("File %1 of %2").arg(FileIndex() + 1).arg(count);
    }
    QString text = QStringLiteral("%1% of %2 %3")
                       .arg(*percent)
                       .arg(count)
                       .arg(count == 1 ? QStringLiteral("file") : QStringLiteral("files"));
    if (const std::optional<double> left = BatchSecondsLeft()) {
        text += QStringLiteral(", %1 left").arg(ClockText(*left));
    }
    return text;
}

QString TimeLeft::ClockText(double seconds) {
    const auto whole = static_cast<long long>(std::ceil(std::max(0.0, seconds)));
    const long long hours = whole / 3600;
    const long long minutes = whole / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0) {
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(secondsText);
    }
    return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
}

}  // namespace reelwright
