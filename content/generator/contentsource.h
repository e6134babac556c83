#pragma once

#include <QList>
#include <QString>

// The committed sources of the default content pack, read once.
struct WordEntry
{
    QString letter;     // as stored: upper case, "CH", "LL", "Ñ"
    QString word;       // written form and description
    uint emoji = 0;     // code point of the picture source
    QString drawing;    // or the name of one of our own drawings ("draw:name")
    QString category;   // upper case
};

struct ContentSource
{
    QString languageName;
    QStringList letters;
    QList<WordEntry> words;
    QList<QPair<QString, int>> settings;

    // Reads letters.txt, wordlist.tsv and settings.tsv from the folder.
    bool load(const QString& folder, QString* error);
};

// File names of a word's media inside its folder.
namespace WordMedia {
inline const QString Image = QStringLiteral("imagen.png");
inline const QString Sign = QStringLiteral("sena.avi");
inline const QString Lips = QStringLiteral("modulacion.avi");
} // namespace WordMedia
