// What the window tells of a batch: the time left in its title, a note on the desktop at its
// end, each file's encoder output, and the minute before a power-off.
#include "batch/PowerOff.h"
#include "joblist/JobGrid.h"
#include "platform/AppInfo.h"
#include "platform/DesktopNotifications.h"
#include "platform/Notifier.h"
#include "window/EncoderOutputView.h"
#include "window/MyButton.h"
#include "window/MyFrame.h"
#include "window/Twips.h"
#include "window/frmMain.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace reelwright {

void frmMain::BuildPowerOffPanel() {
    frPowerOff = new MyFrame(tr("Switching Off"), this, 3);
    frPowerOff->resize(TwipsRect(0, 0, 7245, 3690).size());
    QWidget* p = frPowerOff;
    lblPowerOff = Place(new QLabel(p), 300, 600, 6645, 600);
    lblPowerOff->setWordWrap(true);
    lblPowerOffFailures = Place(new QLabel(p), 300, 1260, 6645, 1560);
    lblPowerOffFailures->setWordWrap(true);
    lblPowerOffFailures->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPowerOffFailures->setTextFormat(Qt::PlainText);
    cmdPowerOffNow = Place(new MyButton(tr("Power Off Now"), p), 1650, 3030, 1800, 390);
    cmdCancelPowerOff = Place(new MyButton(tr("Cancel"), p), 3795, 3030, 1800, 390);

    countdownTimer_ = new QTimer(this);
    countdownTimer_->setInterval(1000);
    connect(countdownTimer_, &QTimer::timeout, &countdown_, &PowerOffCountdown::Tick);
    connect(cmdPowerOffNow, &QPushButton::clicked, &countdown_, &PowerOffCountdown::PowerOffNow);
    connect(cmdCancelPowerOff, &QPushButton::clicked, &countdown_, &PowerOffCountdown::Cancel);
    connect(EscapeIn(frPowerOff), &QShortcut::activated, &countdown_, &PowerOffCountdown::Cancel);
    connect(&countdown_, &PowerOffCountdown::Changed, this, [this](int seconds) {
        lblPowerOff->setText(
            tr("The batch has ended. The computer will be switched off in %n seconds.", nullptr,
               seconds));
    });
    connect(&countdown_, &PowerOffCountdown::Ended, this, [this](bool powerOff) {
        countdownTimer_->stop();
        ClosePanel();
        if (powerOff) {
            // The session ends with the power: the choices are kept first.
            SaveSettings(false);
            ShutdownSystem(8);
        }
    });
    // Armed, the power-off must not wait for a box nobody will click.
    connect(chkShutdown, &QCheckBox::toggled, this,
            [this](bool armed) { batch_.SetQuietFailures(armed); });
    connect(&batch_, &BatchDriver::Advanced, this, &frmMain::ShowBatchProgress);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    // Shift+F10 opens the menu of the current row, as the Menu key does.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), Grid, nullptr, nullptr,
                                  Qt::WidgetWithChildrenShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QModelIndex row = Grid->currentIndex();
        if (!row.isValid() && Grid->model() && Grid->model()->rowCount() > 0) {
            row = Grid->model()->index(0, JobRow::FilePath);
        }
        if (row.isValid()) {
            row = Grid->model()->index(row.row(), JobRow::FilePath);
            emit Grid->customContextMenuRequested(Grid->visualRect(row).center());
        }
    });
    connect(Grid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex cell = Grid->indexAt(at);
        if (!cell.isValid()) {
            return;
        }
        const std::unique_ptr<QMenu> menu = GridMenu(cell.row());
        menu->exec(Grid->viewport()->mapToGlobal(at));
    });
}

void frmMain::BuildResumePanel() {
    frResume = new MyFrame(tr("Interrupted Batch"), this, 3);
    frResume->resize(TwipsRect(0, 0, 7245, 3690).size());
    QWidget* p = frResume;
    lblResume = Place(new QLabel(p), 300, 700, 6645, 1800);
    lblResume->setWordWrap(true);
    lblResume->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblResume->setTextFormat(Qt::PlainText);
    cmdResume = Place(new MyButton(tr("Resume"), p), 1650, 3030, 1800, 390);
    cmdNotNow = Place(new MyButton(tr("Not now"), p), 3795, 3030, 1800, 390);
    connect(cmdResume, &QPushButton::clicked, this, [this] {
        ClosePanel();
        ResumeBatch();
    });
    connect(cmdNotNow, &QPushButton::clicked, this, &frmMain::ClosePanel);
    connect(EscapeIn(frResume), &QShortcut::activated, cmdNotNow, &QPushButton::click);
}

