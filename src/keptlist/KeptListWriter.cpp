#include "keptlist/KeptListWriter.h"

#include <chrono>

namespace reelwright {

KeptListWriter::KeptListWriter(std::function<void(const QString& why)> failed)
    : failed_(std::move(failed)), thread_([this] { Work(); }) {}

KeptListWriter::~KeptListWriter() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

quint64 KeptListWriter::Submit(KeptQueue queue) {
    quint64 number = 0;
    {
        const std::lock_guard lock(mutex_);
        next_ = std::move(queue);
        number = ++submitted_;
    }
    changed_.notify_all();
    return number;
}

bool KeptListWriter::WaitFor(quint64 number, int ms) {
    std::unique_lock lock(mutex_);
    const auto done = [this, number] { return written_ >= number; };
    if (ms < 0) {
        changed_.wait(lock, done);
        return true;
    }
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), done);
}

bool KeptListWriter::LastWritten(QString* why) {
    const std::lock_guard lock(mutex_);
    if (why) {
        *why = lastError_;
    }
    return lastWritten_;
}

void KeptListWriter::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return next_ || quit_; });
        if (!next_) {
            return;  // asked to end, with nothing left to write
        }
        const KeptQueue queue = std::move(*next_);
        next_.reset();
        const quint64 number = submitted_;
        lock.unlock();
        QString error;
        const bool written = queue.Save(&error);
        if (!written && failed_) {
            failed_(error);
        }
        lock.lock();
        written_ = number;
        lastWritten_ = written;
        lastError_ = error;
        changed_.notify_all();
    }
}

}  // namespace reelwright
