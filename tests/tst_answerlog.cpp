// The record of answers: what a played round stores, a failing write, the
// report's numbers for a known record, and the CSV file.
#include "answercsv.h"
#include "answerlog.h"
#include "answeroutbox.h"
#include "database.h"
#include "testserver.h"
#include "config.h"
#include "schemaupgrade.h"
#include "mainwindow.h"
#include "admwindow.h"
#include "configwidget.h"
#include "inputdialog.h"
#include "progressdialog.h"
#include "progressstats.h"
#include "sounddevice.h"
#include "widgets.h"
#include "user.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QLabel>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QTest>

namespace {
Answer answer(int user, int activity, const QString& expected, const QString& typed, int attempt,
              const QDateTime& at, const QString& word = QStringLiteral("palabra"))
{
    Answer a;
    a.userId = user;
    a.languageId = 1;
    a.activity = activity;
    a.expected = expected;
    a.word = word;
    a.typed = typed;
    a.correct = expected == typed;
    a.attempt = attempt;
    a.elapsedMs = 1500;
    a.answeredAt = at;
    return a;
}

QString describe(const Answer& a)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6%7")
        .arg(a.activity)
        .arg(a.expected, a.word, a.typed, a.correct ? QStringLiteral("bien") : QStringLiteral("mal"))
        .arg(a.attempt)
        .arg(a.heardOnly ? QStringLiteral(" oída") : QString());
}
} // namespace

class TestAnswerLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldRecordEveryKeyOfPlayedRound_data();
    void shouldRecordEveryKeyOfPlayedRound();
    void shouldGoOnWithRoundWhenRecordFails();
    void shouldCountEveryAnswerThatCouldNotBeWritten();
    void shouldCountLastFirstAnswersPerLetterAndExercise_data() { TestHome::addEngineRows(); }
    void shouldCountLastFirstAnswersPerLetterAndExercise();
    void shouldShowTheClassAtAGlance_data() { TestHome::addEngineRows(); }
    void shouldShowTheClassAtAGlance();
    void shouldReadBackWrittenCsv();
    void shouldDeliverEveryAnswerToTheServerOnce_data();
    void shouldDeliverEveryAnswerToTheServerOnce();
    void shouldGoOnWithTheLessonWhileTheServerIsAway();
};

void TestAnswerLog::shouldRecordEveryKeyOfPlayedRound_data()
{
    QTest::addColumn<int>("activity");
    QTest::addColumn<int>("listening"); // 0 off; 1 with a sound output; 2 without
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("rows");
    const QStringList wrongThenRight = {"x", "y"};
    for (int activity : {21, 23, 25, 30, 31}) {
        const QString code = QString::number(activity);
        QTest::addRow("exercise %d, wrong then right", activity)
            << activity << 0 << wrongThenRight
            << QStringList{code + " Y y X mal 1", code + " Y y Y bien 2"};
    }
    // After the third wrong key the answer shows and further keys are not answers.
    QTest::newRow("three wrong keys")
        << 21 << 0 << QStringList{"x", "w", "v", "y"}
        << QStringList{"21 Y y X mal 1", "21 Y y W mal 2", "21 Y y V mal 3"};
    // Listening practice: the question was heard only, where it can be.
    QTest::newRow("21 heard only")
        << 21 << 1 << wrongThenRight << QStringList{"21 Y y X mal 1 oída", "21 Y y Y bien 2 oída"};
    QTest::newRow("21 listening without a sound output")
        << 21 << 2 << wrongThenRight << QStringList{"21 Y y X mal 1", "21 Y y Y bien 2"};
    QTest::newRow("23 listening: its question is the face")
        << 23 << 1 << wrongThenRight << QStringList{"23 Y y X mal 1", "23 Y y Y bien 2"};
}

