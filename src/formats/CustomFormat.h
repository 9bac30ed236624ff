#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace reelwright {

// The custom format: the fields of the "Custom (Advanced)" panel and the encoder options they
// make.
namespace custom {

inline const QString kAsInput = QStringLiteral("[As Input]");

QStringList ContainerItems();
QStringList SampleRateItems();
QStringList SizeItems();
QStringList AspectItems();

// The texts of the custom panel, with the codec lists already turned into encoder names.
struct Fields {
    QString sampleRate;      // an item of SampleRateItems()
    QString audioBitrate;    // kbps
    QString audioCodecName;  // empty: no -acodec
    QString channels;
    QString videoCodecName;  // empty: no -vcodec
    QString videoBitrate;    // kbps
    QString size;            // an item of SizeItems()
    QString aspect;          // an item of AspectItems()
    QString frameRate;
};

// "-ar 22050 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -r 25" for the defaults. Returns no
// text, with `error` set, when a bit rate is not a number or too large, or a size has no "(".
std::optional<QString> BuildParams(const Fields& fields, QString* error,
                                   const QLocale& locale = QLocale());

// The number a text begins with, "." being the decimal point whatever the locale; blanks inside
// are skipped and the first other character ends it ("22.05 KHz" gives 22.05).
double LeadingNumber(const QString& text);

// The four typed fields and their key filters.
enum class TextField { AudioBitrate, Channels, VideoBitrate, FrameRate };

constexpr QChar kBackspace(8);
constexpr QChar kEnter(13);

int MaxLength(TextField field);
// Whether a typed key reaches the field holding `text`.
bool AcceptKey(TextField field, const QString& text, QChar key);
// Whether a whole text (pasted, dropped, set) obeys the same character and length rules.
bool AcceptText(TextField field, const QString& text);

// The one-line summary of the chosen format.
QString FormatSummary(bool presetMode, const QString& categoryOrContainer,
                      const QString& videoCodec, const QString& containerOrAudioCodec);

}  // namespace custom
}  // namespace reelwright
