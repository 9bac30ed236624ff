#pragma once

#include "platform/BoxQueue.h"
#include "platform/Desktop.h"
#include "platform/DesktopNotifications.h"
#include "platform/Dialogs.h"
#include "platform/FileLock.h"
#include "platform/Notifier.h"
#include "platform/Power.h"
#include "platform/Yield.h"

#include "common/QtPrinting.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace reelwright::test {

struct Message {
    QString text;
    MessageIcon icon;
    QString details;
};

// Records every message instead of showing a box; installed for its lifetime.
class RecordingNotifier final : public Notifier {
  public:
    RecordingNotifier();
    ~RecordingNotifier() override;
    using Notifier::Show;
    void Show(const QString& text, MessageIcon icon, const QString& details) override;
    std::function<void(const QString&)> onShow;  // runs inside Show, like a modal box would
    std::vector<Message> messages;
    QStringList Texts() const;

    // With holdTold, what is told stays up as the real boxes do, one at a time, until the test
    // closes it; `told` has each box put up, in order.
    using Notifier::Tell;
    void Tell(const QString& text, MessageIcon icon, const QString& details) override;
    bool holdTold = false;
    std::vector<Message> told;
    bool BoxUp() const { return queue_.BoxUp(); }
    void CloseBox();

  private:
    Notifier* previous_;
    std::function<void()> close_;
    BoxQueue queue_{[this](const BoxQueue::Box& box, std::function<void()> closed) {
        told.push_back({box.text, box.icon, box.details});
        close_ = std::move(closed);
    }};
};

// Counts yields and can act inside them; installed for its lifetime.
class ScopedYield {
  public:
    explicit ScopedYield(std::function<void()> action = {});
    ~ScopedYield();
    int count = 0;

  private:
    Yield::Function previous_;
};

// Records what would be opened with the desktop's handler.
class RecordingDesktop final : public Desktop {
  public:
    RecordingDesktop();
    ~RecordingDesktop() override;
    void Open(const QString& target, const QString& workingFolder) override;
    QStringList targets;
    QStringList workingFolders;

  private:
    Desktop* previous_;
};

// Answers the pickers from queues; an empty queue answers as cancelled.
class ScriptedDialogs final : public Dialogs {
  public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;
    QStringList OpenFiles(QWidget* owner, const QString& title, const QString& filter,
                          bool multiSelect) override;
    QString BrowseForFolder(QWidget* owner, const QString& title) override;
    bool AskPresetName(QWidget* owner, const QStringList& categories, QString* category,
                       QString* label) override;
    bool Confirm(QWidget* owner, const QString& title, const QString& question) override;
    std::vector<QStringList> fileAnswers;
    // Each a yes or a no; none left: cancelled. The questions asked, in order.
    std::vector<bool> confirmAnswers;
    QStringList questions;
    // Each a category and a name; none left: cancelled.
    std::vector<std::pair<QString, QString>> presetNameAnswers;
    QStringList offeredCategories;
    QStringList folderAnswers;
    QStringList titles;
    QString lastFilter;
    bool lastMultiSelect = false;

  private:
    Dialogs* previous_;
};

// Records power requests; nothing is switched off.
class RecordingPower final : public Power {
  public:
    RecordingPower();
    ~RecordingPower() override;
    void Request(PowerAction action) override { actions.push_back(action); }
    std::vector<PowerAction> actions;

  private:
    Power* previous_;
};

// Records desktop notes instead of showing them.
class RecordingNotifications final : public DesktopNotifications {
  public:
    RecordingNotifications();
    ~RecordingNotifications() override;
    void Notify(const QString& summary, const QString& body) override {
        notes << summary + QStringLiteral(": ") + body;
    }
    QStringList notes;

  private:
    DesktopNotifications* previous_;
};

// A temporary program folder, installed as the program's folder for its lifetime.
class TempProgramFolder {
  public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    // Puts the scripted encoder in as "ffmpeg".
    void AddFakeEncoder() const;
    // Copies the catalogues the program ships.
    void AddShippedCatalogues() const;
    // Writes a file into the folder (CR LF where the text says so) and returns its path.
    QString Write(const QString& name, const QString& text) const;
    void Remove(const QString& name) const;

  private:
    QTemporaryDir dir_;
};

// A program folder holding the scripted encoder; scenarios are files written into it.
class FakeEncoderFolder : public TempProgramFolder {
  public:
    FakeEncoderFolder() { AddFakeEncoder(); }
    QString Scenario(const QString& name, const QString& script) const {
        return Write(name, script);
    }
};

// Stands for a file system that keeps no locks (flock answers ENOLCK) for its lifetime; Pause
// lets locks work again for a moment, as another machine's copy sees the same folder.
class NoLocks {
  public:
    NoLocks();
    ~NoLocks();
    NoLocks(const NoLocks&) = delete;
    NoLocks& operator=(const NoLocks&) = delete;
    template <typename Action>
    auto Pause(Action action) {
        FileLock::Install(previous_);
        struct Again {
            ~Again() { NoLocks::Refuse(); }
        } again;
        return action();
    }

  private:
    static void Refuse();
    FileLock::Function previous_;
};

// Keeps PATH free of any encoder for its lifetime.
class ScopedEmptyPath {
  public:
    ScopedEmptyPath();
    ~ScopedEmptyPath();

  private:
    QByteArray previous_;
    QTemporaryDir empty_;
};

}  // namespace reelwright::test
