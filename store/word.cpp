#include "word.h"

#include "spanishorder.h"
#include "sqlhelpers.h"

#include <QVariant>

namespace {
const QString kSelectById = QStringLiteral(
    "SELECT id, name, fullName, image, sign, lips, id_letter, revision FROM word WHERE id = :id");
const QString kSelectByFullName = QStringLiteral(
    "SELECT id, name, fullName, image, sign, lips, id_letter, revision FROM word "
    "WHERE fullName = :fullName AND id_letter = :id_letter");
const QString kInsert = QStringLiteral(
    "INSERT INTO word (name, fullName, image, sign, lips, id_letter) "
    "VALUES (:name, :fullName, :image, :sign, :lips, :id_letter)");
const QString kUpdate = QStringLiteral(
    "UPDATE word SET name = :name, fullName = :fullName, image = :image, sign = :sign, "
    "lips = :lips, revision = revision + 1 WHERE id = :id AND revision = :revision");
const QString kDelete = QStringLiteral("DELETE FROM word WHERE id = :id");
const QString kDeleteRead
    = QStringLiteral("DELETE FROM word WHERE id = :id AND revision = :revision");
const QString kExists = QStringLiteral("SELECT id FROM word WHERE id = :id");
const QString kDeleteLinks = QStringLiteral("DELETE FROM word_x_category WHERE id_word = :id");
const QString kOthersOfLetter
    = QStringLiteral("SELECT fullName FROM word WHERE id_letter = :id_letter AND id <> :id");
const QString kAddCategory = QStringLiteral(
    "INSERT INTO word_x_category (id_word, id_category) VALUES (:id_word, :id_category) "
    "ON CONFLICT (id_word, id_category) DO NOTHING");
const QString kRemoveCategory = QStringLiteral(
    "DELETE FROM word_x_category WHERE id_word = :id_word AND id_category = :id_category");
const QString kHasCategory = QStringLiteral(
    "SELECT id FROM word_x_category WHERE id_word = :id_word AND id_category = :id_category");
} // namespace

bool Word::loadById(int wordId)
{
    QSqlQuery query = SqlHelpers::prepare(kSelectById);
    query.bindValue(QStringLiteral(":id"), wordId);
    return readRow(query);
}

bool Word::loadByFullName(const QString& description, Letter* initial)
{
    if (!initial)
        return false;
    setLetter(initial);
    QSqlQuery query = SqlHelpers::prepare(kSelectByFullName);
    query.bindValue(QStringLiteral(":fullName"), description);
    query.bindValue(QStringLiteral(":id_letter"), initial->id);
    return readRow(query);
}

bool Word::readRow(QSqlQuery& query)
{
    if (!SqlHelpers::execFirstRow(query))
        return false;
    id = query.value(0).toInt();
    name = query.value(1).toString();
    fullName = query.value(2).toString();
    image = query.value(3).toString();
    sign = query.value(4).toString();
    lips = query.value(5).toString();
    revision = query.value(7).toInt();
    const int letterId = query.value(6).toInt();
    if (letter && letter->id == letterId)
        return true;
    auto loaded = std::make_shared<Letter>();
    if (loaded->loadById(letterId)) {
        ownedLetter = std::move(loaded);
        letter = ownedLetter.get();
    } else {
        ownedLetter.reset();
        letter = nullptr;
    }
    return true;
}

bool Word::insert()
{
    if (!letter)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kInsert);
    query.bindValue(QStringLiteral(":name"), name);
    query.bindValue(QStringLiteral(":fullName"), fullName);
    query.bindValue(QStringLiteral(":image"), image);
    query.bindValue(QStringLiteral(":sign"), sign);
    query.bindValue(QStringLiteral(":lips"), lips);
    query.bindValue(QStringLiteral(":id_letter"), letter->id);
    return run(query);
}

