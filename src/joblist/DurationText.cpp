#include "joblist/DurationText.h"

#include "platform/PlayLength.h"
#include "platform/Rounding.h"

#include <QFile>
#include <QRegularExpression>

#include <langinfo.h>
#include <clocale>
#include <locale.h>
#include <cstddef>
#include <cstring>

// libmediainfo's C handle interface (its own header does not compile as C++).
extern "C" {
void* MediaInfoA_New();
void MediaInfoA_Delete(void* handle);
std::size_t MediaInfoA_Open(void* handle, const char* file);
void MediaInfoA_Close(void* handle);
const char* MediaInfoA_Get(void* handle, int streamKind, std::size_t streamNumber,
                           const char* parameter, int infoKind, int searchKind);
}

namespace reelwright {
namespace {

constexpr int kStreamGeneral = 0;
constexpr int kInfoName = 0;
constexpr int kInfoText = 1;

QString TwoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The library reads 8-bit file names by the C locale; file names here are UTF-8 whatever it says.
// The locale is switched for this thread only: lengths are read on several threads at once.
class Utf8CType {
  public:
    Utf8CType() {
        const char* codeset = nl_langinfo(CODESET);
        if (codeset && std::strcmp(codeset, "UTF-8") != 0) {
            utf8_ = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
            if (utf8_) {
                previous_ = uselocale(utf8_);
            }
        }
    }
    ~Utf8CType() {
        if (utf8_) {
            uselocale(previous_);
            freelocale(utf8_);
        }
    }
    Utf8CType(const Utf8CType&) = delete;
    Utf8CType& operator=(const Utf8CType&) = delete;

  private:
    locale_t utf8_ = static_cast<locale_t>(nullptr);
    locale_t previous_ = static_cast<locale_t>(nullptr);
};

}  // namespace

QString DurationTextFromLength(const QString& lengthText) {
    if (lengthText.isEmpty()) {
        return QStringLiteral("Error");
    }
    static const QRegularExpression kPart(QStringLiteral("(\\d+(?:\\.\\d+)?)\\s*([A-Za-z]+)"));
    double hours = 0;
    double minutes = 0;
    double seconds = 0;
    for (const QRegularExpressionMatch& part : kPart.globalMatch(lengthText)) {
        const double value = part.captured(1).toDouble();
        const QString unit = part.captured(2).toLower();
        if (unit == u"h") {
            hours = value;
        } else if (unit == u"mn" || unit == u"min") {
            minutes = value;
        } else if (unit == u"s") {
            seconds = value;
        }
    }
    // A container claiming years, or more digits than a number holds, tells no length.
    if (!(hours * 3600 + minutes * 60 + seconds <= kLongestPlaySeconds)) {
        return QStringLiteral("Error");
    }
    return TwoDigits(RoundHalfEvenToInt(hours)) + u':' + TwoDigits(RoundHalfEvenToInt(minutes)) +
           u':' + TwoDigits(RoundHalfEvenToInt(seconds));
}

QString GetDurationText(const QString& path) {
    return ReadMediaLength(path).text;
}

MediaLength ReadMediaLength(const QString& path) {
    void* handle = MediaInfoA_New();
    if (!handle) {
        return {};
    }
    MediaLength result;
    bool opened = false;
    {
        const Utf8CType utf8;
        opened = MediaInfoA_Open(handle, QFile::encodeName(path).constData()) != 0;
    }
    if (opened) {
        const char* text =
            MediaInfoA_Get(handle, kStreamGeneral, 0, "Duration/String", kInfoText, kInfoName);
        result.text = DurationTextFromLength(QString::fromUtf8(text ? text : ""));
        // Milliseconds, possibly with a fraction.
        const char* milliseconds =
            MediaInfoA_Get(handle, kStreamGeneral, 0, "Duration", kInfoText, kInfoName);
        result.seconds =
            BelievedLength(QString::fromUtf8(milliseconds ? milliseconds : "").toDouble() / 1000.0);
        MediaInfoA_Close(handle);
    }
    MediaInfoA_Delete(handle);
    return result;
}

}  // namespace reelwright
