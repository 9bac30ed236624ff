#include "keptlist/KeptListScanner.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::KeptListScanner)
};

constexpr qint64 kChunk = 64 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A JSON value of any kind, from its bytes.
std::optional<QJsonValue> ParseValue(const QByteArray& bytes) {
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson('[' + bytes + ']', &parse);
    if (parse.error != QJsonParseError::NoError || document.array().size() != 1) {
        return std::nullopt;
    }
    return document.array().at(0);
}

}  // namespace

bool KeptListScanner::Fail(const QString& why) {
    if (error_.isEmpty()) {
        error_ = why;
    }
    return false;
}

bool KeptListScanner::Peek(char* c) {
    if (at_ >= buffer_.size()) {
        if (cancel_ && cancel_->load()) {
            //: Why the kept job list cannot be read.
            return Fail(Text::tr("reading was abandoned"));
        }
        offset_ += buffer_.size();
        buffer_ = source_.read(kChunk);
        at_ = 0;
        if (buffer_.isEmpty()) {
            //: Why the kept job list cannot be read.
            return Fail(Text::tr("it ends too early"));
        }
    }
    *c = buffer_[at_];
    return true;
}

bool KeptListScanner::Next(char* c) {
    if (!Peek(c)) {
        return false;
    }
    ++at_;
    return true;
}

bool KeptListScanner::SkipBlanks(char* c) {
    while (Peek(c)) {
        if (!IsBlank(*c)) {
            return true;
        }
        ++at_;
    }
    return false;
}

void KeptListScanner::Keep(QByteArray* kept, qsizetype room, bool* tooLarge, char c) {
    if (*tooLarge) {
        return;
    }
    if (kept->size() >= room) {
        *tooLarge = true;
        kept->clear();
        kept->squeeze();  // what was read of it goes at once
        return;
    }
    kept->append(c);
}

bool KeptListScanner::StringBody(QByteArray* kept, qsizetype room, bool* tooLarge) {
    char c = 0;
    while (Next(&c)) {
        Keep(kept, room, tooLarge, c);
        if (c == '"') {
            return true;
        }
        if (c == '\\') {
            if (!Next(&c)) {
                return false;
            }
            Keep(kept, room, tooLarge, c);
        }
    }
    return false;
}

bool KeptListScanner::Value(QByteArray* kept, qsizetype room, bool* tooLarge) {
    char c = 0;
    if (!Next(&c)) {
        return false;
    }
    Keep(kept, room, tooLarge, c);
    if (c == '"') {
        return StringBody(kept, room, tooLarge);
    }
    if (c != '{' && c != '[') {
        // A number, true, false or null: up to what ends it.
        while (Peek(&c) && !IsBlank(c) && c != ',' && c != '}' && c != ']') {
            ++at_;
            Keep(kept, room, tooLarge, c);
        }
        return error_.isEmpty();
    }
    int depth = 1;
    while (depth > 0 && Next(&c)) {
        Keep(kept, room, tooLarge, c);
        if (c == '"') {
            if (!StringBody(kept, room, tooLarge)) {
                return false;
            }
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return depth == 0;
}

bool KeptListScanner::Scan(const Member& member, const Row& row, QString* error) {
    char c = 0;
    bool scanned = false;
    if (!SkipBlanks(&c) || c != '{') {
        //: Why the kept job list cannot be read.
        Fail(Text::tr("it is not a kept job list"));
    } else {
        ++at_;
        scanned = SkipBlanks(&c) && ScanMembers(c, member, row) && ScanEnd();
    }
    if (!scanned) {
        //: Why the kept job list cannot be read.
        *error = error_.isEmpty() ? Text::tr("it is not a kept job list") : error_;
        return false;
    }
    error_.clear();
    return true;
}

// The object's members, `c` the first character after its brace.
bool KeptListScanner::ScanMembers(char c, const Member& member, const Row& row) {
    if (c == '}') {
        ++at_;
        return true;
    }
    for (;;) {
        // "name": value
        QByteArray nameBytes;
        bool nameTooLarge = false;
        if (c != '"' || !Value(&nameBytes, 256, &nameTooLarge)) {
            //: Why the kept job list cannot be read; %1 is a position in the file.
            return Fail(Text::tr("a member has no name at byte %1").arg(offset_ + at_));
        }
        const std::optional<QJsonValue> name = ParseValue(nameBytes);
        if (!SkipBlanks(&c) || c != ':') {
            //: Why the kept job list cannot be read; %1 is a position in the file.
            return Fail(Text::tr("a member has no value at byte %1").arg(offset_ + at_));
        }
        ++at_;
        if (!SkipBlanks(&c)) {
            return false;
        }
        if (name && name->toString() == QStringLiteral("rows") && c == '[') {
            ++at_;
            if (!ScanRows(row)) {
                return false;
            }
            member(QStringLiteral("rows"), QJsonArray());
        } else if (!ScanValue(name, member)) {
            return false;
        }
        if (!SkipBlanks(&c)) {
            return false;
        }
        ++at_;
        if (c == '}') {
            return true;
        }
        if (c != ',' || !SkipBlanks(&c)) {
            //: Why the kept job list cannot be read; %1 is a position in the file.
            return Fail(Text::tr("garbage at byte %1").arg(offset_ + at_));
        }
    }
}

// One member's value other than the rows, handed on whole.
bool KeptListScanner::ScanValue(const std::optional<QJsonValue>& name, const Member& member) {
    QByteArray valueBytes;
    bool valueTooLarge = false;
    if (!Value(&valueBytes, kLongestMemberBytes, &valueTooLarge)) {
        return false;
    }
    const std::optional<QJsonValue> value = valueTooLarge ? std::nullopt : ParseValue(valueBytes);
    if (!valueTooLarge && !value) {
        //: Why the kept job list cannot be read; %1 is a position in the file.
        return Fail(Text::tr("a value cannot be read before byte %1").arg(offset_ + at_));
    }
    if (name && value) {
        member(name->toString(), *value);
    }
    return true;
}

// The rows, one at a time, after the list's bracket: a row that cannot be read is handed on as
// none, and the others still are.
bool KeptListScanner::ScanRows(const Row& row) {
    char c = 0;
    if (!SkipBlanks(&c)) {
        return false;
    }
    if (c == ']') {
        ++at_;
        return true;
    }
    for (;;) {
        QByteArray rowBytes;
        bool rowTooLarge = false;
        if (!Value(&rowBytes, kLongestRowBytes, &rowTooLarge)) {
            return false;
        }
        std::optional<QJsonObject> read;
        if (!rowTooLarge) {
            QJsonParseError parse;
            const QJsonDocument document = QJsonDocument::fromJson(rowBytes, &parse);
            if (parse.error == QJsonParseError::NoError && document.isObject()) {
                read = document.object();
            }
        }
        row(read);
        if (!SkipBlanks(&c)) {
            return false;
        }
        ++at_;
        if (c == ']') {
            return true;
        }
        if (c != ',' || !SkipBlanks(&c)) {
            //: Why the kept job list cannot be read; %1 is a position in the file.
            return Fail(Text::tr("the rows are not a list at byte %1").arg(offset_ + at_));
        }
    }
}

// Nothing but blanks may follow.
bool KeptListScanner::ScanEnd() {
    char c = 0;
    while (at_ < buffer_.size() || !source_.atEnd()) {
        if (!Peek(&c)) {
            break;
        }
        if (!IsBlank(c)) {
            //: Why the kept job list cannot be read.
            return Fail(Text::tr("garbage at the end"));
        }
        ++at_;
    }
    return true;
}

}  // namespace reelwright
