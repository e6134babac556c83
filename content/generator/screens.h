#pragma once

#include <QString>

// The screens around the activities: both backgrounds, the warnings, the
// arrows, the blank of a space and the language's credits picture.
bool drawScreens(const QString& systemDir, const QString& languageDir, QString* error);
