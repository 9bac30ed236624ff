#pragma once

#include "platform/SettingsFolder.h"
#include "batch/EstimateQueue.h"
#include "window/frmMain.h"

#include "common/Fakes.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace reelwright::test {

// The real window, offscreen, with every outside effect recorded and its program folder holding
// the shipped catalogues.
class WindowTest : public testing::Test {
  protected:
    WindowTest() {
        SettingsFolder::Override(settingsFolder.path());
        folder.AddShippedCatalogues();
        // No test's encoder is asked for estimates unless the test says how they are made.
        EstimateQueue::SetEstimator(
            [](const FileConversion::Request&, const std::atomic<bool>*) { return FileEstimate{}; });
        window = std::make_unique<frmMain>();
        notifier.messages.clear();
    }

    // A fresh window over the same folder, as the next start of the program.
    void Restart() {
        window.reset();
        window = std::make_unique<frmMain>();
    }

    QTemporaryDir settingsFolder;
    TempProgramFolder folder;
    RecordingNotifier notifier;
    ScriptedDialogs dialogs;
    RecordingDesktop desktop;
    RecordingPower power;
    std::unique_ptr<frmMain> window;
};

}  // namespace reelwright::test
