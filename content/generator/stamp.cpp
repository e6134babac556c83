#include "stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

Stamp::Stamp(const QString& output, const QStringList& inputs, const QByteArray& key)
    : output(output)
{
    const QFileInfo info(output);
    stampFile = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".stamp");
    QCryptographicHash digest(QCryptographicHash::Sha1);
    digest.addData(key);
    for (const QString& input : inputs) {
        QFile file(input);
        if (file.open(QIODevice::ReadOnly))
            digest.addData(file.readAll());
        digest.addData(input.toUtf8());
    }
    hash = digest.result().toHex();
}

bool Stamp::isCurrent() const
{
    QFile file(stampFile);
    return QFileInfo::exists(output) && file.open(QIODevice::ReadOnly)
        && file.readAll().trimmed() == hash;
}

void Stamp::write() const
{
    QFile file(stampFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(hash + '\n');
}
