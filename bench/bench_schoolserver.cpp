// A class hour on one school server: a PostgreSQL cluster of its own in a
// temporary folder, filled from the default content as a school's IT fills
// it (ServerSetup::init), and PCS processes of bench_pc, each a PC with its
// own program home, drawing a word and recording an answer every 200 ms (a
// word every 2 s of class, ten times faster). Halfway through the server is
// stopped at once, as one that dies, and started again. The figures come
// from the PCs' reports and from the server itself: when each answer was
// committed there (track_commit_timestamp). Nothing is asserted.
//   bench_schoolserver [SECONDS=360] [PCS=60] [SQLITE=build/Ondalira/data/bd]
#include "database.h"
#include "serversetup.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace {
constexpr int kIntervalMs = 200;

// A cluster in a temporary folder, reached through a Unix socket there;
// as root it runs as the postgres user (initdb refuses root).
class Cluster
{
public:
    Cluster()
    {
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                         .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        if (!versions.isEmpty())
            bin = QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(versions.first());
        if (::geteuid() == 0) {
            const passwd* postgres = ::getpwnam("postgres");
            if (!postgres || ::chown(QFile::encodeName(dir.path()).constData(), postgres->pw_uid, postgres->pw_gid) != 0)
                return;
        }
        valid = run(QStringLiteral("initdb"), {QStringLiteral("-D"), data(), QStringLiteral("-U"), QStringLiteral("postgres"),
                                               QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-N"),
                                               QStringLiteral("--locale=C.UTF-8"), QStringLiteral("-E"), QStringLiteral("UTF8")})
            && start();
    }
    ~Cluster()
    {
        if (valid)
            stop();
    }

    // Two connections a PC (its draws and its answer log) and one more while
    // it copies the server: more than PostgreSQL's default 100 for 60 PCs.
    // Commit times kept, to know when each answer arrived; the statements'
    // own times, to tell the server's share of a draw; fsync as a real
    // server has it.
    bool start()
    {
        return run(QStringLiteral("pg_ctl"),
                   {QStringLiteral("-D"), data(), QStringLiteral("-l"), dir.filePath(QStringLiteral("log")),
                    QStringLiteral("-w"), QStringLiteral("-o"),
                    QStringLiteral("-k %1 -c listen_addresses= -c max_connections=250 -c track_commit_timestamp=on "
                                   "-c shared_preload_libraries=pg_stat_statements")
                        .arg(dir.path()),
                    QStringLiteral("start")});
    }
    bool stop()
    {
        return run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), data(), QStringLiteral("-m"),
                                              QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
    }
    QString uri(const QString& database) const
    {
        return QStringLiteral("postgresql://postgres@/%1?host=%2").arg(database, dir.path());
    }

    bool valid = false;
    QString error;

private:
    QString data() const { return dir.filePath(QStringLiteral("data")); }
    bool run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        if (::geteuid() == 0)
            process.start(QStringLiteral("runuser"),
                          QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), bin + program}
                              + arguments);
        else
            process.start(bin + program, arguments);
        if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return true;
        error = program + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll()).trimmed();
        return false;
    }

    QTemporaryDir dir;
    QString bin;
};

bool exec(const QString& uri, const QStringList& statements, const std::function<void(QSqlQuery&)>& read = {})
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("controller"));
        Database::configureServer(db, Database::parseServerUri(uri));
        ok = db.open();
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (ok && !(ok = query.exec(statement)))
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
        if (ok && read)
            read(query);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("controller"));
    return ok;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush()
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

// p in percent, of a sorted list.
double percentile(const std::vector<double>& sorted, int p)
{
    if (sorted.empty())
        return 0;
    return sorted.at(std::min(sorted.size() - 1, sorted.size() * p / 100));
}

QString spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return QStringLiteral("p50 %1, p99 %2, max %3 (of %4)")
        .arg(percentile(values, 50), 0, 'f', 1)
        .arg(percentile(values, 99), 0, 'f', 1)
        .arg(values.empty() ? 0 : values.back(), 0, 'f', 1)
        .arg(values.size());
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
                                          : QString();
}

// Rows left in a PC's outbox file, read apart from the PC's own word.
int outboxRows(const QString& path)
{
    int rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outbox"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) && query.next())
            rows = query.value(0).toInt();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outbox"));
    return rows;
}

struct Pc
{
    QString home;
    std::unique_ptr<QProcess> process;
};

