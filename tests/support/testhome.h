#pragma once

#include "database.h"

#include <QByteArray>
#include <QString>
#include <QMetaType>
#include <QSqlDatabase>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(Database::Engine)

class Language;

// A throw-away program home for one test: a database made from the shipped
// schema, opened as the default connection, and an empty media library.
// ONDALIRA_HOME points at it while the object lives. On the PostgreSQL row
// of a test the database is a new one in the cluster that PGHOST and the
// other libpq variables name (pg_virtualenv sets them), dropped at the end.
class TestHome
{
public:
    TestHome(); // on the engine of the running global row (SQLite without one)
    explicit TestHome(Database::Engine engine);
    ~TestHome();

    // The engine as a global row of a test class: initTestCase_data()
    // calls addEngineRows(), init() calls useEngineOfRow(). A PostgreSQL
    // row without a reachable server fails under CI=true and is skipped
    // elsewhere.
    static void addEngineRows();
    static void useEngineOfRow();
    // The same for a test's own "engine" column: false when the row must
    // stop there (it has been marked failed or skipped).
    static bool canUse(Database::Engine engine);
    static Database::Engine engine(); // of the running row
    // Creates and drops throwaway databases on the server (false: none reachable).
    static bool serverReachable();
    static QString createServerDatabase(); // its name, empty on failure
    static void dropServerDatabase(const QString& name);

    bool isValid() const { return valid; }
    QString path() const { return dir.path(); }
    QString databasePath() const { return dir.path() + QStringLiteral("/data/bd"); }
    // On the PostgreSQL row: the throwaway database's URI (libpq's variables
    // give the rest).
    QString serverUri() const { return QStringLiteral("postgresql:///") + serverDatabase; }

    // What another PC of the class would open: a second connection named
    // `name` to the same database, or its URI or file for another process.
    // The caller removes the connection (QSqlDatabase::removeDatabase).
    QSqlDatabase openSecondConnection(const QString& name) const;
    QString databaseName() const { return serverDatabase.isEmpty() ? databasePath() : serverUri(); }

    // Runs one SQL statement on the test database; false when it fails.
    static bool exec(const QString& statement);
    // A trigger that refuses every `event` (INSERT, UPDATE, DELETE) on the
    // table, written for the engine of the test database: PostgreSQL
    // aborts the transaction at that statement, SQLite goes on.
    static bool refuse(const QString& table, const QString& event);
    // Inserts and returns the new row id (or -1).
    static int addLanguage(const QString& name);
    static int addLetter(const QString& name, int languageId);
    static int addCategory(const QString& name, int languageId);
    static int addWord(const QString& name, int letterId, const QString& fullName = QString());
    static bool link(int wordId, int categoryId);
    static bool addSetting(const QString& key, int data, int userId, int languageId);

    // Creates an empty file (and its folders) inside the home.
    bool touch(const QString& relativePath) const;

private:
    QTemporaryDir dir;
    QString serverDatabase; // on the PostgreSQL row
    QByteArray previousHome;
    bool valid = false;
};

// Writes a file (and its folders); false when it cannot.
bool writeFile(const QString& path, const QByteArray& content = "x");
// A file's bytes, empty when it cannot be read.
QByteArray readFile(const QString& path);
// The first column of the first row of a query on the test database, -1 without a row.
int count(const QString& sql);
