#pragma once

#include "joblist/JobList.h"
#include "joblist/VideoFileAdder.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace reelwright {

class JobGrid;
class MyButton;
class MyFrame;

// The program's one window. It wires the controls to the job list, the formats, the batch and
// the settings; the work itself is done by those.
class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The job list.
    bool AddFile2Grid(QString& sFilePath);
    void AddVideoFiles(const QStringList& fileList = {});
    void PlaySelectedFile();
    void PlayFile(const QString& sFilePath);
    // The ten controls that change the list, the format or the output folder.
    void EnableControls(bool enabled);
    JobList& Jobs() { return jobList_; }
    bool IsAdding() const { return adding_; }

    // The controls, by their design names.
    MyFrame* frMain = nullptr;
    MyButton* cmdAbout = nullptr;
    MyButton* MyButton1 = nullptr;
    MyButton* cmdMinimize = nullptr;
    MyButton* cmdClose = nullptr;
    MyFrame* MyFrame1 = nullptr;
    MyButton* cmdAddVideoFile = nullptr;
    MyButton* cmdAddFolder = nullptr;
    QLabel* Label9 = nullptr;
    JobGrid* Grid = nullptr;
    QCheckBox* chkSelectAll = nullptr;
    MyButton* cmdRemove = nullptr;
    MyButton* cmdPlay = nullptr;
    QRadioButton* optSameFolder = nullptr;
    QRadioButton* optOtherFolder = nullptr;
    QLineEdit* txtOutPath = nullptr;
    MyButton* cmdBrowse = nullptr;
    QLabel* lblFormat = nullptr;
    MyButton* cmdChangeFormat = nullptr;
    MyButton* cmdConvertSelected = nullptr;
    MyButton* cmdConvert = nullptr;
    QCheckBox* chkShutdown = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void LayoutWindow();
    void BuildMainPanel();
    void SetupGrid();

    // While files are probed the window stays live; these keep the list from changing under
    // the add.
    void BeginAdding();
    void EndAdding();
    template <typename Action>
    void Adding(Action action);

    JobList jobList_;
    VideoFileAdder adder_;
    bool adding_ = false;
    bool closeAfterAdding_ = false;
    std::vector<std::pair<QWidget*, bool>> enabledBeforeAdding_;
};

}  // namespace reelwright
