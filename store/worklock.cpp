#include "worklock.h"

#include "database.h"
#include "mediastore.h"

#include <QCryptographicHash>
#include <QLockFile>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>
#include <QtEndian>

namespace {
// The work this program is doing now (its lock files' paths): a session's
// advisory locks are its own to take again, so the server cannot tell this
// program's own work from a dead PC's.
QSet<QString>& underWayHere()
{
    static QSet<QString> works;
    return works;
}

// Runs pg_try_advisory_lock or pg_advisory_unlock; false when it failed.
bool advisory(const QString& function, qint64 key)
{
    QSqlQuery query;
    query.prepare(QStringLiteral("SELECT %1(CAST(:key AS bigint))").arg(function));
    query.bindValue(QStringLiteral(":key"), key);
    return query.exec() && query.next() && query.value(0).toBool();
}
} // namespace

WorkLock::WorkLock() = default;

WorkLock::~WorkLock()
{
    if (!underWay.isEmpty())
        underWayHere().remove(underWay);
    if (heldKey)
        advisory(QStringLiteral("pg_advisory_unlock"), *heldKey);
}

WorkLock::Taken WorkLock::take(const QString& lockFile, const QString& name)
{
    if (underWayHere().contains(lockFile))
        return Taken::Busy;
    if (Database::engine() == Database::Engine::PostgreSQL) {
        const qint64 key = keyOf(name);
        if (!advisory(QStringLiteral("pg_try_advisory_lock"), key))
            return Taken::Busy;
        heldKey = key;
    } else {
        if (MediaStore::isRefused(lockFile))
            return Taken::Refused;
        auto lock = std::make_unique<QLockFile>(lockFile);
        if (!lock->tryLock(0))
            return lock->error() == QLockFile::LockFailedError ? Taken::Busy : Taken::Refused;
        file = std::move(lock);
    }
    underWay = lockFile;
    underWayHere().insert(underWay);
    return Taken::Held;
}

qint64 WorkLock::keyOf(const QString& name)
{
    const QByteArray digest = QCryptographicHash::hash(QByteArray("ondalira-work:" + name.toUtf8()),
                                                       QCryptographicHash::Sha256);
    return qFromBigEndian<qint64>(digest.constData());
}
