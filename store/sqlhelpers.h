#pragma once

#include "database.h"

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

// A failed statement may mean that the school's server went away: the
// connection is then looked after as soon as the program is back in its
// event loop (Database::recoverSoon).
inline bool execSelect(QSqlQuery& query)
{
    if (query.exec() && query.isActive() && query.isSelect())
        return true;
    Database::recoverSoon();
    return false;
}

inline bool execFirstRow(QSqlQuery& query)
{
    return execSelect(query) && query.first();
}

// A SELECT whose failure the child would see (a draw, the login): `bind`
// binds its values, `read` reads its rows. When it fails because the
// server went away, the connection is recovered at once (the server again,
// or the PC's copy in its place) and the statement runs once more. The
// first query is gone by then: no query outlives its connection.
template <typename Bind, typename Read>
bool select(const QString& statement, Bind bind, Read read)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        {
            QSqlQuery query = prepare(statement);
            bind(query);
            if (query.exec() && query.isActive() && query.isSelect()) {
                read(query);
                return true;
            }
        }
        if (attempt == 0 && !Database::recover())
            return false;
    }
    return false;
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
