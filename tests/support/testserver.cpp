#include "testserver.h"

#include "database.h"
#include "serversetup.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <pwd.h>
#include <unistd.h>

namespace {
// initdb refuses root: the cluster belongs to postgres then.
bool asRoot()
{
    return ::geteuid() == 0;
}

QString binaryFolder()
{
    const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString& version : versions) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(version);
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable())
            return bin;
    }
    return QString();
}
} // namespace

TestServer::TestServer()
    : binaries(binaryFolder())
{
    if (binaries.isEmpty() || !dir.isValid()) {
        problem = QStringLiteral("no PostgreSQL binaries under /usr/lib/postgresql");
        return;
    }
    if (asRoot()) {
        const passwd* postgres = ::getpwnam("postgres");
        if (!postgres || ::chown(QFile::encodeName(dir.path()).constData(), postgres->pw_uid, postgres->pw_gid) != 0) {
            problem = QStringLiteral("no postgres user to own the cluster");
            return;
        }
    }
    valid = run(binaries + QStringLiteral("/initdb"),
                {QStringLiteral("-D"), dir.filePath(QStringLiteral("data")), QStringLiteral("-U"),
                 QStringLiteral("postgres"), QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-N"),
                 QStringLiteral("--locale=C.UTF-8"), QStringLiteral("-E"), QStringLiteral("UTF8")})
        && start();
}

TestServer::~TestServer()
{
    if (valid)
        stop();
}

bool TestServer::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (asRoot())
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                                             QStringLiteral("--"), program}
                                                     + arguments);
    else
        process.start(program, arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    problem = QStringLiteral("%1: %2").arg(QFileInfo(program).fileName(),
                                           QString::fromLocal8Bit(process.readAll()).trimmed());
    return false;
}

bool TestServer::start()
{
    // A socket in the folder, no TCP, no fsync: nothing of it outlives the test.
    return run(binaries + QStringLiteral("/pg_ctl"),
               {QStringLiteral("-D"), dir.filePath(QStringLiteral("data")), QStringLiteral("-l"),
                dir.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-o"),
                QStringLiteral("-k %1 -c listen_addresses= -F").arg(dir.path()), QStringLiteral("start")});
}

bool TestServer::stop()
{
    return run(binaries + QStringLiteral("/pg_ctl"),
               {QStringLiteral("-D"), dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

qint64 TestServer::runOn(const QString& uri, const QStringList& statements)
{
    const QString connection = QStringLiteral("test-server-other-pc");
    qint64 value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        Database::configureServer(db, Database::parseServerUri(uri));
        if (db.open()) {
            QSqlQuery query(db);
            bool ok = true;
            for (const QString& statement : statements)
                ok = ok && query.exec(statement);
            if (ok)
                value = query.isSelect() && query.next() ? query.value(0).toLongLong() : 0;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return value;
}

QString TestServer::createDatabase(const QString& sqlitePath)
{
    const QString name = QStringLiteral("ondalira%1").arg(++made);
    const QString uri = QStringLiteral("postgresql://postgres@/%1?host=%2").arg(name, dir.path());
    if (runOn(QStringLiteral("postgresql://postgres@/postgres?host=%1").arg(dir.path()),
              {QStringLiteral("CREATE DATABASE ") + name})
        < 0) {
        problem = QStringLiteral("CREATE DATABASE %1 failed").arg(name);
        return QString();
    }
    const ServerSetup::Report report = ServerSetup::init(uri, sqlitePath);
    if (report.ok)
        return uri;
    problem = report.error;
    return QString();
}

QString TestServer::throughCable(const QString& uri, quint16 port)
{
    QString via = uri;
    via.replace(QRegularExpression(QStringLiteral("\\?host=.*$")),
                QStringLiteral("?host=127.0.0.1&port=%1&sslmode=disable").arg(port));
    return via;
}
