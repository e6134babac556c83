#include "serverwatch.h"

#include "database.h"

#include <QElapsedTimer>

#include <chrono>

#include <libpq-fe.h>
#include <poll.h>
#include <sys/socket.h>

namespace {
// How long the window's beats may stop before the server is asked, and
// how long that question may wait for its answer.
constexpr qint64 kStuckMs = 250;
// How long the every-second question may wait for its answer.
constexpr int kPatienceMs = 1500;
constexpr int kUrgentPatienceMs = 300;

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Waits until the socket is ready for `events` or the deadline passes.
bool waitFor(PGconn* conn, short events, const QElapsedTimer& clock, int deadline)
{
    const int left = deadline - int(clock.elapsed());
    if (left <= 0)
        return false;
    pollfd fd{PQsocket(conn), events, 0};
    return ::poll(&fd, 1, left) > 0;
}

PGconn* connectWithin(const QByteArray& conninfo, int deadline)
{
    QElapsedTimer clock;
    clock.start();
    const char* const keywords[] = {"dbname", "application_name", nullptr};
    const char* const values[] = {conninfo.constData(), "ondalira-watch", nullptr};
    PGconn* conn = PQconnectStartParams(keywords, values, 1);
    if (!conn)
        return nullptr;
    PostgresPollingStatusType state = PGRES_POLLING_WRITING;
    while (state != PGRES_POLLING_OK && state != PGRES_POLLING_FAILED) {
        if (PQstatus(conn) == CONNECTION_BAD
            || !waitFor(conn, state == PGRES_POLLING_READING ? POLLIN : POLLOUT, clock, deadline))
            break;
        state = PQconnectPoll(conn);
    }
    if (state == PGRES_POLLING_OK)
        return conn;
    PQfinish(conn);
    return nullptr;
}

// The server's schema version, or -1 when no answer came within the deadline.
int askVersion(PGconn* conn, int deadline)
{
    QElapsedTimer clock;
    clock.start();
    if (!PQsendQuery(conn, "SELECT version FROM schema_version"))
        return -1;
    while (PQflush(conn) == 1) {
        if (!waitFor(conn, POLLOUT, clock, deadline))
            return -1;
    }
    int version = -1;
    for (;;) {
        while (PQisBusy(conn)) {
            if (!waitFor(conn, POLLIN, clock, deadline) || !PQconsumeInput(conn))
                return -1;
        }
        PGresult* result = PQgetResult(conn);
        if (!result)
            return version;
        if (PQresultStatus(result) == PGRES_TUPLES_OK && PQntuples(result) == 1)
            version = QByteArray(PQgetvalue(result, 0, 0)).toInt();
        PQclear(result);
    }
}
} // namespace

ServerWatch::ServerWatch(const QString& uri, int latestVersion, QObject* parent)
    : QObject(parent)
    , conninfo(Database::connectionString(Database::parseServerUri(uri)).toUtf8())
    , latest(latestVersion)
{
}

ServerWatch::~ServerWatch()
{
    {
        std::lock_guard<std::mutex> lock(sleepMutex);
        stopping = true;
    }
    wake.notify_all();
    if (thread.joinable())
        thread.join();
}

void ServerWatch::start()
{
    if (!thread.joinable())
        thread = std::thread([this] { run(); });
}

void ServerWatch::setInterval(int ms)
{
    interval = ms;
    {
        std::lock_guard<std::mutex> lock(sleepMutex);
        nudged = true;
    }
    wake.notify_all();
}

void ServerWatch::beat(bool online)
{
    lastBeat = online ? steadyMs() : 0;
}

bool ServerWatch::windowWaits() const
{
    const qint64 last = lastBeat;
    return last != 0 && steadyMs() - last > kStuckMs;
}

void ServerWatch::guard(int socket)
{
    std::lock_guard<std::mutex> lock(guardMutex);
    guarded = socket;
}

void ServerWatch::breakGuarded()
{
    std::lock_guard<std::mutex> lock(guardMutex);
    // shutdown(2), not close(2): the descriptor stays the driver's, and
    // its next read or write fails at once.
    if (guarded >= 0)
        ::shutdown(guarded, SHUT_RDWR);
    guarded = -1;
}

void ServerWatch::run()
{
    PGconn* conn = nullptr;
    bool urgent = false;
    while (!stopping) {
        if (!conn)
            conn = connectWithin(conninfo, 2000);
        const int version = conn ? askVersion(conn, urgent ? kUrgentPatienceMs : kPatienceMs) : -1;
        if (version < 0) {
            if (conn)
                PQfinish(conn);
            conn = nullptr;
            lastSilent = true;
            breakGuarded();
            Q_EMIT silent();
        } else {
            lastSilent = false;
            Q_EMIT answered(version == latest);
        }
        // Until the interval has passed since this question (a new interval
        // counts from it too), or the window seems to wait on the server.
        const auto asked = std::chrono::steady_clock::now();
        std::unique_lock<std::mutex> lock(sleepMutex);
        urgent = false;
        while (!stopping && !urgent) {
            const auto due = asked + std::chrono::milliseconds(interval.load());
            const auto now = std::chrono::steady_clock::now();
            if (now >= due)
                break;
            wake.wait_until(lock, std::min(due, now + std::chrono::milliseconds(50)),
                            [this] { return stopping.load() || nudged.load(); });
            nudged = false;
            // Once per wait: a window that is only busy waits on.
            urgent = windowWaits() && !lastSilent;
            if (urgent)
                lastBeat = 0;
        }
    }
    if (conn)
        PQfinish(conn);
}
