#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's one database connection, registered as the default one so
// that every record reaches it through a plain QSqlQuery.
class DatabaseConnection
{
public:
    explicit DatabaseConnection(const QString& path);

    // Opens an existing database; shows the error box when that fails.
    void open(const QString& path);
    bool isOpen() const { return database.isOpen(); }

private:
    QSqlDatabase database;
};
