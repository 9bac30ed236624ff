#pragma once

namespace reelwright {

// How the window's own widgets are read by a screen reader: a captioned frame is a group named
// by its caption (a sliding panel a dialog), a link label a link that can be followed, the job
// list a table (JobGridAccessible). Once is enough.
void InstallAccessibility();

}  // namespace reelwright
