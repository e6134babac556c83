#include "testhome.h"

#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {
const QString kSetupConnection = QStringLiteral("test-setup");

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
    : previousHome(qgetenv("ONDALIRA_HOME"))
{
    if (!dir.isValid())
        return;
    QDir home(dir.path());
    home.mkpath(QStringLiteral("data"));
    home.mkpath(QStringLiteral("media/system"));
    home.mkpath(QStringLiteral("media/languages"));
    qputenv("ONDALIRA_HOME", QFile::encodeName(dir.path()));
    valid = createFromSchema(databasePath()) && Database::openDefault(databasePath());
}

TestHome::~TestHome()
{
    Database::closeDefault();
    if (previousHome.isEmpty())
        qunsetenv("ONDALIRA_HOME");
    else
        qputenv("ONDALIRA_HOME", previousHome);
}

bool TestHome::exec(const QString& statement)
{
    QSqlQuery query;
    return query.exec(statement);
}

namespace {
int insert(const QString& statement, const QVariantList& values)
{
    QSqlQuery query;
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec() ? query.lastInsertId().toInt() : -1;
}
} // namespace

int TestHome::addLanguage(const QString& name)
{
    return insert(QStringLiteral("INSERT INTO language (name) VALUES (?)"), {name});
}

int TestHome::addLetter(const QString& name, int languageId)
{
    return insert(QStringLiteral("INSERT INTO letter (name, id_language) VALUES (?, ?)"),
                  {name, languageId});
}

int TestHome::addCategory(const QString& name, int languageId)
{
    return insert(QStringLiteral("INSERT INTO category (name, id_language) VALUES (?, ?)"),
                  {name, languageId});
}

int TestHome::addWord(const QString& name, int letterId, const QString& fullName)
{
    return insert(QStringLiteral("INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
                                 "VALUES (?, ?, 'imagen.png', 'sena.avi', 'modulacion.avi', ?)"),
                  {name, fullName.isEmpty() ? name : fullName, letterId});
}

bool TestHome::link(int wordId, int categoryId)
{
    return insert(QStringLiteral("INSERT INTO word_x_category (id_word, id_category) VALUES (?, ?)"),
                  {wordId, categoryId})
        >= 0;
}

bool TestHome::addSetting(const QString& key, int data, int userId, int languageId)
{
    return insert(QStringLiteral(
                      "INSERT INTO config (key, data, id_user, id_language) VALUES (?, ?, ?, ?)"),
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
