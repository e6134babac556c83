#include "serverlink.h"

#include "database.h"
#include "schemaupgrade.h"
#include "serversetup.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

ServerLink::ServerLink(const QString& uri, const QString& serverName, const QString& dataFolder,
                       QObject* parent)
    : QObject(parent)
    , serverUri(uri)
    , name(serverName)
    , copy(copyPathIn(dataFolder))
    , outbox(outboxPathIn(dataFolder))
{
    retry.setInterval(5000);
    connect(&retry, &QTimer::timeout, this, &ServerLink::askServer);
}

ServerLink::~ServerLink()
{
    for (QThread* thread : {copying, asking}) {
        if (thread) {
            thread->wait();
            delete thread;
        }
    }
}

QString ServerLink::copyPathIn(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/copia-del-servidor");
}

QString ServerLink::outboxPathIn(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/respuestas-por-enviar");
}

bool ServerLink::hasCopy() const
{
    return QFileInfo::exists(copy);
}

QDateTime ServerLink::copyTime() const
{
    const QFileInfo info(copy);
    return info.exists() ? info.lastModified() : QDateTime();
}

void ServerLink::setOnline()
{
    retry.stop();
    if (online)
        return;
    online = true;
    Q_EMIT onlineChanged(true);
}

bool ServerLink::goOffline()
{
    if (!hasCopy() || !Database::openDefaultCopy(copy)) {
        qWarning("No copy of the server to go on with at %s", qPrintable(copy));
        return false;
    }
    qWarning("%s cannot be reached: working on the copy of %s", qPrintable(name),
             qPrintable(copyTime().toString(Qt::ISODate)));
    const bool was = online;
    online = false;
    retry.start();
    if (was)
        Q_EMIT onlineChanged(false);
    return true;
}

void ServerLink::refreshCopy()
{
    if (copying || !online)
        return;
    const QString uri = serverUri;
    const QString path = copy;
    copying = QThread::create([this, uri, path] {
        QString error;
        const bool ok = ServerSetup::refreshCopy(uri, path, &error);
        if (!ok)
            qWarning("The copy of the server could not be made: %s", qPrintable(error));
        QMetaObject::invokeMethod(this, [this, ok] { Q_EMIT copyRefreshed(ok); }, Qt::QueuedConnection);
    });
    connect(copying, &QThread::finished, this, [this] {
        copying->deleteLater();
        copying = nullptr;
    });
    copying->start(QThread::LowPriority);
}

void ServerLink::waitForThreads()
{
    for (QThread* thread : {copying, asking}) {
        if (thread)
            thread->wait();
    }
    // Their results, queued to this thread.
    QCoreApplication::sendPostedEvents(this);
}

// A statement failed on the default connection. The server still answers:
// the statement itself was at fault, nothing to do. It answers again once
// connected afresh (it restarted): go on there. Otherwise: the copy.
bool ServerLink::recoverNow()
{
    recoveryQueued = false;
    if (!online)
        return false;
    {
        QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
        if (db.isOpen()) {
            QSqlQuery ping(db);
            if (ping.exec(QStringLiteral("SELECT 1")))
                return false;
        }
        db.close();
        if (db.open() && SchemaUpgrade::currentVersion(db) == SchemaUpgrade::latestVersion()) {
            qWarning("Connected to %s again", qPrintable(name));
            return true;
        }
    }
    // No handle left on the server's connection: the copy takes its name.
    return goOffline();
}

void ServerLink::recoverSoon()
{
    if (!online || recoveryQueued)
        return;
    recoveryQueued = true;
    QMetaObject::invokeMethod(this, [this] { recoverNow(); }, Qt::QueuedConnection);
}

// In a thread: a server that does not answer must not hold the window.
void ServerLink::askServer()
{
    if (asking || online)
        return;
    const QString uri = serverUri;
    asking = QThread::create([this, uri] {
        bool usable = false;
        {
            static QAtomicInt asked;
            const QString connection = QStringLiteral("server-asked-%1").arg(asked.fetchAndAddRelaxed(1));
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
                Database::configureServer(db, Database::parseServerUri(uri));
                usable = db.open() && SchemaUpgrade::currentVersion(db) == SchemaUpgrade::latestVersion();
                db.close();
            }
            QSqlDatabase::removeDatabase(connection);
        }
        QMetaObject::invokeMethod(this, [this, usable] { serverAnswered(usable); }, Qt::QueuedConnection);
    });
    connect(asking, &QThread::finished, this, [this] {
        asking->deleteLater();
        asking = nullptr;
    });
    asking->start(QThread::LowPriority);
}

// Back in the window's thread, between two events: no query is alive.
void ServerLink::serverAnswered(bool usable)
{
    if (!usable || online)
        return;
    if (!Database::openDefaultServer(serverUri)) {
        goOffline();
        return;
    }
    qWarning("%s is back", qPrintable(name));
    setOnline();
    refreshCopy();
}
