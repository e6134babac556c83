#include "serversetup.h"

#include "database.h"
#include "schemaupgrade.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUrl>
#include <QVariant>

namespace ServerSetup {

namespace {
const QString kServer = QStringLiteral("server-setup");
const QString kSource = QStringLiteral("server-setup-source");

// "user" is a reserved word on PostgreSQL; quoting works on both.
QString quoted(const QString& table)
{
    return QLatin1Char('"') + table + QLatin1Char('"');
}

// A connection that removes itself, so that no test or command leaves one.
class Connection
{
public:
    Connection(const QString& name, const QString& driver)
        : name(name)
    {
        db = QSqlDatabase::addDatabase(driver, name);
    }
    ~Connection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db;

private:
    QString name;
};

bool openServer(Connection& server, const QString& uri, Report* report)
{
    const Database::ServerAddress address = Database::parseServerUri(uri);
    if (!address.valid) {
        report->error = address.error;
        return false;
    }
    Database::configureServer(server.db, address);
    if (server.db.open())
        return true;
    report->error = server.db.lastError().text();
    return false;
}

qint64 countOf(QSqlDatabase db, const QString& table)
{
    QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM ") + quoted(table), db);
    return query.next() ? query.value(0).toLongLong() : -1;
}

bool fail(QSqlQuery& query, Report* report)
{
    report->error = query.lastError().text();
    return false;
}

// Copies one table's rows with their ids, either way between the engines,
// converting what they store differently (SQLite's 1 and 0, booleans).
bool copyTable(QSqlDatabase source, QSqlDatabase server, const QString& table, Report* report)
{
    QSqlQuery rows(source);
    if (!rows.exec(QStringLiteral("SELECT * FROM ") + quoted(table)))
        return fail(rows, report);
    const QSqlRecord columns = rows.record();
    const QSqlRecord target = server.record(table);
    QStringList names, placeholders;
    for (int i = 0; i < columns.count(); ++i) {
        names << columns.fieldName(i);
        placeholders << QStringLiteral("?");
    }
    QSqlQuery insert(server);
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoted(table), names.join(QLatin1String(", ")),
                                 placeholders.join(QLatin1String(", ")))))
        return fail(insert, report);
    while (rows.next()) {
        for (int i = 0; i < columns.count(); ++i) {
            QVariant value = rows.value(i);
            const QSqlField field = target.field(columns.fieldName(i).toLower());
            if (field.metaType().id() == QMetaType::Bool && !value.isNull())
                value = QVariant(value.toLongLong() != 0);
            else if (value.typeId() == QMetaType::Bool) // to the embedded database
                value = QVariant(value.toBool() ? 1 : 0);
            insert.bindValue(i, value);
        }
        if (!insert.exec())
            return fail(insert, report);
    }
    return rows.lastError().type() == QSqlError::NoError || fail(rows, report);
}

// The next id of each table above every id the embedded database ever
// gave (its sqlite_sequence keeps those of deleted rows).
bool moveIdentity(QSqlDatabase source, QSqlDatabase server, const QString& table, Report* report)
{
    qint64 highest = 0;
    QSqlQuery used(source);
    if (used.exec(QStringLiteral("SELECT MAX(id) FROM ") + quoted(table)) && used.next())
        highest = used.value(0).toLongLong();
    QSqlQuery sequence(source);
    if (sequence.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = '%1'").arg(table))
        && sequence.next())
        highest = std::max(highest, sequence.value(0).toLongLong());
    if (highest <= 0)
        return true;
    QSqlQuery move(server);
    return move.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), %2)")
                         .arg(quoted(table))
                         .arg(highest))
        || fail(move, report);
}

void countServer(QSqlDatabase server, Report* report)
{
    report->version = SchemaUpgrade::currentVersion(server);
    report->counts.clear();
    for (const QString& table : tables())
        report->counts << TableCount{table, -1, countOf(server, table)};
}
} // namespace

const QStringList& tables()
{
    static const QStringList names{"language", "letter",     "category", "word",     "word_x_category",
                                   "user",     "config",     "answer_log", "adult_pin"};
    return names;
}

