// Times the random draws of letters and words on a large generated database:
// 100,000 words in 1,000 categories, about two category links per word, on
// SQLite and, when a server is given (a libpq URI as the argument, or the
// PG* variables, e.g. under pg_virtualenv), on a fresh PostgreSQL database
// filled from it the way a school's server is set up. Prints p50 and p99 of
// each draw on each engine; nothing is asserted.
#include "config.h"
#include "contentlists.h"
#include "database.h"
#include "serversetup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <functional>

namespace {
constexpr int kWords = 100000;
constexpr int kCategories = 1000;
constexpr int kLetters = 29;
constexpr int kRuns = 200;

bool createDatabase(const QString& path, const QString& schemaPath)
{
    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly))
        return false;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(path);
    if (!db.open())
        return false;
    QSqlQuery query(db);
    for (const QString& statement : Database::scriptStatements(QString::fromUtf8(schemaFile.readAll())))
        if (!query.exec(statement))
            return false;
    QRandomGenerator random(7);
    db.transaction();
    query.exec(QStringLiteral("INSERT INTO language (id, name) VALUES (1, 'L')"));
    for (int l = 1; l <= kLetters; ++l)
        query.exec(QStringLiteral("INSERT INTO letter (id, name, id_language) VALUES (%1, 'L%1', 1)").arg(l));
    for (int c = 1; c <= kCategories; ++c)
        query.exec(QStringLiteral("INSERT INTO category (id, name, id_language) VALUES (%1, 'C%1', 1)").arg(c));
    QSqlQuery word(db);
    word.prepare(QStringLiteral("INSERT INTO word (id, name, fullName, id_letter) VALUES (?, ?, ?, ?)"));
    QSqlQuery link(db);
    link.prepare(QStringLiteral("INSERT OR IGNORE INTO word_x_category (id_word, id_category) VALUES (?, ?)"));
    for (int w = 1; w <= kWords; ++w) {
        const QString name = QStringLiteral("w%1").arg(w);
        word.addBindValue(w);
        word.addBindValue(name);
        word.addBindValue(name);
        word.addBindValue(int(random.bounded(kLetters)) + 1);
        word.exec();
        for (int k = 0; k < 2; ++k) {
            link.addBindValue(w);
            link.addBindValue(int(random.bounded(kCategories)) + 1);
            link.exec();
        }
    }
    db.commit();
    query.exec(QStringLiteral("ANALYZE"));
    db.close();
    return true;
}


QString idRange(int from, int to)
{
    QStringList ids;
    for (int i = from; i <= to; ++i)
        ids << QString::number(i);
    return ids.join(QLatin1Char(','));
}

struct Figures
{
    double p50 = 0;
    double p99 = 0;
};

Figures timeDraws(const std::function<void()>& draw)
{
    QList<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        draw();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return {times.at(times.size() / 2), times.at(times.size() * 99 / 100)};
}

struct Case
{
    QString name;
    QString categories;
    QString letters;
};

const QList<Case>& cases()
{
    static const QList<Case> list = {
        {QStringLiteral("no filter"), QString(), QString()},
        {QStringLiteral("letters (10)"), QString(), idRange(1, 10)},
        {QStringLiteral("categories (20)"), idRange(1, 20), QString()},
        {QStringLiteral("both"), idRange(1, 20), idRange(1, 10)},
        {QStringLiteral("every category"), idRange(1, kCategories), QString()},
        {QStringLiteral("every category and letter"), idRange(1, kCategories), idRange(1, kLetters)},
    };
    return list;
}

const QStringList kDraws = {QStringLiteral("letter"), QStringLiteral("availability"),
                            QStringLiteral("word of a letter")};

