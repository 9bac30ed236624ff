// Runs one command line through the runner and echoes each piece, so a test can kill this
// process and check that the child goes with it.
#include "engine/DOSOutputs.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    reelwright::DOSOutputs runner;
    QObject::connect(&runner, &reelwright::DOSOutputs::ReceiveOutputs, [](const QString& piece) {
        std::fputs(piece.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
    });
    runner.ExecuteCommand(QString::fromLocal8Bit(argv[1]));
    return 0;
}
