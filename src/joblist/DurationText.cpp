#include "joblist/DurationText.h"

#include "platform/PlayLength.h"
#include "platform/Rounding.h"
#include "platform/SafeFile.h"

#include <QRegularExpression>

#include <array>
#include <cstddef>

#include <unistd.h>

// libmediainfo's C handle interface (its own header does not compile as C++).
extern "C" {
void* MediaInfoA_New();
void MediaInfoA_Delete(void* handle);
std::size_t MediaInfoA_Open(void* handle, const char* file);
void MediaInfoA_Close(void* handle);
const char* MediaInfoA_Option(void* handle, const char* option, const char* value);
const char* MediaInfoA_Get(void* handle, int streamKind, std::size_t streamNumber,
                           const char* parameter, int infoKind, int searchKind);
}

namespace reelwright {
namespace {

constexpr int kStreamGeneral = 0;
constexpr int kInfoName = 0;
constexpr int kInfoText = 1;

// Matroska and WebM say their length in their header: the library's usual look through a good
// part of the file (a tenth of a second for a film of 60 MB) tells it nothing more.
bool SaysItsLengthAtTheStart(int descriptor) {
    std::array<unsigned char, 4> start{};
    return ::pread(descriptor, start.data(), start.size(), 0) == 4 &&
           start == std::array<unsigned char, 4>{0x1A, 0x45, 0xDF, 0xA3};
}

QString TwoDigits(qint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

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
    // The library opens by name and would wait on a pipe for ever: it is given the name of a
    // file opened here without waiting and checked to be a regular file.
    const SafeFile file = SafeFile::OpenForReading(path, SafeFile::Links::Follow);
    if (!file.IsOpen()) {
        return {};
    }
    void* handle = MediaInfoA_New();
    if (!handle) {
        return {};
    }
    if (SaysItsLengthAtTheStart(file.Descriptor())) {
        // "File_" names this handle's own setting; the bare name would be the whole process's.
        MediaInfoA_Option(handle, "File_ParseSpeed", "0");
    }
    MediaLength result;
    const bool opened = MediaInfoA_Open(handle, file.ProcPath().constData()) != 0;
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
