#include "testhome.h"

#include "database.h"
#include "mediapaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

namespace {
const QString kSetupConnection = QStringLiteral("test-setup");
const QString kServerAdmin = QStringLiteral("test-server-admin");
Database::Engine rowEngine = Database::Engine::SQLite;

QString readSchema(const char* path)
{
    QFile file(QString::fromUtf8(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs one statement on the cluster's own database (PGDATABASE).
bool onServer(const QString& statement, QString* error = nullptr)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::contains(kServerAdmin)
            ? QSqlDatabase::database(kServerAdmin, false)
            : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kServerAdmin);
        ok = db.isOpen() || db.open();
        QSqlQuery query(db);
        ok = ok && query.exec(statement);
        if (!ok && error)
            *error = query.lastError().text() + db.lastError().text();
    }
    return ok;
}

bool createFromSchema(const QString& path)
{
    QFile schemaFile(QStringLiteral(OL_SCHEMA_PATH));
    if (!schemaFile.open(QIODevice::ReadOnly))
        return false;
    const QString schema = QString::fromUtf8(schemaFile.readAll());
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kSetupConnection);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        for (const QString& statement : Database::scriptStatements(schema))
            ok = ok && query.exec(statement);
        db.close();
    }
    QSqlDatabase::removeDatabase(kSetupConnection);
    return ok;
}
} // namespace

TestHome::TestHome()
    : TestHome(rowEngine)
{
}

TestHome::TestHome(Database::Engine engine)
    : previousHome(qgetenv("ONDALIRA_HOME"))
{
    if (!dir.isValid())
        return;
    QDir home(dir.path());
    home.mkpath(QStringLiteral("data"));
    home.mkpath(QStringLiteral("media/system"));
    home.mkpath(QStringLiteral("media/languages"));
    qputenv("ONDALIRA_HOME", QFile::encodeName(dir.path()));
    MediaPaths::setMediaLibrary(QString()); // a test before may have named a shared one
    if (engine == Database::Engine::SQLite) {
        valid = createFromSchema(databasePath()) && Database::openDefault(databasePath());
        return;
    }
    serverDatabase = createServerDatabase();
    if (serverDatabase.isEmpty() || !Database::openDefaultServer(QStringLiteral("postgresql:///") + serverDatabase))
        return;
    valid = true;
    for (const QString& statement : Database::scriptStatements(readSchema(OL_SCHEMA_POSTGRES_PATH)))
        valid = valid && exec(statement);
}

TestHome::~TestHome()
{
    Database::closeDefault();
    MediaPaths::setMediaLibrary(QString());
    if (!serverDatabase.isEmpty())
        dropServerDatabase(serverDatabase);
    if (previousHome.isEmpty())
        qunsetenv("ONDALIRA_HOME");
    else
        qputenv("ONDALIRA_HOME", previousHome);
}

QSqlDatabase TestHome::openSecondConnection(const QString& name) const
{
    QSqlDatabase db = QSqlDatabase::addDatabase(
        serverDatabase.isEmpty() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), name);
    db.setDatabaseName(serverDatabase.isEmpty() ? databasePath() : serverDatabase);
    db.open();
    return db;
}

bool TestHome::exec(const QString& statement)
{
    QSqlQuery query;
    return query.exec(statement);
}

bool TestHome::refuse(const QString& table, const QString& event)
{
    const QString name = QStringLiteral("refuse_%1_%2").arg(table, event.toLower());
    if (Database::engine() == Database::Engine::SQLite)
        return exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT RAISE(ABORT, 'no'); END")
                        .arg(name, event, table));
    return exec(QStringLiteral("CREATE OR REPLACE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql "
                               "AS 'BEGIN RAISE EXCEPTION ''no''; END'"))
        && exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE FUNCTION refuse()")
                    .arg(name, event, table));
}

namespace {
int insert(const QString& statement, const QVariantList& values)
{
    QSqlQuery query;
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    // RETURNING on both engines: QPSQL's lastInsertId() is any sequence's last value.
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}
} // namespace

void TestHome::addEngineRows()
{
    QTest::addColumn<Database::Engine>("engine");
    QTest::newRow("sqlite") << Database::Engine::SQLite;
    QTest::newRow("postgresql") << Database::Engine::PostgreSQL;
}

void TestHome::useEngineOfRow()
{
    QFETCH_GLOBAL(Database::Engine, engine);
    rowEngine = engine;
    canUse(engine);
}

bool TestHome::canUse(Database::Engine engine)
{
    if (engine != Database::Engine::PostgreSQL || serverReachable())
        return true;
    const char* why = "No PostgreSQL server reachable (run the tests under pg_virtualenv -t)";
    if (qEnvironmentVariable("CI") == QLatin1String("true"))
        QTest::qFail(why, __FILE__, __LINE__);
    else
        QTest::qSkip(why, __FILE__, __LINE__);
    return false;
}

Database::Engine TestHome::engine()
{
    return rowEngine;
}

bool TestHome::serverReachable()
{
    static const bool reachable = onServer(QStringLiteral("SELECT 1"));
    return reachable;
}

QString TestHome::createServerDatabase()
{
    static int made = 0;
    const QString name = QStringLiteral("ondalira_test_%1_%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(++made);
    QString error;
    if (onServer(QStringLiteral("CREATE DATABASE ") + name, &error))
        return name;
    qWarning("Cannot create the test database: %s", qPrintable(error));
    return QString();
}

void TestHome::dropServerDatabase(const QString& name)
{
    // FORCE ends the connections a test left open (the answer log's writer).
    onServer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
}

int TestHome::addLanguage(const QString& name)
{
    return insert(QStringLiteral("INSERT INTO language (name) VALUES (?) RETURNING id"), {name});
}

int TestHome::addLetter(const QString& name, int languageId)
{
    return insert(QStringLiteral("INSERT INTO letter (name, id_language) VALUES (?, ?) RETURNING id"),
                  {name, languageId});
}

int TestHome::addCategory(const QString& name, int languageId)
{
    return insert(QStringLiteral("INSERT INTO category (name, id_language) VALUES (?, ?) RETURNING id"),
                  {name, languageId});
}

int TestHome::addWord(const QString& name, int letterId, const QString& fullName)
{
    return insert(QStringLiteral("INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
                                 "VALUES (?, ?, 'imagen.png', 'sena.avi', 'modulacion.avi', ?) RETURNING id"),
                  {name, fullName.isEmpty() ? name : fullName, letterId});
}

bool TestHome::link(int wordId, int categoryId)
{
    return insert(QStringLiteral("INSERT INTO word_x_category (id_word, id_category) VALUES (?, ?) RETURNING id"),
                  {wordId, categoryId})
        >= 0;
}

bool TestHome::addSetting(const QString& key, int data, int userId, int languageId)
{
    return insert(QStringLiteral(
                      "INSERT INTO config (key, data, id_user, id_language) VALUES (?, ?, ?, ?) RETURNING id"),
                  {key, data, userId, languageId})
        >= 0;
}

bool TestHome::touch(const QString& relativePath) const
{
    const QString full = dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    return file.open(QIODevice::WriteOnly);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int count(const QString& sql)
{
    QSqlQuery query(sql);
    return query.next() ? query.value(0).toInt() : -1;
}
