#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The pictures by which children who cannot read yet find themselves in the
// user dialog. A user's picture is one of the drawings of the program
// (system media, usuarios/NAME.png) or a photo copied into the home
// (media/usuarios/FILE), stored as "usuarios/NAME.png" or "foto:FILE".
namespace UserPictures {

// The drawings: animals and things a child can name, in the order they
// are handed out.
struct Drawing
{
    QString name;    // file name without .png
    uint codePoint;  // the emoji it is drawn from
};
const QList<Drawing>& drawings();

// The picture a new user gets: the first drawing no user has; when every
// one is taken, the first of those used least.
QString nextFree(const QStringList& used);

QString drawingPicture(const QString& name); // "usuarios/NAME.png"
QString photoPicture(const QString& file);   // "foto:FILE"

// The file of a stored picture (empty for none).
QString path(const QString& picture);
QString photosFolder(); // APP/media/usuarios/

} // namespace UserPictures
