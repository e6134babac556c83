// Times the random draws of letters and words on a large generated database:
// 100,000 words in 1,000 categories, about two category links per word.
// Prints the median and maximum of each draw; nothing is asserted.
#include "config.h"
#include "contentlists.h"
#include "database.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>
#include <algorithm>
#include <functional>

namespace {
constexpr int kWords = 100000;
constexpr int kCategories = 1000;
constexpr int kLetters = 29;

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

void report(QTextStream& out, const QString& name, const std::function<void()>& draw, int runs = 50)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        draw();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    out << QStringLiteral("%1  median %2 ms  max %3 ms\n")
               .arg(name, -44)
               .arg(times.at(times.size() / 2), 8, 'f', 3)
               .arg(times.last(), 8, 'f', 3);
    out.flush();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/bd");
    QElapsedTimer build;
    build.start();
    if (!createDatabase(path, QStringLiteral(OL_SCHEMA_PATH))) {
        out << "could not create the database\n";
        return 1;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    out << "database of " << kWords << " words built in " << build.elapsed() << " ms\n";
    if (!Database::openDefault(path))
        return 1;

    Language language;
    language.loadById(1);
    Letter letter;
    letter.loadById(5);
    struct Case
    {
        QString name;
        QString categories;
        QString letters;
    };
    const QList<Case> cases = {
        {QStringLiteral("no filter"), QString(), QString()},
        {QStringLiteral("letter filter (10 letters)"), QString(), idRange(1, 10)},
        {QStringLiteral("category filter (20 categories)"), idRange(1, 20), QString()},
        {QStringLiteral("both filters"), idRange(1, 20), idRange(1, 10)},
        {QStringLiteral("every category (\"Marcar todas\")"), idRange(1, kCategories), QString()},
        {QStringLiteral("every category and letter"), idRange(1, kCategories), idRange(1, kLetters)},
    };
    LetterList letters;
    WordList words;
    for (const Case& c : cases) {
        Config settings;
        settings.language = &language;
        settings.categoryFilter = c.categories;
        settings.letterFilter = c.letters;
        report(out, QStringLiteral("letter draw, ") + c.name,
               [&] { letters.selectRandom(settings, &language); });
        report(out, QStringLiteral("availability, ") + c.name,
               [&] { letters.hasAvailable(settings, &language); });
        report(out, QStringLiteral("word draw, ") + c.name,
               [&] { words.selectRandom(settings, &letter); });
    }
    Database::closeDefault();
    return 0;
}
