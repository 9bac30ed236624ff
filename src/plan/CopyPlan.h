#pragma once

#include "plan/ContainerTable.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace reelwright {

struct TrackSelection;

// Tracks copied as they are that the container cannot hold so: the container's own codec, or,
// where it has none to offer, no result at all rather than one that does not play.
struct CopyPlan {
    std::vector<bool> recoded;  // by picture kept
    QStringList recoding;       // the codec options of the tracks encoded after all
    QStringList notes;
    std::optional<QString> refusal;

    static CopyPlan Make(const TrackSelection& chosen, const ContainerRules& rules,
                         const QStringList& arguments);
};

// Whether the options copy the tracks of a kind ('v' or 'a') as they are.
bool Copies(const QStringList& arguments, char kind);

}  // namespace reelwright