// One program home a PC, with its connection file; true once every PC said
// it is ready.
bool startClass(std::vector<Pc>& pcs, const QString& homes, const QString& uri, int draws)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_pc");
    for (std::size_t i = 0; i < pcs.size(); ++i) {
        Pc& pc = pcs[i];
        pc.home = homes + QStringLiteral("/pc%1").arg(i + 1);
        for (const char* folder : {"data", "media/system", "media/languages"})
            QDir(pc.home).mkpath(QLatin1String(folder));
        if (!writeFile(pc.home + QStringLiteral("/data/server.conf"), "database=" + uri.toUtf8() + '\n'))
            return false;
        pc.process = std::make_unique<QProcess>();
        pc.process->setStandardErrorFile(pc.home + QStringLiteral("/log"));
        pc.process->start(program, {pc.home, QString::number(i + 1), QString::number(draws),
                                    QString::number(kIntervalMs), pc.home + QStringLiteral("/report")});
    }
    for (Pc& pc : pcs) {
        QElapsedTimer waited;
        waited.start();
        while (!pc.process->canReadLine() && pc.process->state() != QProcess::NotRunning
               && waited.elapsed() < 180000)
            pc.process->waitForReadyRead(1000);
        if (!pc.process->canReadLine())
            return false;
    }
    return true;
}

// What the PCs wrote: draws and answers split by their time, inside the
// restart's window [from, to] or away from it.
struct PcSide
{
    std::vector<double> draws, drawsNearRestart;
    int failedDraws = 0, slowDraws = 0, wentToCopy = 0, outboxSaid = 0, outboxFound = 0;
    qint64 lastBackOnline = 0;
    QHash<QString, qint64> recorded; // uid: when
    QMap<QString, int> logged;       // line: how many times
};

PcSide readPcs(const std::vector<Pc>& pcs, qint64 from, qint64 to)
{
    PcSide side;
    for (const Pc& pc : pcs) {
        QFile log(pc.home + QStringLiteral("/log"));
        if (log.open(QIODevice::ReadOnly))
            for (const QByteArray& line : log.readAll().split('\n'))
                if (!line.isEmpty())
                    ++side.logged[QString::fromUtf8(line).replace(pc.home, QStringLiteral("HOME")).left(160)];
        QFile report(pc.home + QStringLiteral("/report"));
        if (!report.open(QIODevice::ReadOnly))
            continue;
        bool wentToCopy = false;
        for (const QByteArray& line : report.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.first() == "draw" && f.size() == 4) {
                const double ms = f.at(2).toDouble();
                const qint64 at = f.at(1).toLongLong();
                (at >= from && at <= to ? side.drawsNearRestart : side.draws).push_back(ms);
                side.slowDraws += ms >= 30;
                side.failedDraws += f.at(3) == "0";
            } else if (f.first() == "answer" && f.size() == 3) {
                side.recorded.insert(QString::fromLatin1(f.at(1)), f.at(2).toLongLong());
            } else if (f.first() == "online" && f.size() == 3) {
                wentToCopy |= f.at(1) == "0";
                if (f.at(1) == "1")
                    side.lastBackOnline = std::max(side.lastBackOnline, f.at(2).toLongLong());
            } else if (f.first() == "outbox" && f.size() == 2) {
                side.outboxSaid += f.at(1).toInt();
            }
        }
        side.wentToCopy += wentToCopy;
        side.outboxFound += std::max(0, outboxRows(pc.home + QStringLiteral("/data/respuestas-por-enviar")));
    }
    return side;
}

// What the server holds: the answers with their commit times, and its own
// time for the draws' and answers' statements (since the restart: an
// immediate stop loses those counts).
struct ServerSide
{
    qint64 rows = 0, distinctUids = 0;
    QHash<QString, qint64> arrived; // uid: committed at
    QStringList statementTimes;
};

ServerSide readServer(const QString& uri)
{
    ServerSide side;
    exec(uri, {QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT uid) FROM answer_log")}, [&](QSqlQuery& q) {
        q.next();
        side.rows = q.value(0).toLongLong();
        side.distinctUids = q.value(1).toLongLong();
    });
    exec(uri,
         {QStringLiteral("SELECT uid, (EXTRACT(EPOCH FROM pg_xact_commit_timestamp(xmin)) * 1000)::bigint "
                         "FROM answer_log")},
         [&](QSqlQuery& q) {
             while (q.next())
                 side.arrived.insert(q.value(0).toString(), q.value(1).toLongLong());
         });
    exec(uri,
         {QStringLiteral("SELECT calls, mean_exec_time, max_exec_time, "
                         "left(regexp_replace(query, '^PREPARE \\S+ AS ', ''), 50) FROM pg_stat_statements "
                         "WHERE query LIKE '%RANDOM()%' OR query LIKE '%INSERT INTO answer_log%' "
                         "ORDER BY calls DESC")},
         [&](QSqlQuery& q) {
             while (q.next())
                 side.statementTimes << QStringLiteral("  %1 calls, mean %2 ms, max %3 ms: %4")
                                            .arg(q.value(0).toLongLong())
                                            .arg(q.value(1).toDouble(), 0, 'f', 2)
                                            .arg(q.value(2).toDouble(), 0, 'f', 1)
                                            .arg(q.value(3).toString());
         });
    return side;
}