bool Word::update()
{
    stale = Staleness::None;
    QSqlQuery query = SqlHelpers::prepare(kUpdate);
    query.bindValue(QStringLiteral(":name"), name);
    query.bindValue(QStringLiteral(":fullName"), fullName);
    query.bindValue(QStringLiteral(":image"), image);
    query.bindValue(QStringLiteral(":sign"), sign);
    query.bindValue(QStringLiteral(":lips"), lips);
    query.bindValue(QStringLiteral(":id"), id);
    query.bindValue(QStringLiteral(":revision"), revision);
    if (!run(query) || !matchedReadRow(query))
        return false;
    ++revision;
    return true;
}

// No row changed: another PC saved or deleted the word since it was read.
bool Word::matchedReadRow(QSqlQuery& query)
{
    if (query.numRowsAffected() > 0)
        return true;
    QSqlQuery exists = SqlHelpers::prepare(kExists);
    exists.bindValue(QStringLiteral(":id"), id);
    stale = SqlHelpers::execFirstRow(exists) ? Staleness::Changed : Staleness::Deleted;
    return false;
}

bool Word::save()
{
    if (!letter || !insert())
        return false;
    return loadByFullName(fullName, letter);
}

bool Word::remove()
{
    QSqlQuery query = SqlHelpers::prepare(kDelete);
    query.bindValue(QStringLiteral(":id"), id);
    return query.exec();
}

bool Word::removeWithLinks()
{
    return SqlHelpers::execInTransaction({{kDeleteLinks, ":id", id}, {kDelete, ":id", id}});
}

bool Word::removeAsRead()
{
    stale = Staleness::None;
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.transaction())
        return false;
    QSqlQuery links = SqlHelpers::prepare(kDeleteLinks);
    links.bindValue(QStringLiteral(":id"), id);
    QSqlQuery row = SqlHelpers::prepare(kDeleteRead);
    row.bindValue(QStringLiteral(":id"), id);
    row.bindValue(QStringLiteral(":revision"), revision);
    // Gone already: nothing left to delete, which is what was asked.
    if (links.exec() && row.exec() && (matchedReadRow(row) || stale == Staleness::Deleted)
        && db.commit())
        return true;
    db.rollback();
    return false;
}

bool Word::isFullNameTaken(QString* existing) const
{
    if (!letter)
        return false;
    QSqlQuery query = SqlHelpers::prepare(kOthersOfLetter);
    query.bindValue(QStringLiteral(":id_letter"), letter->id);
    query.bindValue(QStringLiteral(":id"), id);
    if (!SqlHelpers::execSelect(query))
        return false;
    while (query.next()) {
        const QString other = query.value(0).toString();
        if (SpanishOrder::sameName(other, fullName)) {
            if (existing)
                *existing = other;
            return true;
        }
    }
    return false;
}

bool Word::addCategory(const Category& category)
{
    QSqlQuery query = SqlHelpers::prepare(kAddCategory);
    query.bindValue(QStringLiteral(":id_word"), id);
    query.bindValue(QStringLiteral(":id_category"), category.id);
    return run(query);
}

bool Word::removeCategory(const Category& category)
{
    QSqlQuery query = SqlHelpers::prepare(kRemoveCategory);
    query.bindValue(QStringLiteral(":id_word"), id);
    query.bindValue(QStringLiteral(":id_category"), category.id);
    return run(query);
}

bool Word::hasCategory(const Category& category)
{
    QSqlQuery query = SqlHelpers::prepare(kHasCategory);
    query.bindValue(QStringLiteral(":id_word"), id);
    query.bindValue(QStringLiteral(":id_category"), category.id);
    return SqlHelpers::execFirstRow(query);
}

bool Word::run(QSqlQuery& query)
{
    if (query.exec() && query.isActive())
        return true;
    error = query.lastError();
    return false;
}

QString Word::folderPath() const
{
    return letter->folderPath() + fullName + QLatin1Char('/');
}

QString Word::imagePath() const
{
    return folderPath() + image;
}

QString Word::signPath() const
{
    return folderPath() + sign;
}

QString Word::lipsPath() const
{
    return folderPath() + lips;
}

void Word::setLetter(Letter* initial)
{
    if (ownedLetter.get() != initial)
        ownedLetter.reset();
    letter = initial;
}
