#pragma once

#include <QString>

#include <optional>

namespace reelwright::SizeLimit {

// A size as the user writes it: "25M", "25 MB", "1.5G", "700MiB", "500k". K, M and G count by
// thousands as disks and mail limits do; KiB, MiB and GiB by 1024. None for anything else, a
// number without its unit included.
std::optional<qint64> Parse(const QString& text);
// The accepted forms, for a message that refuses one.
QString Forms();
// A size as it is said: in the largest decimal unit, to four figures ("25 MB", "1.5 GB").
QString Text(qint64 bytes);

}  // namespace reelwright::SizeLimit
