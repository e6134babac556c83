#include "selection.h"

#include <QRegularExpression>
#include <QStringList>

namespace Selection {

QString letterQuery(const QString& categoryFilter, const QString& letterFilter)
{
    QStringList conditions;
    QString letterColumn = QStringLiteral("id");
    if (!categoryFilter.isEmpty()) {
        conditions << QStringLiteral("wc.id_category IN (") + categoryFilter + QLatin1Char(')');
        letterColumn = QStringLiteral("w.id_letter");
    }
    if (!letterFilter.isEmpty())
        conditions << letterColumn + QStringLiteral(" IN (") + letterFilter + QLatin1Char(')');
    const QString joined = conditions.join(QStringLiteral(" AND "));

    if (conditions.isEmpty())
        return QStringLiteral(
            "SELECT id, name FROM letter WHERE id_language = :id_language "
            "ORDER BY RANDOM() LIMIT 1");
    if (categoryFilter.isEmpty())
        return QStringLiteral("SELECT id, name FROM letter WHERE id_language = :id_language AND ")
            + joined + QStringLiteral(" ORDER BY RANDOM() LIMIT 1");
    return QStringLiteral(
               "SELECT DISTINCT l.id, l.name FROM letter l WHERE l.id_language = :id_language "
               "AND l.id IN (SELECT DISTINCT w.id_letter FROM word w JOIN word_x_category wc "
               "ON wc.id_word = w.id WHERE ")
        + joined + QStringLiteral(") ORDER BY RANDOM() LIMIT 1");
}

QString wordQuery(const QString& categoryFilter)
{
    if (categoryFilter.isEmpty())
        return QStringLiteral(
            "SELECT id, name, fullName, image, sign, lips, id_letter FROM word "
            "WHERE id_letter = :id_letter ORDER BY RANDOM() LIMIT 1");
    return QStringLiteral(
               "SELECT DISTINCT w.id, w.name, w.fullName, w.image, w.sign, w.lips, w.id_letter "
               "FROM word w JOIN word_x_category wc ON wc.id_word = w.id "
               "WHERE w.id_letter = :id_letter AND wc.id_category IN (")
        + categoryFilter + QStringLiteral(") ORDER BY RANDOM() LIMIT 1");
}

bool isIdList(const QString& filter)
{
    static const QRegularExpression ids(QStringLiteral("^(-?\\d+(,-?\\d+)*)?$"));
    return ids.match(filter).hasMatch();
}

} // namespace Selection
