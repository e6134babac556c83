#include "answerlog.h"

#include "answeroutbox.h"
#include "database.h"
#include "sqlhelpers.h"

#include <QMutex>
#include <QSemaphore>
#include <QMutexLocker>
#include <QSqlError>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <QVariant>

#include <atomic>
#include <mutex>
#include <sys/socket.h>

namespace {
const QString kInsert = QStringLiteral(
    "INSERT INTO answer_log (id_user, id_language, activity, expected, word, typed, correct, "
    "attempt, elapsed_ms, answered_at, heard_only, uid) VALUES (:id_user, :id_language, :activity, "
    ":expected, :word, :typed, :correct, :attempt, :elapsed_ms, :answered_at, :heard_only, :uid) "
    "ON CONFLICT (uid) DO NOTHING");
const QString kSelectOfUser = QStringLiteral(
    "SELECT id_user, id_language, activity, expected, word, typed, correct, attempt, elapsed_ms, "
    "answered_at, heard_only FROM answer_log WHERE id_user = :id_user AND id_language = :id_language "
    "ORDER BY id");
const QString kCountOfUser = QStringLiteral("SELECT COUNT(*) FROM answer_log WHERE id_user = :id_user");
const QString kDeleteOfUser = QStringLiteral("DELETE FROM answer_log WHERE id_user = :id_user");
} // namespace

bool Answer::operator==(const Answer& o) const
{
    return userId == o.userId && languageId == o.languageId && activity == o.activity
        && expected == o.expected && word == o.word && typed == o.typed && correct == o.correct
        && attempt == o.attempt && elapsedMs == o.elapsedMs && answeredAt == o.answeredAt
        && heardOnly == o.heardOnly;
}

bool AnswerLog::tableExists()
{
    // The driver's own catalogue query: sqlite_master or pg_class.
    return QSqlDatabase::database().tables().contains(QStringLiteral("answer_log"));
}

namespace {
// An empty text, never NULL: the text columns are NOT NULL.
QString text(const QString& value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

void bindAnswer(QSqlQuery& query, const Answer& answer)
{
    query.bindValue(QStringLiteral(":id_user"), answer.userId);
    query.bindValue(QStringLiteral(":id_language"), answer.languageId);
    query.bindValue(QStringLiteral(":activity"), answer.activity);
    query.bindValue(QStringLiteral(":expected"), text(answer.expected));
    query.bindValue(QStringLiteral(":word"), text(answer.word));
    query.bindValue(QStringLiteral(":typed"), text(answer.typed));
    query.bindValue(QStringLiteral(":correct"), answer.correct); // 1 or 0 on SQLite
    query.bindValue(QStringLiteral(":attempt"), answer.attempt);
    query.bindValue(QStringLiteral(":elapsed_ms"), answer.elapsedMs);
    query.bindValue(QStringLiteral(":answered_at"), AnswerLog::timeText(answer.answeredAt));
    query.bindValue(QStringLiteral(":heard_only"), answer.heardOnly); // 1 or 0 on SQLite
    query.bindValue(QStringLiteral(":uid"), answer.uid.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                                 : QVariant(answer.uid));
}

// Writes the answers in one transaction on `db`; false with the error.
bool insertAll(QSqlDatabase db, const QList<Answer>& answers, QString* error)
{
    const bool transaction = db.transaction();
    QSqlQuery query(db);
    bool ok = query.prepare(kInsert);
    for (qsizetype i = 0; ok && i < answers.size(); ++i) {
        bindAnswer(query, answers.at(i));
        ok = query.exec();
    }
    if (ok && (!transaction || db.commit()))
        return true;
    if (error)
        *error = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
    if (transaction)
        db.rollback();
    return false;
}
} // namespace

struct AnswerLog::Writer
{
    QThread thread;
    QObject* context = nullptr; // lives in the thread; runs the writes
    QString connection;
    QString driver;
    QString databaseName;
    QString options;
    QString host;
    int port = -1;
    QString user;
    QString password;

    // A school's server: the writes go to the outbox, and a second thread
    // delivers them, so that a server that does not answer holds no
    // answer outside the outbox.
    QString serverUri;
    QString outboxPath;
    std::unique_ptr<AnswerOutbox> outbox; // the writer's
    QThread senderThread;
    QObject* sender = nullptr;            // lives in the sender thread
    std::unique_ptr<AnswerOutbox> sent;   // the sender's
    QTimer* retry = nullptr;              // in the sender thread, while answers wait
    std::atomic<bool> sendQueued{false};
    std::atomic<bool> stopping{false};
    std::mutex socketMutex;
    int serverSocket = -1;                // the sender's connection, to break at exit

    mutable QMutex mutex;
    QList<Answer> pending;
    int failures = 0;
    int waiting = 0;
    QString error;

