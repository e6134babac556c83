#include "database.h"
#include "schemaupgrade.h"
#include "serversetup.h"
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
        QSqlQuery query(QStringLiteral("SELECT * FROM \"%1\" ORDER BY id").arg(table), db);
        while (query.next()) {
            QStringList values{table};
            for (int column = 0; column < query.record().count(); ++column) {
                // A server's booleans read as the embedded database's 1 and 0.
                const QVariant value = query.value(column);
                values << query.record().fieldName(column).toLower() + QLatin1Char('=')
                        + (value.metaType().id() == QMetaType::Bool ? QString::number(value.toBool())
                                                                    : value.toString());
            }
            rows << values.join(QLatin1Char('|'));
        }
    }
    return rows;
}

// The rows without the columns that start empty when the upgrade adds
// them: no save counted yet, no answer's own id. Any other value stays in
// the row and fails the comparison.
QStringList withoutNewColumns(QStringList rows)
{
    static const QRegularExpression empty(QStringLiteral("\\|(revision=0|uid=)(?=\\||$)"));
    rows.replaceInStrings(empty, QString());
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

// Each table with its columns (lower case: PostgreSQL folds unquoted names).
QStringList columnsOf(QSqlDatabase db)
{
    QStringList tables;
    for (const QString& table : db.tables()) {
        if (table == QLatin1String("schema_version") || table.startsWith(QLatin1String("sqlite_")))
            continue;
        const QSqlRecord record = db.record(table);
        QStringList fields;
        for (int i = 0; i < record.count(); ++i)
            fields << record.fieldName(i).toLower();
        tables << table + QLatin1String(": ") + fields.join(QLatin1Char(','));
    }
    tables.sort();
    return tables;
}

int countOfCategories(QSqlDatabase db)
{
    QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM category"), db);
    return query.next() ? query.value(0).toInt() : -1;
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
    void shouldRunOrUndoEveryStepOnEitherEngine_data();
    void shouldRunOrUndoEveryStepOnEitherEngine();
    void shouldCreateNewDatabasesAtTheNewestVersion_data() { TestHome::addEngineRows(); }
    void shouldCopyEveryRowToANewServerOrNothing_data();
    void shouldCopyEveryRowToANewServerOrNothing();
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
    QCOMPARE(withoutNewColumns(withoutPictures(allRows(earlier.db), &pictures)), before);
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
    // Users get a picture each at the upgrade that brings pictures, and keep theirs after it.
    const bool hadPictures = from >= 4;
    QStringList after = withoutNewColumns(hadPictures ? allRows(earlier.db)
                                                      : withoutPictures(allRows(earlier.db), &pictures));
    QCOMPARE(after.filter(QStringLiteral("heard_only=")).size(), after.filter(QStringLiteral("answer_log|")).size());
    after.replaceInStrings(QStringLiteral("|heard_only=0"), QString());
    QCOMPARE(after, before);
    if (!hadPictures)
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

void TestSchemaUpgrade::shouldRunOrUndoEveryStepOnEitherEngine_data()
{
    QTest::addColumn<Database::Engine>("engine");
    QTest::addColumn<QString>("secondStep");
    QTest::addColumn<bool>("ok");
    for (const auto& [name, engine] : {std::pair{"sqlite", Database::Engine::SQLite},
                                       std::pair{"postgresql", Database::Engine::PostgreSQL}}) {
        QTest::addRow("%s: both steps run", name)
            << engine << QStringLiteral("INSERT INTO extra (id) VALUES (7)") << true;
        QTest::addRow("%s: the second step fails", name)
            << engine << QStringLiteral("INSERT INTO missing VALUES (1)") << false;
    }
    // A step written for SQLite only never runs half on a server.
    QTest::newRow("postgresql: a step without its server form")
        << Database::Engine::PostgreSQL << QString() << false;
}

void TestSchemaUpgrade::shouldRunOrUndoEveryStepOnEitherEngine()
{
    QFETCH(Database::Engine, engine);
    QFETCH(QString, secondStep);
    QFETCH(bool, ok);
    if (!TestHome::canUse(engine))
        return;
    TestHome home(engine);
    QVERIFY(home.isValid());
    QSqlDatabase db = QSqlDatabase::database();
    const int latest = SchemaUpgrade::latestVersion();
    std::vector<SchemaUpgrade::Step> table = SchemaUpgrade::steps();
    const QString createExtra = QStringLiteral("CREATE TABLE extra (id INTEGER)");
    table.push_back({latest + 1, createExtra, {}, createExtra});
    table.push_back({latest + 2, secondStep.isEmpty() ? createExtra : secondStep, {}, secondStep});

    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(db, home.databasePath(), table);
    QCOMPARE(result.ok, ok);
    QCOMPARE(SchemaUpgrade::currentVersion(db), ok ? latest + 2 : latest);
    QCOMPARE(db.tables().contains(QStringLiteral("extra")), ok);
    // The connection goes on after a failed upgrade (PostgreSQL aborts the
    // transaction at its first error until it is rolled back).
    QVERIFY(TestHome::addLanguage(QStringLiteral("Español")) > 0);
}

void TestSchemaUpgrade::shouldCreateNewDatabasesAtTheNewestVersion()
{
    QFETCH(Database::Engine, engine);
    if (!TestHome::canUse(engine))
        return;
    QStringList embedded; // the shipped schema's tables and columns
    {
        QTemporaryDir dir;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(dir.filePath(QStringLiteral("bd")));
        QFile schema(QStringLiteral(OL_SCHEMA_PATH));
        QVERIFY(db.open() && schema.open(QIODevice::ReadOnly)
                && run(db, QString::fromUtf8(schema.readAll())));
        embedded = columnsOf(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
    TestHome home(engine);
    QVERIFY(home.isValid());
    QCOMPARE(columnsOf(QSqlDatabase::database()), embedded);
    QCOMPARE(SchemaUpgrade::currentVersion(QSqlDatabase::database()), SchemaUpgrade::latestVersion());
    const SchemaUpgrade::Result result = SchemaUpgrade::upgrade(QSqlDatabase::database(), home.databasePath());
    QVERIFY(result.ok && !result.upgraded);
    QVERIFY(SchemaUpgrade::keptCopies(home.databasePath()).isEmpty());
}

void TestSchemaUpgrade::shouldCopyEveryRowToANewServerOrNothing_data()
{
    QTest::addColumn<QString>("extra"); // run on the embedded database before the copy
    QTest::addColumn<bool>("ok");
    QTest::newRow("every row, the answers and the PIN")
        << "INSERT INTO answer_log (id_user, id_language, activity, expected, word, typed, correct, "
           "attempt, elapsed_ms, answered_at) VALUES (1, 1, 21, 'A', 'ajo', 'A', 1, 1, 900, "
           "'2026-03-02T10:00:00');"
           "INSERT INTO answer_log (id_user, id_language, activity, expected, word, typed, correct, "
           "attempt, elapsed_ms, answered_at) VALUES (1, 1, 21, 'A', 'ajo', 'E', 0, 1, 700, "
           "'2026-03-02T10:00:05');"
           "INSERT INTO adult_pin (salt, hash, iterations) VALUES (x'00ff10', x'a5a5', 1000)"
        << true;
    // SQLite keeps a text in an integer column; the server refuses it.
    QTest::newRow("a row the server refuses")
        << "INSERT INTO config (key, data, id_user, id_language) VALUES ('letter', 'uno', 1, 1)"
        << false;
}

void TestSchemaUpgrade::shouldCopyEveryRowToANewServerOrNothing()
{
    QFETCH(QString, extra);
    QFETCH(bool, ok);
    if (!TestHome::canUse(Database::Engine::PostgreSQL))
        return;
    EarlierDatabase earlier;
    QVERIFY(SchemaUpgrade::upgrade(earlier.db, earlier.path).ok);
    QVERIFY(run(earlier.db, extra));
    const QString name = TestHome::createServerDatabase();
    QVERIFY(!name.isEmpty());
    const QString uri = QStringLiteral("postgresql:///") + name;

    const ServerSetup::Report report = ServerSetup::init(uri, earlier.path);
    QVERIFY2(report.ok == ok, qPrintable(report.error));
    {
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("server"));
        server.setDatabaseName(name);
        QVERIFY(server.open());
        if (!ok) {
            // Nothing half done: not even the schema stays.
            QCOMPARE(server.tables(), QStringList{});
        } else {
            QCOMPARE(report.counts.size(), ServerSetup::tables().size());
            for (const ServerSetup::TableCount& count : report.counts)
                QVERIFY2(count.server == count.source && count.server >= 0, qPrintable(count.table));
            QCOMPARE(allRows(server), allRows(earlier.db));
            QSqlQuery answers(QStringLiteral("SELECT correct FROM answer_log ORDER BY id"), server);
            QVERIFY(answers.next() && answers.value(0).toBool());
            QVERIFY(answers.next() && !answers.value(0).toBool());
            QSqlQuery pin(QStringLiteral("SELECT salt FROM adult_pin"), server);
            QVERIFY(pin.next());
            QCOMPARE(pin.value(0).toByteArray(), QByteArray::fromHex("00ff10"));
            // Ids go on above every id the embedded database gave, also a
            // deleted category's that a setting still names.
            QSqlQuery insert(server);
            QVERIFY(insert.exec(QStringLiteral(
                "INSERT INTO category (name, id_language) VALUES ('X', 1) RETURNING id")));
            QVERIFY(insert.next());
            QCOMPARE(insert.value(0).toInt(), 4);
            // A second init never touches a database in use.
            const ServerSetup::Report again = ServerSetup::init(uri, earlier.path);
            QVERIFY(!again.ok);
            QCOMPARE(countOfCategories(server), 3);
            const ServerSetup::Report status = ServerSetup::status(uri);
            QVERIFY(status.ok);
            QCOMPARE(status.version, SchemaUpgrade::latestVersion());
            QCOMPARE(ServerSetup::upgrade(uri).version, SchemaUpgrade::latestVersion());
        }
        server.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("server"));
    TestHome::dropServerDatabase(name);
}

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
