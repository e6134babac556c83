#pragma once

#include <QString>
#include <QStringList>

class QSqlError;

namespace Database {

// Opens the content database as the default connection, only when the file
// already exists: a missing file is reported as a failure and never created.
bool openDefault(const QString& path);

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
