#include "formats/PresetCatalogue.h"

#include "formats/PresetParams.h"

namespace reelwright {
namespace {

bool IsIgnoredLine(const QString& line) {
    // Compared exactly: an indented root line or a richer declaration opens an entry.
    return line.isEmpty() || line == QStringLiteral("<?xml version=\"1.0\"?>") ||
           line == QStringLiteral("<presets>") || line == QStringLiteral("</presets>") ||
           line.contains(QStringLiteral("</"));
}

template <typename Pick>
QStringList Distinct(const std::vector<PresetEntry>& entries, Pick pick) {
    QStringList values;
    for (const PresetEntry& entry : entries) {
        if (const QString* value = pick(entry); value && !values.contains(*value)) {
            values << *value;
        }
    }
    return values;
}

const catalogue::Layout<PresetEntry> kLayout{4,
                                             {{"label", &PresetEntry::label},
                                              {"params", &PresetEntry::params},
                                              {"extension", &PresetEntry::extension},
                                              {"category", &PresetEntry::category}},
                                             &PresetEntry::category,
                                             &IsIgnoredLine};

}  // namespace

PresetCatalogue::Outcome PresetCatalogue::Load(const QString& path, QString* error) {
    const Outcome outcome = catalogue::Load(path, kLayout, &entries_, error);
    shipped_ = entries_.size();
    return outcome;
}

PresetCatalogue::Outcome PresetCatalogue::Scan(const QString& text, QString* error) {
    const Outcome outcome = catalogue::Scan(text, kLayout, &entries_, error);
    shipped_ = entries_.size();
    return outcome;
}

std::vector<RefusedPreset> PresetCatalogue::LeaveOutRefused() {
    std::vector<RefusedPreset> refused;
    std::vector<PresetEntry> kept;
    std::size_t shipped = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (std::optional<QString> problem = PresetParams::Problem(entries_[i].params)) {
            refused.push_back({entries_[i], *problem});
            continue;
        }
        kept.push_back(entries_[i]);
        shipped += i < shipped_ ? 1 : 0;
    }
    entries_ = std::move(kept);
    shipped_ = shipped;
    return refused;
}

void PresetCatalogue::SetOwn(const std::vector<PresetEntry>& own) {
    entries_.resize(shipped_);
    entries_.insert(entries_.end(), own.begin(), own.end());
}

bool PresetCatalogue::IsOwn(const QString& extension, const QString& label,
                            const QString& category) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const PresetEntry& entry = entries_[i];
        if (entry.extension == extension && entry.label == label && entry.category == category) {
            return i >= shipped_;
        }
    }
    return false;
}

QStringList PresetCatalogue::Categories() const {
    return Distinct(entries_, [](const PresetEntry& e) { return &e.category; });
}

QStringList PresetCatalogue::LabelsOf(const QString& category) const {
    return Distinct(entries_, [&](const PresetEntry& e) {
        return e.category == category ? &e.label : nullptr;
    });
}

QStringList PresetCatalogue::ExtensionsOf(const QString& category) const {
    return Distinct(entries_, [&](const PresetEntry& e) {
        return e.category == category ? &e.extension : nullptr;
    });
}

QStringList PresetCatalogue::ExtensionsOf(const QString& category, const QString& label) const {
    return Distinct(entries_, [&](const PresetEntry& e) {
        return e.category == category && e.label == label ? &e.extension : nullptr;
    });
}

QString PresetCatalogue::ParamsOf(const QString& extension, const QString& label,
                                  const QString& category) const {
    for (const PresetEntry& entry : entries_) {
        if (entry.extension == extension && entry.label == label && entry.category == category) {
            return entry.params;
        }
    }
    return QString();
}

}  // namespace reelwright
