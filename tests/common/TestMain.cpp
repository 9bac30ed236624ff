#include <gtest/gtest.h>

#include "platform/Language.h"
#include "platform/SettingsFolder.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

// Each test keeps its logs, job list and own presets in a folder of its own: a window made by one
// test must not find the list another left.
class FreshStateFolder : public testing::EmptyTestEventListener {
  public:
    void OnTestStart(const testing::TestInfo&) override {
        folder_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder_->path()));
        // And presets of its own.
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder_->filePath(QStringLiteral("data"))));
    }
    void OnTestEnd(const testing::TestInfo&) override {
        qunsetenv("XDG_STATE_HOME");
        qunsetenv("XDG_DATA_HOME");
        folder_.reset();
    }

  private:
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

int main(int argc, char* argv[]) {
    // Widget tests draw offscreen; no test may need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // No test may touch the user's own files: home (where outputs go by default), settings,
    // state and data all lie in a folder of the run's own.
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"}) {
        qunsetenv(variable);
    }
    // Nor an installed copy's catalogues.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(home.filePath("no-system-data")));
    QApplication app(argc, argv);
    // English as the programs speak it, singulars included.
    reelwright::InstallEnglishForms(app);
    const QTemporaryDir settings;
    reelwright::SettingsFolder::Override(settings.path());
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshStateFolder);
    return RUN_ALL_TESTS();
}
