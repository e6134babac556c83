#include "database.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace Database {

bool openDefault(const QString& path)
{
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

QString problemOfDefault()
{
    QSqlDatabase db = QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        const QString error = query.lastError().databaseText();
        return error.isEmpty() ? QStringLiteral("quick_check failed") : error;
    }
    const QString verdict = query.value(0).toString();
    if (verdict != QLatin1String("ok"))
        return verdict;
    query.finish();
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
