#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace reelwright {

// The custom format: the fields of the "Custom (Advanced)" panel and the encoder options they
// make.
namespace custom {

inline const QString kAsInput = QStringLiteral("[As Input]");
// The codec list's choice that copies a track as it is: nothing of it is encoded, so none of
// its fields apply.
inline const QString kCopyName = QStringLiteral("copy");
inline const QString kCopyDescription = QStringLiteral("Copy (no re-encoding)");
// The same in the user's language, for the codec lists.
QString CopyDescription();

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
    QString container;  // an item of ContainerItems(); empty: not judged
};

// "-ar 22050 -ab 64000 -acodec A -ac 2 -vcodec V -b 320000 -r 25" for the defaults, followed by
// what the container needs; a codec copied gives its codec option alone, since the rates, size
// and channels of a track copied as it is cannot change. Returns no text, with `error` set, when a
// bit rate is not a number, too large or 0, a channel count or frame rate is not above 0, a size
// has no "(", or the container cannot hold the codecs (`describe` names them as the lists show
// them).
std::optional<QString> BuildParams(const Fields& fields, QString* error,
                                   const QLocale& locale = QLocale(),
                                   const std::function<QString(const QString&)>& describe = {});

// The number a text begins with, "." being the decimal point whatever the locale; blanks inside
// are skipped and the first other character ends it ("22.05 KHz" gives 22.05).
double LeadingNumber(const QString& text);

// The four typed fields and their key filters.
enum class TextField { AudioBitrate, Channels, VideoBitrate, FrameRate };

constexpr QChar kBackspace(8);
constexpr QChar kEnter(13);

// Where a typed key lands: over the selected characters, or at the cursor when none are.
struct KeyPlace {
    int start = -1;  // -1: at the end of the text
    int length = 0;  // the characters selected from `start`
};

int MaxLength(TextField field);
// Whether a typed key reaches the field holding `text`: the field's characters, and the text as
// it would be after the key within the field's length (and one "." for a frame rate).
bool AcceptKey(TextField field, const QString& text, QChar key, KeyPlace place = {});
// Whether a whole text (pasted, dropped, set) obeys the same character and length rules.
bool AcceptText(TextField field, const QString& text);

// Whether a whole text (typed, pasted or stored) is a value the encoder can use: a number above
// 0 (a frame rate of "." or "0", a bit rate or channel count of 0 cannot work).
bool ValidValue(TextField field, const QString& text);
// The message for a field whose value cannot work.
QString InvalidValueMessage(TextField field);

// What a custom container can hold, as tried with today's encoder. Outside these lists a file is
// refused, fails, or (worse) is written so that it does not play: MPEG-4 in RM is labelled
// RealVideo 2.0, HEVC in AVI as raw video. Codecs the table does not know are left to the
// encoder to judge.
struct ContainerRule {
    QString container;
    QStringList videoCodecs;  // encoder names
    QStringList audioCodecs;  // empty: the container holds no sound
    QString options;          // what the container needs beyond the fields
};
const ContainerRule* RuleOf(const QString& container);
// Why this pair cannot go into this container; empty when it can. `describe` turns an encoder
// name into what the lists show.
QString ContainerProblem(const QString& container, const QString& videoCodecName,
                         const QString& audioCodecName,
                         const std::function<QString(const QString&)>& describe);

// Why a field cannot apply while a codec copies its track; empty when it applies.
QString CopiedFieldReason(bool video);

// The one-line summary of the chosen format.
QString FormatSummary(bool presetMode, const QString& categoryOrContainer,
                      const QString& videoCodec, const QString& containerOrAudioCodec);

}  // namespace custom
}  // namespace reelwright
