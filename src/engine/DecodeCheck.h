#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace reelwright {

class DOSOutputs;

// Decodes a finished result end to end with the encoder, so that a file whose picture or sound
// cannot be decoded whole is not called converted. Runs as a conversion does: to its end with
// the window kept alive, or a piece at a time beside other files.
class DecodeCheck : public QObject {
    Q_OBJECT

  public:
    explicit DecodeCheck(QObject* parent = nullptr);
    ~DecodeCheck() override;

    // The encoder's command that decodes every picture and sound of `path` and keeps nothing.
    static QString CommandLine(const QString& path);

    // Decodes `path` to its end.
    void Run(const QString& path);
    // The same a piece at a time: Begin (false when the encoder cannot be started), then Pump
    // until it answers false.
    bool Begin(const QString& path);
    bool Pump(int waitMs);
    int OutputFd() const;
    void Stop();
    bool Stopped() const;

    // After the run: why `resultName` is not whole, in one sentence; none when it decoded
    // without an error and as far as its source's `length` (seconds, 0 when unknown; `options`
    // may cut it on purpose).
    std::optional<QString> Failure(const QString& resultName, double length = 0,
                                   const QString& options = QString()) const;
    // How far it decoded, in seconds.
    double Decoded() const { return decoded_; }

  private:
    DOSOutputs& Runner();

    std::unique_ptr<DOSOutputs> runner_;
    // Takes the encoder's text a line at a time: its progress, or a complaint.
    void Read(const QString& piece);

    QString said_;
    QString pending_;
    double decoded_ = 0;
    bool stopped_ = false;
};

}  // namespace reelwright
