#include "engine/CVideoConv.h"
#include "formats/CodecCatalogue.h"
#include "formats/CustomFormat.h"
#include "formats/PresetCatalogue.h"

#include "common/CaseName.h"
#include "common/Fakes.h"
#include "common/Media.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace reelwright {
namespace {

const QString kData = QStringLiteral(SOURCE_DATA_DIR);

PresetCatalogue ShippedPresets() {
    PresetCatalogue catalogue;
    QString error;
    catalogue.Load(kData + "/presets.xml", &error);
    return catalogue;
}

CodecCatalogue ShippedCodecs() {
    CodecCatalogue catalogue;
    QString error;
    catalogue.Load(kData + "/codecs.xml", &error);
    return catalogue;
}

TEST(ShippedCatalogues, ScanCleanlyWithTheProgramsOwnScanners) {
    PresetCatalogue presets;
    CodecCatalogue codecs;
    QString error;
    ASSERT_EQ(presets.Load(kData + "/presets.xml", &error), PresetCatalogue::Outcome::Loaded)
        << error.toStdString();
    ASSERT_EQ(codecs.Load(kData + "/codecs.xml", &error), CodecCatalogue::Outcome::Loaded)
        << error.toStdString();
    EXPECT_GE(presets.Entries().size(), 25u);
    EXPECT_GE(presets.Categories().size(), 5);
    for (const PresetEntry& entry : presets.Entries()) {
        EXPECT_FALSE(entry.label.isEmpty() || entry.params.isEmpty() || entry.extension.isEmpty() ||
                     entry.category.isEmpty())
            << entry.label.toStdString();
    }
    EXPECT_GE(codecs.VideoDescriptions().size(), 2);
    EXPECT_GE(codecs.AudioDescriptions().size(), 2);
}

TEST(ShippedCatalogues, TheDefaultChoiceIsH264AndAacInMp4) {
    const PresetCatalogue presets = ShippedPresets();
    // The settings' defaults: category 0, video codec 1, format 0.
    const QString category = presets.Categories().value(0);
    const QString label = presets.LabelsOf(category).value(1);
    EXPECT_TRUE(label.contains("H.264") && label.contains("AAC")) << label.toStdString();
    EXPECT_EQ(presets.ExtensionsOf(category, label).value(0), "mp4");
    const QString params = presets.ParamsOf("mp4", label, category);
    EXPECT_TRUE(params.contains("libx264") && params.contains("aac")) << params.toStdString();
}

// Converts one generated clip, as the batch would, once per test suite.
class ConvertingAClip : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (test::SystemEncoder().isEmpty()) {
            return;
        }
        dir_ = new QTemporaryDir;
        clip_ = dir_->filePath("source clip.mp4");
        // An odd length, so the judgement of a whole conversion is tested for real.
        test::MakeClip(clip_, kClipSeconds, "320x240");
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        if (test::SystemEncoder().isEmpty()) {
            GTEST_SKIP() << "ffmpeg is not installed";
        }
    }
    // Converts the clip the way the batch does: the options, " -y", the output with this type.
    bool Convert(const QString& params, const QString& name, const QString& type, QString* output) {
        test::RecordingNotifier notifier;
        *output = dir_->filePath(QString("out %1.%2").arg(name, type));
        CVideoConv job;
        job.SetInputFile(clip_);
        job.SetOutputFile(*output);
        job.SetParametrs(params + " -y");
        // As the list gives it: whole seconds in the text, the exact length beside.
        job.SetFileTimeLength(4.0F);
        job.SetMediaLength(kClipSeconds);
        job.StartConversion();
        EXPECT_TRUE(notifier.messages.empty()) << notifier.Texts().join("\n").toStdString();
        EXPECT_EQ(job.LastResult(), CVideoConv::Result::Converted);
        return notifier.messages.empty();
    }

    static constexpr double kClipSeconds = 3.56;
    static QTemporaryDir* dir_;
    static QString clip_;
};

QTemporaryDir* ConvertingAClip::dir_ = nullptr;
QString ConvertingAClip::clip_;

class ShippedFormatsConvert : public ConvertingAClip, public testing::WithParamInterface<int> {};