    QSqlDatabase connect()
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (db.isValid())
            return db;
        db = QSqlDatabase::addDatabase(driver, connection);
        db.setConnectOptions(options);
        db.setDatabaseName(databaseName);
        db.setHostName(host);
        db.setPort(port);
        db.setUserName(user);
        db.setPassword(password);
        return db;
    }

    // In the writer thread.
    void drain()
    {
        QList<Answer> batch;
        {
            QMutexLocker lock(&mutex);
            batch.swap(pending);
        }
        if (batch.isEmpty())
            return;
        QString message;
        if (outbox) {
            // Committed to the outbox: from then on it survives a lost
            // server and a killed program.
            if (outbox->add(batch, &message)) {
                {
                    QMutexLocker lock(&mutex);
                    waiting += int(batch.size());
                }
                queueSend();
                return;
            }
        } else {
            QSqlDatabase db = connect();
            if (!db.isOpen() && !db.open())
                message = db.lastError().text();
            else if (insertAll(db, batch, &message))
                return;
        }
        QMutexLocker lock(&mutex);
        failures += int(batch.size());
        error = message;
    }

    void queueSend()
    {
        if (!sendQueued.exchange(true))
            QMetaObject::invokeMethod(sender, [this] { send(); }, Qt::QueuedConnection);
    }

    // In the sender thread: delivers what the outbox holds. What the
    // server did not take waits for the retry timer or deliver().
    void send()
    {
        sendQueued = false;
        if (stopping)
            return;
        const QString name = connection + QStringLiteral("-server");
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.isValid()) {
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            Database::configureServer(db, Database::parseServerUri(serverUri));
        }
        QString message;
        if (!db.isOpen() && db.open()) {
            std::lock_guard<std::mutex> lock(socketMutex);
            serverSocket = Database::socketOf(db);
        }
        if (!db.isOpen() || sent->deliver(db, &message) < 0) {
            qWarning("Answers wait for the server: %s",
                     qPrintable(message.isEmpty() ? db.lastError().text() : message));
            {
                std::lock_guard<std::mutex> lock(socketMutex);
                serverSocket = -1;
            }
            // A broken connection is opened afresh next time.
            db.close();
        }
        const int left = sent->size();
        {
            QMutexLocker lock(&mutex);
            waiting = left;
        }
        if (left > 0 && !retry->isActive())
            retry->start();
        else if (left == 0)
            retry->stop();
    }

    void startOutbox()
    {
        sender = new QObject;
        sender->moveToThread(&senderThread);
        senderThread.setObjectName(QStringLiteral("answer delivery"));
        senderThread.start(QThread::LowPriority);
        QMetaObject::invokeMethod(
            sender,
            [this] {
                sent = std::make_unique<AnswerOutbox>(outboxPath);
                retry = new QTimer(sender);
                retry->setInterval(3000);
                QObject::connect(retry, &QTimer::timeout, sender, [this] { send(); });
            },
            Qt::BlockingQueuedConnection);
        QMetaObject::invokeMethod(context, [this] { outbox = std::make_unique<AnswerOutbox>(outboxPath); },
                                  Qt::BlockingQueuedConnection);
        queueSend(); // what an earlier run left
    }

    void stopSender()
    {
        if (!senderThread.isRunning())
            return;
        stopping = true;
        {
            // A server that does not answer must not hold the program's exit.
            std::lock_guard<std::mutex> lock(socketMutex);
            if (serverSocket >= 0)
                ::shutdown(serverSocket, SHUT_RDWR);
        }
        QMetaObject::invokeMethod(
            sender,
            [this] {
                delete retry; // a timer stops in its own thread
                retry = nullptr;
                sent.reset();
                const QString name = connection + QStringLiteral("-server");
                QSqlDatabase::database(name, false).close();
                QSqlDatabase::removeDatabase(name);
            },
            Qt::BlockingQueuedConnection);
        senderThread.quit();
        senderThread.wait();
        delete sender;
        sender = nullptr;
    }

    void close()
    {
        outbox.reset();
        {
            QSqlDatabase db = QSqlDatabase::database(connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }

    void start()
    {
        if (thread.isRunning())
            return;
        context = new QObject;
        context->moveToThread(&thread);
        thread.setObjectName(QStringLiteral("answer log"));
        thread.start(QThread::LowPriority);
    }
};

AnswerLog::AnswerLog()
    : writer(std::make_unique<Writer>())
{
    writer->connection = QStringLiteral("answer-log-%1").arg(quintptr(this));
}

AnswerLog::~AnswerLog()
{
    if (!writer->thread.isRunning())
        return;
    Writer* w = writer.get();
    QMetaObject::invokeMethod(
        w->context, [w] { w->drain(); w->close(); }, Qt::BlockingQueuedConnection);
    w->thread.quit();
    w->thread.wait();
    delete w->context;
    w->stopSender();
}

void AnswerLog::record(const Answer& answer)
{
    Writer* w = writer.get();
    if (!w->thread.isRunning()) {
        // The same database as the default connection, opened the same way.
        const QSqlDatabase main = QSqlDatabase::database();
        w->driver = main.driverName();
        w->databaseName = main.databaseName();
        w->options = main.connectOptions();
        w->host = main.hostName();
        w->port = main.port();
        w->user = main.userName();
        w->password = main.password();
        w->start();
    }
    Answer kept = answer;
    if (kept.uid.isEmpty())
        kept.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool first = false;
    {
        QMutexLocker lock(&w->mutex);
        first = w->pending.isEmpty();
        w->pending.append(kept);
    }
    if (first)
        QMetaObject::invokeMethod(w->context, [w] { w->drain(); }, Qt::QueuedConnection);
}

void AnswerLog::useServer(const QString& uri, const QString& outboxPath)
{
    Writer* w = writer.get();
    if (w->thread.isRunning())
        return;
    w->serverUri = uri;
    w->outboxPath = outboxPath;
    w->start();
    w->startOutbox();
}

void AnswerLog::deliver()
{
    Writer* w = writer.get();
    if (w->sender)
        w->queueSend();
}

int AnswerLog::waiting() const
{
    QMutexLocker lock(&writer->mutex);
    return writer->waiting;
}

void AnswerLog::flush() const
{
    Writer* w = writer.get();
    if (!w->thread.isRunning())
        return;
    QMetaObject::invokeMethod(w->context, [w] { w->drain(); }, Qt::BlockingQueuedConnection);
    if (!w->sender)
        return;
    // The delivery too, but never for long: the server may not answer.
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        w->sender,
        [w, done] {
            w->send();
            done->release();
        },
        Qt::QueuedConnection);
    done->tryAcquire(1, 3000);
}

