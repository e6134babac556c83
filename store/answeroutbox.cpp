#include "answeroutbox.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
const QString kCreate = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS outbox (uid TEXT PRIMARY KEY, id_user INTEGER NOT NULL, "
    "id_language INTEGER NOT NULL, activity INTEGER NOT NULL, expected TEXT NOT NULL, "
    "word TEXT NOT NULL, typed TEXT NOT NULL, correct INTEGER NOT NULL, attempt INTEGER NOT NULL, "
    "elapsed_ms INTEGER NOT NULL, answered_at TEXT NOT NULL, heard_only INTEGER NOT NULL)");
const QString kAdd = QStringLiteral(
    "INSERT OR IGNORE INTO outbox (uid, id_user, id_language, activity, expected, word, typed, "
    "correct, attempt, elapsed_ms, answered_at, heard_only) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
const QString kOldest = QStringLiteral(
    "SELECT uid, id_user, id_language, activity, expected, word, typed, correct, attempt, "
    "elapsed_ms, answered_at, heard_only FROM outbox ORDER BY rowid LIMIT 500");
const QString kRemove = QStringLiteral("DELETE FROM outbox WHERE uid = ?");
} // namespace

AnswerOutbox::AnswerOutbox(const QString& path)
    : path(path)
    , connection(QStringLiteral("answer-outbox-%1").arg(quintptr(this)))
{
}

AnswerOutbox::~AnswerOutbox()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool AnswerOutbox::open(QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.isValid()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        // The program's writer and its sender share the file.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (db.isOpen())
        return true;
    QSqlQuery create(db);
    // synchronous=FULL: a committed answer is on the disk, whatever happens
    // next; the write-ahead log lets the sender read while the writer writes.
    if (db.open() && create.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
        && create.exec(QStringLiteral("PRAGMA synchronous = FULL")) && create.exec(kCreate))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, db.isOpen() ? create.lastError().text() : db.lastError().text());
    db.close();
    return false;
}

bool AnswerOutbox::add(const QList<Answer>& answers, QString* error)
{
    if (!open(error))
        return false;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    db.transaction();
    QSqlQuery query(db);
    bool ok = query.prepare(kAdd);
    for (qsizetype i = 0; ok && i < answers.size(); ++i) {
        const Answer& a = answers.at(i);
        for (const QVariant& value :
             {QVariant(a.uid), QVariant(a.userId), QVariant(a.languageId), QVariant(a.activity),
              QVariant(a.expected), QVariant(a.word), QVariant(a.typed), QVariant(a.correct ? 1 : 0),
              QVariant(a.attempt), QVariant(a.elapsedMs), QVariant(AnswerLog::timeText(a.answeredAt)),
              QVariant(a.heardOnly ? 1 : 0)})
            query.addBindValue(value);
        ok = query.exec();
    }
    if (ok && db.commit())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, query.lastError().isValid() ? query.lastError().text()
                                                                              : db.lastError().text());
    db.rollback();
    return false;
}

int AnswerOutbox::deliver(QSqlDatabase server, QString* error)
{
    if (!open(error))
        return -1;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    int delivered = 0;
    for (;;) {
        QList<Answer> batch;
        {
            QSqlQuery oldest(db);
            if (!oldest.exec(kOldest)) {
                if (error)
                    *error = oldest.lastError().text();
                return -1;
            }
            while (oldest.next()) {
                Answer a;
                a.uid = oldest.value(0).toString();
                a.userId = oldest.value(1).toInt();
                a.languageId = oldest.value(2).toInt();
                a.activity = oldest.value(3).toInt();
                a.expected = oldest.value(4).toString();
                a.word = oldest.value(5).toString();
                a.typed = oldest.value(6).toString();
                a.correct = oldest.value(7).toInt() != 0;
                a.attempt = oldest.value(8).toInt();
                a.elapsedMs = oldest.value(9).toInt();
                a.answeredAt = AnswerLog::parseTime(oldest.value(10).toString());
                a.heardOnly = oldest.value(11).toInt() != 0;
                batch << a;
            }
        }
        if (batch.isEmpty())
            return delivered;
        // The server's commit first; only then may the outbox forget them.
        if (!AnswerLog::insertOn(server, batch, error))
            return -1;
        db.transaction();
        QSqlQuery remove(db);
        bool ok = remove.prepare(kRemove);
        for (qsizetype i = 0; ok && i < batch.size(); ++i) {
            remove.addBindValue(batch.at(i).uid);
            ok = remove.exec();
        }
        if (!ok || !db.commit()) {
            // Still there, so sent again later: the server keeps one.
            if (error)
                *error = QStringLiteral("%1: %2").arg(path, remove.lastError().text());
            db.rollback();
            return -1;
        }
        delivered += int(batch.size());
    }
}

int AnswerOutbox::size()
{
    if (!open(nullptr))
        return -1;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) && query.next() ? query.value(0).toInt()
                                                                                      : -1;
}
