#include "selection.h"

#include <QRegularExpression>

namespace Selection {

namespace {
// Up to this many categories, walking their links is cheaper than testing
// every word of the letter; beyond it the letter's words are the bound.
constexpr int kFewCategories = 32;

const QString kRandomOne = QStringLiteral(" ORDER BY RANDOM() LIMIT 1");

bool isFew(const QString& categoryFilter)
{
    return categoryFilter.count(QLatin1Char(',')) < kFewCategories;
}
} // namespace

QString letterCandidates(const QString& categoryFilter, const QString& letterFilter, Database::Engine engine)
{
    QString query = QStringLiteral("SELECT l.id, l.name FROM letter l WHERE l.id_language = :id_language");
    if (!letterFilter.isEmpty())
        query += QStringLiteral(" AND l.id IN (") + letterFilter + QLatin1Char(')');
    if (categoryFilter.isEmpty())
        return query;
    if (engine == Database::Engine::PostgreSQL)
        return query
            + QStringLiteral(" AND EXISTS (SELECT 1 FROM word w WHERE w.id_letter = l.id AND EXISTS ("
                             "SELECT 1 FROM word_x_category wc WHERE wc.id_word = w.id AND +wc.id_category IN (")
            + categoryFilter + QStringLiteral(") OFFSET 0) OFFSET 0)");
    if (isFew(categoryFilter))
        return query
            + QStringLiteral(" AND EXISTS (SELECT 1 FROM word w JOIN word_x_category wc ON "
                             "wc.id_word = w.id WHERE w.id_letter = l.id AND wc.id_category IN (")
            + categoryFilter + QStringLiteral("))");
    return query
        + QStringLiteral(" AND EXISTS (SELECT 1 FROM word w CROSS JOIN word_x_category wc WHERE "
                         "w.id_letter = l.id AND wc.id_word = w.id AND +wc.id_category IN (")
        + categoryFilter + QStringLiteral("))");
}

QString letterQuery(const QString& categoryFilter, const QString& letterFilter, Database::Engine engine)
{
    return letterCandidates(categoryFilter, letterFilter, engine) + kRandomOne;
}

QString wordCandidateIds(const QString& categoryFilter, Database::Engine engine)
{
    if (categoryFilter.isEmpty())
        return QStringLiteral("SELECT id FROM word WHERE id_letter = :id_letter");
    if (engine == Database::Engine::PostgreSQL && !isFew(categoryFilter))
        return QStringLiteral(
                   "SELECT w.id FROM word w WHERE w.id_letter = :id_letter AND EXISTS (SELECT 1 FROM "
                   "word_x_category wc WHERE wc.id_word = w.id AND +wc.id_category IN (")
            + categoryFilter + QStringLiteral(") OFFSET 0)");
    if (isFew(categoryFilter))
        return QStringLiteral(
                   "SELECT DISTINCT w.id FROM word_x_category wc JOIN word w ON w.id = wc.id_word "
                   "WHERE wc.id_category IN (")
            + categoryFilter + QStringLiteral(") AND w.id_letter = :id_letter");
    // The unary + keeps the long list a membership test instead of an index probe.
    return QStringLiteral(
               "SELECT w.id FROM word w WHERE w.id_letter = :id_letter AND EXISTS (SELECT 1 FROM "
               "word_x_category wc WHERE wc.id_word = w.id AND +wc.id_category IN (")
        + categoryFilter + QStringLiteral("))");
}

QString wordQuery(const QString& categoryFilter, Database::Engine engine)
{
    // The candidates as a table of their own: PostgreSQL refuses ORDER BY
    // random() beside the DISTINCT that keeps each word drawn as often.
    return QStringLiteral(
               "SELECT id, name, fullName, image, sign, lips, id_letter FROM word WHERE id = ("
               "SELECT id FROM (")
        + wordCandidateIds(categoryFilter, engine) + QStringLiteral(") AS candidates") + kRandomOne
        + QLatin1Char(')');
}

bool isIdList(const QString& filter)
{
    static const QRegularExpression ids(QStringLiteral("^(-?\\d+(,-?\\d+)*)?$"));
    return ids.match(filter).hasMatch();
}

} // namespace Selection