// Every draw of every case on the default connection, in the order of
// cases() × kDraws.
QList<Figures> timeEngine()
{
    Language language;
    language.loadById(1);
    Letter letter;
    letter.loadById(5);
    LetterList letters;
    WordList words;
    QList<Figures> figures;
    for (const Case& c : cases()) {
        Config settings;
        settings.language = &language;
        settings.categoryFilter = c.categories;
        settings.letterFilter = c.letters;
        figures << timeDraws([&] { letters.selectRandom(settings, &language); });
        figures << timeDraws([&] { letters.hasAvailable(settings, &language); });
        figures << timeDraws([&] { words.selectRandom(settings, &letter); });
        if (words.isEmpty())
            qWarning("no word drawn for %s", qPrintable(c.name));
    }
    return figures;
}

bool execOn(const QString& uri, const QString& statement, QString* error)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench-admin"));
        Database::configureServer(db, Database::parseServerUri(uri));
        QSqlQuery query(db);
        ok = db.open() && query.exec(statement);
        if (!ok)
            *error = db.isOpen() ? query.lastError().text() : db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-admin"));
    return ok;
}

// The server's URI with another database in its path.
QString withDatabase(const QString& uri, const QString& name)
{
    QUrl url(uri);
    url.setPath(QLatin1Char('/') + name);
    return url.toString();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/bd");
    QElapsedTimer clock;
    clock.start();
    if (!createDatabase(path, QStringLiteral(OL_SCHEMA_PATH))) {
        out << "could not create the database\n";
        return 1;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    out << "SQLite database of " << kWords << " words built in " << clock.elapsed() << " ms\n";
    out.flush();
    if (!Database::openDefault(path))
        return 1;
    const QList<Figures> sqlite = timeEngine();
    Database::closeDefault();

    // Empty host, user and database: libpq takes them from PGHOST and the rest.
    const QString server = argc > 1 ? QString::fromLocal8Bit(argv[1])
        : qEnvironmentVariableIsSet("PGHOST") ? QStringLiteral("postgresql:///") : QString();
    QList<Figures> postgres;
    if (!server.isEmpty()) {
        const QString name = QStringLiteral("ondalira_bench_%1").arg(QCoreApplication::applicationPid());
        const QString uri = withDatabase(server, name);
        QString error;
        clock.restart();
        if (!execOn(server, QStringLiteral("CREATE DATABASE ") + name, &error)) {
            out << "could not create a database on the server: " << error << "\n";
            return 1;
        }
        const ServerSetup::Report report = ServerSetup::init(uri, path);
        // As SQLite's: the planner's statistics, which autovacuum would gather soon.
        if (!report.ok || !execOn(uri, QStringLiteral("ANALYZE"), &error)) {
            out << "could not fill the server's database: " << (report.ok ? error : report.error) << "\n";
            execOn(server, QStringLiteral("DROP DATABASE ") + name, &error);
            return 1;
        }
        out << "copied onto PostgreSQL (ServerSetup::init) in " << clock.elapsed() << " ms\n";
        if (Database::openDefaultServer(uri))
            postgres = timeEngine();
        else
            out << "could not open " << uri << "\n";
        Database::closeDefault();
        execOn(server, QStringLiteral("DROP DATABASE ") + name, &error);
    }

    out << "\n" << kRuns << " draws each, milliseconds\n\n| filter | draw | SQLite p50 | SQLite p99 |"
        << (postgres.isEmpty() ? "" : " PostgreSQL p50 | PostgreSQL p99 |") << "\n|---|---|---:|---:|"
        << (postgres.isEmpty() ? "" : "---:|---:|") << "\n";
    for (qsizetype i = 0; i < sqlite.size(); ++i) {
        out << "| " << cases().at(i / kDraws.size()).name << " | " << kDraws.at(i % kDraws.size()) << " | "
            << QString::number(sqlite.at(i).p50, 'f', 2) << " | " << QString::number(sqlite.at(i).p99, 'f', 2)
            << " |";
        if (!postgres.isEmpty())
            out << " " << QString::number(postgres.at(i).p50, 'f', 2) << " | "
                << QString::number(postgres.at(i).p99, 'f', 2) << " |";
        out << "\n";
    }
    return 0;
}
