#include "engine/FailureReason.h"

#include "engine/EncoderText.h"
#include "platform/LocalNumber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <optional>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::FailureReason)
};

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString FolderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

// An error line, without the prefix that names the library or stream, and what matched in it.
struct Said {
    QString line;
    QRegularExpressionMatch match;
};

class ErrorLines {
  public:
    ErrorLines(const EncoderTranscript& transcript, const ConversionNames& names) : names_(names) {
        for (const QString& line : transcript.ErrorLines()) {
            const QStringView text = EncoderTranscript::WithoutLibraryPrefix(line);
            lines_ << text.toString();
            // "[libmp3lame] ..." is a library's own word; "[vost#0:0/libx264] ..." a stream's.
            const QStringView tag = QStringView(line).left(line.size() - text.size());
            fromLibrary_ << (!tag.isEmpty() && !tag.contains(u'#'));
        }
    }

    // The first line that says `pattern` (letter case ignored) and passes `also`; none when no
    // line does.
    std::optional<Said> Find(const QString& pattern,
                             const std::function<bool(const Said&)>& also = {}) const {
        const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
        for (const QString& line : lines_) {
            if (QRegularExpressionMatch match = expression.match(line); match.hasMatch()) {
                Said said{line, match};
                if (!also || also(said)) {
                    return said;
                }
            }
        }
        return std::nullopt;
    }

    // A line about the result: it names the hidden file, or speaks of opening the output.
    std::optional<Said> FindAboutOutput(const QString& pattern) const {
        return FindAbout(pattern, names_.temporary, QStringLiteral("output"));
    }
    std::optional<Said> FindAboutInput(const QString& pattern) const {
        return FindAbout(pattern, names_.input, QStringLiteral("input"));
    }

    // The first error an encoder library logged in its own style before `line`: SVT-AV1 says
    // "Svt[error]: Instance 1: Source Width must be at least 64" where its ffmpeg wrapper says
    // no more than "bad parameter (0x80001005)". Empty when none did.
    QString OwnError(const QString& line) const {
        static const QRegularExpression kOwn(
            QStringLiteral("^\\w+\\[error\\]:\\s*(?:Instance \\d+:\\s*)?(\\S.*)$"));
        for (qsizetype at = 0, end = lines_.indexOf(line); at < end; ++at) {
            if (const QRegularExpressionMatch own = kOwn.match(lines_[at]); own.hasMatch()) {
                return own.captured(1).trimmed();
            }
        }
        return QString();
    }

    // The library's own words last said before `line`: "Specified sample rate 12345 is not
    // supported" explains "Error while opening encoder". Lists it prints after them ("Supported
    // sample rates:" and an indented line per rate) are passed over.
    QString Before(const QString& line) const {
        for (qsizetype at = lines_.indexOf(line) - 1; at >= 0; --at) {
            const QString& text = lines_[at];
            if (fromLibrary_[at] && !text.startsWith(u' ') && !text.trimmed().endsWith(u':')) {
                return text.trimmed();
            }
        }
        return QString();
    }

  private:
    std::optional<Said> FindAbout(const QString& pattern, const QString& path,
                                  const QString& side) const {
        const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption);
        const QRegularExpression opening(QStringLiteral("^Error opening %1").arg(side),
                                         QRegularExpression::CaseInsensitiveOption);
        for (const QString& line : lines_) {
            const bool about = (!path.isEmpty() && line.contains(path)) ||
                               (!path.isEmpty() && line.contains(FileName(path))) ||
                               opening.match(line).hasMatch();
            if (QRegularExpressionMatch match = expression.match(line); about && match.hasMatch()) {
                return Said{line, match};
            }
        }
        return std::nullopt;
    }

    const ConversionNames& names_;
    QStringList lines_;
    QList<bool> fromLibrary_;
};

bool HasOption(const QString& options, const QString& option) {
    const QRegularExpression expression(
        QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(option)));
    return expression.match(options).hasMatch();
}

QString NoSoundReason(const QString& input) {
    //: %1 is the name of the file being converted.
    return Text::tr("%1 has no sound to convert.").arg(input);
}

QString NoPictureReason(const QString& input) {
    //: %1 is the name of the file being converted.
    return Text::tr("%1 has no picture to convert.").arg(input);
}

