// Times the answer record and the progress report: one recorded answer on a
// database file (as a round stores it), and the report's queries and dialog
// for a child with 100,000 answers (plus 20,000 of other children).
// Prints medians and maxima; nothing is asserted.
#include "answerlog.h"
#include "database.h"
#include "progressdialog.h"
#include "progressstats.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>

namespace {
constexpr int kAnswers = 100000;
constexpr int kOtherAnswers = 20000;
const QStringList kLetters = {"A", "B", "C", "CH", "D", "E", "F", "G", "H", "I", "J", "K", "L", "LL", "M",
                              "N", "Ñ", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
const int kExercises[] = {21, 23, 25, 30, 31};

QTextStream out(stdout);

struct Figures
{
    double median = 0;
    double max = 0;
};

// Milliseconds of `runs` calls.
Figures time(int runs, const std::function<void()>& work)
{
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        ms << clock.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.last()};
}

void print(const QString& what, const Figures& f)
{
    out << what.leftJustified(50) << QString::number(f.median, 'f', 4).rightJustified(10)
        << QString::number(f.max, 'f', 3).rightJustified(10) << '\n';
    out.flush();
}

bool createDatabase(const QString& path)
{
    QFile schemaFile(QStringLiteral(OL_SCHEMA_PATH));
    if (!schemaFile.open(QIODevice::ReadOnly))
        return false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup"));
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        QSqlQuery query(db);
        for (const QString& s : Database::scriptStatements(QString::fromUtf8(schemaFile.readAll())))
            query.exec(s);
        query.exec(QStringLiteral("INSERT INTO language (id, name) VALUES (1, 'Español')"));
        for (const QString& l : kLetters)
            query.exec(QStringLiteral("INSERT INTO letter (name, id_language) VALUES ('%1', 1)").arg(l));
        query.exec(QStringLiteral("INSERT INTO user (id, name) VALUES (1, 'Ana'), (2, 'Luis')"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    return Database::openDefault(path);
}

Answer randomAnswer(QRandomGenerator& random, int user, const QDateTime& at)
{
    Answer a;
    a.userId = user;
    a.languageId = 1;
    a.activity = kExercises[random.bounded(5)];
    a.expected = kLetters.at(int(random.bounded(kLetters.size())));
    a.correct = random.bounded(100) < 70;
    a.typed = a.correct ? a.expected : kLetters.at(int(random.bounded(kLetters.size())));
    a.word = a.expected.toLower() + QStringLiteral("palabra");
    a.attempt = int(random.bounded(3)) + 1;
    a.elapsedMs = int(random.bounded(8000));
    a.answeredAt = at;
    return a;
}

void generate(int user, int count, QRandomGenerator& random)
{
    // Spread over the last 120 days, oldest first.
    const QDateTime start = QDateTime::currentDateTime().addDays(-120);
    QList<Answer> answers;
    for (int i = 0; i < count; ++i)
        answers << randomAnswer(random, user, start.addSecs(qint64(i) * 120 * 86400 / count));
    AnswerLog::insert(answers);
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // A database on disk, as the program uses it; BENCH_DIR picks the disk.
    const QString folder = qEnvironmentVariable("BENCH_DIR", dir.path());
    const QString path = folder + QStringLiteral("/bench-progress.db");
    QFile::remove(path);
    if (!createDatabase(path)) {
        out << "cannot create " << path << '\n';
        return 1;
    }
    QRandomGenerator random(11);
    AnswerLog log;
    out << "database: " << path << "\n\n";
    out << QStringLiteral("what").leftJustified(50) << " median ms" << "    max ms\n";

    // One answer as a round records it: queued on the round's thread, then
    // written (own statement and commit) by the writer thread.
    const QDateTime now = QDateTime::currentDateTime();
    const auto recordOne = [&](const QString& stored) {
        print(QStringLiteral("record one answer, round's share (%1)").arg(stored),
              time(200, [&] { log.record(randomAnswer(random, 1, now)); }));
        log.flush();
        print(QStringLiteral("  the write itself, in its thread (%1)").arg(stored), time(100, [&] {
                  log.record(randomAnswer(random, 1, now));
                  log.flush();
              }));
    };
    recordOne(QStringLiteral("empty"));
    generate(1, kAnswers, random);
    generate(2, kOtherAnswers, random);
    recordOne(QStringLiteral("120,000 stored"));

    const QDate today = QDate::currentDate();
    print(QStringLiteral("letter grid"), time(10, [] { ProgressStats::letterGrid(1, 1); }));
    print(QStringLiteral("answers per day, 4 weeks"),
          time(10, [&] { ProgressStats::perDay(1, 1, today.addDays(-27), today); }));
    print(QStringLiteral("confused pairs"), time(10, [] { ProgressStats::confusedPairs(1, 1); }));
    print(QStringLiteral("progress dialog: build and show"), time(10, [&] {
              ProgressDialog dialog(1, 1, &log);
              dialog.show();
              QApplication::processEvents();
          }));
    print(QStringLiteral("PDF report"), time(3, [&] {
              ProgressDialog dialog(1, 1, &log);
              dialog.exportPdf(folder + QStringLiteral("/bench-progress.pdf"));
          }));
    print(QStringLiteral("CSV export (100,000 rows)"), time(3, [&] {
              ProgressDialog dialog(1, 1, &log);
              dialog.exportCsv(folder + QStringLiteral("/bench-progress.csv"));
          }));

    // What the indexes are worth.
    QSqlQuery drop;
    for (const char* index : {"answer_log_by_day", "answer_log_by_letter", "answer_log_by_result"})
        drop.exec(QStringLiteral("DROP INDEX %1").arg(QLatin1String(index)));
    print(QStringLiteral("without indexes: letter grid"), time(5, [] { ProgressStats::letterGrid(1, 1); }));
    print(QStringLiteral("without indexes: answers per day"),
          time(5, [&] { ProgressStats::perDay(1, 1, today.addDays(-27), today); }));
    print(QStringLiteral("without indexes: confused pairs"),
          time(5, [] { ProgressStats::confusedPairs(1, 1); }));
    print(QStringLiteral("without indexes: the write itself"), time(100, [&] {
              log.record(randomAnswer(random, 1, now));
              log.flush();
          }));
    out << "failed writes: " << log.failedWrites() << '\n';
    return 0;
}
