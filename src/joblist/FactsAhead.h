#pragma once

#include "joblist/FileFacts.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace reelwright {

// Reads the facts of the files an add is about to take, on threads beside the window, in the
// order they will be taken, so that each file's probe and length are ready, or nearly, when its
// turn comes. The rows are still made one by one, in order, on the window's thread. The threads
// run at the lowest priority, so a conversion running meanwhile is not slowed.
class FactsAhead {
  public:
    using Reader = std::function<FileFacts(const QString& path, const std::atomic<bool>& cancel)>;

    FactsAhead(Reader reader, const QStringList& paths, int threads);
    ~FactsAhead();
    FactsAhead(const FactsAhead&) = delete;
    FactsAhead& operator=(const FactsAhead&) = delete;

    // The facts of a file on the list, waited for with the window kept alive; none for a file
    // that is not on it.
    std::optional<FileFacts> Take(const QString& path);
    // Whether Take would answer at once: the facts are read, or the file is not on the list.
    bool IsReady(const QString& path);
    // The files it reads, in their order.
    const QStringList& Paths() const { return paths_; }

  private:
    void Work();

    Reader reader_;
    QStringList paths_;
    std::map<QString, qsizetype> positions_;
    std::vector<std::optional<FileFacts>> facts_;
    std::mutex mutex_;
    std::condition_variable ready_;
    qsizetype next_ = 0;
    std::atomic<bool> cancel_{false};
    std::vector<std::thread> workers_;
};

}  // namespace reelwright
