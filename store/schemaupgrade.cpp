#include "schemaupgrade.h"

#include "database.h"
#include "userpictures.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace SchemaUpgrade {

namespace {
// Letters, words and categories get AUTOINCREMENT, so that a deleted row's id
// is never handed to a new one that settings, links or answers still name.
// Every row is copied as it is; the sequence starts above every id in use,
// also the ids that settings still hold for rows deleted earlier.
const QString kNeverReuseIds = QStringLiteral(R"(
CREATE TABLE letter_v1 (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    name        TEXT NOT NULL,
    id_language INTEGER NOT NULL
);
INSERT INTO letter_v1 (id, name, id_language) SELECT id, name, id_language FROM letter;
DROP TABLE letter;
ALTER TABLE letter_v1 RENAME TO letter;
CREATE INDEX letter_by_language_name ON letter (id_language, name);

CREATE TABLE category_v1 (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    name        TEXT NOT NULL,
    id_language INTEGER NOT NULL
);
INSERT INTO category_v1 (id, name, id_language) SELECT id, name, id_language FROM category;
DROP TABLE category;
ALTER TABLE category_v1 RENAME TO category;
CREATE UNIQUE INDEX category_by_language ON category (id_language, name);

CREATE TABLE word_v1 (
    id        INTEGER PRIMARY KEY AUTOINCREMENT,
    name      TEXT DEFAULT '',
    fullName  TEXT DEFAULT '',
    image     TEXT DEFAULT '',
    sign      TEXT DEFAULT '',
    lips      TEXT DEFAULT '',
    id_letter INTEGER NOT NULL
);
INSERT INTO word_v1 (id, name, fullName, image, sign, lips, id_letter)
    SELECT id, name, fullName, image, sign, lips, id_letter FROM word;
DROP TABLE word;
ALTER TABLE word_v1 RENAME TO word;
CREATE UNIQUE INDEX word_by_letter ON word (id_letter, fullName);

DELETE FROM sqlite_sequence WHERE name IN ('letter', 'category', 'word');
INSERT INTO sqlite_sequence (name, seq) SELECT 'letter', MAX(
    IFNULL((SELECT MAX(id) FROM letter), 0),
    IFNULL((SELECT MAX(data) FROM config WHERE key = 'letter'), 0));
INSERT INTO sqlite_sequence (name, seq) SELECT 'category', MAX(
    IFNULL((SELECT MAX(id) FROM category), 0),
    IFNULL((SELECT MAX(data) FROM config WHERE key = 'category'), 0));
INSERT INTO sqlite_sequence (name, seq) SELECT 'word', MAX(
    IFNULL((SELECT MAX(id) FROM word), 0),
    IFNULL((SELECT MAX(id_word) FROM word_x_category), 0));
)");

// The adults' corner: every judged key of the exercises (the letter and the
// word as texts, so that deleting them leaves the record readable), with
// the report's indexes, and the adults' PIN as a salted hash.
const QString kAdultsCorner = QStringLiteral(R"(
CREATE TABLE answer_log (
    id          INTEGER PRIMARY KEY,
    id_user     INTEGER NOT NULL,
    id_language INTEGER NOT NULL,
    activity    INTEGER NOT NULL,
    expected    TEXT NOT NULL,
    word        TEXT NOT NULL DEFAULT '',
    typed       TEXT NOT NULL,
    correct     INTEGER NOT NULL,
    attempt     INTEGER NOT NULL,
    elapsed_ms  INTEGER NOT NULL,
    answered_at TEXT NOT NULL
);
CREATE INDEX answer_log_by_day ON answer_log (id_user, id_language, answered_at, correct);
CREATE INDEX answer_log_by_letter ON answer_log (id_user, id_language, attempt, expected, activity);
CREATE INDEX answer_log_by_result ON answer_log (id_user, id_language, correct, expected, typed);
CREATE TABLE adult_pin (
    id           INTEGER PRIMARY KEY,
    salt         BLOB NOT NULL,
    hash         BLOB NOT NULL,
    iterations   INTEGER NOT NULL,
    failures     INTEGER NOT NULL DEFAULT 0,
    locked_until TEXT NOT NULL DEFAULT ''
);
)");

// Listening practice: an answer records whether its question was heard only.
const QString kHeardOnly = QStringLiteral(R"(
ALTER TABLE answer_log ADD COLUMN heard_only INTEGER NOT NULL DEFAULT 0;
)");
const QString kHeardOnlyOnServer = QStringLiteral(R"(
ALTER TABLE answer_log ADD COLUMN heard_only boolean NOT NULL DEFAULT false;
)");

// A picture for every child, for those who cannot read their name yet:
// existing users get the drawings in turn, in the order they were added.
const QString kUserPictures = QStringLiteral(R"(
ALTER TABLE user ADD COLUMN picture TEXT NOT NULL DEFAULT '';
)");
const QString kUserPicturesOnServer = QStringLiteral(R"(
ALTER TABLE "user" ADD COLUMN picture text NOT NULL DEFAULT '';
)");

// A school's server: each answer carries its own id, so that one delivered
// again after a lost connection is stored once; each word counts its saves,
// so that a save from an older reading is refused.
const QString kServerSafety = QStringLiteral(R"(
ALTER TABLE answer_log ADD COLUMN uid TEXT;
CREATE UNIQUE INDEX answer_log_by_uid ON answer_log (uid);
ALTER TABLE word ADD COLUMN revision INTEGER NOT NULL DEFAULT 0;
)");
const QString kServerSafetyOnServer = QStringLiteral(R"(
ALTER TABLE answer_log ADD COLUMN uid text;
CREATE UNIQUE INDEX answer_log_by_uid ON answer_log (uid);
ALTER TABLE word ADD COLUMN revision integer NOT NULL DEFAULT 0;
)");

bool givePictures(QSqlDatabase& db)
{
    QSqlQuery users(db);
    if (!users.exec(QStringLiteral("SELECT id FROM \"user\" ORDER BY id")))
        return false;
    QList<int> ids;
    while (users.next())
        ids << users.value(0).toInt();
    QStringList used;
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("UPDATE \"user\" SET picture = ? WHERE id = ?")))
        return false;
    for (const int id : std::as_const(ids)) {
        used << UserPictures::nextFree(used);
        update.addBindValue(used.last());
        update.addBindValue(id);
        if (!update.exec())
            return false;
    }
    return true;
}

