#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace reelwright {

// What an encoder's `-version` says of its libraries, kept between runs in the user's cache
// folder: asking costs an encoder start (~85 ms), and the answer only changes with the file.
// An entry holds while the file at the path is the same one: same device, inode, size, change
// and modification times.
class EncoderVersions {
  public:
    // Answers `ask` gives for an encoder file: its `-version` text, none when it could not tell.
    using Asker = std::function<std::optional<QString>(const QString& encoder)>;

    // The encoder's `-version` text, from the cache when the file is unchanged, else asked (and
    // kept when it answered). None when it is not a file or did not answer.
    static std::optional<QString> Of(const QString& encoder, const Asker& ask);
    // Where the answers are kept.
    static QString CacheFile();
};

}  // namespace reelwright
