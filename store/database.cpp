#include "database.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>

#include <libpq-fe.h>

namespace Database {

Engine engineOf(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::PostgreSQL : Engine::SQLite;
}

Engine engine()
{
    return engineOf(QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false));
}

ServerAddress parseServerUri(const QString& uri)
{
    ServerAddress address;
    const QUrl url(uri.trimmed(), QUrl::StrictMode);
    if (!url.isValid()
        || (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
        address.error = QStringLiteral("not a postgresql:// URI");
        return address;
    }
    address.hadPassword = !url.password().isEmpty();
    address.host = url.host();
    address.port = url.port(-1);
    address.user = url.userName();
    address.databaseName = url.path().mid(1); // without the leading "/"
    QStringList options;
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("password")) {
            address.hadPassword = true;
            continue;
        }
        // QPSQL splits its options at ";": a value holding one cannot pass.
        if (value.contains(QLatin1Char(';'))) {
            address.error = QStringLiteral("the option %1 holds a \";\"").arg(key);
            return address;
        }
        options << key + QLatin1Char('=') + value;
    }
    address.options = options.join(QLatin1Char(';'));
    address.valid = true;
    return address;
}

namespace {
// The options of an address with the program's defaults where the URI is
// silent. A server that stops answering (a cable pulled, a PC asleep) must
// fail a statement within seconds, not after the system's TCP timeouts.
QStringList optionsWithDefaults(const ServerAddress& address)
{
    QStringList options = address.options.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QStringList defaults{QStringLiteral("connect_timeout=3"), QStringLiteral("keepalives=1"),
                               QStringLiteral("keepalives_idle=5"), QStringLiteral("keepalives_interval=2"),
                               QStringLiteral("keepalives_count=2"), QStringLiteral("tcp_user_timeout=4000")};
    for (const QString& option : defaults) {
        const QString key = option.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        if (!address.options.contains(key))
            options << option;
    }
    return options;
}

QString quotedValue(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}
} // namespace

void configureServer(QSqlDatabase& db, const ServerAddress& address)
{
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setDatabaseName(address.databaseName);
    db.setUserName(address.user);
    db.setConnectOptions(optionsWithDefaults(address).join(QLatin1Char(';')));
}

QString connectionString(const ServerAddress& address)
{
    QStringList parts;
    const auto add = [&parts](const QString& key, const QString& value) {
        if (!value.isEmpty())
            parts << key + QLatin1Char('=') + quotedValue(value);
    };
    add(QStringLiteral("host"), address.host);
    add(QStringLiteral("port"), address.port > 0 ? QString::number(address.port) : QString());
    add(QStringLiteral("dbname"), address.databaseName);
    add(QStringLiteral("user"), address.user);
    for (const QString& option : optionsWithDefaults(address))
        add(option.section(QLatin1Char('='), 0, 0), option.section(QLatin1Char('='), 1));
    return parts.join(QLatin1Char(' '));
}

int socketOf(const QSqlDatabase& db)
{
    if (engineOf(db) != Engine::PostgreSQL || !db.isOpen() || !db.driver())
        return -1;
    const QVariant handle = db.driver()->handle();
    // The driver names the type by libpq's struct (pg_conn*) or its typedef.
    if (qstrcmp(handle.typeName(), "pg_conn*") != 0 && qstrcmp(handle.typeName(), "PGconn*") != 0)
        return -1;
    PGconn* conn = *static_cast<PGconn* const*>(handle.constData());
    return conn ? PQsocket(conn) : -1;
}

bool openDefaultServer(const QString& uri)
{
    const ServerAddress address = parseServerUri(uri);
    if (!address.valid)
        return false;
    closeDefault();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"));
    configureServer(db, address);
    return db.open();
}

bool openDefault(const QString& path)
{
    if (engine() != Engine::SQLite)
        closeDefault();
    QSqlDatabase db = QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection))
        ? QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    if (db.isOpen())
        db.close();
    // Without mode=rw SQLite would silently create an empty database.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()
                       + QStringLiteral("?mode=rw"));
    return db.open();
}

namespace {
struct Recovery
{
    std::function<bool()> now;
    std::function<void()> soon;
};
Recovery& recovery()
{
    static Recovery handlers;
    return handlers;
}
} // namespace

void setRecovery(std::function<bool()> now, std::function<void()> soon)
{
    recovery() = {std::move(now), std::move(soon)};
}

bool recover()
{
    return recovery().now && recovery().now();
}

void recoverSoon()
{
    if (recovery().soon)
        recovery().soon();
}

bool openDefaultCopy(const QString& path)
{
    closeDefault();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
    db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()
                       + QStringLiteral("?mode=ro"));
    return db.open();
}

QString problemOfDefault()
{
    QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    QSqlQuery query(db);
    // A server checks its own pages; only a missing table can be wrong there.
    if (engineOf(db) == Engine::SQLite) {
        if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
            const QString error = query.lastError().databaseText();
            return error.isEmpty() ? QStringLiteral("quick_check failed") : error;
        }
        const QString verdict = query.value(0).toString();
        if (verdict != QLatin1String("ok"))
            return verdict;
        query.finish();
    }
    const QStringList tables = db.tables();
    for (const char* needed :
         {"language", "letter", "word", "word_x_category", "category", "user", "config"}) {
        if (!tables.contains(QLatin1String(needed)))
            return QStringLiteral("no table ") + QLatin1String(needed);
    }
    return QString();
}

WriteProblem writeProblemOf(const QSqlError& error)
{
    if (error.type() == QSqlError::NoError)
        return WriteProblem::None;
    // PostgreSQL's SQLSTATE, always five characters (SQLite's codes have
    // at most four digits).
    const QString state = error.nativeErrorCode();
    if (state.size() == 5) {
        if (state == QLatin1String("25006") || state == QLatin1String("42501"))
            return WriteProblem::ReadOnly; // a read-only transaction, no privilege
        if (state == QLatin1String("53100"))
            return WriteProblem::DiskFull;
        if (state == QLatin1String("55P03") || state == QLatin1String("40P01")
            || state == QLatin1String("40001"))
            return WriteProblem::Busy; // a lock, a deadlock, a conflicting transaction
        if (state.startsWith(QLatin1String("XX00")))
            return WriteProblem::Damaged;
        return WriteProblem::Other;
    }
    // SQLite's primary result codes (the low byte of an extended one).
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    if (!numeric)
        return WriteProblem::Other;
    switch (code) {
    case 3:  // SQLITE_PERM
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN: no journal beside a read-only file
        return WriteProblem::ReadOnly;
    case 13: // SQLITE_FULL
        return WriteProblem::DiskFull;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return WriteProblem::Busy;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return WriteProblem::Damaged;
    default:
        return WriteProblem::Other;
    }
}

void closeDefault()
{
    const QString name = QLatin1String(QSqlDatabase::defaultConnection);
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace Database

QStringList Database::scriptStatements(const QString& script)
{
    QStringList code;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        const qsizetype comment = line.indexOf(QStringLiteral("--"));
        code << (comment < 0 ? line : line.left(comment));
    }
    QStringList statements;
    for (const QString& statement : code.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            statements << statement.trimmed();
    }
    return statements;
}