void TestAnswerLog::shouldRecordEveryKeyOfPlayedRound()
{
    QFETCH(int, activity);
    QFETCH(int, listening);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, rows);
    WindowFixture f;
    QVERIFY(f.isValid());
    for (const char* letter : {"V", "W", "X"})
        f.addLetter(QString::fromLatin1(letter));
    f.setLanguageSetting(QStringLiteral("use-labial"), 1);
    f.addWord(QStringLiteral("Y"), QStringLiteral("y"));
    if (listening) {
        f.setUserSetting(SettingKey::Sound, 1);
        f.setUserSetting(SettingKey::ListenOnly, 1);
        // The videos here are empty files: safe for an audio output.
        SoundDevice::setCheck([listening] { return listening == 1; });
    }
    f.start();
    f.startActivity(activity);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    for (const QString& key : keys)
        f.typeLetter(key);
    SoundDevice::setCheck({});

    // The record is written beside the round, by a thread of its own.
    QTRY_COMPARE(AnswerLog::answersOf(f.userId, f.languageId).size(), rows.size());
    const QList<Answer> stored = AnswerLog::answersOf(f.userId, f.languageId);
    QStringList seen;
    for (const Answer& a : stored) {
        seen << describe(a);
        QVERIFY(a.elapsedMs >= 0 && a.elapsedMs < 60000);
        QVERIFY(a.answeredAt >= before && a.answeredAt <= QDateTime::currentDateTime());
    }
    QCOMPARE(seen, rows);
}

void TestAnswerLog::shouldGoOnWithRoundWhenRecordFails()
{
    WindowFixture f;
    QVERIFY(f.isValid());
    f.addLetter(QStringLiteral("X"));
    f.addWord(QStringLiteral("Y"), QStringLiteral("y"));
    f.picture(f.sysPath() + QStringLiteral("feedback/wrong1.png"));
    f.picture(f.sysPath() + QStringLiteral("feedback/wrong2.png"));
    f.picture(f.sysPath() + QStringLiteral("feedback/wrong3.png"));
    MainWindow* w = f.start();
    f.startActivity(21);
    QVERIFY(TestHome::exec(QStringLiteral("DROP TABLE answer_log")));

    f.typeLetter(QStringLiteral("x"));
    // The child sees the usual answer to a wrong key, and no message.
    QVERIFY(child<QLabel>(w, "feedbackLabel")->isVisible());
    QVERIFY(f.shownFile(child<QLabel>(w, "feedbackLabel")).contains(QStringLiteral("wrong")));
    QCOMPARE(f.warningsAnswered(), 0);

    // The adult sees it in the report.
    w->slotProgreso();
    auto* report = w->findChild<ProgressDialog*>();
    QVERIFY(report);
    auto* failure = report->findChild<QLabel*>(QStringLiteral("recordFailureLabel"));
    QVERIFY(failure->isVisible());
    QVERIFY(failure->text().contains(QStringLiteral(": 1")));
    // The driver's own words are for the developer.
    QVERIFY2(!failure->text().contains(QStringLiteral("answer_log")), qPrintable(failure->text()));
    report->close();

    // Upgraded as a database of the version before the record, it records again.
    QVERIFY(TestHome::exec(QStringLiteral("DROP TABLE adult_pin")));
    QVERIFY(TestHome::exec(QStringLiteral("ALTER TABLE user DROP COLUMN picture")));
    QVERIFY(TestHome::exec(QStringLiteral("ALTER TABLE word DROP COLUMN revision")));
    QVERIFY(TestHome::exec(QStringLiteral("PRAGMA user_version = 1")));
    QVERIFY(SchemaUpgrade::upgrade(QSqlDatabase::database(), f.home.databasePath()).ok);
    f.typeLetter(QStringLiteral("y"));
    QTRY_COMPARE(AnswerLog::answersOf(f.userId, f.languageId).size(), 1);
    const QList<Answer> stored = AnswerLog::answersOf(f.userId, f.languageId);
    QCOMPARE(describe(stored.first()), QStringLiteral("21 Y y Y bien 2"));
}

