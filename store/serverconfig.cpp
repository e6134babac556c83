#include "serverconfig.h"

#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString ServerConfig::kSystemFile = QStringLiteral("/etc/ondalira/server.conf");

ServerConfig ServerConfig::parse(const QString& text)
{
    ServerConfig config;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            config.problems << where + QStringLiteral("no \"=\"");
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        QString* field = key == QLatin1String("database") ? &config.database
            : key == QLatin1String("media")               ? &config.media
                                                          : nullptr;
        if (!field)
            config.problems << where + QStringLiteral("unknown key \"%1\"").arg(key);
        else if (!field->isEmpty())
            config.problems << where + QStringLiteral("%1 given twice").arg(key);
        else
            *field = value;
    }
    if (config.database.isEmpty()) {
        config.problems << QStringLiteral("no database=");
    } else {
        const Database::ServerAddress address = Database::parseServerUri(config.database);
        if (!address.valid)
            config.problems << QStringLiteral("database: ") + address.error;
        else if (address.hadPassword)
            config.problems << QStringLiteral("database: a password in the file is never used");
    }
    if (config.media.isEmpty())
        config.problems << QStringLiteral("no media=");
    else if (QDir::isRelativePath(config.media))
        config.problems << QStringLiteral("media: not an absolute path");
    return config;
}

ServerConfig ServerConfig::find(const QString& dataFolder, const QString& systemFile)
{
    const QString own = QDir(dataFolder).filePath(QStringLiteral("server.conf"));
    const bool isOwn = QFileInfo::exists(own);
    const QString path = isOwn ? own : systemFile;
    if (!QFileInfo::exists(path))
        return ServerConfig();
    QFile file(path);
    ServerConfig config;
    if (file.open(QIODevice::ReadOnly))
        config = parse(QString::fromUtf8(file.readAll()));
    else
        config.problems << QStringLiteral("cannot be read: ") + file.errorString();
    config.file = path;
    // The home's file is one user's: nobody else should read where it
    // connects. The system-wide one is read by every user of the PC, so
    // only someone else than its owner changing it is a danger.
    const QFile::Permissions permissions = QFileInfo(path).permissions();
    config.exposed = isOwn
        ? bool(permissions & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther))
        : bool(permissions & (QFile::WriteGroup | QFile::WriteOther));
    return config;
}
