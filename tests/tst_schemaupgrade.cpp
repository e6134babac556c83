#include "database.h"
#include "schemaupgrade.h"
#include "testhome.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kConnection = QStringLiteral("upgrade");
const QStringList kTables{"language", "letter", "category", "word",
                          "word_x_category", "user", "config", "answer_log"};

bool run(QSqlDatabase db, const QString& script)
{
    QSqlQuery query(db);
    for (const QString& statement : Database::scriptStatements(script)) {
        if (!query.exec(statement))
            return false;
    }
    return true;
}

// Every row of every table, as text.
QStringList allRows(QSqlDatabase db)
{
    QStringList rows;
    for (const QString& table : kTables) {
        if (!db.tables().contains(table))
            continue;
        QSqlQuery query(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table), db);
        while (query.next()) {
            QStringList values{table};
            for (int column = 0; column < query.record().count(); ++column)
                values << query.record().fieldName(column) + QLatin1Char('=')
                        + query.value(column).toString();
            rows << values.join(QLatin1Char('|'));
        }
    }
    return rows;
}

// The rows without the users' pictures, which the upgrade gives them; the
// pictures apart, in row order.
QStringList withoutPictures(QStringList rows, QStringList* pictures)
{
    static const QRegularExpression picture(QStringLiteral("\\|picture=([^|]*)"));
    for (QString& row : rows) {
        const QRegularExpressionMatch match = picture.match(row);
        if (match.hasMatch()) {
            *pictures << match.captured(1);
            row.remove(match.capturedStart(), match.capturedLength());
        }
    }
    return rows;
}

// The tables with their columns, and the indexes: what a program sees.
QStringList schemaOf(QSqlDatabase db)
{
    QStringList schema;
    QSqlQuery objects(QStringLiteral("SELECT type, name FROM sqlite_master WHERE name NOT LIKE "
                                     "'sqlite_%' ORDER BY type, name"),
                      db);
    while (objects.next()) {
        const QString type = objects.value(0).toString();
        const QString name = objects.value(1).toString();
        QStringList entry{type, name};
        if (type == QLatin1String("table")) {
            QSqlQuery columns(QStringLiteral("PRAGMA table_info(%1)").arg(name), db);
            while (columns.next())
                entry << columns.value(1).toString() + QLatin1Char(' ') + columns.value(2).toString()
                        + (columns.value(3).toBool() ? QStringLiteral(" not null") : QString())
                        + (columns.value(5).toBool() ? QStringLiteral(" key") : QString());
        }
        schema << entry.join(QLatin1Char('|'));
    }
    return schema;
}

int newId(QSqlDatabase db, const QString& insert)
{
    QSqlQuery query(db);
    return query.exec(insert) ? query.lastInsertId().toInt() : -1;
}

// A database made by the earlier version: users, settings, words and links,
// and a category (3) deleted after a child's settings named it.
struct EarlierDatabase
{
    QTemporaryDir dir;
    QString path;
    QSqlDatabase db;

    EarlierDatabase()
        : path(dir.path() + QStringLiteral("/bd"))
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(path);
        db.open();
        QFile schema(QStringLiteral(OL_TEST_DATA "/schema-v0.sql"));
        schema.open(QIODevice::ReadOnly);
        run(db, QString::fromUtf8(schema.readAll()));
        run(db, QStringLiteral(
                    "INSERT INTO language (id, name) VALUES (1, 'Español');"
                    "INSERT INTO letter (name, id_language) VALUES ('A', 1);"
                    "INSERT INTO letter (name, id_language) VALUES ('Ñ', 1);"
                    "INSERT INTO category (name, id_language) VALUES ('ANIMALES', 1);"
                    "INSERT INTO category (name, id_language) VALUES ('COMIDA', 1);"
                    "INSERT INTO category (name, id_language) VALUES ('VIEJA', 1);"
                    "DELETE FROM category WHERE id = 3;"
                    "INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
                    "VALUES ('ñandú', 'ñandú grande', 'ñandú.png', 'seña.mov', 'boca.mpg', 2);"
                    "INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
                    "VALUES ('ajo', 'ajo', 'ajo.jpg', 'ajo.mp4', 'ajo.avi', 1);"
                    "INSERT INTO word_x_category (id_word, id_category) VALUES (1, 1);"
                    "INSERT INTO word_x_category (id_word, id_category) VALUES (2, 2);"
                    "INSERT INTO user (name, last_login, created_in) "
                    "VALUES ('Ana', '2025-01-02 10:00:00', '2025-01-02 10:00:00');"
                    "INSERT INTO user (name, last_login, created_in) "
                    "VALUES ('Pablo', '2025-02-03 11:00:00', '2025-02-03 11:00:00');"
                    "INSERT INTO config (key, data, id_user, id_language) VALUES ('category', 3, 1, 1);"
                    "INSERT INTO config (key, data, id_user, id_language) VALUES ('letter', 2, 2, 1);"
                    "INSERT INTO config (key, data, id_user, id_language) VALUES ('show-order', 4, 2, 1);"
                    "INSERT INTO config (key, data, id_user, id_language) VALUES ('use-ch', 1, 0, 1);"));
    }

    ~EarlierDatabase()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(kConnection);
    }
};
} // namespace

