#include "asciilink.h"

#include <QFile>
#include <QFileInfo>

QString AsciiLink::openable(const QString& path, const QString& name)
{
    bool ascii = true;
    for (const QChar c : path)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii || !links.isValid())
        return path;
    const QString link = links.filePath(name + QLatin1Char('.') + QFileInfo(path).suffix());
    QFile::remove(link);
    return QFile::link(QFileInfo(path).absoluteFilePath(), link) ? link : path;
}
