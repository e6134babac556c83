#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <initializer_list>

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

// One statement of a cascade, with the single id it is bound to.
struct IdStatement
{
    const QString& sql;
    const char* parameter;
    int id;
};

// Runs the statements in one transaction on the default connection: either
// every one of them takes effect or none does.
inline bool execInTransaction(std::initializer_list<IdStatement> statements)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.transaction())
        return false;
    bool ok = true;
    for (const IdStatement& statement : statements) {
        QSqlQuery query = prepare(statement.sql);
        query.bindValue(QString::fromLatin1(statement.parameter), statement.id);
        ok = query.exec();
        if (!ok)
            break;
    }
    if (ok && db.commit())
        return true;
    db.rollback();
    return false;
}

} // namespace SqlHelpers
