#pragma once

#include <QString>

namespace reelwright {

// What the program knows of the encoder's options and filters, for judging a preset's params.
// The tables were taken from `ffmpeg -h full` and `ffmpeg -filters` of ffmpeg 5.1 (Debian 12),
// with the options 6.x and 7.1 (Debian 13) added. An option they do not know is taken to want a
// value, as every library option does; a filter they do not know is not trusted.
class EncoderOptions {
  public:
    enum class Kind {
        Value,      // takes the next word as its value
        Flag,       // takes none
        Input,      // opens an input of its own (-i)
        Overwrite,  // decides over existing files (-y, -n)
        Exits,      // prints information and stops instead of converting
        NamesFile,  // reads or writes a file of its own, named or not
    };
    // `name` is the option without its dash and without the tracks named after it ("c" of "-c:v").
    static Kind KindOf(const QString& name);

    // Options whose value is a filter graph.
    static bool TakesGraph(const QString& name);
    // Options whose value is a list of key=value settings (-x264-params, -format_opts, ...).
    static bool TakesSettings(const QString& name);
    // Options whose value names a device, which lives under /dev.
    static bool TakesDevice(const QString& name);
    // Options whose value names an encoder preset that is looked up by name.
    static bool TakesPresetName(const QString& name);
    // A key of such settings that names a file (x264's "stats", a muxer's "segment_list").
    static bool IsFileKey(const QString& key);

    enum class FilterUse {
        Safe,     // opens nothing by name
        ByName,   // some of its options name files: its options must be given by name
        Refused,  // opens a file, a library, a model or a socket by name
        Unknown,  // not a filter of the encoder this table was taken from
    };
    static FilterUse UseOf(const QString& filter);
    // For a ByName filter: whether this option (or its short alias) names a file.
    static bool IsFileOption(const QString& filter, const QString& option);
};

}  // namespace reelwright
