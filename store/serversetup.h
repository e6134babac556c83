#pragma once

#include <QList>
#include <QString>

class QSqlDatabase;

// What the school's IT runs to set up and look after the server's database
// (ondalira-server-admin): every step in one transaction, and every
// failure returned, never half done.
namespace ServerSetup {

// The tables of the program, in the order they are copied.
const QStringList& tables();

// content/schema.postgres.sql, built into the program.
QString schema();
// content/schema.sql, for a PC's copy of the server.
QString embeddedSchema();

// Makes the PC's copy of the server's database at path: every table read
// in one snapshot, written to a new SQLite file that replaces the old copy
// only once it is whole. False, with the error, when the server cannot be
// read or the file written; the old copy is then left as it was.
bool refreshCopy(const QString& uri, const QString& path, QString* error);

struct TableCount
{
    QString table;
    qint64 source = -1; // rows in the embedded database (-1: not counted)
    qint64 server = -1; // rows on the server
};

struct Report
{
    bool ok = false;
    QString error;            // the drivers' words, for the IT person
    int version = -1;         // the server's schema version
    int versionBefore = -1;   // before an upgrade
    QList<TableCount> counts; // table by table
};

// Creates the schema in an empty server database and copies every row of
// the embedded database at sqlitePath with its ids, moving each identity
// past the highest id the embedded database ever gave; then compares the
// counts table by table. Nothing is left on the server when a step fails.
Report init(const QString& uri, const QString& sqlitePath);

// Whether the server answers, its schema version and its counts.
Report status(const QString& uri);

// Brings an older server schema to this program's, in one transaction
// under a lock (SchemaUpgrade).
Report upgrade(const QString& uri);

} // namespace ServerSetup
