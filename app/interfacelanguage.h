#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The interface speaks Spanish (the source texts) or Catalan (OL_catala).
// One package serves both, so the desktop's language decides: the first of
// its interface languages that the program has wins, and Spanish stays when
// none of them is Catalan or Spanish.
namespace InterfaceLanguage {

// uiLanguages as QLocale::uiLanguages() gives them ("ca-ES", "es", "en-GB"…).
bool prefersCatalan(const QStringList& uiLanguages);

// Loads the program's own translation ("OL_catala" in translationsDir) when
// Catalan is preferred; false when Spanish is wanted or the file is missing.
bool loadProgramTranslation(QTranslator* translator, const QStringList& uiLanguages,
                            const QString& translationsDir);

// Loads Qt's translation of its standard texts (button labels, file dialog)
// into the interface language, from Qt's translation folder; false when the
// file is not installed.
bool loadQtTranslation(QTranslator* translator, const QStringList& uiLanguages);

} // namespace InterfaceLanguage
