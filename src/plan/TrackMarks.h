#pragma once

#include "plan/ContainerTable.h"
#include "plan/TrackSelection.h"

#include <QStringList>

namespace reelwright {

// Each kept track's description as far as the container keeps it: the default sound first
// where no mark can tell it (DVD players and AVI players play the first), titles where MP4's
// readers look for them, and a sentence for each kind of description the container drops.
namespace TrackMarks {

// Puts the default sound first where the container keeps no default mark.
void PutDefaultFirst(TrackSelection& chosen, const ContainerRules& rules);
// What goes after the format's options for the titles.
QStringList Options(const TrackSelection& chosen, const ContainerRules& rules);
// What is said of the descriptions dropped.
QStringList Dropped(const TrackSelection& chosen, const ContainerRules& rules);

}  // namespace TrackMarks

}  // namespace reelwright
