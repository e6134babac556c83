#pragma once

#include <QString>

// Where the program finds its database, translations and media library.
// The home is the executable's folder unless ONDALIRA_HOME names another
// one (the per-user copy of an installed program, or a test's folder).
namespace MediaPaths {

QString appDir();                 // APP, without a trailing slash
QString databasePath();           // APP/data/bd
QString translationsPath();       // APP/translations
QString systemMediaPath();        // SYS: APP/media/system/
QString languagesPath();          // APP/media/languages/

} // namespace MediaPaths
