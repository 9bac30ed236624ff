#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// The picture inside a picture track's black bars: its size and where it starts.
struct Bars {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;

    bool operator==(const Bars&) const = default;
};

// The box cropdetect saw on one sampled stretch: its first and last columns and lines.
struct SeenBox {
    int left = 0;
    int right = -1;
    int top = 0;
    int bottom = -1;
};

// Looks at `stream` of `path` (a picture `width` x `height` of `seconds`) on frames spread
// through the file. None when there are no bars to remove for certain: a stretch saw no
// picture (a fade to black, a night), the stretches disagree (bars in part of the film, a
// dark scene), or the bars are under 1% of the picture's height and width.
std::optional<Bars> LookForBars(const QString& path, int stream, int width, int height,
                                double seconds);

// The boxes of each stretch in cropdetect's text, in the order the stretches were given;
// a stretch that saw nothing has an empty box.
QList<SeenBox> BoxesFromDetector(const QString& text, int stretches);
// What the boxes agree on, for a picture `width` x `height`; even sizes and offsets.
std::optional<Bars> BarsFromBoxes(const QList<SeenBox>& boxes, int width, int height);

}  // namespace reelwright
