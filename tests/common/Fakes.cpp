#include "common/Fakes.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <utility>

namespace reelwright::test {

RecordingNotifier::RecordingNotifier() : previous_(Notifier::Install(this)) {}
RecordingNotifier::~RecordingNotifier() {
    Notifier::Install(previous_);
}

void RecordingNotifier::Show(const QString& text, MessageIcon icon, const QString& details) {
    messages.push_back({text, icon, details});
    if (onShow) {
        onShow(text);
    }
}

void RecordingNotifier::Tell(const QString& text, MessageIcon icon, const QString& details) {
    if (!holdTold) {
        Show(text, icon, details);
        return;
    }
    messages.push_back({text, icon, details});
    queue_.Add(text, icon, details);
}

void RecordingNotifier::CloseBox() {
    if (auto close = std::exchange(close_, nullptr)) {
        close();
    }
}

QStringList RecordingNotifier::Texts() const {
    QStringList texts;
    for (const Message& message : messages) {
        texts << message.text;
    }
    return texts;
}

ScopedYield::ScopedYield(std::function<void()> action)
    : previous_(Yield::Install([this, action] {
          ++count;
          if (action) {
              action();
          }
      })) {}
ScopedYield::~ScopedYield() {
    Yield::Install(previous_);
}

RecordingDesktop::RecordingDesktop() : previous_(Desktop::Install(this)) {}
RecordingDesktop::~RecordingDesktop() {
    Desktop::Install(previous_);
}

void RecordingDesktop::Open(const QString& target, const QString& workingFolder) {
    targets << target;
    workingFolders << workingFolder;
}

ScriptedDialogs::ScriptedDialogs() : previous_(Dialogs::Install(this)) {}
ScriptedDialogs::~ScriptedDialogs() {
    Dialogs::Install(previous_);
}

QStringList ScriptedDialogs::OpenFiles(QWidget*, const QString& title, const QString& filter,
                                       bool multiSelect) {
    titles << title;
    lastFilter = filter;
    lastMultiSelect = multiSelect;
    if (fileAnswers.empty()) {
        return {};
    }
    QStringList answer = fileAnswers.front();
    fileAnswers.erase(fileAnswers.begin());
    return answer;
}

QString ScriptedDialogs::BrowseForFolder(QWidget*, const QString& title) {
    titles << title;
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

bool ScriptedDialogs::AskPresetName(QWidget*, const QStringList& categories, QString* category,
                                    QString* label) {
    offeredCategories = categories;
    if (presetNameAnswers.empty()) {
        return false;
    }
    *category = presetNameAnswers.front().first;
    *label = presetNameAnswers.front().second;
    presetNameAnswers.erase(presetNameAnswers.begin());
    return true;
}

bool ScriptedDialogs::Confirm(QWidget*, const QString&, const QString& question) {
    questions << question;
    if (confirmAnswers.empty()) {
        return false;
    }
    const bool yes = confirmAnswers.front();
    confirmAnswers.erase(confirmAnswers.begin());
    return yes;
}

RecordingNotifications::RecordingNotifications()
    : previous_(DesktopNotifications::Install(this)) {}
RecordingNotifications::~RecordingNotifications() {
    DesktopNotifications::Install(previous_);
}

RecordingPower::RecordingPower() : previous_(Power::Install(this)) {}
RecordingPower::~RecordingPower() {
    Power::Install(previous_);
}

TempProgramFolder::TempProgramFolder() {
    ProgramFolder::Override(dir_.path());
}

TempProgramFolder::~TempProgramFolder() {
    ProgramFolder::Override(QString());
}

void TempProgramFolder::AddFakeEncoder() const {
    const QString target = dir_.filePath(QStringLiteral("ffmpeg"));
    QFile::copy(QStringLiteral(FAKE_ENCODER_PATH), target);
    QFile::setPermissions(target, QFile::permissions(target) | QFile::ExeOwner);
}

void TempProgramFolder::AddShippedCatalogues() const {
    for (const char* name : {"presets.xml", "codecs.xml", "Help.html"}) {
        QFile::copy(QStringLiteral(SOURCE_DATA_DIR "/") + name, dir_.filePath(name));
    }
}

void TempProgramFolder::Remove(const QString& name) const {
    QFile::remove(dir_.filePath(name));
}

QString TempProgramFolder::Write(const QString& name, const QString& text) const {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text.toUtf8());
    }
    return path;
}

NoLocks::NoLocks() : previous_(FileLock::Install({})) {
    Refuse();
}

NoLocks::~NoLocks() {
    FileLock::Install(previous_);
}

void NoLocks::Refuse() {
    FileLock::Install([](int, int) {
        errno = ENOLCK;
        return -1;
    });
}

ScopedEmptyPath::ScopedEmptyPath() : previous_(qgetenv("PATH")) {
    qputenv("PATH", QFile::encodeName(empty_.path()));
}
ScopedEmptyPath::~ScopedEmptyPath() {
    qputenv("PATH", previous_);
}

}  // namespace reelwright::test
