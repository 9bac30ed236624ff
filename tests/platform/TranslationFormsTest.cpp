#include "platform/Language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace reelwright {
namespace {

struct Message {
    QString context;
    QString source;
    QStringList forms;  // one, or a count's forms
    bool numerus = false;
};

QList<Message> ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append(Message{});
            messages.last().context = context;
            messages.last().numerus = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation" && !messages.last().numerus) {
            messages.last().forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"numerusform") {
            messages.last().forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QList<Message> Read(const QString& language) {
    return ReadFile(
        QStringLiteral(SOURCE_DATA_DIR "/../translations/reelwright_%1.ts").arg(language));
}

// The numbered places of a text: %1, %2...; %n apart.
QSet<QString> Places(const QString& text) {
    static const QRegularExpression kPlace(QStringLiteral("%[1-9]"));
    QSet<QString> places;
    for (const QRegularExpressionMatch& match : kPlace.globalMatch(text)) {
        places << match.captured();
    }
    return places;
}

// Each translation keeps every place of its English text, and a count is said in as many forms
// as the language has, each with the count but perhaps the singular ("One row...").
TEST(TranslationForms, EveryFormKeepsItsPlacesAndEveryLanguageItsNumberOfForms) {
    const QList<std::pair<QString, int>> languages{{"en", 2}, {"de", 2},    {"fr", 2},
                                                   {"es", 2}, {"pt_BR", 2}, {"zh_CN", 1}};
    for (const auto& [language, forms] : languages) {
        int numerus = 0;
        for (const Message& message : Read(language)) {
            const std::string where = language.toStdString() + ": " + message.source.toStdString();
            if (message.numerus) {
                ++numerus;
                ASSERT_EQ(message.forms.size(), forms) << where;
                // "Kept %1 tracks." counts without saying the number.
                EXPECT_EQ(message.forms.last().contains("%n"), message.source.contains("%n"))
                    << where;
            }
            for (const QString& form : message.forms) {
                EXPECT_EQ(Places(form), Places(message.source))
                    << where << " -> " << form.toStdString();
            }
        }
        EXPECT_GE(numerus, 20) << language.toStdString();
    }
}

// Whatever the program says, it says in every language: each message of the sources, as Qt's
// own tool gathers them, has its translation.
TEST(TranslationForms, EveryMessageIsTranslatedInEveryLanguage) {
    QTemporaryDir dir;
    const QString gathered = dir.filePath("gathered.ts");
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_PATH),
                  {"-silent", "-locations", "none", "-recursive",
                   QStringLiteral(SOURCE_DATA_DIR "/../src"), "-ts", gathered});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const QList<Message> said = ReadFile(gathered);
    ASSERT_GT(said.size(), 500);
    for (const QString& language : kTranslatedLanguages) {
        QSet<std::pair<QString, QString>> translated;
        for (const Message& message : Read(language)) {
            if (!message.forms.isEmpty() && !message.forms.contains(QString())) {
                translated.insert({message.context, message.source});
            }
        }
        QStringList missing;
        for (const Message& message : said) {
            if (!translated.contains({message.context, message.source})) {
                missing << message.context + ": " + message.source;
            }
        }
        EXPECT_TRUE(missing.isEmpty())
            << language.toStdString() << " lacks " << missing.size() << ":\n"
            << missing.join("\n").toStdString();
    }
}

// English counts read as English does, also where a test or a script sees them.
TEST(TranslationForms, EnglishSaysOneAsOne) {
    const struct {
        const char* context;
        const char* source;
        int count;
        const char* said;
    } kCases[] = {
        {"reelwright::TrackReport", "%n audio tracks", 1, "1 audio track"},
        {"reelwright::TrackReport", "%n audio tracks", 0, "0 audio tracks"},
        {"reelwright::TrackReport", "%n audio tracks", 2, "2 audio tracks"},
        {"reelwright::TimeLeft", "%1% of %n files", 1, "%1% of 1 file"},
        {"reelwright::frmMain", "%n files converted, %1 failed", 1, "1 file converted, %1 failed"},
        {"reelwright::frmMain",
         "%n rows of the list kept from the last run could not be read and were left out. The "
         "list as it was is kept as %1.",
         1,
         "One row of the list kept from the last run could not be read and was left out. The "
         "list as it was is kept as %1."},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source, nullptr, c.count), c.said);
    }
    // A script's English (RemoveTranslations) keeps the forms.
    RemoveTranslations(*QCoreApplication::instance());
    EXPECT_EQ(QCoreApplication::translate("reelwright::TrackReport", "%n fonts", nullptr, 1),
              "1 font");
}

}  // namespace
}  // namespace reelwright
