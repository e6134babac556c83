#include "databasebuilder.h"

#include "contentsource.h"
#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {
const QString kConnection = QStringLiteral("content-generator");

bool run(QSqlQuery& query, QString* error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text() + QStringLiteral(" in: ") + query.lastQuery();
    return false;
}

bool fill(QSqlDatabase& db, const QString& schema, const ContentSource& source, QString* error)
{
    QSqlQuery query(db);
    for (const QString& statement : Database::scriptStatements(schema)) {
        if (!query.exec(statement)) {
            *error = query.lastError().text() + QStringLiteral(" in: ") + statement;
            return false;
        }
    }

    query.prepare(QStringLiteral("INSERT INTO language (id, name) VALUES (1, :name)"));
    query.bindValue(QStringLiteral(":name"), source.languageName);
    if (!run(query, error))
        return false;

    QHash<QString, int> letterIds;
    query.prepare(QStringLiteral("INSERT INTO letter (name, id_language) VALUES (:name, 1)"));
    for (const QString& letter : source.letters) {
        query.bindValue(QStringLiteral(":name"), letter);
        if (!run(query, error))
            return false;
        letterIds.insert(letter, query.lastInsertId().toInt());
    }

    QHash<QString, int> categoryIds;
    QSqlQuery category(db);
    category.prepare(QStringLiteral("INSERT INTO category (name, id_language) VALUES (:name, 1)"));
    QSqlQuery word(db);
    word.prepare(QStringLiteral(
        "INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
        "VALUES (:name, :fullName, :image, :sign, :lips, :id_letter)"));
    QSqlQuery link(db);
    link.prepare(QStringLiteral(
        "INSERT OR IGNORE INTO word_x_category (id_word, id_category) VALUES (:w, :c)"));
    for (const WordEntry& entry : source.words) {
        if (!categoryIds.contains(entry.category)) {
            category.bindValue(QStringLiteral(":name"), entry.category);
            if (!run(category, error))
                return false;
            categoryIds.insert(entry.category, category.lastInsertId().toInt());
        }
        word.bindValue(QStringLiteral(":name"), entry.word);
        word.bindValue(QStringLiteral(":fullName"), entry.word);
        word.bindValue(QStringLiteral(":image"), WordMedia::Image);
        word.bindValue(QStringLiteral(":sign"), WordMedia::Sign);
        word.bindValue(QStringLiteral(":lips"), WordMedia::Lips);
        word.bindValue(QStringLiteral(":id_letter"), letterIds.value(entry.letter));
        if (!run(word, error))
            return false;
        link.bindValue(QStringLiteral(":w"), word.lastInsertId().toInt());
        link.bindValue(QStringLiteral(":c"), categoryIds.value(entry.category));
        if (!run(link, error))
            return false;
    }

    query.prepare(QStringLiteral(
        "INSERT INTO config (key, data, id_user, id_language) VALUES (:key, :data, 0, 1)"));
    for (const auto& setting : source.settings) {
        query.bindValue(QStringLiteral(":key"), setting.first);
        query.bindValue(QStringLiteral(":data"), setting.second);
        if (!run(query, error))
            return false;
    }
    return true;
}
} // namespace

bool buildDatabase(const QString& schemaPath, const ContentSource& source,
                   const QString& outputPath, QString* error)
{
    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + schemaPath;
        return false;
    }
    const QString schema = QString::fromUtf8(schemaFile.readAll());

    // Build beside the target and rename, so a failed run leaves no half database.
    QDir().mkpath(QFileInfo(outputPath).absolutePath());
    const QString partial = outputPath + QStringLiteral(".partial");
    QFile::remove(partial);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(partial);
        if (!db.open()) {
            *error = db.lastError().text();
        } else {
            db.transaction();
            ok = fill(db, schema, source, error);
            ok = ok && db.commit();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(kConnection);
    if (!ok) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(outputPath);
    return QFile::rename(partial, outputPath);
}
