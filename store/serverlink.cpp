#include "serverlink.h"

#include "database.h"
#include "schemaupgrade.h"
#include "serversetup.h"
#include "serverwatch.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>

ServerLink::ServerLink(const QString& uri, const QString& serverName, const QString& dataFolder,
                       QObject* parent)
    : QObject(parent)
    , serverUri(uri)
    , name(serverName)
    , copy(copyPathIn(dataFolder))
    , outbox(outboxPathIn(dataFolder))
{
    watch = new ServerWatch(uri, SchemaUpgrade::latestVersion(), this);
    connect(watch, &ServerWatch::answered, this, &ServerLink::serverAnswered);
    connect(watch, &ServerWatch::silent, this, &ServerLink::serverSilent);
    // A window that stops beating while the server is in use is most
    // likely waiting on it: the watch asks the server at once.
    heartbeat = new QTimer(this);
    heartbeat->setInterval(ServerWatch::kBeatMs);
    connect(heartbeat, &QTimer::timeout, watch, [this] { watch->beat(online); });
    heartbeat->start();
    watch->beat(false);
    watch->start();
}

ServerLink::~ServerLink()
{
    delete watch; // its thread ends first
    watch = nullptr;
    if (copying) {
        copying->wait();
        delete copying;
    }
}

void ServerLink::setRetryInterval(int ms)
{
    watch->setInterval(ms);
}

void ServerLink::guardDefault()
{
    watch->guard(Database::socketOf(
        QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)));
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
    guardDefault();
    if (online)
        return;
    online = true;
    Q_EMIT onlineChanged(true);
}

bool ServerLink::goOffline()
{
    watch->guard(-1); // before the server's connection closes
    if (!hasCopy() || !Database::openDefaultCopy(copy)) {
        qWarning("No copy of the server to go on with at %s", qPrintable(copy));
        return false;
    }
    qWarning("%s cannot be reached: working on the copy of %s", qPrintable(name),
             qPrintable(copyTime().toString(Qt::ISODate)));
    const bool was = online;
    online = false;
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
    copying = QThread::create([uri, path] {
        QString error;
        if (!ServerSetup::refreshCopy(uri, path, &error))
            qWarning("The copy of the server could not be made: %s", qPrintable(error));
    });
    connect(copying, &QThread::finished, this, [this] {
        copying->deleteLater();
        copying = nullptr;
    });
    copying->start(QThread::LowPriority);
}

void ServerLink::waitForThreads()
{
    if (copying)
        copying->wait();
    // Its end, queued to this thread: the next refresh may start.
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
    // Connected afresh, unless the watch already heard nothing: then no
    // time is lost on a connection that would only wait.
    if (!watch->heardNothing()) {
        watch->guard(-1);
        QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
        if (db.isOpen()) {
            QSqlQuery ping(db);
            if (ping.exec(QStringLiteral("SELECT 1"))) {
                guardDefault();
                return false;
            }
        }
        db.close();
        if (db.open() && SchemaUpgrade::currentVersion(db) == SchemaUpgrade::latestVersion()) {
            qWarning("Connected to %s again", qPrintable(name));
            guardDefault();
            QMetaObject::invokeMethod(this, &ServerLink::reconnected, Qt::QueuedConnection);
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

// Between two events: no query is alive. The watch has already broken the
// server's connection, should a statement have been waiting on it.
void ServerLink::serverSilent()
{
    if (online)
        goOffline();
}

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
