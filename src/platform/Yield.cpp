#include "platform/Yield.h"

#include <QCoreApplication>

namespace reelwright {
namespace {

Yield::Function& Installed() {
    static Yield::Function yield;
    return yield;
}

}  // namespace

void Yield::Run() {
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
