#include "settings/RememberedSettings.h"

#include "formats/CustomFormat.h"
#include "formats/LoudnessTarget.h"
#include "formats/SizeLimit.h"
#include "platform/UserFolders.h"
#include "settings/CRegister.h"
#include "settings/SettingsKeys.h"

#include <QList>
#include <QPair>

#include <algorithm>
#include <map>

namespace reelwright {
namespace {

using Index = std::optional<int> RememberedSettings::*;
using Text = QString RememberedSettings::*;

// The lists in the order they are stored and applied: each preset list after the one before it.
struct ListValue {
    const char* name;
    Index member;
    int fallback;
};
constexpr ListValue kLists[] = {
    {"cmbCategory", &RememberedSettings::cmbCategory, 0},
    {"cmbOutVCodec", &RememberedSettings::cmbOutVCodec, 1},
    {"cmbOutFormat", &RememberedSettings::cmbOutFormat, 0},
    {"cmbCustContainer", &RememberedSettings::cmbCustContainer, 2},
    {"cmbCACodec", &RememberedSettings::cmbCACodec, 1},
    {"cmbCASmapleRate", &RememberedSettings::cmbCASmapleRate, 4},
    {"cmbCVCodec", &RememberedSettings::cmbCVCodec, 1},
    {"cmbCVSize", &RememberedSettings::cmbCVSize, 0},
    {"cmbCVAspect", &RememberedSettings::cmbCVAspect, 0},
};

struct TextValue {
    const char* name;
    Text member;
    const char* fallback;
    custom::TextField rules;
};
const TextValue kTexts[] = {
    {"txtCABirate", &RememberedSettings::txtCABirate, "64", custom::TextField::AudioBitrate},
    {"txtChannels", &RememberedSettings::txtChannels, "2", custom::TextField::Channels},
    {"txtCVBitrate", &RememberedSettings::txtCVBitrate, "320", custom::TextField::VideoBitrate},
    {"txtFrameRate", &RememberedSettings::txtFrameRate, "25", custom::TextField::FrameRate},
};

QString ValueOr(const std::map<QString, QString>& stored, const char* name,
                const QString& fallback) {
    const auto it = stored.find(QString::fromLatin1(name));
    return it == stored.end() ? fallback : it->second;
}

}  // namespace

RememberedSettings RememberedSettings::Defaults() {
    RememberedSettings defaults;
    defaults.optOtherFolder = true;
    defaults.optSameFolder = false;
    defaults.txtOutPath = DefaultOutputFolder();
    defaults.optFormat = 0;
    for (const ListValue& list : kLists) {
        defaults.*list.member = list.fallback;
    }
    for (const TextValue& text : kTexts) {
        defaults.*text.member = QString::fromLatin1(text.fallback);
    }
    // Auto: measured, it is never slower than one file after another, and often much faster.
    defaults.FilesAtOnce = 0;
    // Nothing of a source is lost unless the user asks for one track of each kind.
    defaults.KeepEveryTrack = true;
    defaults.CheckByDecoding = false;
    defaults.KeepDates = false;
    defaults.LimitSize = false;
    defaults.MaxSize = QStringLiteral("25MB");  // what mail takes
    defaults.SmallerToFit = false;
    defaults.RemoveBlackBars = false;
    return defaults;
}

RememberedSettings RememberedSettings::Load(const CRegister& reg) {
    const std::map<QString, QString> stored =
        reg.REGGetSettings(settings::kRoot, settings::kSection);
    RememberedSettings loaded;
    loaded.optOtherFolder = settings::ToBool(ValueOr(stored, "optOtherFolder", "True"));
    loaded.optSameFolder = settings::ToBool(ValueOr(stored, "optSameFolder", "False"));
    loaded.txtOutPath = ValueOr(stored, "txtOutPath", DefaultOutputFolder());
    const std::optional<int> mode = settings::ToListIndex(ValueOr(stored, "optFormat", "0"));
    if (mode == 0 || mode == 1) {
        loaded.optFormat = mode;
    }
    for (const ListValue& list : kLists) {
        loaded.*list.member =
            settings::ToListIndex(ValueOr(stored, list.name, QString::number(list.fallback)));
    }
    for (const TextValue& text : kTexts) {
        const QString value = ValueOr(stored, text.name, QString::fromLatin1(text.fallback));
        loaded.*text.member =
            custom::ValidValue(text.rules, value) ? value : QString::fromLatin1(text.fallback);
    }
    const std::optional<int> atOnce = settings::ToListIndex(ValueOr(stored, "FilesAtOnce", "0"));
    if (atOnce && *atOnce >= 0 && *atOnce <= kMostFilesAtOnce) {
        loaded.FilesAtOnce = atOnce;
    }
    loaded.KeepEveryTrack = settings::ToBool(ValueOr(stored, "KeepEveryTrack", "True"));
    loaded.CheckByDecoding = settings::ToBool(ValueOr(stored, "CheckByDecoding", "False"));
    loaded.KeepDates = settings::ToBool(ValueOr(stored, "KeepDates", "False"));
    // A value this program cannot take is as if none were stored: the sound left as it is.
    if (!LoudnessTarget::Parse(ValueOr(stored, "EvenLoudness", "Off"), &loaded.EvenLoudness)) {
        loaded.EvenLoudness.reset();
    }
    loaded.LimitSize = settings::ToBool(ValueOr(stored, "LimitSize", "False"));
    loaded.MaxSize = ValueOr(stored, "MaxSize", "25MB").trimmed();
    loaded.SmallerToFit = settings::ToBool(ValueOr(stored, "SmallerToFit", "False"));
    loaded.RemoveBlackBars = settings::ToBool(ValueOr(stored, "RemoveBlackBars", "False"));
    if (!SizeLimit::Parse(loaded.MaxSize)) {
        loaded.MaxSize = QStringLiteral("25MB");
    }
    // Only a name the codec list could hold; anything else is read by position.
    for (const auto& [name, member] :
         {std::pair{"CVCodecName", &RememberedSettings::CVCodecName},
          std::pair{"CACodecName", &RememberedSettings::CACodecName}}) {
        const QString value = ValueOr(stored, name, QString()).trimmed();
        const bool plain = std::all_of(value.begin(), value.end(), [](QChar c) {
            return c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.';
        });
        loaded.*member = plain ? value : QString();
    }
    return loaded;
}

bool RememberedSettings::Save(const CRegister& reg, QString* error) const {
    const auto index = [](const std::optional<int>& value) {
        return QString::number(value.value_or(-1));
    };
    QList<QPair<QString, QString>> values{
        {"optOtherFolder", settings::FromBool(optOtherFolder.value_or(false))},
        {"optSameFolder", settings::FromBool(optSameFolder.value_or(false))},
        {"txtOutPath", txtOutPath},
        {"optFormat", optFormat.value_or(0) == 0 ? QStringLiteral("0") : QStringLiteral("1")},
    };
    for (const ListValue& list : kLists) {
        values.append({QString::fromLatin1(list.name), index(this->*list.member)});
    }
    for (const TextValue& text : kTexts) {
        values.append({QString::fromLatin1(text.name), this->*text.member});
    }
    values.append({QStringLiteral("FilesAtOnce"), QString::number(FilesAtOnce.value_or(0))});
    values.append({QStringLiteral("KeepEveryTrack"), settings::FromBool(KeepEveryTrack.value_or(true))});
    values.append({QStringLiteral("CheckByDecoding"), settings::FromBool(CheckByDecoding.value_or(false))});
    values.append({QStringLiteral("KeepDates"), settings::FromBool(KeepDates.value_or(false))});
    values.append({QStringLiteral("EvenLoudness"), LoudnessTarget::Text(EvenLoudness)});
    values.append({QStringLiteral("LimitSize"), settings::FromBool(LimitSize.value_or(false))});
    values.append({QStringLiteral("MaxSize"), MaxSize});
    values.append({QStringLiteral("SmallerToFit"), settings::FromBool(SmallerToFit.value_or(false))});
    values.append(
        {QStringLiteral("RemoveBlackBars"), settings::FromBool(RemoveBlackBars.value_or(false))});
    values.append({QStringLiteral("CVCodecName"), CVCodecName});
    values.append({QStringLiteral("CACodecName"), CACodecName});
    return reg.REGSaveSettings(settings::kRoot, settings::kSection, values, error);
}

bool RememberedSettings::Forget(const CRegister& reg) {
    return reg.REGDeleteSetting(settings::kRoot, settings::kSection, QString());
}

}  // namespace reelwright
