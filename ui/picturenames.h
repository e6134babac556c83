#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the pictures of the picture buttons say, in words: the accessible
// name and description of a button, in the interface language, looked up by
// the file name of its normal picture. A screen reader then tells an adult
// what each control is, even though the buttons carry no text of their own.
class PictureNames
{
    Q_DECLARE_TR_FUNCTIONS(PictureNames)

public:
    // Empty for a picture the program does not know.
    static QString name(const QString& picturePath);
    static QString description(const QString& picturePath);

    // Every picture base name with a name ("letras", "leer1"…).
    static QStringList knownPictures();
};
