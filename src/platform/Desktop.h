#pragma once

#include <QString>

#include <optional>

namespace reelwright {

// Opens a file or a web page with the desktop's default handler. Tests record instead.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // `target` is a local path or a URL; it reaches the handler as one argument.
    virtual void Open(const QString& target, const QString& workingFolder) = 0;

    static Desktop& Current();
    static Desktop* Install(Desktop* desktop);
};

// What the user is told when `target` could not be opened. `openerExit` is xdg-open's exit
// status, none when xdg-open is not installed and Qt's own opener failed; `missing` says the
// target is a local file that is not there. Installing xdg-utils is suggested only when it is
// not installed.
QString OpenFailureMessage(const QString& target, std::optional<int> openerExit, bool missing);

}  // namespace reelwright
