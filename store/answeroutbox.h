#pragma once

#include "answerlog.h"

#include <QList>
#include <QString>

class QSqlDatabase;

// The answers of a PC that works on a school's server, kept in a small
// SQLite file of the PC's own until the server has committed them. An
// answer leaves the outbox only after that commit, and the server stores
// an answer whose uid it has already once, so an answer sent again (the
// program killed between the server's commit and the outbox's) is never
// doubled, and none is ever dropped.
//
// Used from one thread: the connection to the file is that thread's.
class AnswerOutbox
{
public:
    explicit AnswerOutbox(const QString& path);
    ~AnswerOutbox();
    AnswerOutbox(const AnswerOutbox&) = delete;
    AnswerOutbox& operator=(const AnswerOutbox&) = delete;

    // Commits the answers (each with its uid) to the file.
    bool add(const QList<Answer>& answers, QString* error = nullptr);
    // Sends what waits to the server, oldest first, in batches; returns how
    // many the server took (doubles included), -1 when it failed.
    int deliver(QSqlDatabase server, QString* error = nullptr);
    // Answers waiting (-1 when the file cannot be read).
    int size();

private:
    bool open(QString* error);

    QString path;
    QString connection;
};