// Why nothing went into the result: what the input lacks that the format keeps.
QString NoStreamReason(const EncoderTranscript& transcript, const ConversionNames& names) {
    const QString input = FileName(names.input);
    const EncoderTranscript::StreamKinds& in = transcript.InputStreams();
    if (!in.any) {
        //: %1 is the name of the file being converted.
        return Text::tr("%1 has neither picture nor sound to convert.").arg(input);
    }
    // A format that drops the picture (or takes only sound) wants sound, and the other way round.
    if (!in.audio && (HasOption(names.options, QStringLiteral("-vn")) || in.video)) {
        return NoSoundReason(input);
    }
    if (!in.video && (HasOption(names.options, QStringLiteral("-an")) || in.audio)) {
        return NoPictureReason(input);
    }
    //: %1 is the name of the file being converted.
    return Text::tr("The chosen format keeps nothing of %1.").arg(input);
}

QString NothingConvertedReason(const ConversionNames& names) {
    //: %1 is the name of the file being converted.
    return Text::tr(
               "Nothing was converted: %1 holds no picture frames or sound samples the "
               "encoder could read. It may be empty or damaged.")
        .arg(FileName(names.input));
}

// The library's own words, as a sentence's end after a colon; empty when it gave none.
QString Explanation(const QString& detail, const ConversionNames& names) {
    if (detail.isEmpty()) {
        return QString();
    }
    const QString shown = WithUserNames(detail, names);
    return shown.endsWith(u'.') ? shown : shown + u'.';
}

// What a failure's sentence may name.
struct Facts {
    const EncoderTranscript& transcript;
    const ConversionNames& names;
    const ErrorLines& lines;
    QString input;   // the input's file name
    QString result;  // the result's file name
    QString folder;  // the result's folder
};

// Which error lines a rule reads.
enum class Where { Anywhere, AboutOutput, AboutInput };

// One known cause: the words that tell it, or a fact of the run that tells the same, and its
// sentence. The first rule that holds wins, so the order is the order of trust.
struct Rule {
    Where where;
    const char* pattern;                     // none: only `fact` tells the cause
    bool (*fact)(const EncoderTranscript&);  // none: only the words tell it
    QString (*reason)(const Facts&, const Said&);
    // What must hold as well of a line its words are found in; none: nothing more.
    bool (*also)(const Facts&, const Said&) = nullptr;
};

std::optional<Said> Matches(const Rule& rule, const Facts& facts) {
    if (rule.fact && rule.fact(facts.transcript)) {
        return Said{};
    }
    if (!rule.pattern) {
        return std::nullopt;
    }
    const QString pattern = QString::fromLatin1(rule.pattern);
    switch (rule.where) {
        case Where::AboutOutput:
            return facts.lines.FindAboutOutput(pattern);
        case Where::AboutInput:
            return facts.lines.FindAboutInput(pattern);
        case Where::Anywhere:
            break;
    }
    if (rule.also) {
        return facts.lines.Find(
            pattern, [&rule, &facts](const Said& said) { return rule.also(facts, said); });
    }
    return facts.lines.Find(pattern);
}

// Whether the options given to the encoder take stream `index` of the input by a map of its
// own ("-map 0:1").
bool MapsStream(const QString& options, const QString& index) {
    return HasOption(options, QStringLiteral("0:") + index);
}

// A stream the encoder could not read is why nothing was converted only when it was given that
// stream: one the maps leave out (a track a file declares but holds nothing of) is a warning.
bool NothingReadable(const Facts& facts, const Said& said) {
    const QString stream = said.match.captured(1);
    return stream.isEmpty() || !HasOption(facts.names.options, QStringLiteral("-map")) ||
           MapsStream(facts.names.options, stream);
}

// The sentence for an encoder that refused to start, with the library's words before it.
QString RefusedSettingsReason(const Facts& facts, const Said& said) {
    const QString own = facts.lines.OwnError(said.line);
    const QString explanation =
        Explanation(own.isEmpty() ? facts.lines.Before(said.line) : own, facts.names);
    if (explanation.isEmpty()) {
        //: %1 is the name of the file being converted.
        return Text::tr("The encoder refused the chosen format's settings for %1.")
            .arg(facts.input);
    }
    //: %1 is the name of the file being converted, %2 the encoder's own words.
    return Text::tr("The encoder refused the chosen format's settings for %1: %2")
        .arg(facts.input, explanation);
}

QString ContainerReason(const Facts& facts, const Said& said) {
    const QString explanation = Explanation(facts.lines.Before(said.line), facts.names);
    if (explanation.isEmpty()) {
        return Text::tr("The chosen container cannot hold what the format puts in it.");
    }
    //: %1 is the encoder's own words.
    return Text::tr("The chosen container cannot hold what the format puts in it: %1")
        .arg(explanation);
}

