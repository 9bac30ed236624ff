#include "platform/WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::WholeFile)
};

}  // namespace

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails on a full disk is only found when the buffer is
    // flushed, and Qt's commit does not always see it, putting an empty file in place.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size() && file.flush();
    const QString why = file.errorString();
    if (!written) {
        // The new file goes with `file`; the old one is untouched.
        if (error) {
            *error = why;
        }
        return false;
    }
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    // What is there now is what was meant, or the failure is told.
    if (QFileInfo(path).size() != bytes.size()) {
        if (error) {
            //: Why a file could not be saved.
            *error = Text::tr("the file written is not whole");
        }
        return false;
    }
    return true;
}

}  // namespace reelwright