void TestAnswerLog::shouldCountEveryAnswerThatCouldNotBeWritten()
{
    TestHome home;
    QVERIFY(home.isValid());
    QCOMPARE(TestHome::addLanguage(QStringLiteral("Español")), 1);
    const QDateTime at(QDate(2026, 4, 1), QTime(9, 0));
    QVERIFY(TestHome::exec(QStringLiteral(
        "CREATE TRIGGER refused BEFORE INSERT ON answer_log WHEN NEW.typed = 'Z' "
        "BEGIN SELECT RAISE(ABORT, 'no'); END")));
    // All or nothing: one refused answer keeps its whole batch out.
    QString error;
    QVERIFY(!AnswerLog::insert({answer(1, 21, "A", "A", 1, at), answer(1, 21, "A", "Z", 1, at),
                                answer(1, 21, "A", "A", 1, at)},
                               &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(AnswerLog::answersOf(1, 1).size(), 0);

    // The writer counts every answer lost, over several writes, and stores
    // again once the database takes them.
    AnswerLog log;
    for (int i = 0; i < 3; ++i)
        log.record(answer(1, 21, "A", "Z", 1, at));
    log.flush();
    QCOMPARE(log.failedWrites(), 3);
    log.record(answer(1, 23, "B", "Z", 1, at));
    log.flush();
    QCOMPARE(log.failedWrites(), 4);
    QVERIFY(!log.lastError().isEmpty());
    log.record(answer(1, 21, "A", "A", 1, at));
    log.flush();
    QCOMPARE(log.failedWrites(), 4);
    QCOMPARE(AnswerLog::answersOf(1, 1).size(), 1);
}

void TestAnswerLog::shouldCountLastFirstAnswersPerLetterAndExercise()
{
    QFETCH(Database::Engine, engine);
    if (!TestHome::canUse(engine))
        return;
    TestHome home(engine);
    QVERIFY(home.isValid());
    const int language = TestHome::addLanguage(QStringLiteral("Español"));
    QCOMPARE(language, 1);
    for (const char* letter : {"O", "N", "LL", "L", "CH", "C", "A", "Ñ"})
        TestHome::addLetter(QString::fromUtf8(letter), language);

    const QDateTime day1(QDate(2026, 3, 2), QTime(10, 0));
    const QDateTime day2(QDate(2026, 3, 3), QTime(9, 30));
    // Letter A, exercise 21: two old wrong answers, then ten with seven right
    // (the oldest ten would hold five).
    QList<Answer> answers = {answer(1, 21, "A", "E", 1, day1), answer(1, 21, "A", "E", 1, day1)};
    for (const char* typed : {"A", "A", "E", "A", "A", "E", "A", "E", "A", "A"})
        answers << answer(1, 21, "A", QString::fromLatin1(typed), 1, day1);
    // Second attempts are not first answers.
    for (int i = 0; i < 3; ++i)
        answers << answer(1, 21, "A", "A", 2, day1);
    answers << answer(1, 25, "CH", "C", 1, day2);
    // Questions heard only are a channel of their own.
    for (const char* typed : {"A", "O", "O"}) {
        answers << answer(1, 21, "A", QString::fromLatin1(typed), 1, day2);
        answers.last().heardOnly = true;
    }
    // A letter deleted since stays in the grid.
    answers << answer(1, 30, "W", "W", 1, day1);
    // Another child's answers count for that child only.
    for (int i = 0; i < 5; ++i)
        answers << answer(2, 21, "A", "O", 1, day1);
    QVERIFY(AnswerLog::insert(answers));

    const ProgressStats::Grid grid = ProgressStats::letterGrid(1, language);
    QCOMPARE(grid.letters, (QStringList{"A", "C", "CH", "L", "LL", "N", "Ñ", "O", "W"}));
    QCOMPARE(grid.cell("A", 21).answers, 10);
    QCOMPARE(grid.cell("A", 21).right, 7);
    QCOMPARE(grid.cell("A", 21 + ProgressStats::kHeardOnly).answers, 3);
    QCOMPARE(grid.cell("A", 21 + ProgressStats::kHeardOnly).right, 1);
    QVERIFY(ProgressStats::exercises().contains(21 + ProgressStats::kHeardOnly));
    QCOMPARE(grid.cell("CH", 25).answers, 1);
    QCOMPARE(grid.cell("CH", 25).right, 0);
    QCOMPARE(grid.cell("W", 30).right, 1);
    QVERIFY(grid.cell("A", 23).isEmpty());
    QCOMPARE(ProgressStats::letterGrid(2, language).cell("A", 21).right, 0);

    const QList<ProgressStats::Pair> pairs = ProgressStats::confusedPairs(1, language);
    QCOMPARE(pairs.size(), 3);
    QCOMPARE(pairs[0].expected + pairs[0].typed + QString::number(pairs[0].count), QStringLiteral("AE5"));
    QCOMPARE(pairs[1].expected + pairs[1].typed + QString::number(pairs[1].count), QStringLiteral("AO2"));
    QCOMPARE(pairs[2].expected + pairs[2].typed + QString::number(pairs[2].count), QStringLiteral("CHC1"));

    const QList<ProgressStats::Day> days
        = ProgressStats::perDay(1, language, day1.date().addDays(-1), day2.date().addDays(1));
    QStringList perDay;
    for (const ProgressStats::Day& d : days)
        perDay << QStringLiteral("%1 %2/%3").arg(d.day.toString(Qt::ISODate)).arg(d.right).arg(d.answers);
    QCOMPARE(perDay, (QStringList{"2026-03-01 0/0", "2026-03-02 11/16", "2026-03-03 1/4",
                                  "2026-03-04 0/0"}));
}

void TestAnswerLog::shouldShowTheClassAtAGlance()
{
    QFETCH(Database::Engine, engine);
    if (!TestHome::canUse(engine))
        return;
    TestHome home(engine);
    QVERIFY(home.isValid());
    const int language = TestHome::addLanguage(QStringLiteral("Español"));
    for (const char* letter : {"B", "A", "Ñ"})
        TestHome::addLetter(QString::fromUtf8(letter), language);
    QList<int> ids;
    for (const char* name : {"Bea", "Zoe", "Ángel"}) {
        User user;
        user.name = QString::fromUtf8(name);
        QVERIFY(user.save());
        ids << user.id;
    }
    const int bea = ids.at(0), zoe = ids.at(1), angel = ids.at(2);
    const QDateTime at(QDate(2026, 3, 2), QTime(10, 0));
    // Every exercise counts for the letter; second attempts do not.
    QVERIFY(AnswerLog::insert({answer(angel, 21, "A", "A", 1, at), answer(angel, 23, "A", "E", 1, at),
                               answer(angel, 31, "B", "B", 1, at), answer(angel, 31, "B", "B", 2, at),
                               answer(bea, 21, "B", "V", 1, at), answer(bea, 30, "B", "P", 1, at),
                               answer(zoe, 25, "W", "W", 1, at)}));

    const ProgressStats::ClassGrid grid = ProgressStats::classGrid(language);
    // A letter deleted since stays; children in Spanish order.
    QCOMPARE(grid.letters, (QStringList{"A", "B", "Ñ", "W"}));
    QStringList rows;
    for (const ProgressStats::ClassRow& row : grid.rows) {
        QStringList cells{row.name};
        for (const QString& letter : grid.letters) {
            const ProgressStats::Cell cell = row.cells.value(letter);
            cells << QStringLiteral("%1/%2").arg(cell.right).arg(cell.answers);
        }
        rows << cells.join(QLatin1Char(' '));
    }
    QCOMPARE(rows, (QStringList{"Ángel 1/2 1/1 0/0 0/0", "Bea 0/0 0/2 0/0 0/0", "Zoe 0/0 0/0 0/0 1/1"}));
    QCOMPARE(QString::fromUtf8(ProgressStats::classCsv(grid)),
             QStringLiteral("usuario,A,B,Ñ,W\nÁngel,1/2,1/1,,\nBea,,0/2,,\nZoe,,,,1/1\n"));

    // A child's row leads to that child's report.
    ProgressDialog dialog(language, angel, nullptr);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    dialog.show();
    auto* tabs = child<QTabWidget>(&dialog, "progressTabs");
    tabs->setCurrentIndex(1);
    auto* table = child<QTableWidget>(&dialog, "classGrid");
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(1, 1)->text(), ProgressReport::cellText(grid.rows.at(1).cells.value("B")));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 1)).center());
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(&dialog, "progressUserBox")->currentText(), QStringLiteral("Bea"));
    QCOMPARE(dialog.shown().userName, QStringLiteral("Bea"));
}

