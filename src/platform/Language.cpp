#include "platform/Language.h"

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace reelwright {
namespace {

// "de_AT.UTF-8@euro" -> "de_AT".
QString Bare(QString wish) {
    wish = wish.section(u'.', 0, 0).section(u'@', 0, 0).trimmed();
    return wish;
}

QString Fitting(const QString& wish) {
    const QString bare = Bare(wish);
    if (bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX")) {
        return QString();
    }
    const QString language = bare.section(u'_', 0, 0).toLower();
    const QString country = bare.section(u'_', 1, 1).toUpper();
    if (language == QLatin1String("pt")) {
        return QStringLiteral("pt_BR");
    }
    if (language == QLatin1String("zh")) {
        const bool simplified = country.isEmpty() || country == QLatin1String("CN") ||
                                country == QLatin1String("SG") ||
                                bare.contains(QLatin1String("Hans"));
        return simplified ? QStringLiteral("zh_CN") : QString();
    }
    return kTranslatedLanguages.contains(language) ? language : QString();
}

}  // namespace

QString ChooseLanguage(const QString& language, const QString& lcAll, const QString& lcMessages,
                       const QString& lang) {
    // The locale that is in force; LANGUAGE only counts when it is not "C", as in gettext.
    QString locale = lcAll;
    if (locale.isEmpty()) {
        locale = lcMessages;
    }
    if (locale.isEmpty()) {
        locale = lang;
    }
    const QString bareLocale = Bare(locale);
    const bool plain = bareLocale == QLatin1String("C") || bareLocale == QLatin1String("POSIX");
    if (!plain) {
        for (const QString& wish : language.split(u':', Qt::SkipEmptyParts)) {
            if (Bare(wish).section(u'_', 0, 0) == QLatin1String("en")) {
                return QString();  // English was asked for before any other
            }
            if (const QString fits = Fitting(wish); !fits.isEmpty()) {
                return fits;
            }
        }
    }
    return Fitting(locale);
}

void InstallEnglishForms(QCoreApplication& app) {
    auto* forms = new QTranslator(&app);
    if (forms->load(QStringLiteral(":/reelwright/i18n/reelwright_en.qm"))) {
        QCoreApplication::installTranslator(forms);
    } else {
        delete forms;
    }
}

QString InstallTranslations(QCoreApplication& app) {
    // Beneath any other language, which is searched first.
    InstallEnglishForms(app);
    const QString chosen =
        ChooseLanguage(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                       qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
    if (chosen.isEmpty()) {
        return QString();
    }
    const QString file = ProgramFolder::DataFile(QStringLiteral("translations/reelwright_") +
                                                 chosen + QStringLiteral(".qm"));
    auto* ours = new QTranslator(&app);
    if (!ours->load(file)) {
        delete ours;
        return QString();
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own words (OK, Show Details...), where the system has them.
    auto* qts = new QTranslator(&app);
    if (qts->load(QStringLiteral("qtbase_") + chosen,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qts);
    } else {
        delete qts;
    }
    return chosen;
}

void RemoveTranslations(QCoreApplication& app) {
    for (QTranslator* translator : app.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    InstallEnglishForms(app);
}

}  // namespace reelwright
