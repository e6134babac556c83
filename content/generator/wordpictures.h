#pragma once

#include <QString>

struct ContentSource;

// The picture of every word ("imagen.png" in the word's folder), drawn from
// its emoji, or from one of our own drawings, on a card the size of the
// picture holder.
bool drawWordPictures(const ContentSource& source, const QString& languageDir, QString* error);

// The folder of a word in the media library, below the language's folder.
QString wordFolder(const QString& languageDir, const QString& letter, const QString& fullName);