TEST_P(ShippedFormatsConvert, EveryPresetGivesAReadableFile) {
    const PresetCatalogue presets = ShippedPresets();
    const std::vector<PresetEntry>& entries = presets.Entries();
    ASSERT_LT(static_cast<std::size_t>(GetParam()), entries.size());
    const PresetEntry& preset = entries[static_cast<std::size_t>(GetParam())];
    QString output;
    ASSERT_TRUE(Convert(preset.params, QString::number(GetParam()), preset.extension, &output))
        << preset.label.toStdString();
    EXPECT_TRUE(test::IsReadableMedia(output)) << preset.label.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Presets, ShippedFormatsConvert,
    testing::Range(0, static_cast<int>(ShippedPresets().Entries().size())),
    [](const testing::TestParamInfo<int>& info) {
        const PresetCatalogue presets = ShippedPresets();
        const PresetEntry& preset = presets.Entries()[static_cast<std::size_t>(info.param)];
        return test::NameOf(
            (preset.extension + ' ' + preset.category + ' ' + preset.label).toStdString(),
            info.index);
    });

TEST_F(ConvertingAClip, TheCustomDefaultsGiveAReadableAvi) {
    const CodecCatalogue codecs = ShippedCodecs();
    custom::Fields fields;
    fields.sampleRate = custom::SampleRateItems()[4];
    fields.audioBitrate = "64";
    fields.audioCodecName = codecs.GetCodecName(codecs.AudioDescriptions().value(1));
    fields.channels = "2";
    fields.videoCodecName = codecs.GetCodecName(codecs.VideoDescriptions().value(1));
    fields.videoBitrate = "320";
    fields.size = custom::kAsInput;
    fields.aspect = custom::kAsInput;
    fields.frameRate = "25";
    QString error;
    const auto params = custom::BuildParams(fields, &error);
    ASSERT_TRUE(params.has_value()) << error.toStdString();
    QString output;
    ASSERT_TRUE(Convert(*params, "custom", custom::ContainerItems()[2], &output))
        << params->toStdString();
    EXPECT_TRUE(test::IsReadableMedia(output));
}

class CustomContainersPlay : public ConvertingAClip, public testing::WithParamInterface<QString> {};

TEST_P(CustomContainersPlay, WithTheFirstPairOfTheCataloguesThatFits) {
    const QString container = GetParam();
    const CodecCatalogue codecs = ShippedCodecs();
    const custom::ContainerRule* rule = custom::RuleOf(container);
    ASSERT_NE(rule, nullptr);
    const auto first = [&](const QStringList& descriptions, const QStringList& allowed) {
        for (const QString& description : descriptions) {
            if (allowed.contains(codecs.GetCodecName(description))) {
                return codecs.GetCodecName(description);
            }
        }
        return QString();
    };
    custom::Fields fields;
    fields.sampleRate = "44.1 KHz";
    fields.audioBitrate = "128";
    fields.audioCodecName = rule->audioCodecs.isEmpty()
                                ? codecs.GetCodecName(codecs.AudioDescriptions().value(1))
                                : first(codecs.AudioDescriptions(), rule->audioCodecs);
    fields.channels = "2";
    fields.videoCodecName = first(codecs.VideoDescriptions(), rule->videoCodecs);
    fields.videoBitrate = "800";
    fields.size = custom::kAsInput;
    fields.aspect = custom::kAsInput;
    fields.frameRate = "25";
    fields.container = container;
    ASSERT_FALSE(fields.videoCodecName.isEmpty());
    ASSERT_FALSE(fields.audioCodecName.isEmpty());
    QString error;
    const auto params = custom::BuildParams(fields, &error);
    ASSERT_TRUE(params.has_value()) << error.toStdString();
    QString output;
    ASSERT_TRUE(Convert(*params, "custom", container, &output)) << params->toStdString();
    EXPECT_TRUE(test::IsReadableMedia(output)) << params->toStdString();
}

INSTANTIATE_TEST_SUITE_P(Containers, CustomContainersPlay,
                         testing::ValuesIn(custom::ContainerItems()), [](const auto& info) {
                             return test::NameOf(info.param.toStdString(), info.index);
                         });

}  // namespace
}  // namespace reelwright
