#include "plan/EvenSizeNote.h"

#include <QCoreApplication>
#include <QSize>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::EvenSizeNote)
};

using Kind = MediaTracks::Kind;

// A picture's size as it is shown: a picture turned a quarter is shown on its side.
QSize ShownSize(const MediaTracks::Track& track) {
    const bool turned = std::lround(std::abs(track.look.rotation)) % 180 == 90;
    return turned ? QSize(track.look.height, track.look.width)
                  : QSize(track.look.width, track.look.height);
}

std::vector<QSize> ShownSizes(const MediaTracks& tracks) {
    std::vector<QSize> sizes;
    for (const MediaTracks::Track& track : tracks.tracks) {
        if (track.kind == Kind::Video && !track.empty) {
            sizes.push_back(ShownSize(track));
        }
    }
    return sizes;
}

// Whether `made` is `source` made even, a pixel at most each way.
bool MadeEven(QSize source, QSize made) {
    const bool oddSource = source.width() % 2 != 0 || source.height() % 2 != 0;
    return oddSource && made != source && made.width() % 2 == 0 && made.height() % 2 == 0 &&
           std::abs(made.width() - source.width()) <= 1 &&
           std::abs(made.height() - source.height()) <= 1;
}

QString SizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

}  // namespace

std::optional<QString> EvenSizeNote(const MediaTracks& source, const MediaTracks& result) {
    const std::vector<QSize> from = ShownSizes(source);
    const std::vector<QSize> to = ShownSizes(result);
    // Pictures go in in their order; where only one was kept, it is the main one.
    const MediaTracks::Track* main = source.Main(Kind::Video);
    for (std::size_t i = 0; i < to.size(); ++i) {
        QSize before;
        if (from.size() == to.size()) {
            before = from[i];
        } else if (i == 0 && main) {
            before = ShownSize(*main);
        }
        if (before.isValid() && MadeEven(before, to[i])) {
            //: %1 and %2 are picture sizes in pixels, such as 720x404 and 721x405.
            return Text::tr("The picture was made %1 from %2: the encoder takes even sizes only.")
                .arg(SizeText(to[i]), SizeText(before));
        }
    }
    return std::nullopt;
}

}  // namespace reelwright
