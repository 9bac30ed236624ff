#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace reelwright {

// What each kind of output file can hold of a source's tracks, as the encoder of today really
// writes them (each row tried with it). One table: the conversions and the tests read it.
struct ContainerRules {
    // How many tracks of a kind go in: every one, the main one only, or none.
    enum class Many { All, One, None };
    // How a cover picture goes in: as the file's cover, as an attached file, or not at all.
    enum class Cover { AsCover, AsAttachment, None };

    QStringList extensions;  // lower case, without the dot
    QString name;            // as the user is told of it: "MP4"
    Many video = Many::One;
    Many audio = Many::One;
    // Text subtitles: the codecs kept as they are, and what any other becomes; no codec: none
    // are kept.
    QStringList textAsIs;
    QString textCodec;
    // Picture subtitles likewise.
    QStringList picturesAsIs;
    QString pictureCodec;
    bool fonts = false;
    Cover cover = Cover::None;
    // A raw stream says nothing of itself: a result of it cannot be read back to be checked.
    bool describesItself = true;
    // The writer knows languages only by the codes of the classic QuickTime table, which mixes
    // the two ISO 639-2 forms ("ger" for German, but "fra" for French).
    bool classicLanguageCodes = false;
    // Pictures and sounds copied as they are: the codecs (as the libraries name them) the
    // container holds so that players play them, or any codec; and the encoder that writes a
    // track of any other codec (empty: it cannot go in copied, and the copy is refused).
    QStringList videoAsIs;
    QString videoCodec;
    QStringList audioAsIs;
    QString audioCodec;
    bool anyVideo = false;
    bool anyAudio = false;
    // What the writer keeps of each track's description: titles (the container's own, or as
    // the handler's name, which is what readers of MP4 and MOV show), languages and the
    // default, forced and commentary marks. What it cannot keep is said.
    enum class Titles { Held, AsHandler, None };
    Titles titles = Titles::Held;
    bool languages = true;
    bool defaultMark = true;
    bool forcedMark = true;
    bool commentaryMark = true;

    bool HoldsTextSubtitles() const { return !textCodec.isEmpty() || !textAsIs.isEmpty(); }
    bool HoldsPictureSubtitles() const {
        return !pictureCodec.isEmpty() || !picturesAsIs.isEmpty();
    }
    // The encoder that writes a subtitle of `codec` into this container: "copy" when it goes
    // in as it is, empty when it cannot go in.
    QString SubtitleCodec(const QString& codec, bool picture) const;
    // Whether a picture or sound of `codec` can be copied in as it is.
    bool HoldsAsIs(const QString& codec, bool video) const;
};

// Every row of the table.
const std::vector<ContainerRules>& ContainerTable();
// The row of a file type (its extension, any letter case); a type the table does not know gets
// what any container holds: one picture and one sound.
ContainerRules RulesFor(const QString& type);
// Whether a format of `type` (its extension) with `options` keeps sound alone: its container
// holds no picture, or its options drop the picture (-vn).
bool KeepsSoundOnly(const QString& type, const QString& options);

}  // namespace reelwright
