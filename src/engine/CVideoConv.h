#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace reelwright {

class DOSOutputs;

// One conversion of one file by the encoder, with its progress told through two events. The same
// class answers whether the encoder can read a file.
class CVideoConv : public QObject {
    Q_OBJECT

  public:
    explicit CVideoConv(QObject* parent = nullptr);
    ~CVideoConv() override;

    void SetInputFile(const QString& path) { inputFile_ = path; }
    QString InputFile() const { return inputFile_; }
    void SetOutputFile(const QString& path) { outputFile_ = path; }
    QString OutputFile() const { return outputFile_; }
    // Seconds; 0 means unknown.
    void SetFileTimeLength(float seconds) { fileTimeLength_ = seconds; }
    // Options placed between the input and the output.
    void SetParametrs(const QString& options) { parametrs_ = options; }

    // Runs the encoder to its end; results arrive through the events and the final status.
    void StartConversion();
    // Asks a running conversion to stop.
    void StopConversion();
    // False when the encoder says it cannot read the file.
    bool IsFileSupported(const QString& sMediaFile);

    QString BuildCommandLine() const;
    static QString GetErrorDetail(const QString& text);

  signals:
    // Percent converted (not clamped), or -1 for an unreadable input.
    void Progress(int iProgress);
    void CurrentStatus(const QString& sStatus);

  private:
    void objDOS_ReceiveOutputs(const QString& CommandOutputs);
    DOSOutputs& Runner();
    bool RunFailed(const QString& text) const;
    void ReportUnexpectedFailure(const std::exception& failure);

    std::unique_ptr<DOSOutputs> objDOS;
    QString inputFile_;
    QString outputFile_;
    float fileTimeLength_ = 0.0F;
    QString parametrs_;
};

}  // namespace reelwright
