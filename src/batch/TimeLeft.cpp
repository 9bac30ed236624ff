#include "batch/TimeLeft.h"

#include "platform/PlayLength.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace reelwright {

double TimeLeft::SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TimeLeft::Start(std::vector<double> lengths) {
    files_.clear();
    for (const double length : lengths) {
        File file;
        file.length = BelievedLength(length);
        files_.push_back(file);
    }
    latest_ = -1;
}

void TimeLeft::AddFile(double length) {
    File file;
    file.length = BelievedLength(length);
    files_.push_back(file);
}

void TimeLeft::FileStarted(int index) {
    if (!Valid(index)) {
        return;
    }
    for (int i = 0; i < index; ++i) {
        File& before = files_[static_cast<std::size_t>(i)];
        if (before.state == File::State::Waiting) {
            before.state = File::State::Ended;  // converted, failed or passed over
        }
    }
    File& file = files_[static_cast<std::size_t>(index)];
    file.state = File::State::Running;
    file.converted = 0;
    file.encoderSpeed.reset();
    file.started = clock_();
    latest_ = index;
}

void TimeLeft::Position(int index, double converted, std::optional<double> speed) {
    if (!Valid(index)) {
        return;
    }
    File& file = files_[static_cast<std::size_t>(index)];
    if (std::isfinite(converted)) {
        file.converted = std::clamp(converted, 0.0, kLongestPlaySeconds);
    }
    if (speed && *speed >= kSlowestSpeed && *speed <= kFastestSpeed) {
        file.encoderSpeed = speed;
    }
}

void TimeLeft::FileEnded(int index) {
    if (Valid(index)) {
        files_[static_cast<std::size_t>(index)].state = File::State::Ended;
    }
}

bool TimeLeft::AllLengthsKnown() const {
    return !files_.empty() && std::all_of(files_.begin(), files_.end(),
                                          [](const File& file) { return file.length > 0; });
}

std::optional<int> TimeLeft::Percent() const {
    if (!AllLengthsKnown() || latest_ < 0) {
        return std::nullopt;
    }
    double total = 0;
    double done = 0;
    for (const File& file : files_) {
        total += file.length;
        done +=
            file.state == File::State::Ended ? file.length : std::min(file.converted, file.length);
    }
    const double percent = 100.0 * done / total;
    return std::isfinite(percent) ? static_cast<int>(std::clamp(percent, 0.0, 100.0)) : 0;
}

std::optional<double> TimeLeft::Converted(int index) const {
    if (!Valid(index) || files_[static_cast<std::size_t>(index)].state == File::State::Waiting) {
        return std::nullopt;
    }
    return files_[static_cast<std::size_t>(index)].converted;
}

std::optional<double> TimeLeft::Speed(int index) const {
    if (!Valid(index)) {
        return std::nullopt;
    }
    const File& file = files_[static_cast<std::size_t>(index)];
    if (file.encoderSpeed) {
        return file.encoderSpeed;
    }
    // Measured, once there is enough to measure.
    const double elapsed = clock_() - file.started;
    if (file.state != File::State::Running || elapsed < 1.0 || file.converted <= 0) {
        return std::nullopt;
    }
    return file.converted / elapsed;
}

std::optional<double> TimeLeft::FileSecondsLeft(int index) const {
    const std::optional<double> speed = Speed(index);  // none for an index out of range
    if (!speed) {
        return std::nullopt;
    }
    const File& file = files_[static_cast<std::size_t>(index)];
    if (file.length <= 0) {
        return std::nullopt;
    }
    return Sensible(std::max(0.0, file.length - file.converted) / *speed);
}

std::optional<double> TimeLeft::BatchSecondsLeft() const {
    if (!AllLengthsKnown()) {
        return std::nullopt;
    }
    double speed = 0;
    double left = 0;
    for (int i = 0; i < FileCount(); ++i) {
        const File& file = files_[static_cast<std::size_t>(i)];
        if (file.state == File::State::Running) {
            const std::optional<double> fileSpeed = Speed(i);
            if (!fileSpeed) {
                return std::nullopt;  // nothing to go by yet
            }
            speed += *fileSpeed;
        }
        if (file.state != File::State::Ended) {
            left += std::max(0.0, file.length - file.converted);
        }
    }
    if (speed <= 0) {
        return std::nullopt;
    }
    return Sensible(left / speed);
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

std::optional<double> TimeLeft::Sensible(double seconds) {
    if (!std::isfinite(seconds) || seconds > kLongestWait) {
        return std::nullopt;  // no guess is better than a wild one
    }
    return seconds;
}

QString TimeLeft::ClockText(double seconds) {
    // Whatever it is given: a time is shown, never a cast out of range.
    const double bounded = std::isfinite(seconds) ? std::clamp(seconds, 0.0, kLongestWait) : 0.0;
    const auto whole = static_cast<long long>(std::ceil(bounded));
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
