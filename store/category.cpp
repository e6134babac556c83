#include "category.h"

#include "spanishorder.h"
#include "sqlhelpers.h"

#include <QVariant>

namespace {
const QString kSelectById
    = QStringLiteral("SELECT id, name, id_language FROM category WHERE id = :id");
const QString kInsert
    = QStringLiteral("INSERT INTO category (name, id_language) VALUES (:name, :id_language)");
const QString kUpdate = QStringLiteral("UPDATE category SET name = :name WHERE id = :id");
const QString kDelete = QStringLiteral("DELETE FROM category WHERE id = :id");
const QString kDeleteLinks
    = QStringLiteral("DELETE FROM word_x_category WHERE id_category = :id");
// Every user's filters lose the category with it.
const QString kDeleteSettings
    = QStringLiteral("DELETE FROM config WHERE key = 'category' AND data = :id");
const QString kOthersOfLanguage
    = QStringLiteral("SELECT name FROM category WHERE id_language = :id_language AND id <> :id");
} // namespace

bool Category::loadById(int categoryId)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectById);
    query.bindValue(QStringLiteral(":id"), categoryId);
    if (!SqlHelpers::execFirstRow(query))
        return false;
    id = query.value(0).toInt();
    name = query.value(1).toString();
    resolveLanguage(query.value(2).toInt(), language, ownedLanguage);
    return true;
}

bool Category::insert()
{
    if (!language)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kInsert);
    query.bindValue(QStringLiteral(":name"), name);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    return query.exec();
}

bool Category::update()
{
    QSqlQuery query = SqlHelpers::prepare(kUpdate);
    query.bindValue(QStringLiteral(":name"), name);
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec();
}

bool Category::remove()
{
    QSqlQuery query = SqlHelpers::prepare(kDelete);
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec();
}

bool Category::removeWithLinks()
{
    return SqlHelpers::execInTransaction(
        {{kDeleteLinks, ":id", id}, {kDeleteSettings, ":id", id}, {kDelete, ":id", id}});
}

bool Category::isNameTaken(QString* existing) const
{
    if (!language)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kOthersOfLanguage);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    query.bindValue(QStringLiteral(":id"), id);
    if (!SqlHelpers::execSelect(query))
        return false;
    while (query.next()) {
        const QString other = query.value(0).toString();
        if (SpanishOrder::sameName(other, name)) {
            if (existing)
                *existing = other;
            return true;
        }
    }
    return false;
}

void Category::setLanguage(Language* lang)
{
    if (ownedLanguage.get() != lang)
        ownedLanguage.reset();
    language = lang;
}
