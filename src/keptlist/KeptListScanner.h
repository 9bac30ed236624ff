#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

class QIODevice;

namespace reelwright {

// Reads a kept list (one JSON object whose "rows" member is an array of objects) piece by
// piece: each row apart, and no piece larger than the program itself writes, so that however
// large a field a crafted or damaged list holds, the memory holds one row at a time. A row too
// large is passed over unread; any other member too large is left out.
class KeptListScanner {
  public:
    // The largest row the program writes is every text at its longest with every character
    // escaped, well under this; the other members are a few words.
    static constexpr qsizetype kLongestRowBytes = 1024 * 1024;
    static constexpr qsizetype kLongestMemberBytes = 1024 * 1024;

    using Member = std::function<void(const QString& name, const QJsonValue& value)>;
    // A row as read, or none when it is too large or not valid JSON.
    using Row = std::function<void(const std::optional<QJsonObject>& row)>;

    explicit KeptListScanner(QIODevice& source, const std::atomic<bool>* cancel = nullptr)
        : source_(source), cancel_(cancel) {}

    // Goes through the whole list, handing over each member but the rows, and each row. False,
    // with `error` set, when the bytes are not one JSON object or the scan was cancelled.
    bool Scan(const Member& member, const Row& row, QString* error);

  private:
    bool ScanMembers(char c, const Member& member, const Row& row);
    bool ScanValue(const std::optional<QJsonValue>& name, const Member& member);
    bool ScanRows(const Row& row);
    bool ScanEnd();
    bool Next(char* c);
    bool Peek(char* c);
    bool SkipBlanks(char* c);
    // One value, its first byte already peeked; its bytes kept while they fit in `room`.
    bool Value(QByteArray* kept, qsizetype room, bool* tooLarge);
    bool StringBody(QByteArray* kept, qsizetype room, bool* tooLarge);
    bool Fail(const QString& why);
    void Keep(QByteArray* kept, qsizetype room, bool* tooLarge, char c);

    QIODevice& source_;
    const std::atomic<bool>* cancel_;
    QByteArray buffer_;
    qsizetype at_ = 0;
    qint64 offset_ = 0;  // bytes taken before the buffer
    QString error_;
};

}  // namespace reelwright
