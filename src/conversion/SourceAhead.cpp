#include "conversion/SourceAhead.h"

#include "conversion/SizeFitting.h"
#include "engine/Sidecars.h"
#include "plan/TrackPlan.h"
#include "platform/FileStamp.h"
#include "platform/Yield.h"

#include <QFile>

#include <chrono>

#include <sys/resource.h>

namespace reelwright {
namespace {

constexpr int kNice = 10;

}  // namespace

SourceFacts GatherFacts(const FactsWanted& wanted, const std::atomic<bool>* cancel) {
    const auto cancelled = [cancel] { return cancel && cancel->load(); };
    SourceFacts facts = SourceFacts::Read(wanted.source);
    if (wanted.sidecars && facts.tracks.readable && !cancelled()) {
        for (MediaTracks::Track& sidecar : Sidecars::Read(wanted.source)) {
            facts.tracks.tracks.push_back(std::move(sidecar));
        }
    }
    if (!cancelled()) {
        facts.LookForFields(wanted.source,
                            TrackPlan::FieldLooksWanted(facts.tracks, wanted.type, wanted.options));
    }
    if (wanted.removeBars && SizeFitting::EncodesPicture(wanted.options) && !cancelled()) {
        facts.LookForBars(wanted.source);
    }
    return facts;
}

SourceAhead::~SourceAhead() {
    if (gathering_) {
        letGo_.push_back(std::move(gathering_));
    }
    for (const auto& gathering : letGo_) {
        gathering->cancel->store(true);
    }
    for (const auto& gathering : letGo_) {
        gathering->facts.wait();
    }
}

void SourceAhead::Gather(const FactsWanted& wanted) {
    if (gathering_ && gathering_->wanted == wanted) {
        return;
    }
    if (gathering_) {
        gathering_->cancel->store(true);
        letGo_.push_back(std::move(gathering_));
    }
    std::erase_if(letGo_, [](const auto& gathering) {
        return gathering->facts.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    auto gathering = std::make_unique<Gathering>();
    gathering->wanted = wanted;
    gathering->identity = FileStamp(wanted.source);
    if (gathering->identity.isEmpty()) {
        return;  // read at its turn, and refused then as it should be
    }
    gathering->facts = std::async(
        std::launch::async, [wanted, identity = gathering->identity, cancel = gathering->cancel] {
            // Beside an encoder, not ahead of it; not so low that a machine busy with other
            // work leaves the next file waiting on it for long (a lowered priority cannot be
            // raised again).
            ::setpriority(PRIO_PROCESS, 0, kNice);
            SourceFacts facts = GatherFacts(wanted, cancel.get());
            // A file written to while it was read was read half: not worth keeping.
            if (cancel->load() || FileStamp(wanted.source) != identity) {
                return std::optional<SourceFacts>();
            }
            return std::optional<SourceFacts>(std::move(facts));
        });
    gathering_ = std::move(gathering);
}

std::optional<SourceFacts> SourceAhead::Take(const FactsWanted& wanted) {
    if (!gathering_ || !(gathering_->wanted == wanted)) {
        return std::nullopt;
    }
    std::unique_ptr<Gathering> gathering = std::move(gathering_);
    std::optional<SourceFacts> facts = Yield::Await(gathering->facts);
    if (!facts || FileStamp(wanted.source) != gathering->identity) {
        return std::nullopt;
    }
    return facts;
}

}  // namespace reelwright
