#include "picturefit.h"

#include <QImage>
#include <QImageReader>

QPixmap fittedPicture(const QString& path, const QSize& holder)
{
    QImageReader reader(path);
    reader.setAutoTransform(true); // phones store the turn in the EXIF data
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    if (image.size() == holder)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(
        image.scaled(holder, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
