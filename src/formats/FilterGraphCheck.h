#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// Judges a filter graph of a preset (-vf, -af, -filter, -filter_complex, -lavfi) the way the
// encoder's libraries read it: chains of filters with [labels], each filter's name and its
// options, quotes and backslashes undone as they are there.
//
// A graph may use any filter of the encoder that opens nothing by name. Refused: filters that
// read or write a file, load a library or a model, or open a socket by name (movie, amovie,
// subtitles, sendcmd, zmq, ...); a file option of the few filters that are fine without one
// (drawtext's fontfile and textfile, psnr's stats_file, ...), whose options must then be given by
// name; an option read from a file ("/name=", 7.x); a label that takes tracks from another input
// than the one converted ([1:v]); and any filter this program does not know, since a later
// encoder's new filters may write files. -filter_complex is judged the same way: the only input
// it can reach is the one converted.
class FilterGraphCheck {
  public:
    // Why the graph is refused; none when it is fine.
    static std::optional<QString> Problem(const QString& graph);

    // Reads a token from `pos` up to one of `terms`, as the encoder's libraries do: blanks
    // around it dropped, '\' takes the next character as it is, '...' quotes.
    static QString ReadToken(const QString& text, qsizetype& pos, const QString& terms);
};

}  // namespace reelwright
