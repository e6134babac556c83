#include "user.h"

#include "sqlhelpers.h"

#include <QSqlDatabase>
#include <QVariant>

namespace {
const QString kSelectById = QStringLiteral(
    "SELECT id, name, last_login, created_in FROM \"user\" WHERE id = :id");
const QString kSelectByName = QStringLiteral(
    "SELECT id, name, last_login, created_in FROM \"user\" WHERE name = :name");
const QString kSelectAll = QStringLiteral(
    "SELECT id, name, last_login, created_in FROM \"user\" ORDER BY name ASC");
const QString kInsert = QStringLiteral(
    "INSERT INTO \"user\" (name, last_login, created_in) VALUES (:name, :last_login, :created_in)");
const QString kDelete = QStringLiteral("DELETE FROM \"user\" WHERE id = :id");
const QString kDeleteSettings = QStringLiteral("DELETE FROM config WHERE id_user = :id_user");
} // namespace

void User::readRow(const QSqlQuery& query)
{
    const QString format = QString::fromLatin1(kUserTimeFormat);
    id = query.value(0).toInt();
    name = query.value(1).toString();
    lastLogin = QDateTime::fromString(query.value(2).toString(), format);
    createdIn = QDateTime::fromString(query.value(3).toString(), format);
}

bool User::loadById(int userId)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectById);
    query.bindValue(QStringLiteral(":id"), userId);
    if (!SqlHelpers::execFirstRow(query))
        return false;
    readRow(query);
    return true;
}

bool User::loadByName(const QString& userName)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectByName);
    query.bindValue(QStringLiteral(":name"), userName);
    if (!SqlHelpers::execFirstRow(query))
        return false;
    readRow(query);
    return true;
}

bool User::insert()
{
    const QString now = QDateTime::currentDateTime().toString(QString::fromLatin1(kUserTimeFormat));
    QSqlQuery query = SqlHelpers::prepare(kInsert);
    query.bindValue(QStringLiteral(":name"), name);
    query.bindValue(QStringLiteral(":last_login"), now);
    query.bindValue(QStringLiteral(":created_in"), now);
    return query.exec();
}

bool User::remove()
{
    // The user and the settings go together, or neither does.
    QSqlDatabase db = QSqlDatabase::database();
    const bool transaction = db.transaction();
    QSqlQuery settings = SqlHelpers::prepare(kDeleteSettings);
    settings.bindValue(QStringLiteral(":id_user"), id);
    QSqlQuery user = SqlHelpers::prepare(kDelete);
    user.bindValue(QStringLiteral(":id"), id);
    const bool ok = settings.exec() && user.exec();
    if (transaction) {
        if (ok)
            return db.commit();
        db.rollback();
    }
    return ok;
}

bool User::save()
{
    return insert() && loadByName(name);
}

void UserList::loadAll()
{
    clearRows();
    QSqlQuery query = SqlHelpers::prepare(kSelectAll);
    if (!SqlHelpers::execSelect(query))
        return;
    while (query.next()) {
        User user;
        user.readRow(query);
        appendRow(user);
    }
}
