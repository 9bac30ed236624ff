#include "engine/LoudnessLook.h"

#include "engine/DOSOutputs.h"
#include "engine/Encoder.h"
#include "engine/EncoderText.h"
#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::LoudnessLook)
};

// The meter's instance is named by the stream it reads ("loudnorm@s3"): the readings are printed
// in no fixed order, each headed by its instance's name.
QString MeterName(int stream) {
    return QStringLiteral("loudnorm@s%1").arg(stream);
}

double Reading(const QString& block, const char* name) {
    const QRegularExpression field(QStringLiteral("\"%1\"\\s*:\\s*\"([^\"]*)\"")
                                       .arg(QString::fromLatin1(name)));
    const QString value = field.match(block).captured(1).trimmed();
    if (value == QStringLiteral("-inf")) {
        return -INFINITY;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : NAN;
}

}  // namespace

QString LoudnessLookOptions(const std::vector<SoundToMeasure>& sounds, bool encoded) {
    QStringList graph;
    QStringList maps;
    for (std::size_t k = 0; k < sounds.size(); ++k) {
        const SoundToMeasure& sound = sounds[k];
        const QString label = QStringLiteral("m%1").arg(sound.stream);
        const QString shaping = encoded || sound.shaping.isEmpty() ? QString() : sound.shaping + u',';
        graph << QStringLiteral("[0:%1]%2%3=print_format=json[%4]")
                     .arg(encoded ? static_cast<int>(k) : sound.stream)
                     .arg(shaping, MeterName(sound.stream), label);
        maps << QStringLiteral("-map [%1]").arg(label);
    }
    return QStringLiteral("-filter_complex ") + QuoteArgument(graph.join(u';')) + u' ' +
           maps.join(u' ') + QStringLiteral(" -f null -");
}

std::map<int, Loudness> LoudnessFromAnalysis(const QString& text) {
    // "[loudnorm@s1 @ 0x55d0c8a0e2c0] " then a JSON object over the next lines.
    static const QRegularExpression kHead(QStringLiteral("\\[loudnorm@s(\\d+) @ [^\\]]*\\]"));
    std::map<int, Loudness> found;
    for (QRegularExpressionMatchIterator it = kHead.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch head = it.next();
        const qsizetype open = text.indexOf(u'{', head.capturedEnd());
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'}', open);
        if (close < 0) {
            continue;
        }
        const QString block = text.mid(open, close - open);
        Loudness loudness{Reading(block, "input_i"), Reading(block, "input_tp"),
                          Reading(block, "input_lra"), Reading(block, "input_thresh")};
        if (!std::isnan(loudness.integrated) && !std::isnan(loudness.truePeak)) {
            found[head.captured(1).toInt()] = loudness;
        }
    }
    return found;
}

LoudnessLook::LoudnessLook(QString path, std::vector<SoundToMeasure> sounds, QStringList encoding,
                           QObject* parent)
    : QObject(parent),
      path_(std::move(path)),
      sounds_(std::move(sounds)),
      encoding_(std::move(encoding)) {
    if (!encoding_.isEmpty()) {
        encoded_ = std::make_unique<QTemporaryDir>();
    }
}

LoudnessLook::~LoudnessLook() = default;