const Rule kRules[] = {
    {Where::Anywhere, "No space left on device", nullptr,
     [](const Facts& f, const Said&) {
         //: %1 is a folder, %2 the converted file's name.
         return Text::tr("The disk of %1 is full: %2 could not be written.")
             .arg(f.folder, f.result);
     }},
    {Where::Anywhere, "File too large", nullptr,
     [](const Facts& f, const Said&) {
         //: %1 is the converted file's name, %2 its folder.
         return Text::tr("%1 grew larger than the disk of %2 allows for one file.")
             .arg(f.result, f.folder);
     }},
    {Where::AboutOutput, "Permission denied", nullptr,
     [](const Facts& f, const Said&) {
         //: %1 is the output folder.
         return Text::tr("%1 cannot be written: permission denied.").arg(f.folder);
     }},
    {Where::AboutOutput, "Read-only file system", nullptr,
     [](const Facts& f, const Said&) {
         //: %1 is the output folder.
         return Text::tr("%1 is on a disk that cannot be written to (read-only).").arg(f.folder);
     }},
    {Where::AboutOutput, "No such file or directory", nullptr,
     [](const Facts& f, const Said&) {
         return Text::tr("The output folder %1 is not there any more.").arg(f.folder);
     }},
    {Where::AboutInput, "No such file or directory", nullptr,
     [](const Facts& f, const Said&) {
         //: %1 is the name of the file being converted.
         return Text::tr(
                    "%1 is not there any more: it was moved, renamed or deleted after it "
                    "was added.")
             .arg(f.input);
     }},
    {Where::AboutInput, "Permission denied", nullptr,
     [](const Facts& f, const Said&) {
         //: %1 is the name of the file being converted.
         return Text::tr("%1 cannot be read: permission denied.").arg(f.input);
     }},
    {Where::Anywhere, nullptr, [](const EncoderTranscript& t) { return t.Unreadable(); },
     [](const Facts& f, const Said&) { return UnreadableReason(f.names.input); }},
    {Where::Anywhere, "Unknown encoder '([^']*)'", nullptr,
     [](const Facts&, const Said& said) {
         //: %1 is the encoder's name for a codec, such as libx264.
         return Text::tr(
                    "This ffmpeg has no encoder \"%1\": choose another codec, or install "
                    "an ffmpeg that has it.")
             .arg(said.match.captured(1));
     }},
    {Where::Anywhere,
     "Automatic encoder selection failed|Encoder \\(codec .*\\) not found|Encoder not found",
     nullptr,
     [](const Facts&, const Said&) {
         return Text::tr(
             "This ffmpeg has no encoder for the chosen format: choose another "
             "format, or install an ffmpeg that has it.");
     }},
    {Where::Anywhere, "Unrecognized option '-?([^']*)'", nullptr,
     [](const Facts&, const Said& said) {
         //: %1 is an encoder option's name, shown after its dash.
         return Text::tr("This ffmpeg does not know the option -%1 of the chosen format.")
             .arg(said.match.captured(1));
     }},
    {Where::Anywhere, "Error setting option:? -?(\\S+) to value:? \"?([^\"]*?)\"?\\.?$", nullptr,
     [](const Facts&, const Said& said) {
         //: %1 is a value, %2 an encoder option's name, shown after its dash.
         return Text::tr(
                    "The encoder refused the value \"%1\" of the option -%2 of the "
                    "chosen format.")
             .arg(said.match.captured(2), said.match.captured(1));
     }},
    {Where::Anywhere,
     // The advice on 'analyzeduration' that follows the first words is not looked for: it
     // does not say which stream it is about.
     "Could not find codec parameters for stream (\\d+)|Could not find codec "
     "parameters|Cannot determine format of input",
     [](const EncoderTranscript& t) { return t.NothingEncoded(); },
     [](const Facts& f, const Said&) { return NothingConvertedReason(f.names); }, NothingReadable},
    {Where::Anywhere,
     "Error while opening encoder|Error initializing output stream|Could not open "
     "encoder|Error applying encoder options",
     nullptr, RefusedSettingsReason},
    {Where::Anywhere, "does not contain any stream", nullptr,
     [](const Facts& f, const Said&) { return NoStreamReason(f.transcript, f.names); }},
    {Where::Anywhere, "Could not write header|Error writing header", nullptr, ContainerReason},
    {Where::Anywhere, "received signal (\\d+)", nullptr,
     [](const Facts& f, const Said& said) {
         //: %1 is a signal's number, %2 the name of the file being converted.
         return Text::tr("The encoder was interrupted (signal %1) before it finished %2.")
             .arg(said.match.captured(1), f.input);
     }},
};

}  // namespace

QString UnreadableReason(const QString& path) {
    //: %1 is a file's name.
    return Text::tr(
               "The encoder cannot read %1: it is not a kind of media file it knows, "
               "or it is damaged.")
        .arg(FileName(path));
}