void TestAnswerLog::shouldReadBackWrittenCsv()
{
    const QDateTime at(QDate(2026, 5, 1), QTime(17, 45, 3));
    QList<Answer> answers = {answer(3, 31, "Ñ", "N", 1, at, QStringLiteral("ñandú")),
                             answer(3, 30, "CH", "CH", 2, at, QStringLiteral("sí, \"no\"")),
                             answer(3, 21, "A", "A", 1, at.addDays(1), QStringLiteral("dos\nlíneas")),
                             answer(3, 21, "B", "B", 1, at, QStringLiteral("oído"))};
    answers.last().heardOnly = true;
    const QByteArray csv = AnswerCsv::write(answers, QStringLiteral("Pérez, Ana"), QStringLiteral("Español"));
    QVERIFY(csv.startsWith("usuario,id_usuario,idioma,"));
    QVERIFY(csv.contains("\"Pérez, Ana\""));

    QList<Answer> read;
    QVERIFY(AnswerCsv::read(csv, read));
    QCOMPARE(read.size(), answers.size());
    for (qsizetype i = 0; i < answers.size(); ++i)
        QVERIFY2(read[i] == answers[i], qPrintable(describe(read[i])));
    // A file written before listening practice, without its column.
    QVERIFY(AnswerCsv::read("usuario,id_usuario,idioma,id_idioma,actividad,letra,palabra,tecla,"
                            "correcta,intento,ms,fecha\r\nAna,3,Español,1,21,A,ala,A,1,1,900,"
                            "2026-05-01 17:45:03\r\n", read));
    QCOMPARE(read.size(), 1);
    QCOMPARE(describe(read.first()), QStringLiteral("21 A ala A bien 1"));
    QVERIFY(!AnswerCsv::read("name,letter\r\nAna,A\r\n", read));
    QVERIFY(read.isEmpty());
}

