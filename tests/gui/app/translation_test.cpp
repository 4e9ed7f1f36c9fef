// The translations: every text of the program's tables, as lupdate finds them
// in the source today, has a finished translation in each shipped language
// that keeps its placeholders and its outer blanks, and the compiled
// translation built into the program gives exactly that text.

#include "gui/app/translations.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace kst {
namespace {

struct Message {
    QString translation;
    bool finished = false;
};

// The messages of the one context of a .ts file, by source text.
std::map<QString, Message> readTs(const QString& path)
{
    std::map<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages[source] = {xml.readElementText(), finished};
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// "%s" and "%d" are filled in order, so their order counts; "%1" and up may
// move about in a sentence, so only which of them occur counts.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:[sd%]|[0-9]+)"));
    QStringList ordered, numbered;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text)) {
        const QString p = m.captured();
        (p.at(1).isDigit() ? numbered : ordered) << p;
    }
    numbered.sort();
    return ordered + numbered;
}

// Tags of the operation log and the size unit are appended to other text:
// their leading blank must survive translation.
QString outerBlanks(const QString& text)
{
    const qsizetype lead = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("^\\s+"))).size();
    const qsizetype trail = text.size() - QString(text).remove(QRegularExpression(QStringLiteral("\\s+$"))).size();
    return text.left(lead) + QLatin1Char('|') + text.right(trail);
}

TEST(TranslationTest, EveryTextHasATranslationWithTheSamePlaceholders)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString fresh = work.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(KESTROM_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"), QStringLiteral("-I"),
                   QStringLiteral(KESTROM_SOURCE_DIR), QStringLiteral(KESTROM_SOURCE_DIR), QStringLiteral("-ts"), fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::map<QString, Message> texts = readTs(fresh);
    ASSERT_GT(texts.size(), 100u) << "lupdate found too few texts: are they still marked?";

    const QStringList shippedFiles = QString::fromUtf8(KESTROM_TS_FILES).split(QLatin1Char('|'));
    ASSERT_FALSE(shippedFiles.isEmpty());
    for (const QString& tsFile : shippedFiles) {
        const QString language = QFileInfo(tsFile).completeBaseName().section(QLatin1Char('_'), 1);
        SCOPED_TRACE(language.toStdString());
        const std::map<QString, Message> shipped = readTs(tsFile);
        QTranslator compiled;
        ASSERT_TRUE(compiled.load(QStringLiteral(":/i18n/kestrom_") + language + QStringLiteral(".qm")));

        for (const auto& [source, unused] : texts) {
            const auto found = shipped.find(source);
            if (found == shipped.end()) {
                ADD_FAILURE() << "no translation of \"" << source.toStdString() << "\" (build update_translations)";
                continue;
            }
            const Message& message = found->second;
            EXPECT_TRUE(message.finished && !message.translation.isEmpty())
                << "unfinished translation of \"" << source.toStdString() << '"';
            EXPECT_EQ(placeholders(message.translation), placeholders(source))
                << '"' << source.toStdString() << "\" -> \"" << message.translation.toStdString() << '"';
            EXPECT_EQ(outerBlanks(message.translation), outerBlanks(source))
                << '"' << source.toStdString() << "\" -> \"" << message.translation.toStdString() << '"';
            EXPECT_EQ(compiled.translate("Kestrom", source.toUtf8().constData()), message.translation)
                << "the built-in translation differs for \"" << source.toStdString() << '"';
        }
    }
}

TEST(TranslationTest, TheFirstPreferredLanguageWithATranslationWinsUnlessEnglishComesFirst)
{
    EXPECT_TRUE(translatedLanguages().contains(QStringLiteral("de")));
    struct Case {
        QStringList user;
        QString chosen;
    };
    const Case cases[] = {
        {{"de-DE"}, "de"},          {{"de"}, "de"},        {{"de-AT", "en-US"}, "de"}, {{"fr-FR", "de-DE"}, "de"},
        {{"en-US", "de-DE"}, ""},   {{"en"}, ""},          {{"fr-FR"}, ""},            {{"C"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chosenLanguage(c.user, {"de"}), c.chosen) << c.user.join(',').toStdString();
}

}  // namespace
}  // namespace kst
