#pragma once

#include <QSqlDatabase>
#include <QString>

// The program's one database connection, registered as the default one so
// that every record reaches it through a plain QSqlQuery.
class DatabaseConnection
{
public:
    explicit DatabaseConnection(const QString& path);

    // Opens an existing database, checks that it can be used (offering the
    // newest kept copy when it cannot) and upgrades its schema; every
    // failure is reported in a message box. A damaged file is never
    // changed or deleted. Missing media folders beside it are reported too.
    void open(const QString& path);
    bool isOpen() const { return database.isOpen(); }

private:
    bool openChecked(const QString& path);
    bool restore(const QString& path, const QString& copy);
    void upgradeSchema(const QString& path);
    void checkMediaFolders(const QString& path);

    QSqlDatabase database;
};
