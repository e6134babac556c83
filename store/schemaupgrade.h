#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Upgrades a user's database in place to the schema this program uses.
// The schema version lives in PRAGMA user_version on SQLite and in the one
// row of schema_version on PostgreSQL; each step brings the database from
// the version before it to its own. All pending steps run in one
// transaction: on SQLite after a copy of the file has been kept beside it,
// on PostgreSQL under a lock that keeps a second upgrader waiting.
namespace SchemaUpgrade {

struct Step
{
    int version;          // the version the database has after this step
    QString script;       // statements separated by ";" ("--" comments allowed)
    std::function<bool(QSqlDatabase& db)> apply = {}; // run after the script, when set
    // The step on PostgreSQL; a server is created at the newest version
    // (content/schema.postgres.sql), so only steps after that need one.
    QString postgresScript = {};
};

// The program's steps, oldest first. A later schema change is one new entry
// at the end of this table (and content/schema.sql at the new version).
const std::vector<Step>& steps();
int latestVersion(const std::vector<Step>& table = steps());

int currentVersion(QSqlDatabase db); // -1 when it cannot be read

struct Result
{
    bool ok = true;
    bool upgraded = false; // false: already at the newest version
    int from = 0;
    int to = 0;
    QString keptCopy;      // the copy made before upgrading
    QString error;
};

// Upgrades the database at path, open as db. Nothing is changed when the
// copy cannot be made or a step fails.
Result upgrade(QSqlDatabase db, const QString& path, const std::vector<Step>& table = steps());

// The name of a copy kept beside path: path + "." + the date and time.
QString copyName(const QString& path);

// The copies kept beside path, newest first.
QStringList keptCopies(const QString& path);

} // namespace SchemaUpgrade
