#include "progressstats.h"

#include "spanishorder.h"
#include "sqlhelpers.h"
#include "user.h"

#include <QSet>
#include <QVariant>

#include <algorithm>

namespace {
// Letters that the record asks for, and the newest first answers of one cell.
const QString kAskedLetters = QStringLiteral(
    "SELECT DISTINCT expected FROM answer_log"
    " WHERE id_user = :id_user AND id_language = :id_language AND attempt = 1");
const QString kCell = QStringLiteral(
    "SELECT COUNT(*), COALESCE(SUM(CASE WHEN correct THEN 1 ELSE 0 END), 0)"
    " FROM (SELECT correct FROM answer_log"
    " WHERE id_user = :id_user AND id_language = :id_language AND attempt = 1"
    " AND expected = :expected AND activity = :activity AND heard_only = :heard_only"
    " ORDER BY id DESC LIMIT :last) AS newest");
const QString kLetters = QStringLiteral("SELECT name FROM letter WHERE id_language = :id_language");
const QString kClassLetters = QStringLiteral(
    "SELECT DISTINCT expected FROM answer_log WHERE id_language = :id_language AND attempt = 1");
const QString kClassCell = QStringLiteral(
    "SELECT COUNT(*), COALESCE(SUM(CASE WHEN correct THEN 1 ELSE 0 END), 0)"
    " FROM (SELECT correct FROM answer_log"
    " WHERE id_user = :id_user AND id_language = :id_language AND attempt = 1"
    " AND expected = :expected ORDER BY id DESC LIMIT :last) AS newest");
const QString kPerDay = QStringLiteral(
    "SELECT substr(answered_at, 1, 10), COUNT(*),"
    " SUM(CASE WHEN correct THEN 1 ELSE 0 END) FROM answer_log"
    " WHERE id_user = :id_user AND id_language = :id_language"
    " AND answered_at >= :from AND answered_at < :to GROUP BY 1");
const QString kPairs = QStringLiteral(
    "SELECT expected, typed, COUNT(*) AS n FROM answer_log"
    " WHERE id_user = :id_user AND id_language = :id_language AND NOT correct"
    " GROUP BY expected, typed ORDER BY n DESC, expected, typed LIMIT :limit");

void bindUser(QSqlQuery& query, int userId, int languageId)
{
    query.bindValue(QStringLiteral(":id_user"), userId);
    query.bindValue(QStringLiteral(":id_language"), languageId);
}
} // namespace

