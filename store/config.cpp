#include "config.h"

#include "sqlhelpers.h"

#include <QStringList>
#include <QVariant>

namespace {
const QString kInsert = QStringLiteral(
    "INSERT INTO config (key, data, id_user, id_language) "
    "VALUES (:key, :data, :id_user, :id_language)");
const QString kHas = QStringLiteral(
    "SELECT id, key, data FROM config WHERE key = :key AND data = :data AND id_user = :id_user "
    "AND id_language = :id_language LIMIT 1");
const QString kGet = QStringLiteral(
    "SELECT id, key, data FROM config WHERE key = :key AND id_user = :id_user "
    "AND id_language = :id_language LIMIT 1");
// The filters keep only ids whose letter or category still exists: a filter
// made only of deleted ones must read as no filter, not as "nothing".
const QString kExistingLetters = QStringLiteral(
    "SELECT c.id, c.key, c.data FROM config c WHERE c.key = :key AND c.id_user = :id_user "
    "AND c.id_language = :id_language AND EXISTS (SELECT 1 FROM letter l WHERE l.id = c.data) "
    "ORDER BY c.id");
const QString kExistingCategories = QStringLiteral(
    "SELECT c.id, c.key, c.data FROM config c WHERE c.key = :key AND c.id_user = :id_user "
    "AND c.id_language = :id_language AND EXISTS (SELECT 1 FROM category k WHERE k.id = c.data) "
    "ORDER BY c.id");
const QString kRemoveKey = QStringLiteral(
    "DELETE FROM config WHERE key = :key AND id_user = :id_user AND id_language = :id_language");
const QString kReset = QStringLiteral(
    "DELETE FROM config WHERE key IN ('category', 'letter', 'show-order', 'first-caps', "
    "'stop-motion', 'use-minus-caps', 'sound', 'volume', 'listen-only') AND id_user = :id_user "
    "AND id_language = :id_language");
} // namespace

bool Config::set(const QString& key, int data, int idUser)
{
    if (!language)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kInsert);
    query.bindValue(QStringLiteral(":key"), key);
    query.bindValue(QStringLiteral(":data"), data);
    query.bindValue(QStringLiteral(":id_user"), idUser);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    return query.exec();
}

bool Config::replace(const QString& key, int data, int idUser)
{
    if (!language)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kRemoveKey);
    query.bindValue(QStringLiteral(":key"), key);
    query.bindValue(QStringLiteral(":id_user"), idUser);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    return query.exec() && set(key, data, idUser);
}

bool Config::has(const QString& key, int data, int idUser) const
{
    if (!language)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kHas);
    query.bindValue(QStringLiteral(":key"), key);
    query.bindValue(QStringLiteral(":data"), data);
    query.bindValue(QStringLiteral(":id_user"), idUser);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    return SqlHelpers::execFirstRow(query);
}

int Config::get(const QString& key, int idUser) const
{
    if (!language)
        return 0;
    QSqlQuery query = SqlHelpers::prepare(kGet);
    query.bindValue(QStringLiteral(":key"), key);
    query.bindValue(QStringLiteral(":id_user"), idUser);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    if (!SqlHelpers::execFirstRow(query))
        return 0;
    return query.value(2).toInt();
}

QString Config::showOrderCode(int index)
{
    static const char* const codes[] = {"wiv", "wvi", "iwv", "ivw", "vwi"};
    if (index >= 0 && index < 5)
        return QString::fromLatin1(codes[index]);
    return QStringLiteral("viw");
}

QString Config::showOrder(int idUser) const
{
    return showOrderCode(get(SettingKey::ShowOrder, idUser));
}

void Config::loadFilters(int idUser)
{
    letterFilter.clear();
    categoryFilter.clear();
    if (!language)
        return;
    const auto idsOf = [&](const QString& key, const QString& statement) {
        QStringList ids;
        SqlHelpers::select(
            statement,
            [&](QSqlQuery& query) {
                query.bindValue(QStringLiteral(":key"), key);
                query.bindValue(QStringLiteral(":id_user"), idUser);
                query.bindValue(QStringLiteral(":id_language"), language->id);
            },
            [&](QSqlQuery& query) {
                while (query.next())
                    ids << QString::number(query.value(2).toInt());
            });
        return ids.join(QLatin1Char(','));
    };
    letterFilter = idsOf(SettingKey::Letter, kExistingLetters);
    categoryFilter = idsOf(SettingKey::Category, kExistingCategories);
}

bool Config::reset(int idUser)
{
    letterFilter.clear();
    categoryFilter.clear();
    if (!language)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kReset);
    query.bindValue(QStringLiteral(":id_user"), idUser);
    query.bindValue(QStringLiteral(":id_language"), language->id);
    return query.exec();
}

bool Config::isLetterAllowed(int letterId) const
{
    if (letterFilter.isEmpty())
        return true;
    if (get(SettingKey::StrictFilterShow, 0) == 0)
        return true;
    return letterFilter.split(QLatin1Char(',')).contains(QString::number(letterId));
}
