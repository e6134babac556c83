#pragma once

#include "contentsource.h"

#include <QString>

// Folders of the generated home, composed as the program composes them.
inline QString packLanguageFolder(const QString& homeDir, const ContentSource& source)
{
    return homeDir + QStringLiteral("/media/languages/") + source.languageName + QLatin1Char('/');
}

inline QString packWordFolder(const QString& languageFolder, const WordEntry& entry)
{
    return languageFolder + QStringLiteral("Letras/") + entry.letter + QLatin1Char('/') + entry.word
        + QLatin1Char('/');
}

inline int packSetting(const ContentSource& source, const QString& key)
{
    for (const auto& setting : source.settings) {
        if (setting.first == key)
            return setting.second;
    }
    return 0;
}