namespace ProgressStats {

const QList<int>& exercises()
{
    static const QList<int> codes = {21, 21 + kHeardOnly, 23, 25, 30, 31};
    return codes;
}

Grid letterGrid(int userId, int languageId)
{
    Grid grid;
    QSet<QString> letters;
    QSqlQuery names = SqlHelpers::prepare(kLetters);
    names.bindValue(QStringLiteral(":id_language"), languageId);
    if (SqlHelpers::execSelect(names)) {
        while (names.next())
            letters.insert(names.value(0).toString().toUpper());
    }
    QSet<QString> asked;
    QSqlQuery askedQuery = SqlHelpers::prepare(kAskedLetters);
    bindUser(askedQuery, userId, languageId);
    if (SqlHelpers::execSelect(askedQuery)) {
        while (askedQuery.next())
            asked.insert(askedQuery.value(0).toString());
    }
    letters.unite(asked);
    // One short look-up per cell: the index holds each cell's answers in order.
    QSqlQuery cell = SqlHelpers::prepare(kCell);
    for (const QString& letter : asked) {
        for (int activity : exercises()) {
            bindUser(cell, userId, languageId);
            cell.bindValue(QStringLiteral(":expected"), letter);
            cell.bindValue(QStringLiteral(":activity"), activity % kHeardOnly);
            cell.bindValue(QStringLiteral(":heard_only"), activity >= kHeardOnly); // boolean on PostgreSQL
            cell.bindValue(QStringLiteral(":last"), kLastAnswers);
            if (SqlHelpers::execFirstRow(cell) && cell.value(0).toInt() > 0)
                grid.cells.insert({letter, activity}, Cell{cell.value(0).toInt(), cell.value(1).toInt()});
        }
    }
    grid.letters = QStringList(letters.cbegin(), letters.cend());
    SpanishOrder::sort(grid.letters);
    return grid;
}

ClassGrid classGrid(int languageId)
{
    ClassGrid grid;
    QSet<QString> letters;
    for (const QString& statement : {kLetters, kClassLetters}) {
        QSqlQuery query = SqlHelpers::prepare(statement);
        query.bindValue(QStringLiteral(":id_language"), languageId);
        if (SqlHelpers::execSelect(query)) {
            while (query.next())
                letters.insert(query.value(0).toString().toUpper());
        }
    }
    grid.letters = QStringList(letters.cbegin(), letters.cend());
    SpanishOrder::sort(grid.letters);

    UserList users;
    users.loadAll();
    users.reset();
    while (const User* user = users.next())
        grid.rows.append(ClassRow{user->id, user->name, {}});
    std::stable_sort(grid.rows.begin(), grid.rows.end(), [](const ClassRow& a, const ClassRow& b) {
        return SpanishOrder::less(a.name, b.name);
    });
    QSqlQuery cell = SqlHelpers::prepare(kClassCell);
    for (ClassRow& row : grid.rows) {
        for (const QString& letter : std::as_const(grid.letters)) {
            bindUser(cell, row.userId, languageId);
            cell.bindValue(QStringLiteral(":expected"), letter);
            cell.bindValue(QStringLiteral(":last"), kLastAnswers);
            if (SqlHelpers::execFirstRow(cell) && cell.value(0).toInt() > 0)
                row.cells.insert(letter, Cell{cell.value(0).toInt(), cell.value(1).toInt()});
        }
    }
    return grid;
}

QByteArray classCsv(const ClassGrid& grid)
{
    const auto field = [](const QString& text) -> QString {
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
            && !text.contains(QLatin1Char('\n')))
            return text;
        return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\""))
            + QLatin1Char('"');
    };
    QStringList lines{(QStringList{QStringLiteral("usuario")} + grid.letters).join(QLatin1Char(','))};
    for (const ClassRow& row : grid.rows) {
        QStringList fields{field(row.name)};
        for (const QString& letter : grid.letters) {
            const Cell cell = row.cells.value(letter);
            fields << (cell.isEmpty() ? QString() : QStringLiteral("%1/%2").arg(cell.right).arg(cell.answers));
        }
        lines << fields.join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QList<Day> perDay(int userId, int languageId, const QDate& from, const QDate& to)
{
    QHash<QDate, Day> found;
    QSqlQuery query = SqlHelpers::prepare(kPerDay);
    bindUser(query, userId, languageId);
    query.bindValue(QStringLiteral(":from"), from.toString(Qt::ISODate));
    query.bindValue(QStringLiteral(":to"), to.addDays(1).toString(Qt::ISODate));
    if (SqlHelpers::execSelect(query)) {
        while (query.next()) {
            const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
            found.insert(day, Day{day, query.value(1).toInt(), query.value(2).toInt()});
        }
    }
    QList<Day> days;
    for (QDate day = from; day <= to; day = day.addDays(1))
        days.append(found.value(day, Day{day, 0, 0}));
    return days;
}

QList<Pair> confusedPairs(int userId, int languageId, int limit)
{
    QList<Pair> pairs;
    QSqlQuery query = SqlHelpers::prepare(kPairs);
    bindUser(query, userId, languageId);
    query.bindValue(QStringLiteral(":limit"), limit);
    if (SqlHelpers::execSelect(query)) {
        while (query.next())
            pairs.append(Pair{query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()});
    }
    return pairs;
}

} // namespace ProgressStats