std::vector<double> joined(std::vector<double> a, const std::vector<double>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int seconds = args.size() > 1 ? args.at(1).toInt() : 360;
    const int count = args.size() > 2 ? args.at(2).toInt() : 60;
    const QString sqlite = args.size() > 3 ? args.at(3) : QStringLiteral(OL_PACK_HOME "/data/bd");
    const int draws = seconds * 1000 / kIntervalMs;

    Cluster cluster;
    if (!cluster.valid) {
        out << "no server: " << cluster.error << "\n";
        return 1;
    }
    const QString uri = cluster.uri(QStringLiteral("ondalira"));
    if (!exec(cluster.uri(QStringLiteral("postgres")), {QStringLiteral("CREATE DATABASE ondalira")}))
        return 1;
    const ServerSetup::Report setup = ServerSetup::init(uri, sqlite);
    if (!setup.ok || !exec(uri, {QStringLiteral("CREATE EXTENSION pg_stat_statements")})) {
        out << "server setup failed: " << setup.error << "\n";
        return 1;
    }
    QTemporaryDir homes;
    std::vector<Pc> pcs(count);
    if (!startClass(pcs, homes.path(), uri, draws)) {
        out << "a PC did not start; see the logs of the PCs in " << homes.path() << "\n";
        homes.setAutoRemove(false);
        return 1;
    }

    // The class: every PC at once, the server dying halfway.
    out << "class of " << count << " PCs, " << draws << " draws each, load average before " << loadAverage()
        << "\n";
    out.flush();
    const qint64 begin = QDateTime::currentMSecsSinceEpoch();
    for (Pc& pc : pcs) {
        pc.process->write("go\n");
        pc.process->waitForBytesWritten(1000); // no event loop here to send it
    }
    QThread::msleep(seconds * 500);
    qint64 connections = 0;
    exec(uri, {QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = 'ondalira'")},
         [&](QSqlQuery& q) { connections = q.next() ? q.value(0).toLongLong() : 0; });
    const qint64 stopped = QDateTime::currentMSecsSinceEpoch();
    const bool restarted = cluster.stop() && cluster.start();
    const qint64 back = QDateTime::currentMSecsSinceEpoch();
    out << "connections to the server before the stop: " << connections << " (the benchmark's own included)\n"
        << "server stopped at " << (stopped - begin) / 1000.0 << " s, accepting again after " << back - stopped
        << " ms" << (restarted ? "" : QStringLiteral(" (failed: %1)").arg(cluster.error)) << "\n";
    out.flush();
    QThread::msleep(seconds * 500);
    const QString loadAtEnd = loadAverage();
    int failedPcs = 0;
    for (Pc& pc : pcs) {
        if (!pc.process->waitForFinished(120000) || pc.process->exitStatus() != QProcess::NormalExit
            || pc.process->exitCode() != 0)
            ++failedPcs;
    }

    const PcSide pc = readPcs(pcs, stopped, back + 15000);
    const ServerSide server = readServer(uri);
    std::vector<double> arrival, arrivalNearRestart;
    int lost = 0;
    for (auto it = pc.recorded.cbegin(); it != pc.recorded.cend(); ++it) {
        const auto found = server.arrived.constFind(it.key());
        if (found == server.arrived.cend())
            ++lost;
        else
            (it.value() >= stopped && it.value() <= back + 15000 ? arrivalNearRestart : arrival)
                .push_back(double(found.value() - it.value()));
    }
    int unknown = 0;
    for (auto it = server.arrived.cbegin(); it != server.arrived.cend(); ++it)
        unknown += !pc.recorded.contains(it.key());

    out << "load average at the end " << loadAtEnd << "; PCs that failed: " << failedPcs << "\n"
        << "draw (ms), all: " << spread(joined(pc.draws, pc.drawsNearRestart))
        << "; failed (no word): " << pc.failedDraws << "; 30 ms or more: " << pc.slowDraws << "\n"
        << "draw (ms), away from the restart: " << spread(pc.draws) << "\n"
        << "draw (ms), from the stop to 15 s after the start: " << spread(pc.drawsNearRestart) << "\n"
        << "arrival (ms), all: " << spread(joined(arrival, arrivalNearRestart)) << "\n"
        << "arrival (ms), away from the restart: " << spread(arrival) << "\n"
        << "arrival (ms), recorded from the stop to 15 s after the start: " << spread(arrivalNearRestart) << "\n"
        << "answers recorded " << pc.recorded.size() << ", on the server " << pc.recorded.size() - lost
        << ", lost " << lost << ", on the server but never recorded " << unknown << "\n"
        << "rows " << server.rows << ", distinct uids " << server.distinctUids << ", doubled "
        << server.rows - server.distinctUids << "\n"
        << "outboxes at the end: the PCs say " << pc.outboxSaid << ", their files hold " << pc.outboxFound << "\n"
        << "PCs that went to their copy: " << pc.wentToCopy;
    if (pc.lastBackOnline > 0)
        out << ", the last back on the server " << (pc.lastBackOnline - back) / 1000.0 << " s after the start";
    out << "\nthe server's time per statement since the restart:\n" << server.statementTimes.join(QLatin1Char('\n'))
        << "\nwhat the PCs logged:\n";
    for (auto it = pc.logged.cbegin(); it != pc.logged.cend(); ++it)
        out << "  " << it.value() << " x " << it.key() << "\n";
    return 0;
}
