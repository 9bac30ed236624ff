#include <gtest/gtest.h>

#include "platform/SettingsFolder.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    // Widget tests draw offscreen; no test may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // No test may touch the user's own settings.
    const QTemporaryDir settings;
    reelwright::SettingsFolder::Override(settings.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
