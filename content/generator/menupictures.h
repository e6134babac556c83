#pragma once

#include <QString>

// The picture buttons of the menus (menus/), the activity titles
// (titulos/) and the praise and error pictures (feedback/).
bool drawMenuPictures(const QString& systemDir, QString* error);