class TestSchemaUpgrade : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldUpgradeKeepingEveryRowAndACopy();
    void shouldStartIdsAboveEveryIdInUse_data();
    void shouldStartIdsAboveEveryIdInUse();
    void shouldUpgradeEachEarlierVersion_data();
    void shouldUpgradeEachEarlierVersion();
    void shouldLeaveEverythingWhenAStepFails();
    void shouldRunLaterStepsAddedToTheTable();
    void shouldCreateNewDatabasesAtTheNewestVersion();
};

void TestSchemaUpgrade::shouldUpgradeKeepingEveryRowAndACopy()
{
    EarlierDatabase earlier;
    QCOMPARE(SchemaUpgrade::currentVersion(earlier.db), 0);
    const QStringList before = allRows(earlier.db);
    QCOMPARE(before.size(), 15);
    const QByteArray file = readFile(earlier.path);

    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(earlier.db, earlier.path);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(result.upgraded);
    QCOMPARE(SchemaUpgrade::currentVersion(earlier.db), SchemaUpgrade::latestVersion());
    // Every row stays, and every child gets a picture of its own.
    QStringList pictures;
    QCOMPARE(withoutPictures(allRows(earlier.db), &pictures), before);
    QCOMPARE(pictures, QStringList({"usuarios/perro.png", "usuarios/gato.png"}));
    {
        // The upgraded database has every table and index of a new one.
        TestHome fresh;
        QVERIFY(fresh.isValid());
        QCOMPARE(schemaOf(earlier.db), schemaOf(QSqlDatabase::database()));
    }
    QCOMPARE(readFile(result.keptCopy), file);
    QCOMPARE(SchemaUpgrade::keptCopies(earlier.path), QStringList{result.keptCopy});
    QVERIFY(result.keptCopy.startsWith(earlier.path + QLatin1Char('.')));

    // Ids are no longer reused, not even one that a setting still names.
    QCOMPARE(newId(earlier.db, QStringLiteral("INSERT INTO category (name, id_language) VALUES ('X', 1)")), 4);
    QVERIFY(newId(earlier.db, QStringLiteral("DELETE FROM word WHERE id = 2")) >= 0);
    QCOMPARE(newId(earlier.db, QStringLiteral("INSERT INTO word (name, id_letter) VALUES ('y', 1)")), 3);
    QVERIFY(newId(earlier.db, QStringLiteral("DELETE FROM letter WHERE id = 2")) >= 0);
    QCOMPARE(newId(earlier.db, QStringLiteral("INSERT INTO letter (name, id_language) VALUES ('Z', 1)")), 3);

    // A second start finds nothing to do and keeps no further copy.
    const SchemaUpgrade::Result again = SchemaUpgrade::upgrade(earlier.db, earlier.path);
    QVERIFY(again.ok);
    QVERIFY(!again.upgraded);
    QCOMPARE(SchemaUpgrade::keptCopies(earlier.path).size(), 1);
}

void TestSchemaUpgrade::shouldStartIdsAboveEveryIdInUse_data()
{
    QTest::addColumn<QString>("before"); // run on the earlier database
    QTest::addColumn<QString>("insert"); // after the upgrade
    QTest::addColumn<int>("id");
    const QString letter = QStringLiteral("INSERT INTO letter (name, id_language) VALUES ('Q', 1)");
    const QString category = QStringLiteral("INSERT INTO category (name, id_language) VALUES ('X', 1)");
    const QString word = QStringLiteral("INSERT INTO word (name, id_letter) VALUES ('y', 1)");
    // Each table once with its own rows holding the highest id, once with
    // a setting or link naming a higher one deleted before.
    QTest::newRow("letter, its rows highest")
        << "INSERT INTO letter (id, name, id_language) VALUES (9, 'Z', 1)" << letter << 10;
    QTest::newRow("letter, a setting names a higher one")
        << "INSERT INTO config (key, data, id_user, id_language) VALUES ('letter', 12, 1, 1)" << letter << 13;
    QTest::newRow("category, its rows highest")
        << "INSERT INTO category (id, name, id_language) VALUES (8, 'ROPA', 1)" << category << 9;
    QTest::newRow("category, a setting names a higher one") << "" << category << 4;
    QTest::newRow("word, its rows highest")
        << "INSERT INTO word (id, name, fullName, id_letter) VALUES (7, 'oso', 'oso', 1)" << word << 8;
    QTest::newRow("word, a link names a higher one")
        << "INSERT INTO word_x_category (id_word, id_category) VALUES (11, 1)" << word << 12;
}

void TestSchemaUpgrade::shouldStartIdsAboveEveryIdInUse()
{
    QFETCH(QString, before);
    QFETCH(QString, insert);
    QFETCH(int, id);
    EarlierDatabase earlier;
    QVERIFY(before.isEmpty() || run(earlier.db, before));
    QVERIFY(SchemaUpgrade::upgrade(earlier.db, earlier.path).ok);
    QCOMPARE(newId(earlier.db, insert), id);
}

