#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QSqlDatabase;

// One judged key of an exercise. The letter and the word are kept as texts,
// so a record stays readable after its word or letter is deleted.
struct Answer
{
    int userId = 0;
    int languageId = 0;
    int activity = 0;   // 21, 23, 25, 30 or 31
    QString expected;   // the letter asked for, upper case ("CH")
    QString word;       // the word of the question
    QString typed;      // the letter of the key, upper case
    bool correct = false;
    int attempt = 1;    // 1 to 3 within the question
    int elapsedMs = 0;  // from the question to the key
    QDateTime answeredAt;
    bool heardOnly = false; // the question was the spoken word alone
    // The answer's own id, made when it is recorded: delivered twice to a
    // school's server, it is stored once. Not part of what it says, so
    // not compared.
    QString uid;

    bool operator==(const Answer& other) const;
};

// The record of every answer, in the table answer_log.
//
// A commit waits for the disk (several milliseconds, far more on a busy
// one), so answers are written by a thread of their own with its own
// connection to the same database: recording costs the round only the
// queueing. flush() waits for what is queued.
//
// On a PC that works on a school's server, each answer is first committed
// to the PC's outbox (AnswerOutbox) and then delivered; it leaves the
// outbox only once the server has committed it. While the server is away
// answers wait there, and a program killed in between sends them at its
// next start.
class AnswerLog
{
public:
    AnswerLog();
    ~AnswerLog();
    AnswerLog(const AnswerLog&) = delete;
    AnswerLog& operator=(const AnswerLog&) = delete;

    // The table comes with the schema (and the upgrade of older databases).
    static bool tableExists();

    // Queues one answer for the database of the default connection. A
    // failed write is counted and kept for the adults' report; it is never
    // shown to the child.
    void record(const Answer& answer);
    void flush() const;
    int failedWrites() const;
    QString lastError() const;

    // Sends the answers to the school's server at uri through the outbox
    // file at outboxPath, starting with what an earlier run left there.
    // Before the first record.
    void useServer(const QString& uri, const QString& outboxPath);
    // The server is back: deliver what waits, now.
    void deliver();
    // Answers waiting in the outbox (0 without a server).
    int waiting() const;

    // Every answer of a user in a language, oldest first.
    static QList<Answer> answersOf(int userId, int languageId);
    static int countOf(int userId);
    static bool removeUser(int userId);
    // Stores answers at once on the default connection, in one transaction.
    static bool insert(const QList<Answer>& answers, QString* error = nullptr);
    // The same on a given connection; an answer whose uid is stored already
    // is left out.
    static bool insertOn(QSqlDatabase db, const QList<Answer>& answers, QString* error = nullptr);

    // Text form of answeredAt in the table and the CSV file.
    static constexpr const char* kTimeFormat = "yyyy-MM-dd hh:mm:ss";
    static QString timeText(const QDateTime& time);
    static QDateTime parseTime(QStringView text);

private:
    struct Writer;
    std::unique_ptr<Writer> writer;
};
