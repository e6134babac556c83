#include "databaseconnection.h"

#include "database.h"
#include "mediapaths.h"
#include "schemaupgrade.h"
#include "wordsaver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

DatabaseConnection::DatabaseConnection(const QString& path, Reporter& reporter,
                                       const QString& systemConfig)
    : reporter(reporter)
    , systemConfig(systemConfig)
{
    open(path);
}

DatabaseConnection::~DatabaseConnection()
{
    if (serverLink)
        Database::setRecovery({}, {});
}

void DatabaseConnection::open(const QString& path)
{
    const QString dataFolder = QFileInfo(path).absolutePath();
    config = ServerConfig::find(dataFolder, systemConfig);
    // The school's shared library serves every PC of the class. A server's
    // file without media= (or with a relative one, logged as its problem)
    // keeps the home's own media, as a PC without a server has.
    const bool shared = config.isSet() && !config.media.isEmpty()
        && !QDir::isRelativePath(config.media);
    mediaFolder = shared ? QDir::cleanPath(config.media)
                         : QDir::cleanPath(dataFolder + QStringLiteral("/../media"));
    MediaPaths::setMediaLibrary(shared ? mediaFolder : QString());
    // Only ondalira-admin upgrades a server's schema, never a PC.
    if (config.isSet() ? openServer(dataFolder) : openChecked(path)) {
        if (!config.isSet())
            upgradeSchema(path);
        checkMediaFolders();
        // Saves and deletions that a crash cut short are finished or undone
        // before anyone sees the media library.
        // Not on the server's copy: the server says which saves are alive.
        if (!serverLink || serverLink->isOnline())
            WordSaver::reconcile(mediaFolder + QStringLiteral("/languages"));
    }
}

// The school's server instead of the embedded file. What is logged names
// the file and the server's address, never a password.
bool DatabaseConnection::openServer(const QString& dataFolder)
{
    for (const QString& problem : std::as_const(config.problems))
        qWarning("%s: %s", qPrintable(config.file), qPrintable(problem));
    if (config.exposed)
        reporter.serverConfigExposed(config.file);
    const Database::ServerAddress address = Database::parseServerUri(config.database);
    if (!address.valid) {
        reporter.cannotReachServer(config.file, QString());
        return false;
    }
    const QString server = (address.host.isEmpty() ? QStringLiteral("localhost") : address.host)
        + (address.databaseName.isEmpty() ? QString() : QLatin1Char('/') + address.databaseName);
    serverLink = std::make_unique<ServerLink>(config.database, server, dataFolder);
    ServerLink* link = serverLink.get();
    Database::setRecovery([link] { return link->recoverNow(); }, [link] { link->recoverSoon(); });
    if (!Database::openDefaultServer(config.database)) {
        qWarning("Cannot connect to %s: %s", qPrintable(server),
                 qPrintable(QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
                                .lastError()
                                .databaseText()));
        return goOnWithCopy(server);
    }
    const QString problem = Database::problemOfDefault();
    if (!problem.isEmpty()) {
        qWarning("Database problem on %s: %s", qPrintable(server), qPrintable(problem));
        Database::closeDefault();
        reporter.cannotReachServer(config.file, server);
        return false;
    }
    const int version = SchemaUpgrade::currentVersion(
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false));
    if (version != SchemaUpgrade::latestVersion()) {
        Database::closeDefault();
        reporter.serverSchemaDiffers(server, version, SchemaUpgrade::latestVersion());
        return false;
    }
    // The copy the PC goes on with should the server go away.
    link->setOnline();
    link->refreshCopy();
    return true;
}

// The server does not answer at start: the PC's last copy of it, if the
// adult wants it.
bool DatabaseConnection::goOnWithCopy(const QString& server)
{
    if (!serverLink->hasCopy()) {
        reporter.cannotReachServer(config.file, server);
        return false;
    }
    if (!reporter.offerLastCopy(config.file, server, serverLink->copyTime())) {
        quit = true;
        return false;
    }
    if (serverLink->goOffline())
        return true;
    reporter.cannotReachServer(config.file, server);
    return false;
}

bool DatabaseConnection::isOpen() const
{
    // No handle is kept: the server's link replaces the default connection.
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false).isOpen();
}

bool DatabaseConnection::openChecked(const QString& path)
{
    for (;;) {
        if (!Database::openDefault(path)) {
            reporter.cannotOpen(path);
            return false;
        }
        const QString problem = Database::problemOfDefault();
        if (problem.isEmpty())
            return true;
        Database::closeDefault();
        qWarning("Database problem: %s", qPrintable(problem));

        const QStringList copies = SchemaUpgrade::keptCopies(path);
        const QString newest = copies.isEmpty() ? QString() : copies.first();
        if (!reporter.damaged(path, problem, newest) || newest.isEmpty())
            return false;
        if (!restore(path, newest))
            return false;
    }
}

// The damaged file moves aside under a new name, then the copy takes its place.
bool DatabaseConnection::restore(const QString& path, const QString& copy)
{
    const QString aside = path + QStringLiteral(".dañada-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString partial = path + QStringLiteral(".restaurando");
    QFile::remove(partial);
    const bool restored = QFile::copy(copy, partial) && QFile::rename(path, aside)
        && QFile::rename(partial, path);
    if (restored)
        return true;
    QFile::remove(partial);
    if (!QFile::exists(path) && QFile::exists(aside))
        QFile::rename(aside, path);
    reporter.restoreFailed(copy, path);
    return false;
}

void DatabaseConnection::upgradeSchema(const QString& path)
{
    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false), path);
    if (result.ok)
        return;
    if (!result.error.isEmpty())
        qWarning("Schema upgrade failed: %s", qPrintable(result.error));
    reporter.upgradeFailed(path, result.keptCopy.isEmpty() && result.error.isEmpty());
}

// Without its media folders the program would open on an empty grey window.
void DatabaseConnection::checkMediaFolders()
{
    const QString home = QFileInfo(mediaFolder).absolutePath();
    for (const QString& needed : QStringList{mediaFolder, mediaFolder + QStringLiteral("/system"),
                                  mediaFolder + QStringLiteral("/languages")}) {
        if (!QFileInfo(needed).isDir()) {
            reporter.mediaFolderMissing(needed, home);
            return;
        }
    }
}
