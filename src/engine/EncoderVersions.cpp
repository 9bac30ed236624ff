#include "engine/EncoderVersions.h"

#include "platform/AppInfo.h"
#include "platform/FileStamp.h"
#include "platform/OwnFolder.h"
#include "platform/SafeFile.h"
#include "platform/UserFolders.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace reelwright {
namespace {

constexpr qint64 kMostBytes = 256 * 1024;  // a few encoders' answers; more is not ours
constexpr int kMostEntries = 16;

QJsonObject ReadCache() {
    // What another user could have put there is not believed.
    if (!WhyNotOwnFolder(QFileInfo(EncoderVersions::CacheFile()).path()).isEmpty()) {
        return {};
    }
    SafeFile file = SafeFile::OpenForReading(EncoderVersions::CacheFile());
    if (!file.IsOpen()) {
        return {};
    }
    QFile reader;
    if (!reader.open(file.Release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return {};
    }
    const QByteArray bytes = reader.read(kMostBytes + 1);
    if (bytes.size() > kMostBytes) {
        return {};
    }
    return QJsonDocument::fromJson(bytes).object();
}

void Keep(QJsonObject cache, const QString& encoder, const QString& key, const QString& text) {
    const QString folder = QFileInfo(EncoderVersions::CacheFile()).path();
    QDir().mkpath(QFileInfo(folder).path());  // the cache folder itself, as any program makes it
    if (!WhyNotMadeOwnFolder(folder).isEmpty()) {
        return;  // nowhere of our own: asked again next run
    }
    while (cache.size() >= kMostEntries && !cache.contains(encoder)) {
        cache.remove(cache.begin().key());
    }
    cache.insert(encoder, QJsonObject{{QStringLiteral("file"), key},
                                      {QStringLiteral("version"), text}});
    WriteWholeFile(EncoderVersions::CacheFile(), QJsonDocument(cache).toJson());
}

}  // namespace

QString EncoderVersions::CacheFile() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(base)) {
        base = QDir(HomeFolder()).filePath(QStringLiteral(".cache"));
    }
    return QDir(base).filePath(QString::fromLatin1(kMakerName) +
                               QStringLiteral("/encoder-versions.json"));
}

std::optional<QString> EncoderVersions::Of(const QString& encoder, const Asker& ask) {
    const QString path = QFileInfo(encoder).canonicalFilePath();
    const QString key = QString::fromLatin1(FileStamp(path));
    if (key.isEmpty()) {
        return ask(encoder);
    }
    QJsonObject cache = ReadCache();
    const QJsonObject entry = cache.value(path).toObject();
    if (entry.value(QStringLiteral("file")).toString() == key &&
        entry.value(QStringLiteral("version")).isString()) {
        return entry.value(QStringLiteral("version")).toString();
    }
    const std::optional<QString> text = ask(encoder);
    // Kept only when the file did not change while it was asked.
    if (text && QString::fromLatin1(FileStamp(path)) == key) {
        Keep(std::move(cache), path, key, *text);
    }
    return text;
}

}  // namespace reelwright
