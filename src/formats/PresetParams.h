#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// Whether a preset's params are options for the one output the program names, and nothing
// more. Presets are data people share, and their params go into the encoder's command as they
// are: a bare word there is a second output the encoder writes (over whatever it names, since
// the command ends in -y), -i is a second input, and some options read or write files of
// their own.
//
// The params are split as the command line is (SplitArguments). Every word that is not an
// option must be the value of the option before it; an option the tables do not know is taken
// to want a value. Refused: a word that is no option's value; a value-taking option at the end;
// -i, -y, -n; options that print and stop; options that read or write a file by name (-attach,
// -progress, -passlogfile, -pass, -report, -vstats, -sdp_file, -fpre, -hls_segment_filename,
// ...); a value that is a path outside /dev; -map and its kin naming another input than the
// first; a library's settings with a key that names a file (-x264-params stats=...); filter
// graphs as FilterGraphCheck judges them.
class PresetParams {
  public:
    // Why `params` are refused, in a phrase for the user; none when they are fine.
    static std::optional<QString> Problem(const QString& params);
};

}  // namespace reelwright
