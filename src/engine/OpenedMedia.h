#pragma once

#include "engine/CheckedInput.h"
#include "engine/ReadDeadline.h"

#include <QString>

#include <atomic>
#include <cerrno>
#include <chrono>

extern "C" {
#include <libavformat/avformat.h>
}

namespace reelwright {

// A file opened through the libraries by the descriptor checked here, given up on at its
// deadline or once `cancel` is set; closed when it goes. `context` is there only when the open
// succeeded; `opened` is the open's result (an error when nothing could even be tried).
struct OpenedMedia {
    CheckedInput input;
    Deadline deadline;
    AVFormatContext* context = nullptr;
    int opened = AVERROR(ENOMEM);

    OpenedMedia(const QString& path, int timeLimitMs, const std::atomic<bool>* cancel,
                AVDictionary** options = nullptr)
        : input(path),
          deadline{std::chrono::steady_clock::now() + std::chrono::milliseconds(timeLimitMs),
                   cancel} {
        AVFormatContext* made = input.IsOpen() ? avformat_alloc_context() : nullptr;
        if (!made) {
            return;
        }
        made->interrupt_callback = {&PastDeadline, &deadline};
        input.Attach(made);
        // The open frees the context when it fails.
        opened = avformat_open_input(&made, input.Name().constData(), nullptr, options);
        context = opened >= 0 ? made : nullptr;
    }
    ~OpenedMedia() {
        if (context) {
            avformat_close_input(&context);
        }
    }
    OpenedMedia(const OpenedMedia&) = delete;
    OpenedMedia& operator=(const OpenedMedia&) = delete;
};

}  // namespace reelwright