namespace {
// The answers on the server: how many, and how many different ids.
QPair<int, int> answersOnServer(const QString& uri)
{
    return {int(TestServer::runOn(uri, {QStringLiteral("SELECT COUNT(*) FROM answer_log")})),
            int(TestServer::runOn(uri, {QStringLiteral("SELECT COUNT(DISTINCT uid) FROM answer_log")}))};
}
} // namespace

void TestAnswerLog::shouldDeliverEveryAnswerToTheServerOnce_data()
{
    QTest::addColumn<QString>("story");
    QTest::addColumn<int>("answers");
    QTest::newRow("the server there all along") << "up" << 5;
    QTest::newRow("the server stopped in the middle, then back") << "stopped" << 7;
    QTest::newRow("the program closed while the server was away") << "closed" << 4;
    QTest::newRow("sent again: the outbox's commit lost in a crash") << "replayed" << 3;
}

// A real server of the test's own: an answer reaches it once, whatever
// happens to the server or the program in between.
void TestAnswerLog::shouldDeliverEveryAnswerToTheServerOnce()
{
    QFETCH(QString, story);
    QFETCH(int, answers);
    TestServer server;
    QVERIFY2(server.isValid(), qPrintable(server.error()));
    QString uri;
    {
        TestHome embedded(Database::Engine::SQLite);
        QVERIFY(embedded.isValid());
        Database::closeDefault();
        uri = server.createDatabase(embedded.databasePath());
    }
    QVERIFY2(!uri.isEmpty(), qPrintable(server.error()));
    QTemporaryDir pc;
    const QString outbox = pc.filePath(QStringLiteral("respuestas-por-enviar"));
    const QDateTime at(QDate(2026, 12, 7), QTime(9, 0));
    const auto some = [&](int n) {
        QList<Answer> list;
        for (int i = 0; i < n; ++i)
            list << answer(1, 21, QStringLiteral("A"), QStringLiteral("A"), 1, at.addSecs(i));
        return list;
    };

    if (story == QLatin1String("replayed")) {
        QList<Answer> sent = some(answers);
        for (Answer& a : sent)
            a.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("this PC"));
        Database::configureServer(db, Database::parseServerUri(uri));
        QVERIFY(db.open());
        {
            AnswerOutbox box(outbox);
            QVERIFY(box.add(sent));
            QCOMPARE(box.deliver(db), answers);
            QVERIFY(box.add(sent)); // as if the outbox had never forgotten them
            QCOMPARE(box.size(), answers);
            QCOMPARE(box.deliver(db), answers);
            QCOMPARE(box.size(), 0);
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("this PC"));
    } else if (story == QLatin1String("closed")) {
        QVERIFY(server.stop());
        {
            AnswerLog log;
            log.useServer(uri, outbox);
            for (const Answer& a : some(answers))
                log.record(a);
            log.flush();
            QCOMPARE(log.waiting(), answers);
            QCOMPARE(log.failedWrites(), 0);
        }
        QVERIFY(server.start());
        AnswerLog nextDay; // sends what the last run left, before any new answer
        nextDay.useServer(uri, outbox);
        nextDay.flush();
        QCOMPARE(nextDay.waiting(), 0);
    } else {
        AnswerLog log;
        log.useServer(uri, outbox);
        const QList<Answer> list = some(answers);
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (story == QLatin1String("stopped") && i == 3) {
                log.flush();
                QCOMPARE(log.waiting(), 0);
                QVERIFY(server.stop());
            }
            log.record(list.at(i));
        }
        log.flush();
        QCOMPARE(log.waiting(), story == QLatin1String("stopped") ? answers - 3 : 0);
        if (story == QLatin1String("stopped")) {
            QCOMPARE(answersOnServer(uri).first, -1); // it is away
            QVERIFY(server.start());
            log.deliver();
            log.flush();
            QCOMPARE(log.waiting(), 0);
        }
        QCOMPARE(log.failedWrites(), 0);
    }
    QCOMPARE(answersOnServer(uri), qMakePair(answers, answers));
}

