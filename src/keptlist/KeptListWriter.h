#pragma once

#include "keptlist/KeptQueue.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace reelwright {

// Writes kept lists on a thread of its own, so that turning ten thousand rows into text and
// waiting for the disk never holds the window. Lists are written in the order they are handed
// over; one handed over while another waits replaces it, so the newest is always written last.
class KeptListWriter {
  public:
    // `failed` is told, on the writer's thread, why a write failed.
    explicit KeptListWriter(std::function<void(const QString& why)> failed);
    ~KeptListWriter();  // writes what it was given, then ends
    KeptListWriter(const KeptListWriter&) = delete;
    KeptListWriter& operator=(const KeptListWriter&) = delete;

    // Hands a list over; its number, for WaitFor.
    quint64 Submit(KeptQueue queue);
    // Waits up to `ms` (-1: as long as it takes) until the list of that number, or a newer one,
    // has been written or has failed to be; true when it has.
    bool WaitFor(quint64 number, int ms);
    // Whether the last write went well, and why not.
    bool LastWritten(QString* why);

  private:
    void Work();

    std::function<void(const QString&)> failed_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<KeptQueue> next_;
    quint64 submitted_ = 0;
    quint64 written_ = 0;
    bool lastWritten_ = true;
    QString lastError_;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace reelwright
