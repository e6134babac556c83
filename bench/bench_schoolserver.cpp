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
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const int seconds = args.size() > 1 ? args.at(1).toInt() : 360;
    const int pcs = args.size() > 2 ? args.at(2).toInt() : 60;
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

    // One program home a PC, with its connection file.
    QTemporaryDir homes;
    struct Pc
    {
        QString home;
        std::unique_ptr<QProcess> process;
    };
    std::vector<Pc> class_(pcs);
    const QString pcProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_pc");
    for (int i = 0; i < pcs; ++i) {
        Pc& pc = class_[i];
        pc.home = homes.filePath(QStringLiteral("pc%1").arg(i + 1));
        for (const char* folder : {"data", "media/system", "media/languages"})
            QDir(pc.home).mkpath(QLatin1String(folder));
        if (!writeFile(pc.home + QStringLiteral("/data/server.conf"), "database=" + uri.toUtf8() + '\n'))
            return 1;
        pc.process = std::make_unique<QProcess>();
        pc.process->setStandardErrorFile(pc.home + QStringLiteral("/log"));
        pc.process->start(pcProgram, {pc.home, QString::number(i + 1), QString::number(draws),
                                      QString::number(kIntervalMs), pc.home + QStringLiteral("/report")});
    }
    for (Pc& pc : class_) {
        QElapsedTimer waited;
        waited.start();
        while (!pc.process->canReadLine() && pc.process->state() != QProcess::NotRunning && waited.elapsed() < 180000)
            pc.process->waitForReadyRead(1000);
        if (!pc.process->canReadLine()) {
            out << pc.home << " did not start; see its log\n";
            return 1;
        }
    }

    // The class: every PC at once, the server dying halfway.
    out << "class of " << pcs << " PCs, " << draws << " draws each, load average before " << loadAverage() << "\n";
    out.flush();
    const qint64 begin = QDateTime::currentMSecsSinceEpoch();
    for (Pc& pc : class_) {
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
    for (Pc& pc : class_) {
        if (!pc.process->waitForFinished(120000) || pc.process->exitStatus() != QProcess::NormalExit
            || pc.process->exitCode() != 0)
            ++failedPcs;
    }

    // What the PCs logged, counted.
    QMap<QString, int> logged;
    for (const Pc& pc : class_) {
        QFile file(pc.home + QStringLiteral("/log"));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (!line.isEmpty())
                    ++logged[QString::fromUtf8(line).replace(pc.home, QStringLiteral("HOME")).left(160)];
    }

    // The PCs' reports.
    std::vector<double> drawMs, drawMsNearRestart;
    int failedDraws = 0, pcsOffline = 0, outboxSaid = 0, outboxFound = 0, slowDraws = 0;
    qint64 lastBackOnline = 0;
    QHash<QString, qint64> recorded;
    const qint64 windowEnd = back + 15000;
    for (const Pc& pc : class_) {
        QFile file(pc.home + QStringLiteral("/report"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        bool wentOffline = false;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.first() == "draw" && f.size() == 4) {
                const double ms = f.at(2).toDouble();
                const qint64 at = f.at(1).toLongLong();
                (at >= stopped && at <= windowEnd ? drawMsNearRestart : drawMs).push_back(ms);
                slowDraws += ms >= 30;
                failedDraws += f.at(3) == "0";
            } else if (f.first() == "answer" && f.size() == 3) {
                recorded.insert(QString::fromLatin1(f.at(1)), f.at(2).toLongLong());
            } else if (f.first() == "online" && f.size() == 3) {
                wentOffline |= f.at(1) == "0";
                if (f.at(1) == "1")
                    lastBackOnline = std::max(lastBackOnline, f.at(2).toLongLong());
            } else if (f.first() == "outbox" && f.size() == 2) {
                outboxSaid += f.at(1).toInt();
            }
        }
        pcsOffline += wentOffline;
        outboxFound += std::max(0, outboxRows(pc.home + QStringLiteral("/data/respuestas-por-enviar")));
    }

    // The server's side: when each answer was committed there.
    qint64 rows = 0, distinctUids = 0;
    QHash<QString, qint64> arrived;
    exec(uri, {QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT uid) FROM answer_log")},
         [&](QSqlQuery& q) {
             q.next();
             rows = q.value(0).toLongLong();
             distinctUids = q.value(1).toLongLong();
         });
    exec(uri,
         {QStringLiteral("SELECT uid, (EXTRACT(EPOCH FROM pg_xact_commit_timestamp(xmin)) * 1000)::bigint "
                         "FROM answer_log")},
         [&](QSqlQuery& q) {
             while (q.next())
                 arrived.insert(q.value(0).toString(), q.value(1).toLongLong());
         });
    // The server's own time for the draws' statements (since the restart:
    // an immediate stop loses these counts).
    QStringList serverTimes;
    exec(uri,
         {QStringLiteral("SELECT calls, mean_exec_time, max_exec_time, "
                         "left(regexp_replace(query, '^PREPARE \\S+ AS ', ''), 50) FROM pg_stat_statements "
                         "WHERE query LIKE '%RANDOM()%' OR query LIKE '%INSERT INTO answer_log%' "
                         "ORDER BY calls DESC")},
         [&](QSqlQuery& q) {
             while (q.next())
                 serverTimes << QStringLiteral("  %1 calls, mean %2 ms, max %3 ms: %4")
                                    .arg(q.value(0).toLongLong())
                                    .arg(q.value(1).toDouble(), 0, 'f', 2)
                                    .arg(q.value(2).toDouble(), 0, 'f', 1)
                                    .arg(q.value(3).toString());
         });
    std::vector<double> arrival, arrivalNearRestart;
    int lost = 0;
    for (auto it = recorded.cbegin(); it != recorded.cend(); ++it) {
        const auto found = arrived.constFind(it.key());
        if (found == arrived.cend()) {
            ++lost;
            continue;
        }
        (it.value() >= stopped && it.value() <= windowEnd ? arrivalNearRestart : arrival)
            .push_back(double(found.value() - it.value()));
    }
    int unknown = 0;
    for (auto it = arrived.cbegin(); it != arrived.cend(); ++it)
        unknown += !recorded.contains(it.key());

    std::vector<double> allDraws = drawMs;
    allDraws.insert(allDraws.end(), drawMsNearRestart.begin(), drawMsNearRestart.end());
    std::vector<double> allArrivals = arrival;
    allArrivals.insert(allArrivals.end(), arrivalNearRestart.begin(), arrivalNearRestart.end());
    out << "load average at the end " << loadAtEnd << "; PCs that failed: " << failedPcs << "\n"
        << "draw (ms), all: " << spread(allDraws) << "; failed (no word): " << failedDraws
        << "; 30 ms or more: " << slowDraws << "\n"
        << "draw (ms), away from the restart: " << spread(drawMs) << "\n"
        << "draw (ms), from the stop to 15 s after the start: " << spread(drawMsNearRestart) << "\n"
        << "arrival (ms), all: " << spread(allArrivals) << "\n"
        << "arrival (ms), away from the restart: " << spread(arrival) << "\n"
        << "arrival (ms), recorded from the stop to 15 s after the start: " << spread(arrivalNearRestart) << "\n"
        << "answers recorded " << recorded.size() << ", on the server " << recorded.size() - lost << ", lost "
        << lost << ", on the server but never recorded " << unknown << "\n"
        << "rows " << rows << ", distinct uids " << distinctUids << ", doubled " << rows - distinctUids << "\n"
        << "outboxes at the end: the PCs say " << outboxSaid << ", their files hold " << outboxFound << "\n"
        << "PCs that went to their copy: " << pcsOffline;
    if (lastBackOnline > 0)
        out << ", the last back on the server " << (lastBackOnline - back) / 1000.0 << " s after the start";
    out << "\nthe server's time per statement since the restart:\n" << serverTimes.join(QLatin1Char('\n'))
        << "\nwhat the PCs logged:\n";
    for (auto it = logged.cbegin(); it != logged.cend(); ++it)
        out << "  " << it.value() << " x " << it.key() << "\n";
    return 0;
}