// A class on a school's server that stops in the middle of a lesson: the
// child goes on, the adult sees the PC works alone and can change nothing,
// and every answer reaches the server once it is back.
void TestAnswerLog::shouldGoOnWithTheLessonWhileTheServerIsAway()
{
    TestServer server;
    QVERIFY2(server.isValid(), qPrintable(server.error()));
    WindowFixture f;
    QVERIFY(f.isValid());
    f.addLetter(QStringLiteral("X"));
    f.addWord(QStringLiteral("Y"), QStringLiteral("yate"));
    f.addWord(QStringLiteral("Y"), QStringLiteral("yoyo"));
    Database::closeDefault();
    const QString uri = server.createDatabase(f.home.databasePath());
    QVERIFY2(!uri.isEmpty(), qPrintable(server.error()));
    const QString data = f.home.path() + QStringLiteral("/data/");
    QVERIFY(writeFile(data + QStringLiteral("server.conf"), QStringLiteral("database=%1\n").arg(uri).toUtf8()));
    QFile::setPermissions(data + QStringLiteral("server.conf"), QFile::ReadOwner | QFile::WriteOwner);

    const auto waiting = [&] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outbox"));
        db.setDatabaseName(data + QStringLiteral("respuestas-por-enviar"));
        QSqlQuery query(db);
        const int n = db.open() && query.exec(QStringLiteral("SELECT COUNT(*) FROM outbox")) && query.next()
            ? query.value(0).toInt() : -1;
        query = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("outbox"));
        return n;
    };
    MainWindow* w = f.start();
    auto* offline = child<QLabel>(w, "offlineIndicator");
    QVERIFY(offline->isHidden());
    QTRY_VERIFY(QFile::exists(data + QStringLiteral("copia-del-servidor")));
    w->setAnswerPause(0);
    f.startActivity(21);
    f.typeLetter(QStringLiteral("x"));
    f.typeLetter(QStringLiteral("y"));
    QTRY_COMPARE(answersOnServer(uri).first, 2);
    // The next question is up (the right answer's praise gone).
    QTRY_VERIFY(!child<QLabel>(w, "feedbackLabel")->isVisible());

    QVERIFY(server.stop());
    f.typeLetter(QStringLiteral("x"));
    QTRY_COMPARE(waiting(), 1);
    f.typeLetter(QStringLiteral("y"));
    QTRY_COMPARE(waiting(), 2);
    // The next question came from the PC's copy: it takes a key.
    QTRY_VERIFY(!offline->isHidden());
    QTRY_VERIFY(!child<QLabel>(w, "feedbackLabel")->isVisible());
    f.typeLetter(QStringLiteral("x"));
    QTRY_COMPARE(waiting(), 3);
    QVERIFY(child<QLabel>(w, "noWordsWarning")->isHidden());

    for (void (MainWindow::*entry)() : {&MainWindow::slotAdministrador, &MainWindow::slotConfig}) {
        const int before = f.warningsAnswered();
        (w->*entry)();
        QCOMPARE(f.warningsAnswered(), before + 1);
        QCOMPARE(f.lastWarningTitle(), QStringLiteral("Sin conexión con el servidor"));
    }
    w->slotUser();
    auto* users = topLevel<InputDialog>();
    QVERIFY(users);
    users->nameField->setText(QStringLiteral("Nuevo"));
    users->addButton->setEnabled(true);
    users->addButton->click();
    QVERIFY2(users->statusBar->currentMessage().startsWith(QStringLiteral("Sin conexión con el servidor")),
             qPrintable(users->statusBar->currentMessage()));
    QCOMPARE(users->userBox->findText(QStringLiteral("Nuevo")), -1);
    users->hide();
    QVERIFY(!topLevel<AdmWindow>() || !topLevel<AdmWindow>()->isVisible());
    QVERIFY(!topLevel<ConfigWidget>());
    w->slotProgreso();
    auto* report = w->findChild<ProgressDialog*>();
    QVERIFY(report);
    const QString note = report->findChild<QLabel*>(QStringLiteral("recordFailureLabel"))->text();
    QVERIFY2(note.contains(QStringLiteral("puede estar incompleta")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("servidor: 3")), qPrintable(note));
    report->close();

    QVERIFY(server.start());
    QTRY_VERIFY_WITH_TIMEOUT(offline->isHidden(), 20000);
    QTRY_COMPARE(answersOnServer(uri), qMakePair(5, 5));
    QTRY_COMPARE(waiting(), 0);
}

QTEST_MAIN(TestAnswerLog)
#include "tst_answerlog.moc"
