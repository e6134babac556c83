#include "stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

Stamp::Stamp(const QString& output, const QStringList& inputs, const QByteArray& key)
    : m_output(output)
{
    const QFileInfo info(output);
    m_stampFile = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".stamp");
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(key);
    for (const QString& input : inputs) {
        QFile file(input);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
        hash.addData(input.toUtf8());
    }
    m_hash = hash.result().toHex();
}

bool Stamp::isCurrent() const
{
    QFile file(m_stampFile);
    return QFileInfo::exists(m_output) && file.open(QIODevice::ReadOnly)
        && file.readAll().trimmed() == m_hash;
}

void Stamp::write() const
{
    QFile file(m_stampFile);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(m_hash + '\n');
}