int AnswerLog::failedWrites() const
{
    QMutexLocker lock(&writer->mutex);
    return writer->failures;
}

QString AnswerLog::lastError() const
{
    QMutexLocker lock(&writer->mutex);
    return writer->error;
}

bool AnswerLog::insert(const QList<Answer>& answers, QString* error)
{
    return insertAll(QSqlDatabase::database(), answers, error);
}

bool AnswerLog::insertOn(QSqlDatabase db, const QList<Answer>& answers, QString* error)
{
    return insertAll(db, answers, error);
}

QList<Answer> AnswerLog::answersOf(int userId, int languageId)
{
    QList<Answer> answers;
    QSqlQuery query = SqlHelpers::prepare(kSelectOfUser);
    query.setForwardOnly(true);
    query.bindValue(QStringLiteral(":id_user"), userId);
    query.bindValue(QStringLiteral(":id_language"), languageId);
    if (!SqlHelpers::execSelect(query))
        return answers;
    while (query.next()) {
        Answer a;
        a.userId = query.value(0).toInt();
        a.languageId = query.value(1).toInt();
        a.activity = query.value(2).toInt();
        a.expected = query.value(3).toString();
        a.word = query.value(4).toString();
        a.typed = query.value(5).toString();
        a.correct = query.value(6).toBool(); // 1/0 on SQLite, a boolean on PostgreSQL
        a.attempt = query.value(7).toInt();
        a.elapsedMs = query.value(8).toInt();
        a.answeredAt = parseTime(query.value(9).toString());
        a.heardOnly = query.value(10).toInt() != 0;
        answers.append(a);
    }
    return answers;
}

int AnswerLog::countOf(int userId)
{
    QSqlQuery query = SqlHelpers::prepare(kCountOfUser);
    query.bindValue(QStringLiteral(":id_user"), userId);
    return SqlHelpers::execFirstRow(query) ? query.value(0).toInt() : 0;
}

bool AnswerLog::removeUser(int userId)
{
    QSqlQuery query = SqlHelpers::prepare(kDeleteOfUser);
    query.bindValue(QStringLiteral(":id_user"), userId);
    return query.exec();
}

QString AnswerLog::timeText(const QDateTime& time)
{
    // By hand: QDateTime::toString with a format costs the CSV of a long record seconds.
    const QDate d = time.date();
    const QTime t = time.time();
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

QDateTime AnswerLog::parseTime(QStringView text)
{
    if (text.size() != 19 || text.at(4) != QLatin1Char('-') || text.at(10) != QLatin1Char(' '))
        return QDateTime::fromString(text.toString(), QString::fromLatin1(kTimeFormat));
    const auto number = [&](int from, int length) { return text.mid(from, length).toInt(); };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}
