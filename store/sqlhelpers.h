#pragma once

#include <QSqlQuery>
#include <QString>

// Shared rules of the record classes: every statement is prepared on the
// default connection, and a load succeeds only when the SELECT ran and
// produced a first row.
namespace SqlHelpers {

inline QSqlQuery prepare(const QString& statement)
{
    QSqlQuery query;
    query.prepare(statement);
    return query;
}

inline bool execFirstRow(QSqlQuery& query)
{
    return query.exec() && query.isActive() && query.isSelect() && query.first();
}

inline bool execSelect(QSqlQuery& query)
{
    return query.exec() && query.isActive() && query.isSelect();
}

} // namespace SqlHelpers