void TestSchemaUpgrade::shouldUpgradeEachEarlierVersion_data()
{
    QTest::addColumn<int>("from");
    for (int version = 0; version < SchemaUpgrade::latestVersion(); ++version)
        QTest::addRow("version %d", version) << version;
}

void TestSchemaUpgrade::shouldUpgradeEachEarlierVersion()
{
    QFETCH(int, from);
    EarlierDatabase earlier;
    // The database as the program of that version left it.
    std::vector<SchemaUpgrade::Step> older;
    for (const SchemaUpgrade::Step& step : SchemaUpgrade::steps()) {
        if (step.version <= from)
            older.push_back(step);
    }
    if (!older.empty())
        QVERIFY(SchemaUpgrade::upgrade(earlier.db, earlier.path, older).ok);
    QCOMPARE(SchemaUpgrade::currentVersion(earlier.db), from);
    if (earlier.db.tables().contains(QStringLiteral("answer_log"))) {
        QVERIFY(run(earlier.db, QStringLiteral(
            "INSERT INTO answer_log (id_user, id_language, activity, expected, word, typed, correct, "
            "attempt, elapsed_ms, answered_at) VALUES (1, 1, 21, 'A', 'ajo', 'E', 0, 1, 900, "
            "'2026-03-02 10:00:00');"
            "INSERT INTO answer_log (id_user, id_language, activity, expected, word, typed, correct, "
            "attempt, elapsed_ms, answered_at) VALUES (2, 1, 31, 'Ñ', 'ñandú', 'Ñ', 1, 2, 1500, "
            "'2026-03-03 11:00:00');")));
    }
    QStringList before = allRows(earlier.db);
    before.replaceInStrings(QStringLiteral("|heard_only=0"), QString());

    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(earlier.db, earlier.path);
    QVERIFY2(result.ok && result.upgraded, qPrintable(result.error));
    QCOMPARE(result.from, from);
    QCOMPARE(SchemaUpgrade::currentVersion(earlier.db), SchemaUpgrade::latestVersion());
    // Every row stays; the answers recorded before listening practice were
    // seen ones.
    QStringList pictures;
    QStringList after = withoutPictures(allRows(earlier.db), &pictures);
    QCOMPARE(after.filter(QStringLiteral("heard_only=")).size(), after.filter(QStringLiteral("answer_log|")).size());
    after.replaceInStrings(QStringLiteral("|heard_only=0"), QString());
    QCOMPARE(after, before);
    // Users get a picture each at the upgrade that brings pictures.
    QCOMPARE(pictures, QStringList({"usuarios/perro.png", "usuarios/gato.png"}));
    {
        TestHome fresh;
        QVERIFY(fresh.isValid());
        QCOMPARE(schemaOf(earlier.db), schemaOf(QSqlDatabase::database()));
    }
}

void TestSchemaUpgrade::shouldLeaveEverythingWhenAStepFails()
{
    EarlierDatabase earlier;
    const QStringList before = allRows(earlier.db);
    std::vector<SchemaUpgrade::Step> table = SchemaUpgrade::steps();
    table.push_back({table.back().version + 1, QStringLiteral("CREATE TABLE extra (id INTEGER)")});
    table.push_back({table.back().version + 1, QStringLiteral("INSERT INTO missing VALUES (1)")});
    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(earlier.db, earlier.path, table);
    QVERIFY(!result.ok);
    QCOMPARE(SchemaUpgrade::currentVersion(earlier.db), 0);
    QCOMPARE(allRows(earlier.db), before);
    QVERIFY(!earlier.db.tables().contains(QStringLiteral("extra")));
    QCOMPARE(newId(earlier.db, QStringLiteral("INSERT INTO category (name, id_language) VALUES ('X', 1)")), 3);
}

void TestSchemaUpgrade::shouldRunLaterStepsAddedToTheTable()
{
    EarlierDatabase earlier;
    std::vector<SchemaUpgrade::Step> table = SchemaUpgrade::steps();
    const int next = SchemaUpgrade::latestVersion() + 1;
    bool called = false;
    table.push_back({next, QStringLiteral("CREATE TABLE answer (id INTEGER PRIMARY KEY)"),
                     [&](QSqlDatabase& db) { return called = db.isOpen(); }});
    QVERIFY(SchemaUpgrade::upgrade(earlier.db, earlier.path, table).ok);
    QVERIFY(called);
    QCOMPARE(SchemaUpgrade::currentVersion(earlier.db), next);
    QVERIFY(earlier.db.tables().contains(QStringLiteral("answer")));
}

void TestSchemaUpgrade::shouldCreateNewDatabasesAtTheNewestVersion()
{
    TestHome home;
    QVERIFY(home.isValid());
    QCOMPARE(SchemaUpgrade::currentVersion(QSqlDatabase::database()), SchemaUpgrade::latestVersion());
    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(QSqlDatabase::database(), home.databasePath());
    QVERIFY(result.ok && !result.upgraded);
    QVERIFY(SchemaUpgrade::keptCopies(home.databasePath()).isEmpty());
}

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
