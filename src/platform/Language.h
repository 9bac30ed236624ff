#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace reelwright {

// The languages the program speaks besides English, as their translations are named.
inline const QStringList kTranslatedLanguages{QStringLiteral("de"), QStringLiteral("fr"),
                                              QStringLiteral("es"), QStringLiteral("pt_BR"),
                                              QStringLiteral("zh_CN")};

// The translation to use for the desktop's language, from LANGUAGE (a list, first wish first)
// and then LC_ALL, LC_MESSAGES and LANG, as gettext reads them; empty for English, also when no
// wish fits. "de_AT.UTF-8" is German; "pt" and "pt_PT" take Brazilian Portuguese, the only
// Portuguese there is; Chinese only in its simplified script (zh_CN, zh_SG, zh).
QString ChooseLanguage(const QString& language, const QString& lcAll, const QString& lcMessages,
                       const QString& lang);

// English's own singular and plural forms ("1 file", "2 files"), built into the program; every
// language falls back on them.
void InstallEnglishForms(QCoreApplication& app);

// Loads the chosen translation (and Qt's own, for the buttons of its boxes) into the program.
// Returns the language used, empty for English.
QString InstallTranslations(QCoreApplication& app);

// Back to English (with its forms), for output that programs read.
void RemoveTranslations(QCoreApplication& app);

}  // namespace reelwright
