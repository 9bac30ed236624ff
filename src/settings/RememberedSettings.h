#pragma once

#include <QString>

#include <optional>

namespace reelwright {

class CRegister;

// The choices the window remembers between runs, named as they are stored: the seventeen of
// the first release, then how many files convert at once, then which tracks are kept, whether
// results are checked by decoding them, whether they keep their source's date, and the custom
// codecs' names. A value that is none leaves its
// control as it is (it broke its rule); a file written before a value existed gives its default.
struct RememberedSettings {
    std::optional<bool> optOtherFolder;
    std::optional<bool> optSameFolder;
    QString txtOutPath;
    std::optional<int> optFormat;  // 0 "Presets", 1 "Custom (Advanced)"
    // List positions, -1 for no selection.
    std::optional<int> cmbCategory;
    std::optional<int> cmbOutVCodec;
    std::optional<int> cmbOutFormat;
    std::optional<int> cmbCustContainer;
    std::optional<int> cmbCACodec;
    std::optional<int> cmbCASmapleRate;
    std::optional<int> cmbCVCodec;
    std::optional<int> cmbCVSize;
    std::optional<int> cmbCVAspect;
    QString txtCABirate;
    QString txtChannels;
    QString txtCVBitrate;
    QString txtFrameRate;
    // How many files convert at once: 0 for Auto, else 1 to kMostFilesAtOnce.
    std::optional<int> FilesAtOnce;
    static constexpr int kMostFilesAtOnce = 8;
    // Whether every audio and subtitle track of a source is kept (else one of each kind), each
    // result is decoded end to end before it takes its name, and takes its source's date.
    std::optional<bool> KeepEveryTrack;
    std::optional<bool> CheckByDecoding;
    std::optional<bool> KeepDates;
    // The loudness every result's sound is evened to (LUFS); none: left as it is.
    std::optional<double> EvenLoudness;
    // Whether each result is made to fit a size, and the size ("25MB", as SizeLimit reads it).
    std::optional<bool> LimitSize;
    QString MaxSize;
    // A picture that cannot fit the size made smaller until it can.
    std::optional<bool> SmallerToFit;
    // Black bars around the picture removed where the whole file has them.
    std::optional<bool> RemoveBlackBars;
    // The encoder names of the custom codecs, so a codec list edited since is not read by
    // position alone; empty in a file written before they were kept.
    QString CVCodecName;
    QString CACodecName;

    // The first start's choices.
    static RememberedSettings Defaults();
    // Reads every value at once. A value missing or empty takes its default; a stored value
    // that breaks its rule is none (a truth value, a mode, a list position) or takes its
    // default (a custom field, whose text goes onto the encoder's command line).
    static RememberedSettings Load(const CRegister& reg);
    // Writes every value with one replacement of the file; `error` says why when it fails.
    bool Save(const CRegister& reg, QString* error = nullptr) const;
    // Forgets every stored value, so the next Load gives the defaults.
    static bool Forget(const CRegister& reg);

    bool operator==(const RememberedSettings&) const = default;
};

}  // namespace reelwright
