#pragma once

namespace reelwright {

// What a request to close the window comes to.
enum class CloseAnswer {
    Close,        // the choices are saved and the window goes
    Refuse,       // a batch is converting: "Please Stop Conversion first."
    AfterAdding,  // files are being probed: the add ends after the current file, then the close
};

// However the close was asked for (the close button, the window manager), a batch is never cut
// off half-written, and an add finishes the file it probes.
inline CloseAnswer DecideClose(bool converting, bool adding) {
    if (converting) {
        return CloseAnswer::Refuse;
    }
    return adding ? CloseAnswer::AfterAdding : CloseAnswer::Close;
}

}  // namespace reelwright
