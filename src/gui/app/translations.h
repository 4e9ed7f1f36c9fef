#pragma once

#include <QString>
#include <QStringList>

namespace kst {

// The language whose translation the program uses, from the user's languages
// in order of preference (QLocale's uiLanguages: LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG) and the languages it has translations for. Empty for
// the program's own English texts: when no language has a translation, and
// when English comes before any that has.
QString chosenLanguage(const QStringList& userLanguages, const QStringList& translated);

// The languages the program carries a translation for ("de", ...).
QStringList translatedLanguages();

// Installs the translation of the program's texts for the user's language,
// with Qt's own for its dialogs' buttons where the system has it, and binds
// the core's tr() to them. Call once, after the application object exists.
void installTranslations();

}  // namespace kst
