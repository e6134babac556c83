#pragma once

#include <QString>
#include <QTemporaryDir>

// A PostgreSQL cluster of one test's own, in a temporary folder, reached
// through a Unix socket there: a school's server that the test may stop
// (as a server that dies, or a cable pulled) and start again. Made with
// Debian's PostgreSQL binaries; as root they run as the postgres user.
class TestServer
{
public:
    TestServer();
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    bool isValid() const { return valid; }
    QString error() const { return problem; }

    // The server's Unix socket (a TestCable's far end).
    QString socketPath() const { return dir.filePath(QStringLiteral(".s.PGSQL.5432")); }
    // Runs statements on the database at uri, on a connection of their own
    // (another PC); the first column of the last one's first row as a
    // number, 0 without a row, -1 when a statement failed or the server
    // could not be reached.
    static qint64 runOn(const QString& uri, const QStringList& statements);

    // A database's URI through a TestCable on 127.0.0.1.
    static QString throughCable(const QString& uri, quint16 port);

    bool start();
    bool stop(); // at once, as a server that dies

    // A new database on it, filled with the schema and every row of the
    // embedded database at sqlitePath; its libpq URI, empty on failure.
    QString createDatabase(const QString& sqlitePath);

private:
    bool run(const QString& program, const QStringList& arguments);

    QTemporaryDir dir;
    QString binaries;
    bool valid = false;
    QString problem;
    int made = 0;
};