void frmMain::TellRestored() {
    QStringList said;
    if (restored_.damaged) {
        said << tr("The list of files kept from the last run could not be read (%1), "
                   "so the list starts empty. It was kept as %2.")
                    .arg(restored_.damage, QDir::toNativeSeparators(KeptQueue::AsidePath()));
    }
    if (restored_.guest) {
        said << tr(
            "Another Reelwright window is open and keeps the list of files. The files of this "
            "window are not kept when it closes, and the other window's batch is not offered "
            "here.");
    }
    if (restored_.setAside > 0) {
        const QString aside = QDir::toNativeSeparators(KeptQueue::AsidePath());
        //: %1 is where the list as it was is kept.
        said << tr("%n rows of the list kept from the last run could not be read and were left "
                   "out. The list as it was is kept as %1.",
                   nullptr, restored_.setAside)
                    .arg(aside);
    }
    QStringList gone;
    for (const QString& file : restored_.goneFiles) {
        gone << QDir::toNativeSeparators(file);
    }
    if (restored_.gone == 1) {
        //: %1 is the file's path.
        said << tr("One file kept in the list is no longer there and was left out: %1")
                    .arg(gone.value(0));
        gone.clear();  // named already
    } else if (restored_.gone > 1) {
        //: The files are listed under Show Details.
        said << tr("%n files kept in the list are no longer there and were left out.", nullptr,
                   restored_.gone);
    }
    if (!said.isEmpty()) {
        Notifier::Current().Show(said.join(QStringLiteral("\r\n")), MessageIcon::Information,
                                 gone.join(u'\n'));
    }
    const int left = keeper_.FilesLeft();
    if (!restored_.interrupted || left == 0 || batch_.IsRunning()) {
        return;
    }
    const QString where = restored_.interrupted->sameFolder
                              ? tr("beside each file")
                              : QDir::toNativeSeparators(restored_.interrupted->folder);
    //: %1 is the output folder, or "beside each file".
    lblResume->setText(tr("The last batch was interrupted before it ended: %n files are still to "
                          "convert.\n\nResume converts them with the format and output folder "
                          "the batch had:\n%1",
                          nullptr, left)
                           .arg(where));
    OpenPanel(frResume);
    cmdResume->setFocus(Qt::OtherFocusReason);
}

QList<int> frmMain::ChosenRows(int row) const {
    QList<int> rows;
    for (const QModelIndex& selected : Grid->selectionModel()->selectedRows()) {
        rows << selected.row();
    }
    if (!rows.contains(row)) {
        return {row};
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::unique_ptr<QMenu> frmMain::GridMenu(int row) {
    auto menu = std::make_unique<QMenu>(this);
    const JobListStore* store = jobList_.Store();
    if (!store || row < 0 || row >= store->RecordCount()) {
        return menu;
    }
    QAction* show = menu->addAction(tr("Show Encoder Output..."));
    const JobRow& job = store->Row(row);
    show->setEnabled(!job.logPath.isEmpty() || !job.outputTail.isEmpty());
    connect(show, &QAction::triggered, this, [this, row] { ShowEncoderOutput(row); });

    // A failure the user has since put right (the folder, the format, room on the disk) can be
    // tried again without removing and adding the file.
    const QList<int> rows = ChosenRows(row);
    QAction* again = menu->addAction(tr("Convert Again"));
    const bool any = std::any_of(rows.begin(), rows.end(), [store](int chosen) {
        return JobList::CanConvertAgain(store->Row(chosen));
    });
    again->setEnabled(any && !batch_.IsRunning() && !adder_.IsAdding());
    connect(again, &QAction::triggered, this, [this, rows] { jobList_.ConvertAgain(rows); });

    QAction* clear = menu->addAction(tr("Clear Finished"));
    clear->setToolTip(tr("Takes the converted files out of the list"));
    clear->setEnabled(jobList_.HasStatus(QStringLiteral("Complete")) && !batch_.IsRunning() &&
                      !adder_.IsAdding());
    connect(clear, &QAction::triggered, this, [this] { jobList_.RemoveFinished(); });
    return menu;
}

QWidget* frmMain::ShowEncoderOutput(int row) {
    const JobListStore* store = jobList_.Store();
    if (!store || row < 0 || row >= store->RecordCount()) {
        return nullptr;
    }
    const JobRow& job = store->Row(row);
    auto* view = new EncoderOutputView(QFileInfo(job.filePath).fileName(), job.logPath,
                                       job.outputTail, this);
    // Over the window, where the eye is, not wherever the desktop puts a new window.
    const QRect area = screen() ? screen()->availableGeometry() : frameGeometry();
    view->resize(view->size().boundedTo(area.size()));
    view->move(CentredOver(frameGeometry(), view->size(), area));
    view->show();
    return view;
}

void frmMain::ShowBatchProgress() {
    const QString progress = batch_.Progress().ProgressText();
    const QString product = QString::fromLatin1(kProductName);
    setWindowTitle(progress + QStringLiteral(" - ") + product);
    // The window has no frame: its own caption is the title the user sees.
    frMain->SetCaption(product + QStringLiteral(" - ") + progress);
}

void frmMain::BatchEnded(bool taken) {
    setWindowTitle(QString::fromLatin1(kProductName));
    frMain->SetCaption(QString::fromLatin1(kProductName));
    const BatchDriver::Summary& summary = batch_.LastSummary();
    if (summary.converted + summary.failed + summary.cancelled > 0) {
        //: %1 is how many failed.
        QString body = tr("%n files converted, %1 failed", nullptr, summary.converted)
                           .arg(summary.failed);
        if (summary.cancelled > 0) {
            body += tr(", %1 stopped").arg(summary.cancelled);
        }
        DesktopNotifications::Current().Notify(
            summary.cancelled > 0 ? tr("Conversion stopped") : tr("Conversion finished"),
            body + u'.');
    }
    if (taken && chkShutdown->isChecked() && !ending_) {
        // A minute to change one's mind, and to see what failed.
        QStringList failed;
        for (const QString& file : summary.failedFiles) {
            failed << QFileInfo(file).fileName();
        }
        lblPowerOffFailures->setText(
            failed.isEmpty() ? tr("Every file was converted.")
                             : tr("These files could not be converted:\n") + failed.join(u'\n'));
        OpenPanel(frPowerOff);
        // A key pressed by chance calls it off rather than switching off at once.
        cmdCancelPowerOff->setFocus(Qt::OtherFocusReason);
        countdown_.Start();
        countdownTimer_->start();
    }
}

}  // namespace reelwright
