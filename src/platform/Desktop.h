#pragma once

#include <QString>

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

}  // namespace reelwright
