#include "gui/app/translations.h"

#include "gui/common/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kst {
namespace {

const QString TranslationFolder = QStringLiteral(":/i18n");
const QString FilePrefix = QStringLiteral("kestrom_");

}  // namespace

QString chosenLanguage(const QStringList& userLanguages, const QStringList& translated)
{
    for (const QString& language : userLanguages) {
        const QLocale locale(language);
        // The texts are written in English: no translation is the right one.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        const QString code = QLocale::languageToCode(locale.language());
        if (translated.contains(code))
            return code;
    }
    return {};
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(TranslationFolder).entryList({FilePrefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages << file.mid(FilePrefix.size()).section(QLatin1Char('.'), 0, 0);
    return languages;
}

void installTranslations()
{
    const QString language = chosenLanguage(QLocale().uiLanguages(), translatedLanguages());
    if (!language.isEmpty()) {
        auto* own = new QTranslator(QCoreApplication::instance());
        if (own->load(FilePrefix + language, TranslationFolder))
            QCoreApplication::installTranslator(own);
        // Qt's own texts (the Cancel of an input box, the file dialog) in the same language.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    setTranslator([](TextId text) { return fromQt(qtr(text)); });
}

}  // namespace kst