bool refreshCopy(const QString& uri, const QString& path, QString* error)
{
    Report report;
    static QAtomicInt made;
    const QString unique = QString::number(made.fetchAndAddRelaxed(1));
    Connection server(QStringLiteral("server-copy-source-") + unique, QStringLiteral("QPSQL"));
    if (!openServer(server, uri, &report)) {
        *error = report.error;
        return false;
    }
    const int version = SchemaUpgrade::currentVersion(server.db);
    if (version != SchemaUpgrade::latestVersion()) {
        *error = QStringLiteral("the server's schema is at version %1, not %2").arg(version).arg(SchemaUpgrade::latestVersion());
        return false;
    }
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    bool ok = true;
    {
        Connection copy(QStringLiteral("server-copy-") + unique, QStringLiteral("QSQLITE"));
        copy.db.setDatabaseName(partial);
        QSqlQuery snapshot(server.db);
        // One snapshot of the server: no word without its links.
        ok = copy.db.open()
            && snapshot.exec(QStringLiteral("START TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
        if (!ok)
            *error = copy.db.isOpen() ? snapshot.lastError().text() : copy.db.lastError().text();
        QSqlQuery query(copy.db);
        for (const QString& statement : Database::scriptStatements(embeddedSchema())) {
            if (ok && !(ok = query.exec(statement)))
                *error = query.lastError().text();
        }
        ok = ok && copy.db.transaction();
        for (const QString& table : tables()) {
            if (ok && !(ok = copyTable(server.db, copy.db, table, &report)))
                *error = report.error;
        }
        ok = ok && copy.db.commit();
        snapshot.exec(QStringLiteral("COMMIT"));
    }
    // rename(2) replaces the old copy in one step: a reader has either.
    if (ok && std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    if (ok)
        *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    QFile::remove(partial);
    return false;
}

Report init(const QString& uri, const QString& sqlitePath)
{
    Report report;
    Connection source(kSource, QStringLiteral("QSQLITE"));
    // Read-only: the embedded database is never changed by copying it.
    source.db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    source.db.setDatabaseName(sqlitePath);
    if (!source.db.open()) {
        report.error = source.db.lastError().text();
        return report;
    }
    const int sourceVersion = SchemaUpgrade::currentVersion(source.db);
    if (sourceVersion != SchemaUpgrade::latestVersion()) {
        report.error = QStringLiteral("%1 is at schema version %2, not %3: open it once with this "
                                      "program to upgrade it")
                           .arg(sqlitePath)
                           .arg(sourceVersion)
                           .arg(SchemaUpgrade::latestVersion());
        return report;
    }
    Connection server(kServer, QStringLiteral("QPSQL"));
    if (!openServer(server, uri, &report))
        return report;
    {
        QSqlQuery existing(server.db);
        if (!existing.exec(QStringLiteral(
                "SELECT COUNT(*) FROM pg_tables WHERE schemaname = current_schema()"))
            || !existing.next()) {
            fail(existing, &report);
            return report;
        }
        if (existing.value(0).toInt() != 0) {
            report.error = QStringLiteral("the database is not empty: server-init only fills a new one");
            return report;
        }
    }
    if (!server.db.transaction()) {
        report.error = server.db.lastError().text();
        return report;
    }
    bool ok = true;
    QSqlQuery query(server.db);
    for (const QString& statement : Database::scriptStatements(schema())) {
        if (!(ok = query.exec(statement))) {
            fail(query, &report);
            break;
        }
    }
    for (const QString& table : tables()) {
        ok = ok && copyTable(source.db, server.db, table, &report)
            && moveIdentity(source.db, server.db, table, &report);
    }
    if (!ok || !server.db.commit()) {
        if (report.error.isEmpty())
            report.error = server.db.lastError().text();
        server.db.rollback();
        return report;
    }
    countServer(server.db, &report);
    report.ok = report.version == sourceVersion;
    for (TableCount& count : report.counts) {
        count.source = countOf(source.db, count.table);
        report.ok = report.ok && count.source >= 0 && count.source == count.server;
    }
    if (!report.ok)
        report.error = QStringLiteral("the server's rows differ from the embedded database's");
    return report;
}

Report status(const QString& uri)
{
    Report report;
    Connection server(kServer, QStringLiteral("QPSQL"));
    if (!openServer(server, uri, &report))
        return report;
    countServer(server.db, &report);
    report.ok = report.version >= 0;
    if (!report.ok)
        report.error = QStringLiteral("no Ondalira schema in this database");
    return report;
}

Report upgrade(const QString& uri)
{
    Report report;
    Connection server(kServer, QStringLiteral("QPSQL"));
    if (!openServer(server, uri, &report))
        return report;
    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(server.db, QString());
    report.versionBefore = result.from;
    report.ok = result.ok;
    report.error = result.error;
    countServer(server.db, &report);
    return report;
}

} // namespace ServerSetup
