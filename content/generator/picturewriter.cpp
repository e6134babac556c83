#include "picturewriter.h"

#include "stamp.h"

#include <QDir>
#include <QFileInfo>

PictureWriter::PictureWriter(const QByteArray& version)
    : version(version)
{
}

bool PictureWriter::write(const QString& path, const QByteArray& key,
                          const std::function<QImage()>& draw)
{
    const Stamp stamp(path, {}, version + '\n' + key);
    if (stamp.isCurrent()) {
        ++kept;
        return true;
    }
    const QImage image = draw();
    if (image.isNull()) {
        error = QStringLiteral("nothing drawn for ") + path;
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        error = QStringLiteral("cannot write ") + path;
        return false;
    }
    stamp.write();
    ++drawn;
    return true;
}
