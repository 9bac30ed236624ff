#include "platform/Yield.h"

#include <QCoreApplication>
#include <QThread>

namespace reelwright {
namespace {

Yield::Function& Installed() {
    static Yield::Function yield;
    return yield;
}

}  // namespace

void Yield::Run() {
    // Only the window's thread has a window to keep alive; work read ahead on another thread
    // just waits.
    const QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        return;
    }
    if (Installed()) {
        Installed()();
    } else if (QCoreApplication::instance()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

Yield::Function Yield::Install(Function yield) {
    Function previous = std::move(Installed());
    Installed() = std::move(yield);
    return previous;
}

}  // namespace reelwright
