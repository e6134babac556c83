#pragma once

#include <QString>

// Where the program finds its database, translations and media library.
// The home is the executable's folder unless ONDALIRA_HOME names another
// one (the per-user copy of an installed program, or a test's folder).
// The media library is the home's media folder, unless the connection file
// of a school server names the shared one (media=).
namespace MediaPaths {

QString appDir();                 // APP, without a trailing slash
QString databasePath();           // APP/data/bd
QString translationsPath();       // APP/translations
QString mediaPath();              // MEDIA: APP/media, or the shared library
QString systemMediaPath();        // SYS: MEDIA/system/
QString languagesPath();          // MEDIA/languages/

// The shared media library for the rest of the run (an absolute folder);
// empty: the home's own again.
void setMediaLibrary(const QString& folder);

} // namespace MediaPaths
