#include "joblist/FactsAhead.h"

#include "platform/Yield.h"

#include <chrono>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace reelwright {

FactsAhead::FactsAhead(Reader reader, const QStringList& paths, int threads)
    : reader_(std::move(reader)), paths_(paths), facts_(static_cast<std::size_t>(paths.size())) {
    for (qsizetype i = paths_.size() - 1; i >= 0; --i) {
        positions_[paths_[i]] = i;  // the first of equal paths
    }
    for (int i = 0; i < threads && i < paths_.size(); ++i) {
        workers_.emplace_back([this] { Work(); });
    }
}

FactsAhead::~FactsAhead() {
    cancel_ = true;
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

void FactsAhead::Work() {
    // The conversion comes first.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 19);
    for (;;) {
        qsizetype index = 0;
        {
            const std::lock_guard lock(mutex_);
            if (cancel_ || next_ >= paths_.size()) {
                return;
            }
            index = next_++;
        }
        FileFacts facts = reader_(paths_[index], cancel_);
        {
            const std::lock_guard lock(mutex_);
            facts_[static_cast<std::size_t>(index)] = std::move(facts);
        }
        ready_.notify_all();
    }
}

bool FactsAhead::IsReady(const QString& path) {
    const auto position = positions_.find(path);
    if (position == positions_.end()) {
        return true;
    }
    const std::lock_guard lock(mutex_);
    return facts_[static_cast<std::size_t>(position->second)].has_value();
}

std::optional<FileFacts> FactsAhead::Take(const QString& path) {
    const auto position = positions_.find(path);
    if (position == positions_.end()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(position->second);
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            if (ready_.wait_for(lock, std::chrono::milliseconds(10),
                                [&] { return facts_[index].has_value(); })) {
                return facts_[index];
            }
        }
        // The window paints and takes a Stop while the file is read.
        Yield::Run();
    }
}

}  // namespace reelwright
