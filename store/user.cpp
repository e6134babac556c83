#include "user.h"

#include "sqlhelpers.h"
#include "userpictures.h"

#include <QSqlDatabase>
#include <QVariant>

namespace {
const QString kSelectById = QStringLiteral(
    "SELECT id, name, last_login, created_in, picture FROM \"user\" WHERE id = :id");
const QString kSelectByName = QStringLiteral(
    "SELECT id, name, last_login, created_in, picture FROM \"user\" WHERE name = :name");
const QString kSelectAll = QStringLiteral(
    "SELECT id, name, last_login, created_in, picture FROM \"user\" ORDER BY name ASC");
const QString kInsert = QStringLiteral(
    "INSERT INTO \"user\" (name, last_login, created_in, picture) "
    "VALUES (:name, :last_login, :created_in, :picture)");
const QString kPictures = QStringLiteral("SELECT picture FROM \"user\"");
const QString kSetPicture = QStringLiteral("UPDATE \"user\" SET picture = :picture WHERE id = :id");
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
    picture = query.value(4).toString();
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
    // Every child has a picture: the next free drawing unless one was given.
    if (picture.isEmpty())
        picture = UserPictures::nextFree(usedPictures());
    query.bindValue(QStringLiteral(":picture"), picture);
    return query.exec();
}

bool User::setPicture(const QString& newPicture)
{
    QSqlQuery query = SqlHelpers::prepare(kSetPicture);
    query.bindValue(QStringLiteral(":picture"), newPicture);
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec() || query.numRowsAffected() != 1)
        return false;
    picture = newPicture;
    return true;
}

QStringList User::usedPictures()
{
    QStringList used;
    QSqlQuery query = SqlHelpers::prepare(kPictures);
    if (SqlHelpers::execSelect(query)) {
        while (query.next())
            used << query.value(0).toString();
    }
    return used;
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
    SqlHelpers::select(
        kSelectAll, [](QSqlQuery&) {},
        [this](QSqlQuery& query) {
            while (query.next()) {
                User user;
                user.readRow(query);
                appendRow(user);
            }
        });
}
