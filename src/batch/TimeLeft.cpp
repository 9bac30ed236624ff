#include "batch/TimeLeft.h"

#include "platform/PlayLength.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::TimeLeft)
};

}  // namespace

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
    work_ = 0;
    samples_.clear();
    batchSpeed_ = {};
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
    file.believed = {};
    file.started = clock_();
    latest_ = index;
}

void TimeLeft::Position(int index, double converted, std::optional<double> speed) {
    if (!Valid(index)) {
        return;
    }
    File& file = files_[static_cast<std::size_t>(index)];
    if (std::isfinite(converted)) {
        const double now = std::clamp(converted, 0.0, kLongestPlaySeconds);
        work_ += std::max(0.0, now - file.converted);
        file.converted = now;
    }
    if (speed && *speed >= kSlowestSpeed && *speed <= kFastestSpeed) {
        file.encoderSpeed = speed;
    }
    const double at = clock_();
    samples_.push_back({at, work_});
    // Kept: the samples of the last seconds, and the one just before them to measure from.
    auto recent = std::find_if(samples_.begin(), samples_.end(), [at](const Sample& sample) {
        return sample.at >= at - kSmoothingSeconds;
    });
    if (recent != samples_.begin()) {
        samples_.erase(samples_.begin(), std::prev(recent));
    }
    constexpr std::size_t kMostSamples = 512;  // a flood of lines at one moment
    if (samples_.size() > kMostSamples) {
        samples_.erase(samples_.begin() + 1, samples_.begin() + (samples_.size() - kMostSamples));
    }
    if (const std::optional<double> measured = Speed(index)) {
        file.believed.Follow(at, *measured, at - file.started >= kShortestMeasure);
    }
    if (const std::optional<double> measured = BatchSpeed()) {
        batchSpeed_.Follow(at, *measured, samples_.back().at - samples_.front().at >= kShortestMeasure);
    }
}

void TimeLeft::Belief::Follow(double now, double measured, bool sure) {
    if (!speed || !settled) {
        speed = measured;  // nothing better to go by yet
        settled = sure;
    } else {
        const double most = std::pow(kMostChange, std::max(0.0, now - at) / kSmoothingSeconds);
        speed = std::clamp(measured, *speed / most, *speed * most);
    }
    at = now;
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
    if (!Valid(index)) {
        return std::nullopt;
    }
    const File& file = files_[static_cast<std::size_t>(index)];
    const std::optional<double> speed = file.believed.speed ? file.believed.speed : Speed(index);
    if (!speed || file.length <= 0) {
        return std::nullopt;
    }
    return Sensible(std::max(0.0, file.length - file.converted) / *speed);
}

std::optional<double> TimeLeft::SaidSpeed() const {
    double speed = 0;
    for (int i = 0; i < FileCount(); ++i) {
        if (files_[static_cast<std::size_t>(i)].state == File::State::Running) {
            const std::optional<double> fileSpeed = Speed(i);
            if (!fileSpeed) {
                return std::nullopt;  // nothing to go by yet
            }
            speed += *fileSpeed;
        }
    }
    return speed > 0 ? std::optional<double>(speed) : std::nullopt;
}

std::optional<double> TimeLeft::BatchSpeed() const {
    if (samples_.size() >= 2) {
        const Sample& first = samples_.front();
        const Sample& last = samples_.back();
        const double watched = last.at - first.at;
        if (watched >= kShortestMeasure && last.work > first.work) {
            const double measured = (last.work - first.work) / watched;
            if (measured >= kSlowestSpeed && measured <= kFastestSpeed) {
                return measured;
            }
        }
    }
    if (const std::optional<double> said = SaidSpeed()) {
        return said;
    }
    return batchSpeed_.speed;
}

std::optional<double> TimeLeft::BatchSecondsLeft() const {
    if (!AllLengthsKnown()) {
        return std::nullopt;
    }
    double left = 0;
    for (const File& file : files_) {
        if (file.state != File::State::Ended) {
            left += std::max(0.0, file.length - file.converted);
        }
    }
    const std::optional<double> speed = batchSpeed_.speed ? batchSpeed_.speed : BatchSpeed();
    if (!speed) {
        return std::nullopt;
    }
    return Sensible(left / *speed);
}

QString TimeLeft::ProgressText() const {
    const int count = FileCount();
    const std::optional<int> percent = Percent();
    if (!percent) {
        // Without the lengths, no guess.
        //: The batch's progress: the file converting now, of how many.
        return Text::tr("File %1 of %2")
            .arg(QString::number(FileIndex() + 1), QString::number(count));
    }
    const QString done = QString::number(*percent);
    const std::optional<double> left = BatchSecondsLeft();
    if (!left) {
        //: The batch's progress: %1 is a percentage.
        return Text::tr("%1% of %n files", nullptr, count).arg(done);
    }
    //: The batch's progress: %1 is a percentage, %2 the time left, such as 2:10.
    return Text::tr("%1% of %n files, %2 left", nullptr, count).arg(done, ClockText(*left));
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