QStringList LoudnessLook::CommandLines() const {
    // Sound alone is decoded; the pictures are passed over unread.
    const QString start = EncoderPath() + QStringLiteral(" -nostdin -hide_banner ");
    if (encoding_.isEmpty()) {
        return {start + QStringLiteral("-vn -sn -dn -i ") + QuoteArgument(path_) + u' ' +
                LoudnessLookOptions(sounds_)};
    }
    QStringList encode;
    for (std::size_t k = 0; k < sounds_.size(); ++k) {
        encode << QStringLiteral("-map 0:%1").arg(sounds_[k].stream);
        if (!sounds_[k].shaping.isEmpty()) {
            // Followed by a gain, as when it is evened: alone, a mix down of a file that names
            // no layout keeps the first channels instead of mixing every speaker in.
            encode << QStringLiteral("-filter:a:%1 ").arg(k) +
                          QuoteArgument(sounds_[k].shaping + QStringLiteral(",volume=0dB"));
        }
    }
    for (const QString& option : encoding_) {
        encode << QuoteArgument(option);
    }
    const QString encoded = encoded_ ? encoded_->filePath(QStringLiteral("sound.mka")) : QString();
    return {start + QStringLiteral("-vn -sn -dn -i ") + QuoteArgument(path_) + u' ' +
                encode.join(u' ') + QStringLiteral(" -f matroska -y ") + QuoteArgument(encoded),
            start + QStringLiteral("-i ") + QuoteArgument(encoded) + u' ' +
                LoudnessLookOptions(sounds_, true)};
}

QString LoudnessLook::TakeNext(const QStringList& commands) {
    text_.clear();
    runner_ = std::make_unique<DOSOutputs>();
    connect(runner_.get(), &DOSOutputs::ReceiveOutputs, this, &LoudnessLook::Receive);
    if (next_ > 0) {
        emit NextCommand(commands[next_]);
    }
    return commands[next_++];
}

bool LoudnessLook::BeginNext() {
    const QStringList commands = CommandLines();
    if (stopped_ || next_ >= commands.size()) {
        return false;
    }
    const QString command = TakeNext(commands);
    return runner_->Begin(command);
}

bool LoudnessLook::RanWell() const {
    return runner_ && runner_->LastRunStarted() && runner_->LastRunExitedNormally() &&
           runner_->LastExitCode() == 0;
}

bool LoudnessLook::Begin() {
    if (BeginNext()) {
        return true;
    }
    Judge();
    return false;
}

bool LoudnessLook::Pump(int waitMs) {
    if (runner_ && runner_->Pump(waitMs)) {
        return true;
    }
    // The sounds encoded: they are measured next.
    if (RanWell() && next_ < CommandLines().size() && BeginNext()) {
        return true;
    }
    Judge();
    return false;
}

int LoudnessLook::OutputFd() const {
    return runner_ ? runner_->ReadFd() : -1;
}

void LoudnessLook::Run() {
    const QStringList commands = CommandLines();
    while (!stopped_ && next_ < commands.size() && (next_ == 0 || RanWell())) {
        const QString command = TakeNext(commands);
        runner_->ExecuteCommand(command);
    }
    Judge();
}

void LoudnessLook::Stop() {
    stopped_ = true;
    if (runner_) {
        runner_->SetStopConvert(true);
    }
}

void LoudnessLook::Receive(const QString& piece) {
    if (piece == QStringLiteral("Cancelled") && runner_->StopConvert()) {
        return;  // the runner's word, not the encoder's
    }
    emit Text(piece);
    text_ += piece;
    // The readings come at the very end; the progress before them need not be kept whole.
    constexpr qsizetype kKept = 256 * 1024;
    if (text_.size() > 2 * kKept) {
        text_ = text_.right(kKept);
    }
    // Measuring what was encoded is quick: the encoding tells how far the reading has come.
    const bool measuringEncoded = next_ > 1;
    if (const std::optional<TimeValue> time = FindTimeValue(piece); time && !measuringEncoded) {
        emit Reached(time->seconds);
    }
}

void LoudnessLook::Judge() {
    encoded_.reset();
    if (stopped_ || failure_.size() > 0 || !found_.empty()) {
        return;
    }
    found_ = LoudnessFromAnalysis(text_);
    const bool ran = RanWell();
    if (ran && found_.size() == sounds_.size()) {
        return;
    }
    const QString detail = ErrorDetailOf(text_);
    //: Said when the sound could not be measured before evening its loudness.
    failure_ = detail.isEmpty()
                   ? Text::tr("The sound could not be measured to even its loudness.")
                   //: %1 is the encoder's own words.
                   : Text::tr("The sound could not be measured to even its loudness: %1")
                         .arg(detail);
}

}  // namespace reelwright
