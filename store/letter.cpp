#include "letter.h"

#include "sqlhelpers.h"

#include <QVariant>

namespace {
const QString kSelectById
    = QStringLiteral("SELECT id, name, id_language FROM letter WHERE id = :id");
const QString kSelectByName = QStringLiteral(
    "SELECT id, name, id_language FROM letter WHERE name = :name AND id_language = :id_language");
const QString kDelete = QStringLiteral("DELETE FROM letter WHERE id = :id");
const QString kDeleteWordLinks = QStringLiteral(
    "DELETE FROM word_x_category WHERE id_word IN (SELECT id FROM word WHERE id_letter = :id)");
const QString kDeleteWords = QStringLiteral("DELETE FROM word WHERE id_letter = :id");
// Every user's filters lose the letter with it.
const QString kDeleteSettings
    = QStringLiteral("DELETE FROM config WHERE key = 'letter' AND data = :id");
} // namespace

bool Letter::loadById(int letterId)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectById);
    query.bindValue(QStringLiteral(":id"), letterId);
    return readRow(query);
}

bool Letter::loadByName(const QString& letterName, Language* lang)
{
    if (!lang)
        return false;
    setLanguage(lang);
    QSqlQuery query = SqlHelpers::prepare(kSelectByName);
    query.bindValue(QStringLiteral(":name"), letterName.toUpper());
    query.bindValue(QStringLiteral(":id_language"), lang->id);
    return readRow(query);
}

bool Letter::readRow(QSqlQuery& query)
{
    if (!SqlHelpers::execFirstRow(query))
        return false;
    id = query.value(0).toInt();
    name = query.value(1).toString();
    resolveLanguage(query.value(2).toInt(), language, ownedLanguage);
    return true;
}

bool Letter::remove()
{
    QSqlQuery query = SqlHelpers::prepare(kDelete);
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec();
}

bool Letter::removeWithWords()
{
    return SqlHelpers::execInTransaction(
        {{kDeleteWordLinks, ":id", id},
         {kDeleteWords, ":id", id},
         {kDeleteSettings, ":id", id},
         {kDelete, ":id", id}});
}

QString Letter::folderPath() const
{
    return language->mediaPath() + QStringLiteral("Letras/") + name + QLatin1Char('/');
}

void Letter::setLanguage(Language* lang)
{
    if (ownedLanguage.get() != lang)
        ownedLanguage.reset();
    language = lang;
}