QString NotAFileReason(const QString& path, const QString& why) {
    //: %1 is a file's name, %2 what it is instead of a file ("it is a named pipe, not a
    //: regular file").
    return Text::tr("%1 was not read: %2.").arg(FileName(path), why);
}

QString ProbeTooSlowReason(const QString& path, int timeLimitMs) {
    //: %1 is a number of seconds, %2 a file's name.
    return Text::tr(
               "The encoder took more than %1 seconds to read %2, so it is taken as "
               "unreadable.")
        .arg(QString::number(timeLimitMs / 1000), FileName(path));
}

std::optional<QString> EmptyResultReason(const EncoderTranscript& transcript,
                                         const ConversionNames& names) {
    if (transcript.NothingEncoded()) {
        return NothingConvertedReason(names);
    }
    const EncoderTranscript::StreamKinds& out = transcript.OutputStreams();
    const QString input = FileName(names.input);
    if (!out.listed) {
        return std::nullopt;  // an encoder told to say less: nothing to judge by
    }
    if (!out.any) {
        return NoStreamReason(transcript, names);
    }
    if (HasOption(names.options, QStringLiteral("-vn")) && !out.audio) {
        return NoSoundReason(input);
    }
    if (HasOption(names.options, QStringLiteral("-an")) && !out.video) {
        return NoPictureReason(input);
    }
    return std::nullopt;
}

QString WithUserNames(QString text, const ConversionNames& names) {
    if (!names.temporary.isEmpty()) {
        const QString shown = QDir::toNativeSeparators(names.result);
        text.replace(names.temporary, shown);
        text.replace(FileName(names.temporary), FileName(names.result));
    }
    return text;
}

QString PlainFailureReason(const EncoderTranscript& transcript, const ConversionNames& names) {
    const ErrorLines lines(transcript, names);
    const Facts facts{transcript,
                      names,
                      lines,
                      FileName(names.input),
                      FileName(names.result),
                      FolderOf(names.result)};
    for (const Rule& rule : kRules) {
        if (const std::optional<Said> said = Matches(rule, facts)) {
            return rule.reason(facts, *said);
        }
    }
    // An encoder that said nothing gives nothing to explain.
    const QString detail = WithUserNames(transcript.ErrorDetail(), names);
    if (detail.isEmpty()) {
        return QString();
    }
    //: %1 is the name of the file being converted; the encoder's own last lines follow on the
    //: next line (%2).
    return Text::tr("The encoder could not convert %1:\r\n%2").arg(facts.input, detail);
}

std::optional<QString> JudgeRun(const EncoderTranscript& transcript, const RunEnd& end,
                                const ConversionNames& names) {
    if (!end.started) {
        return QString();  // the runner has said why
    }
    if (transcript.Unreadable() || !transcript.EncodingBegun()) {
        return PlainFailureReason(transcript, names);
    }
    if (transcript.LateFailure() || !end.exitedNormally || end.exitCode != 0) {
        if (!transcript.ErrorLines().isEmpty()) {
            return PlainFailureReason(transcript, names);
        }
        return end.exitedNormally
                   ? Text::tr("The encoder stopped with exit code %1.").arg(end.exitCode)
                   : Text::tr("The encoder crashed.");
    }
    // A first pass of VP8, VP9 and AV1 hands out no packets at all, only its log, and tells no
    // time: its ending well is all there is to judge.
    if (end.discarded) {
        return std::nullopt;
    }
    if (const std::optional<QString> empty = EmptyResultReason(transcript, names)) {
        return empty;
    }
    if (end.outputSize <= 0) {
        return transcript.ErrorLines().isEmpty()
                   //: %1 is the converted file's name.
                   ? Text::tr("The encoder wrote nothing into %1.").arg(FileName(names.result))
                   : PlainFailureReason(transcript, names);
    }
    std::optional<double> converted = transcript.LastTime();
    // ffmpeg 7 tells no time (or a wrong one) while a cover is written beside the picture: the
    // result's own length says how far the run went.
    if (end.resultLength > 0 && (!converted || *converted < end.resultLength)) {
        converted = end.resultLength;
    }
    const bool short_ =
        converted && end.length > 0 &&
        EndedWellShort(*converted, end.length, names.options, transcript.InputFrameRate());
    if (transcript.InputEndedEarly() || short_) {
        if (converted && end.length > 0) {
            //: %1 and %2 are numbers of seconds.
            return Text::tr(
                       "The input file ended early: only %1 of %2 seconds were converted. "
                       "It may be truncated or damaged.")
                .arg(LocalNumber(std::max(0.0, *converted), 'f', 1),
                     LocalNumber(end.length, 'f', 1));
        }
        return Text::tr("The input file ended early. It may be truncated or damaged.");
    }
    return std::nullopt;
}

}  // namespace reelwright
