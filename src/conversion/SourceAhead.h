#pragma once

#include "engine/SourceFacts.h"

#include <QString>

#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <vector>

namespace reelwright {

// What a source's plan is made from, and the reading of it that costs: its tracks, the subtitle
// files beside it, and the looks at its pictures (fields, black bars), each an encoder start.
struct FactsWanted {
    QString source;
    QString type;     // the result's container, by its extension
    QString options;  // the format's
    bool sidecars = true;
    bool removeBars = false;

    bool operator==(const FactsWanted&) const = default;
};

// Everything FactsWanted asks for, read now; a `cancel` set meanwhile ends it between readings.
SourceFacts GatherFacts(const FactsWanted& wanted, const std::atomic<bool>* cancel = nullptr);

// The next file's facts, gathered on a thread of their own while an encoder works on this one,
// so that no encoder waits between two files for the next one's readings. Given only when they
// were gathered for the same wishes from the very same file, unchanged since.
class SourceAhead {
  public:
    SourceAhead() = default;
    ~SourceAhead();
    SourceAhead(const SourceAhead&) = delete;
    SourceAhead& operator=(const SourceAhead&) = delete;

    // Starts gathering for `wanted`, unless that is being gathered already; what was gathered
    // for another file and not taken is let go.
    void Gather(const FactsWanted& wanted);
    // The facts gathered for `wanted`, waited for with the window kept alive; none when another
    // file's were gathered, or the file changed since (its facts are then read anew).
    std::optional<SourceFacts> Take(const FactsWanted& wanted);

  private:
    struct Gathering {
        FactsWanted wanted;
        QByteArray identity;  // the file as it was when the reading began
        std::shared_ptr<std::atomic<bool>> cancel = std::make_shared<std::atomic<bool>>(false);
        std::future<std::optional<SourceFacts>> facts;
    };
    std::unique_ptr<Gathering> gathering_;
    // Readings no longer wanted, cut short and waited for before this goes: no thread of ours
    // may outlive it.
    std::vector<std::unique_ptr<Gathering>> letGo_;
};

}  // namespace reelwright