bool runScript(QSqlDatabase& db, const QString& script, QString* error)
{
    QSqlQuery query(db);
    for (const QString& statement : Database::scriptStatements(script)) {
        if (!query.exec(statement)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

// Copies the file whole, under a temporary name first, so that a copy that
// exists is a complete one.
bool keepCopy(const QString& path, QString* copy)
{
    *copy = copyName(path);
    const QString partial = *copy + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(path, partial))
        return false;
    if (QFile::rename(partial, *copy))
        return true;
    QFile::remove(partial);
    return false;
}
} // namespace

const std::vector<Step>& steps()
{
    static const std::vector<Step> table = {
        {1, kNeverReuseIds},
        {2, kAdultsCorner},
        {3, kHeardOnly, {}, kHeardOnlyOnServer},
        {4, kUserPictures, givePictures, kUserPicturesOnServer},
        {5, kServerSafety, {}, kServerSafetyOnServer},
    };
    return table;
}

int latestVersion(const std::vector<Step>& table)
{
    return table.empty() ? 0 : table.back().version;
}

int currentVersion(QSqlDatabase db)
{
    QSqlQuery query(db);
    const bool server = Database::engineOf(db) == Database::Engine::PostgreSQL;
    if (!query.exec(server ? QStringLiteral("SELECT version FROM schema_version")
                           : QStringLiteral("PRAGMA user_version"))
        || !query.next())
        return -1;
    return query.value(0).toInt();
}

QString copyName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString name = path + QLatin1Char('.') + stamp;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QLatin1Char('.') + stamp + QLatin1Char('-') + QString::number(n);
    return name;
}

QStringList keptCopies(const QString& path)
{
    const QFileInfo info(path);
    static const QRegularExpression dated(QStringLiteral("^\\.\\d{8}-\\d{6}(-\\d+)?$"));
    QList<QFileInfo> copies;
    const QFileInfoList entries
        = QDir(info.path()).entryInfoList({info.fileName() + QStringLiteral(".*")}, QDir::Files);
    for (const QFileInfo& entry : entries) {
        if (dated.match(entry.fileName().mid(info.fileName().size())).hasMatch())
            copies << entry;
    }
    std::sort(copies.begin(), copies.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileName() > b.fileName(); // the names sort by date
    });
    QStringList paths;
    for (const QFileInfo& copy : copies)
        paths << copy.filePath();
    return paths;
}

Result upgrade(QSqlDatabase db, const QString& path, const std::vector<Step>& table)
{
    Result result;
    result.from = currentVersion(db);
    result.to = result.from;
    if (result.from < 0) {
        result.ok = false;
        result.error = db.lastError().text();
        return result;
    }
    if (result.from >= latestVersion(table))
        return result;
    const bool server = Database::engineOf(db) == Database::Engine::PostgreSQL;
    if (!server && !keepCopy(path, &result.keptCopy)) {
        result.ok = false;
        result.keptCopy.clear();
        return result;
    }
    if (!db.transaction()) {
        result.ok = false;
        result.error = db.lastError().text();
        return result;
    }
    bool ok = true;
    QSqlQuery query(db);
    if (server) {
        // A second PC upgrading at the same time waits here, then finds
        // the version it would have reached and changes nothing.
        ok = query.exec(QStringLiteral("LOCK TABLE schema_version IN EXCLUSIVE MODE"));
        const int locked = ok ? currentVersion(db) : -1;
        if (ok && locked >= latestVersion(table)) {
            db.commit();
            result.from = result.to = locked;
            return result;
        }
        result.from = locked;
        ok = locked >= 0;
    }
    for (const Step& step : table) {
        if (!ok || step.version <= result.from)
            continue;
        if (server && step.postgresScript.isEmpty()) {
            result.error = QStringLiteral("step %1 has no PostgreSQL form").arg(step.version);
            ok = false;
            break;
        }
        ok = runScript(db, server ? step.postgresScript : step.script, &result.error)
            && (!step.apply || step.apply(db));
    }
    ok = ok
        && query.exec(server ? QStringLiteral("UPDATE schema_version SET version = %1")
                                   .arg(latestVersion(table))
                             : QStringLiteral("PRAGMA user_version = %1").arg(latestVersion(table)));
    if (ok && db.commit()) {
        result.upgraded = true;
        result.to = latestVersion(table);
        return result;
    }
    if (result.error.isEmpty())
        result.error = db.lastError().text();
    db.rollback();
    result.ok = false;
    return result;
}

} // namespace SchemaUpgrade
