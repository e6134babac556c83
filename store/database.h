#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QSqlDatabase;

class QSqlError;

namespace Database {

// The engines the store runs on: the embedded SQLite file (the default) or
// a school's PostgreSQL server. Only the statements whose text must differ
// ask which one a connection uses.
enum class Engine { SQLite, PostgreSQL };
Engine engineOf(const QSqlDatabase& db);
Engine engine(); // of the default connection

// The parts of a libpq connection URI (postgresql://user@host:port/dbname
// ?key=value) that QPSQL takes. A password in the URI is never kept: it
// belongs in ~/.pgpass, a service file or the environment.
struct ServerAddress
{
    bool valid = false;
    QString host;
    int port = -1;
    QString databaseName;
    QString user;
    QString options;        // "key=value;..." for QPSQL's connect options
    bool hadPassword = false;
    QString error;
};
ServerAddress parseServerUri(const QString& uri);

// The same address as a libpq connection string ("host='…' dbname='…' …"),
// with the same defaults as configureServer and never a password.
QString connectionString(const ServerAddress& address);

// Points `db` (a QPSQL connection) at the server; fields left empty are
// taken by libpq from PGHOST, PGPORT, PGUSER, PGDATABASE and ~/.pgpass.
void configureServer(QSqlDatabase& db, const ServerAddress& address);

// The socket of a connection to a server (-1 on the embedded database or
// when closed), for a watch that must be able to break it.
int socketOf(const QSqlDatabase& db);

// Opens the server at uri as the default connection.
bool openDefaultServer(const QString& uri);

// Opens the content database as the default connection, only when the file
// already exists: a missing file is reported as a failure and never created.
bool openDefault(const QString& path);

// A PC's copy of the server's database (a SQLite file), opened read-only as
// the default connection while the server cannot be reached.
bool openDefaultCopy(const QString& path);

// What to do when a statement on the default connection failed: the
// handler (the school server's link) reconnects, or puts the PC's copy in
// the server's place, and returns true when the statement should be tried
// again on the default connection. Without a handler: false. recoverSoon()
// asks for the same once the event loop runs (a failed statement's query
// may still be alive where it failed).
void setRecovery(std::function<bool()> now, std::function<void()> soon);
bool recover();
void recoverSoon();

// What makes the open default database unusable: SQLite's quick check
// failed, or a table the program reads is missing. Empty when it is usable.
QString problemOfDefault();

// Why a write was refused, in terms an adult can act on.
enum class WriteProblem {
    None,
    ReadOnly, // the file or its folder may not be written
    DiskFull,
    Busy,     // another program holds the database
    Damaged,
    Other,
};
WriteProblem writeProblemOf(const QSqlError& error);

// Closes and removes the default connection (tests switch databases).
void closeDefault();

// The statements of an SQL script such as the shipped schema: "--" comments
// removed, split at semicolons (the script holds no string literals).
QStringList scriptStatements(const QString& script);

} // namespace Database
